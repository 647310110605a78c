// Dropping installed subjects and phrases onto the custom tree. A drop copies:
// the installed tree keeps its nodes, and custom nodes appear only for rows
// that are in the store.
#include "main/editor/controller/EditorController.h"

namespace editor {

using editorrules::DraggedKind;
using editorrules::DropAction;

void EditorController::dragOver(NodeId node)
{
    const NodeId highlight = custom_.node(node) ? node : kNoNode;
    if (highlight == dropHighlight_) return;
    dropHighlight_ = highlight;
    notify();
}

void EditorController::dragEnded()
{
    dragOver(kNoNode);
}

void EditorController::drop(NodeId target)
{
    commandsFollowSelection_ = true;
    dragOver(target);
    switch (installed_.kindOf(installed_.selected())) {
    case NodeKind::InstalledSubject: Copy_Subject_To_Folder(dropHighlight_); break;
    case NodeKind::Phrase: Copy_Phrase_To_Subject(dropHighlight_); break;
    default: break;
    }
    dragEnded();
}

void EditorController::Copy_Subject_To_Folder(NodeId target)
{
    const TreeNode* dragged = installed_.node(installed_.selected());
    if (!dragged || !custom_.node(target)) return;
    const editorrules::DropVerdict verdict = editorrules::dropVerdict(DraggedKind::InstalledSubject, customKind(target), 0);
    if (verdict.action != DropAction::CopySubject) {
        dragEnded();
        showRefusal(verdict.refusal);
        return;
    }
    custom_.setExpanded(target, true);
    custom_.select(target);
    notify();
    const QString title = dragged->text;
    const auto copied = library_.copySubject(folderNameOf(target), title, dragged->tag.file);
    if (!copied) {
        storeFailure(QStringLiteral("Copy_Subject_To_Folder"), copied.message);
        return;
    }
    const NodeId subject = addCustomSubject(target, copied.value.groupKey, title);
    for (const subjects::CustomPhrase& phrase : copied.value.phrases) addCustomPhrase(subject, phrase);
    setChanged();
    notify();
}

void EditorController::Copy_Phrase_To_Subject(NodeId target)
{
    const TreeNode* dragged = installed_.node(installed_.selected());
    const auto targetKind = customKind(target);
    if (!dragged || !targetKind) return;
    custom_.setExpanded(target, true);
    custom_.select(target);
    notify();
    const auto subjectNode =
        editorrules::subjectOf(target, *targetKind, [this](NodeId id) { return custom_.parentOf(id); });
    // Phrases never shown are read first, so the count is the stored one.
    if (subjectNode && !Load_Custom_Subject_Phrases(*subjectNode)) return;
    const int shown = subjectNode ? static_cast<int>(custom_.nodes().children(*subjectNode).size()) : 0;
    const editorrules::DropVerdict verdict = editorrules::dropVerdict(DraggedKind::InstalledPhrase, targetKind, shown);
    if (verdict.action != DropAction::CopyPhrase) {
        dragEnded();
        showRefusal(verdict.refusal);
        return;
    }
    const NodeTag& tag = dragged->tag;
    const auto copied = library_.copyPhrase(folderNameOf(*subjectNode), custom_.node(*subjectNode)->tag.groupKey,
                                            {tag.file, tag.key, tag.phrase, tag.translation, tag.translation2});
    if (copied.outcome == customstore::Outcome::Refused) {
        dragEnded();
        context_.showBox(QString(), copied.message, subjects::MessageIcon::None);
        return;
    }
    if (!copied) {
        storeFailure(QStringLiteral("Copy_Phrase_To_Subject"), copied.message);
        return;
    }
    const NodeId phrase = addCustomPhrase(*subjectNode, {copied.value, custom_.node(*subjectNode)->tag.groupKey, tag.file,
                                                         tag.key, tag.phrase, tag.translation, tag.translation2});
    custom_.setExpanded(*subjectNode, true);
    custom_.select(phrase);
    setChanged();
    notify();
}

}  // namespace editor
