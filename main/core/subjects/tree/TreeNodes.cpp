#include "main/core/subjects/tree/TreeNodes.h"

#include <algorithm>

namespace subjects {

namespace {
const std::vector<NodeId> kNoChildren;
}

NodeId TreeNodes::add(NodeId parent, TreeNode node)
{
    TreeNode* parentNode = parent == kNoNode ? nullptr : find(parent);
    if (parent != kNoNode && !parentNode) return kNoNode;
    node.id = ++lastId_;
    node.parent = parent;
    node.children.clear();
    (parentNode ? parentNode->children : roots_).push_back(node.id);
    nodes_.emplace(node.id, std::move(node));
    return lastId_;
}

NodeId TreeNodes::add(NodeId parent, const QString& text, const NodeTag& tag, int image, int selectedImage, bool bold)
{
    TreeNode node;
    node.text = text;
    node.tag = tag;
    node.image = image;
    node.selectedImage = selectedImage;
    node.bold = bold;
    return add(parent, std::move(node));
}

void TreeNodes::forget(NodeId id)
{
    const auto found = nodes_.find(id);
    if (found == nodes_.end()) return;
    for (NodeId child : found->second.children) forget(child);
    nodes_.erase(id);
}

void TreeNodes::remove(NodeId id)
{
    const TreeNode* node = find(id);
    if (!node) return;
    TreeNode* parentNode = find(node->parent);
    std::vector<NodeId>& siblings = parentNode ? parentNode->children : roots_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), id), siblings.end());
    forget(id);
}

void TreeNodes::removeChildren(NodeId id)
{
    TreeNode* node = find(id);
    if (!node) return;
    for (NodeId child : node->children) forget(child);
    node->children.clear();
}

void TreeNodes::clear()
{
    nodes_.clear();
    roots_.clear();
}

const TreeNode* TreeNodes::find(NodeId id) const
{
    const auto found = nodes_.find(id);
    return found == nodes_.end() ? nullptr : &found->second;
}

TreeNode* TreeNodes::find(NodeId id)
{
    const auto found = nodes_.find(id);
    return found == nodes_.end() ? nullptr : &found->second;
}

const std::vector<NodeId>& TreeNodes::children(NodeId id) const
{
    const TreeNode* node = find(id);
    return node ? node->children : kNoChildren;
}

NodeId TreeNodes::parentOf(NodeId id) const
{
    const TreeNode* node = find(id);
    return node ? node->parent : kNoNode;
}

}  // namespace subjects
