// The editor's commands: new folder, new subject, rename (label editing), delete, close.
#include "main/editor/controller/EditorController.h"

namespace editor {

using customstore::CustomStoreLibrary;
using editorrules::CustomKind;

namespace {
constexpr int kUpdateBoxTwips = 1800;
}

std::optional<CustomKind> EditorController::customKind(NodeId node) const
{
    switch (custom_.kindOf(node)) {
    case NodeKind::CustomFolder: return CustomKind::Folder;
    case NodeKind::CustomGroup: return CustomKind::Subject;
    case NodeKind::CustomPhrase: return CustomKind::Phrase;
    default: return std::nullopt;
    }
}

editorrules::EnabledCommands EditorController::commands() const
{
    if (!commandsFollowSelection_) return editorrules::enabledCommands(std::nullopt);
    return editorrules::enabledCommands(customKind(custom_.selected()));
}

NodeId EditorController::folderOf(NodeId customNode) const
{
    if (!custom_.node(customNode)) return kNoNode;
    return editorrules::folderOf(customNode, [this](NodeId id) { return custom_.parentOf(id); });
}

QString EditorController::folderNameOf(NodeId node) const
{
    const TreeNode* folder = custom_.node(folderOf(node));
    return folder ? CustomStoreLibrary::folderNameOf(folder->tag.file) : QString();
}

void EditorController::setChanged()
{
    subjectsChanged_ = true;
}

void EditorController::notify() const
{
    if (hooks_.changed) hooks_.changed();
}

void EditorController::storeFailure(const QString& procedure, const QString& error) const
{
    context_.errorBox(procedure, error);
}

void EditorController::showRefusal(caption::Row row) const
{
    context_.showBox(QString(), context_.caption(row), subjects::MessageIcon::None);
}

void EditorController::New_Folder()
{
    const auto made = library_.newStore(library_.uniqueNewStoreName());
    if (!made) {
        storeFailure(QStringLiteral("New_Folder"), made.message);
        return;
    }
    const NodeId folder = addCustomFolder(made.value);
    active_ = ActiveTree::Custom;
    custom_.select(folder);
    commandsFollowSelection_ = true;
    setChanged();
    notify();
    startEditing(folder);
}

// The new subject goes into the folder the selection lies in, at any depth.
void EditorController::New_Subject()
{
    const NodeId folder = folderOf(custom_.selected());
    if (folder == kNoNode) return;
    const QString name = context_.caption(caption::NewSubjectName);
    const auto made = library_.newSubject(folderNameOf(folder), name);
    if (!made) {
        storeFailure(QStringLiteral("New_Subject"), made.message);
        return;
    }
    const NodeId subject = addCustomSubject(folder, made.value, name);
    custom_.setExpanded(folder, true);
    active_ = ActiveTree::Custom;
    custom_.select(subject);
    setChanged();
    notify();
    startEditing(subject);
}

void EditorController::Rename()
{
    const NodeId node = custom_.selected();
    const auto kind = customKind(node);
    if (kind == CustomKind::Folder || kind == CustomKind::Subject) startEditing(node);
}

void EditorController::startEditing(NodeId node)
{
    editing_ = node;
    if (hooks_.startLabelEdit) hooks_.startLabelEdit(node);
}

// The name is applied to the node that was being edited, whatever is selected
// now; an unchanged name is no rename.
void EditorController::labelEdited(const QString& typed)
{
    const NodeId node = editing_;
    TreeNode* edited = custom_.node(node);
    editing_ = kNoNode;
    if (!edited || typed == edited->text) return;
    if (edited->tag.kind == NodeKind::CustomFolder) {
        const auto renamed = library_.renameStore(CustomStoreLibrary::folderNameOf(edited->tag.file), typed);
        if (renamed.outcome == customstore::Outcome::Refused) return refuseName(node, renamed.message);
        if (!renamed) return storeFailure(QStringLiteral("Rename"), renamed.message);
        edited->tag.file = renamed.value;
    } else if (edited->tag.kind == NodeKind::CustomGroup) {
        const auto renamed = library_.renameSubject(folderNameOf(node), edited->tag.groupKey, typed);
        if (renamed.outcome == customstore::Outcome::Refused) return refuseName(node, renamed.message);
        if (!renamed) return storeFailure(QStringLiteral("Rename"), renamed.message);
    } else {
        return;
    }
    edited->text = typed;
    setChanged();
    notify();
}

void EditorController::refuseName(NodeId node, const QString& text)
{
    if (hooks_.showMessageWindow) hooks_.showMessageWindow(text);
    editing_ = node;
    if (hooks_.startReEditTimer) hooks_.startReEditTimer();
}

// The node keeps its stored name and is edited again.
void EditorController::reEdit()
{
    const NodeId node = editing_;
    if (!custom_.node(node)) {
        editing_ = kNoNode;
        return;
    }
    active_ = ActiveTree::Custom;
    custom_.select(node);
    notify();
    startEditing(node);
}

void EditorController::Delete()
{
    const NodeId node = custom_.selected();
    const TreeNode* selected = custom_.node(node);
    if (!selected) return;
    customstore::Result<> deleted;
    switch (selected->tag.kind) {
    case NodeKind::CustomFolder:
        deleted = library_.deleteStore(CustomStoreLibrary::folderNameOf(selected->tag.file));
        break;
    case NodeKind::CustomGroup:
        deleted = library_.deleteSubject(folderNameOf(node), selected->tag.groupKey);
        break;
    case NodeKind::CustomPhrase:
        deleted = library_.deletePhrase(folderNameOf(node), selected->tag.customKey);
        break;
    default:
        return;
    }
    if (!deleted) {
        storeFailure(QStringLiteral("Delete"), deleted.message);
        return;
    }
    // Nothing is selected afterwards, so a second press deletes nothing more.
    if (editing_ == node || custom_.parentOf(editing_) == node) editing_ = kNoNode;
    custom_.remove(node);
    setChanged();
    notify();
}

void EditorController::deletePressed()
{
    if (commands().remove) Delete();
}

void EditorController::Close()
{
    if (hooks_.hideEditor) hooks_.hideEditor();
    const bool changed = subjectsChanged_;
    if (changed) {
        context_.showWaitBox(context_.caption(caption::UpdatingSubjects),
                             context_.caption(caption::LoadingSubjects) + "...", kUpdateBoxTwips);
        context_.wait(1);
        if (hooks_.refreshSubjects) hooks_.refreshSubjects();
    }
    if (hooks_.showMainWindow) hooks_.showMainWindow();
    if (changed) context_.closeWaitBox();
}

}  // namespace editor
