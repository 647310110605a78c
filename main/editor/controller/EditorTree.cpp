#include "main/editor/controller/EditorTree.h"

namespace editor {

NodeId EditorTree::add(NodeId parent, const QString& text, const NodeTag& tag, int image, int selectedImage,
                       bool bold)
{
    return nodes_.add(parent, text, tag, image, selectedImage, bold);
}

void EditorTree::remove(NodeId node)
{
    for (NodeId at = selected_; at != kNoNode; at = nodes_.parentOf(at))
        if (at == node) selected_ = kNoNode;
    nodes_.remove(node);
}

NodeKind EditorTree::kindOf(NodeId id) const
{
    const TreeNode* found = nodes_.find(id);
    return found ? found->tag.kind : NodeKind::Placeholder;
}

void EditorTree::select(NodeId node)
{
    selected_ = nodes_.find(node) ? node : kNoNode;
}

void EditorTree::setExpanded(NodeId node, bool expanded)
{
    TreeNode* found = nodes_.find(node);
    if (!found) return;
    found->expanded = expanded;
    if (found->tag.kind == NodeKind::InstalledFolder) found->image = expanded ? images::TopOpen : images::TopClosed;
    if (found->tag.kind == NodeKind::CustomFolder)
        found->image = expanded ? images::CustomOpen : images::CustomClosed;
}

void EditorTree::setImages(NodeId node, int image, int selectedImage)
{
    if (TreeNode* found = nodes_.find(node)) {
        found->image = image;
        found->selectedImage = selectedImage;
    }
}

}  // namespace editor
