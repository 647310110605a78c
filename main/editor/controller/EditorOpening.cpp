// Filling the editor's trees: at opening, and the phrases of a subject on its first click.
#include "main/editor/controller/EditorController.h"

#include "main/core/subjects/ProperTitle.h"
#include "main/core/subjects/SubjectFiles.h"
#include "main/core/subjects/SubjectStore.h"
#include "main/core/subjects/tree/BusyWindow.h"

namespace editor {

using subjects::MessageIcon;

EditorController::EditorController(subjects::SubjectContext context, customstore::CustomStoreLibrary library,
                                   bool& subjectsChanged, EditorHooks hooks)
    : context_(std::move(context)),
      library_(std::move(library)),
      subjectsChanged_(subjectsChanged),
      hooks_(std::move(hooks))
{
}

void EditorController::Form_Load()
{
    {
        subjects::BusyWindow busy(context_);
        Add_Installed_Root();
        Load_Installed_Subjects();
        Load_Custom_Folders();
    }
    const NodeId top = installed_.nodes().roots().front();
    installed_.setExpanded(top, true);
    installed_.select(top);
    if (!custom_.nodes().roots().empty()) custom_.select(custom_.nodes().roots().front());
    notify();
}

void EditorController::Add_Installed_Root()
{
    installed_.add(kNoNode, context_.caption(caption::InstalledSubjects),
                   NodeTag::topFolder(NodeKind::InstalledFolder), images::TopClosed, 0, true);
}

void EditorController::Load_Installed_Subjects()
{
    const NodeId top = installed_.nodes().roots().front();
    for (const QString& file : subjects::installedSubjectFiles(context_.settings())) {
        const QString title = subjects::Proper_Title(file);
        installed_.add(top, title.trimmed(), NodeTag::subject(NodeKind::InstalledSubject, file), images::Subject,
                       images::SubjectSelected);
        context_.messageWindowText(title);
        context_.processEvents();
    }
}

// A store that cannot be read shows as an empty folder, so it can still be
// renamed or deleted; one message names every such store.
void EditorController::Load_Custom_Folders()
{
    QStringList unreadable;
    for (const QString& file : library_.storeFiles()) {
        const NodeId folder = addCustomFolder(file);
        const auto groups = library_.readSubjects(customstore::CustomStoreLibrary::folderNameOf(file));
        if (!groups) {
            unreadable << file + context_.caption(caption::CouldNotOpen) + "\n" + groups.message;
            continue;
        }
        for (const subjects::CustomGroup& group : groups.value) {
            addCustomSubject(folder, group.key, group.name);
            context_.messageWindowText(group.name);
            context_.processEvents();
        }
    }
    if (!unreadable.isEmpty())
        context_.showBox(context_.caption(caption::SubjectProblem), unreadable.join("\n\n"), MessageIcon::Exclamation);
}

NodeId EditorController::addCustomFolder(const QString& storeFile)
{
    return custom_.add(kNoNode, customstore::CustomStoreLibrary::folderNameOf(storeFile),
                       NodeTag::customFolder(storeFile), images::CustomClosed, 0, true);
}

NodeId EditorController::addCustomSubject(NodeId folder, std::int64_t key, const QString& name)
{
    return custom_.add(folder, name, NodeTag::customGroup(key), images::Group, images::GroupSelected);
}

NodeId EditorController::addCustomPhrase(NodeId subject, const subjects::CustomPhrase& phrase)
{
    NodeTag tag = NodeTag::phraseOf(NodeKind::CustomPhrase, phrase.subjectFile, phrase.phraseNo, phrase.phrase,
                                    phrase.translation, phrase.translation2);
    tag.customKey = phrase.key;
    return custom_.add(subject, phrase.translation, tag, images::CustomPhrase);
}

// Phrases are read once per opening; a subject that fails to read is marked and
// its check runs again on its next click.
void EditorController::Load_Installed_Phrases(NodeId subject)
{
    const TreeNode* node = installed_.node(subject);
    if (!node || installed_.hasChildren(subject)) return;
    const QString file = node->tag.file;
    std::vector<subjects::SubjectPhrase> phrases;
    try {
        subjects::BusyWindow busy(context_);
        phrases = subjects::readSubjectPhrases(context_.installedPath(file));
    } catch (const std::exception& error) {
        installed_.setImages(subject, images::Failed, images::Failed);
        context_.showBox(context_.caption(caption::SubjectProblem),
                         file + context_.caption(caption::CouldNotOpen) + "\n\n" + QString::fromUtf8(error.what()),
                         MessageIcon::Exclamation);
        installed_.select(installed_.parentOf(subject));
        return;
    }
    for (const subjects::SubjectPhrase& phrase : phrases)
        installed_.add(subject, phrase.translation,
                       NodeTag::phraseOf(NodeKind::Phrase, file, phrase.key, phrase.phrase, phrase.translation,
                                         phrase.translation2),
                       images::Phrase);
    installed_.setExpanded(subject, true);
}

// Gives false when the store could not be read (the learner has been told).
bool EditorController::Load_Custom_Subject_Phrases(NodeId subject)
{
    const TreeNode* node = custom_.node(subject);
    if (!node || custom_.hasChildren(subject)) return true;
    const QString folder = folderNameOf(subject);
    const auto phrases = library_.readPhrases(folder, node->tag.groupKey);
    if (!phrases) {
        context_.showBox(context_.caption(caption::SubjectProblem),
                         library_.storeFileName(folder) + context_.caption(caption::CouldNotOpen) + "\n\n" +
                             phrases.message,
                         MessageIcon::Exclamation);
        return false;
    }
    for (const subjects::CustomPhrase& phrase : phrases.value) addCustomPhrase(subject, phrase);
    if (!phrases.value.empty()) custom_.setExpanded(subject, true);
    return true;
}

}  // namespace editor
