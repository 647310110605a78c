#pragma once

#include "main/core/subjects/TreeImages.h"
#include "main/core/subjects/tree/TreeNodes.h"

namespace editor {

using subjects::kNoNode;
using subjects::NodeId;
using subjects::NodeKind;
using subjects::NodeTag;
using subjects::TreeNode;
using subjects::TreeNodes;

namespace images = subjects::images;

// One of the editor's trees: its nodes and its selected node. Folders show an
// open or closed picture with their expansion.
class EditorTree {
public:
    NodeId add(NodeId parent, const QString& text, const NodeTag& tag, int image, int selectedImage = 0,
               bool bold = false);
    void remove(NodeId node);

    const TreeNodes& nodes() const { return nodes_; }
    const TreeNode* node(NodeId id) const { return nodes_.find(id); }
    TreeNode* node(NodeId id) { return nodes_.find(id); }
    bool hasChildren(NodeId id) const { return nodes_.hasChildren(id); }
    NodeId parentOf(NodeId id) const { return nodes_.parentOf(id); }
    // The node's kind; Placeholder when there is no such node.
    NodeKind kindOf(NodeId id) const;

    NodeId selected() const { return selected_; }
    void select(NodeId node);  // kNoNode selects nothing
    void setExpanded(NodeId node, bool expanded);
    void setImages(NodeId node, int image, int selectedImage);

private:
    TreeNodes nodes_;
    NodeId selected_ = kNoNode;
};

}  // namespace editor
