#include "main/core/launch/ActivityLauncher.h"

#include "common/studylist/HandoffFiles.h"
#include "common/studylist/StudyListFile.h"
#include "main/core/shared/FileExists.h"
#include "main/core/startup/ModMain.h"
#include "main/core/subjects/SubjectCheck.h"
#include "main/core/subjects/tree/BusyWindow.h"
#include "main/users/store/UserStoreLoader.h"
#include "platform/process/Process.h"

#include <QDir>

#include <algorithm>
#include <stdexcept>

namespace launch {

using startup::modMain;
using subjects::NodeId;
using subjects::kNoNode;

namespace {

const QString kNoPhrases = QStringLiteral("There are no phrases to study");

LaunchSeams withRealSeams(LaunchSeams seams, subjects::SubjectTree& tree)
{
    if (!seams.startProgram) seams.startProgram = platform::startDetached;
    if (!seams.checkSubject)
        seams.checkSubject = [&tree](const QString& file) { return subjects::Check_Subject(tree.context(), file); };
    if (!seams.checkVirtualSubject)
        seams.checkVirtualSubject = [&tree](NodeId node) { return tree.Check_Virtual_Subject(node); };
    if (!seams.place) seams.place = HandoffPlace::ofThisProgram;
    return seams;
}

QString errorText(const std::exception& error) { return QString::fromUtf8(error.what()); }

}  // namespace

ActivityLauncher::ActivityLauncher(subjects::SubjectTree& tree, LaunchSeams seams)
    : tree_(tree), seams_(withRealSeams(std::move(seams), tree))
{
}

NodeId ActivityLauncher::subjectToStudy(NodeId selectedNode) const
{
    const subjects::TreeNode* node = tree_.node(selectedNode);
    if (!node) return kNoNode;
    if (node->tag.isSubject()) return selectedNode;
    // A phrase, or the placeholder of an empty folder or group, stands for its parent.
    const subjects::TreeNode* parent = tree_.node(node->parent);
    return parent && parent->tag.isSubject() ? parent->id : kNoNode;
}

void ActivityLauncher::btnAct_Click(const QString& programPath, NodeId selectedNode)
{
    const subjects::SubjectContext& context = tree_.context();
    const NodeId subject = subjectToStudy(selectedNode);
    if (subject == kNoNode) {
        context.showBox(context.caption(caption::SubjectProblem), context.caption(caption::ChooseSubjectFirst), subjects::MessageIcon::Exclamation);
        return;
    }
    if (subject != selectedNode) tree_.select(subject);

    // The window is given back on every way out of the launch.
    subjects::BusyWindow busy(context);
    try {
        if (!passesCheck(subject)) return;
        const int count = Get_Phraes_to_Study(subject);
        if (count < 1) {
            busy.restore();
            context.showBox(QString(), kNoPhrases, subjects::MessageIcon::None);
            return;
        }
        modMain.gPhraseCount = count;
        if (!Write_Handoff_File()) return;
        if (!seams_.startProgram(programPath, place_.studyListName()))
            context.errorBox(QStringLiteral("btnAct_Click"),
                             QStringLiteral("The program %1 cannot be started.").arg(QDir::toNativeSeparators(programPath)));
    } catch (const std::exception& error) {
        busy.restore();
        context.errorBox(QStringLiteral("btnAct_Click"), errorText(error));
    }
}

bool ActivityLauncher::passesCheck(NodeId subjectNode)
{
    const subjects::NodeTag& tag = tree_.node(subjectNode)->tag;
    if (tag.isVirtual()) return seams_.checkVirtualSubject(subjectNode);
    const QString result = seams_.checkSubject(tag.file);
    if (result == subjects::kValidSubject) return true;
    subjects::Report_Subject_Problem(tree_.context(), tag.file, result);
    tree_.setImages(subjectNode, subjects::images::Failed, subjects::images::Failed);
    return false;
}

int ActivityLauncher::Get_Phraes_to_Study(NodeId subjectNode)
{
    gStudyList_.phrases.clear();
    const subjects::TreeNode* subject = tree_.node(subjectNode);
    try {
        place_ = seams_.place();
        // Every slot a launch can fill, so no sound of an earlier launch survives.
        studylist::removeHandoffFiles(place_.folder, place_.pid, studylist::kMaxPhrases);
        if (!subject) return 0;
        if (subject->tag.isVirtual())
            gatherVirtual(subjectNode);
        else
            gatherInstalled(subject->tag.file);
    } catch (const std::exception& error) {
        tree_.context().errorBox(QStringLiteral("Get_Phraes_to_Study"), errorText(error));
        // An installed subject is studied whole or not at all; a group keeps what it gathered.
        if (subject && !subject->tag.isVirtual()) {
            gStudyList_.phrases.clear();
            studylist::removeHandoffFiles(place_.folder, place_.pid, studylist::kMaxPhrases);
        }
    }
    return gStudyList_.phraseCount();
}

void ActivityLauncher::gatherInstalled(const QString& subjectFile)
{
    const std::vector<subjects::SubjectPhrase> phrases =
        subjects::readSubjectPhrases(tree_.context().installedPath(subjectFile), subjects::WithSound::Yes);
    for (const subjects::SubjectPhrase& phrase : phrases) {
        if (gStudyList_.phraseCount() == studylist::kMaxPhrases) break;
        addPhrase(subjectFile, phrase);
    }
}

void ActivityLauncher::gatherVirtual(NodeId subjectNode)
{
    const subjects::SubjectContext& context = tree_.context();
    for (NodeId child : tree_.nodes().children(subjectNode)) {
        if (gStudyList_.phraseCount() == studylist::kMaxPhrases) break;
        const subjects::NodeTag& tag = tree_.node(child)->tag;
        if (!tag.isPhrase()) continue;
        // Phrases whose store is missing or of another edition are passed over; the
        // group's check has already told the learner about them.
        const QString path = context.installedPath(tag.file);
        if (!shared::File_Exists(path) || seams_.checkSubject(tag.file) != subjects::kValidSubject) continue;
        // A phrase gone from a usable store ends the gathering with an error; the
        // phrases gathered before it are studied.
        addPhrase(tag.file, subjects::requireSubjectPhrase(path, tag.key, subjects::WithSound::Yes));
    }
}

void ActivityLauncher::addPhrase(const QString& subjectFile, const subjects::SubjectPhrase& phrase)
{
    studylist::StudyPhrase slot;
    slot.subjectFile = subjectFile;
    slot.number = gStudyList_.phraseCount() + 1;
    slot.phrase = phrase.phrase;
    slot.translation = phrase.translation;
    slot.translation2 = phrase.translation2;
    slot.soundPath = place_.soundFile(slot.number);
    slot.key = phrase.key;
    // An empty recording still gives its (empty) file, so the phrase is studied silently.
    const studylist::WriteResult written = studylist::writeSoundFile(slot.soundPath, phrase.sound);
    if (!written.ok()) throw std::runtime_error(written.error.toStdString());
    gStudyList_.phrases.push_back(slot);
}

bool ActivityLauncher::Write_Handoff_File()
{
    const subjects::TreeNode* selected = tree_.node(tree_.selected());
    studylist::StudyList& list = gStudyList_;
    list.instanceHandle = QString::number(place_.pid);
    list.programCode = modMain.gProgramCode;
    list.productTitle = modMain.gProductTitle;
    list.interfaceLanguage = modMain.gInterfaceLanguage;
    list.targetLanguage = modMain.gTargetLanguage;
    list.userName = modMain.gUserName;
    list.subjectTitle = selected ? selected->text : QString();
    list.userStorePath = modMain.gDataDir + users::kUserStoreName;
    if (list.phraseCount() > modMain.gPhraseCount) list.phrases.resize(std::max(modMain.gPhraseCount, 0));

    const studylist::WriteResult written = studylist::write(place_.studyListFile(), list);
    if (written.ok()) return true;
    tree_.context().errorBox(QStringLiteral("Write_Handoff_File"), written.error);
    return false;
}

}  // namespace launch
