#pragma once

#include "main/core/subjects/NodeTag.h"

#include <QString>

#include <unordered_map>
#include <vector>

namespace subjects {

// Identifies a node for as long as it lives; ids are never handed out twice, so a
// stale id can never name a newer node.
using NodeId = int;
inline constexpr NodeId kNoNode = 0;

struct TreeNode {
    NodeId id = kNoNode;
    NodeId parent = kNoNode;
    std::vector<NodeId> children;
    QString text;
    bool bold = false;
    int image = 0;          // index into the tree's pictures; 0 is none
    int selectedImage = 0;  // 0: the same as image
    bool expanded = false;
    NodeTag tag;
};

// The nodes of one tree: top-level nodes and children in their order.
class TreeNodes {
public:
    // Appends a node as the last child of parent (kNoNode: a top-level node).
    NodeId add(NodeId parent, TreeNode node);
    // The same for a node made of these parts (selectedImage 0: the same as image).
    NodeId add(NodeId parent, const QString& text, const NodeTag& tag, int image, int selectedImage = 0,
               bool bold = false);
    // Removes a node and everything under it.
    void remove(NodeId id);
    void removeChildren(NodeId id);
    void clear();

    const TreeNode* find(NodeId id) const;
    TreeNode* find(NodeId id);
    const std::vector<NodeId>& roots() const { return roots_; }
    const std::vector<NodeId>& children(NodeId id) const;
    bool hasChildren(NodeId id) const { return !children(id).empty(); }
    NodeId parentOf(NodeId id) const;
    std::size_t size() const { return nodes_.size(); }

private:
    void forget(NodeId id);

    std::unordered_map<NodeId, TreeNode> nodes_;
    std::vector<NodeId> roots_;
    NodeId lastId_ = kNoNode;
};

}  // namespace subjects
