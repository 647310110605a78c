// Loading the phrases of a clicked subject or custom group, and the check of a
// custom group before a launch.
#include "main/core/subjects/tree/SubjectTree.h"

#include "main/core/subjects/CustomStoreReader.h"
#include "main/core/subjects/SubjectCheck.h"
#include "main/core/subjects/SubjectStore.h"
#include "main/core/subjects/tree/BusyWindow.h"
#include "platform/ui/TextCase.h"

namespace subjects {

void SubjectTree::reportLoadFailure(NodeId node, const QString& file, const QString& error)
{
    const NodeId parent = nodes_.parentOf(node);
    setImages(node, images::Failed, images::Failed);
    context_.showBox(context_.caption(caption::SubjectProblem),
                     platform::ui::ucase(file) + context_.caption(caption::CouldNotOpen) + "\n\n" + error,
                     MessageIcon::Exclamation);
    select(parent);
}

void SubjectTree::Load_Subject_Phrases(const QString& fileName)
{
    const NodeId subject = selected_;
    if (!nodes_.find(subject) || nodes_.hasChildren(subject)) return;
    BusyWindow busy(context_);
    std::vector<SubjectPhrase> phrases;
    try {
        phrases = readSubjectPhrases(context_.installedPath(fileName));
    } catch (const std::exception& error) {
        busy.restore();
        reportLoadFailure(subject, fileName, QString::fromUtf8(error.what()));
        return;
    }
    for (const SubjectPhrase& phrase : phrases)
        addNode(subject, phrase.translation,
                NodeTag::phraseOf(NodeKind::Phrase, fileName, phrase.key, phrase.phrase,
                                  phrase.translation, phrase.translation2),
                images::Phrase);
    Expand(subject);  // the learner sees the phrases of the subject they clicked
}

void SubjectTree::Load_Custom_Group_Phrases(const QString& storeFile, std::int64_t groupKey, NodeId node)
{
    if (!nodes_.find(node) || nodes_.hasChildren(selected_) || nodes_.hasChildren(node)) return;
    std::vector<CustomPhrase> phrases;
    try {
        phrases = readCustomPhrases(context_.customPath(storeFile), groupKey);
    } catch (const std::exception& error) {
        reportLoadFailure(node, storeFile, QString::fromUtf8(error.what()));
        return;
    }
    if (phrases.empty()) addPlaceholder(node, caption::NoPhrasesYet);
    for (const CustomPhrase& phrase : phrases)
        addNode(node, phrase.translation,
                NodeTag::phraseOf(NodeKind::CustomPhrase, phrase.subjectFile, phrase.phraseNo,
                                  phrase.phrase, phrase.translation, phrase.translation2),
                images::CustomPhrase);
    Expand(node);
}

bool SubjectTree::Check_Virtual_Subject(NodeId subjectNode)
{
    const TreeNode* subject = nodes_.find(subjectNode);
    if (!subject) return false;
    const QString joinedTag = subject->tag.joined();
    try {
        std::vector<NodeTag> children;
        for (NodeId child : subject->children) children.push_back(nodes_.find(child)->tag);
        const VirtualSubjectCheck check = checkVirtualSubject(context_, children);
        Collapse(subjectNode);
        if (check.ok()) return true;
        setImages(subjectNode, images::Failed, images::Failed);
    } catch (const std::exception& error) {
        context_.showBox(QString(),
                         tagField(joinedTag, 1).value_or(QString()) + ' ' + context_.caption(caption::CouldNotOpen) +
                             "\n\n" + QString::fromUtf8(error.what()),
                         MessageIcon::Exclamation);
    }
    return false;
}

}  // namespace subjects
