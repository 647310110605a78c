// The learner's presses, clicks, double-clicks, expansions and collapses on the two trees.
#include "main/editor/controller/EditorController.h"

#include "main/core/subjects/SubjectCheck.h"

namespace editor {

// Checks an installed subject store and tells the learner what is wrong with it.
bool EditorController::subjectIsValid(const QString& subjectFile) const
{
    const QString result = subjects::Check_Subject(context_, subjectFile);
    if (result == subjects::kValidSubject) return true;
    subjects::Report_Subject_Problem(context_, subjectFile, result);
    return false;
}

void EditorController::installedPressed(NodeId node)
{
    active_ = ActiveTree::Installed;
    if (installed_.node(node)) installed_.select(node);
    notify();
}

void EditorController::installedClicked(NodeId node)
{
    const TreeNode* clicked = installed_.node(node);
    if (!clicked) return;
    active_ = ActiveTree::Installed;
    installed_.select(node);
    if (clicked->tag.kind == NodeKind::InstalledFolder) {
        installed_.setExpanded(node, !clicked->expanded);
    } else if (clicked->tag.kind == NodeKind::InstalledSubject && !installed_.hasChildren(node)) {
        if (!subjectIsValid(clicked->tag.file)) {
            installed_.setImages(node, images::Failed, images::Failed);
            installed_.select(installed_.parentOf(node));
        } else {
            installed_.setImages(node, images::Subject, images::SubjectSelected);
            Load_Installed_Phrases(node);
        }
    }
    notify();
}

void EditorController::installedExpanded(NodeId node, bool expanded)
{
    installed_.setExpanded(node, expanded);
    notify();
}

void EditorController::installedDoubleClicked()
{
    const TreeNode* node = installed_.node(installed_.selected());
    if (node && node->tag.isPhrase() && hooks_.listen) hooks_.listen(node->tag);
}

void EditorController::customPressed(NodeId node)
{
    active_ = ActiveTree::Custom;
    custom_.select(node);
    commandsFollowSelection_ = true;
    notify();
}

void EditorController::customClicked(NodeId node)
{
    const TreeNode* clicked = custom_.node(node);
    if (!clicked) return;
    active_ = ActiveTree::Custom;
    custom_.select(node);
    commandsFollowSelection_ = true;
    switch (clicked->tag.kind) {
    case NodeKind::CustomFolder:
        custom_.setExpanded(node, !clicked->expanded);
        break;
    case NodeKind::CustomGroup:
        Load_Custom_Subject_Phrases(node);
        break;
    case NodeKind::CustomPhrase:
        if (!subjectIsValid(clicked->tag.file)) custom_.select(custom_.parentOf(node));
        break;
    default:
        break;
    }
    notify();
}

void EditorController::customExpanded(NodeId node, bool expanded)
{
    custom_.setExpanded(node, expanded);
    notify();
}

void EditorController::customDoubleClicked()
{
    const TreeNode* node = custom_.node(custom_.selected());
    if (node && node->tag.kind == NodeKind::CustomPhrase && hooks_.listen) hooks_.listen(node->tag);
}

}  // namespace editor
