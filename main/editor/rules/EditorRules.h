#pragma once

#include "main/core/startup/CaptionRows.h"

#include <functional>
#include <optional>

// The custom-subject editor's rules without its widgets: what may be dropped
// where, which commands a selection enables, where dragging scrolls the custom
// tree, and which folder or subject a command acts on. The window maps Qt's
// events onto these.
namespace editorrules {

// A node of the custom tree: a folder (one custom store), a custom subject in
// it, or a phrase of that subject.
enum class CustomKind { Folder, Subject, Phrase };

// What is being dragged from the installed tree.
enum class DraggedKind { InstalledTop, InstalledSubject, InstalledPhrase };

enum class DropAction { Nothing, CopySubject, CopyPhrase };

struct DropVerdict {
    DropAction action = DropAction::Nothing;
    caption::Row refusal = caption::None;  // shown when the drop is refused
    bool operator==(const DropVerdict&) const = default;
};

// target: the custom node under the pointer (none: the drop lands on no node).
// subjectPhrases: how many phrases the subject a phrase would join already has
// (the target itself, or the target phrase's subject).
DropVerdict dropVerdict(DraggedKind dragged, std::optional<CustomKind> target, int subjectPhrases);

struct EnabledCommands {
    bool newFolder = true;
    bool newSubject = false;
    bool rename = false;
    bool remove = false;
    bool operator==(const EnabledCommands&) const = default;
};

// The commands the selected custom node enables (none: nothing selected).
EnabledCommands enabledCommands(std::optional<CustomKind> selected);

enum class ScrollDirection { None, Up, Down };

// While dragging, a pointer in the top 100 twips of the custom tree scrolls it up
// and one in the bottom 200 twips scrolls it down, one line a tick.
ScrollDirection scrollBand(int yTwips, int treeHeightTwips);

// Node ids of the custom tree and how to find a node's parent (0: none).
using NodeId = int;
using ParentOf = std::function<NodeId(NodeId)>;

// The folder a command on this node acts on: its top-level ancestor (the node
// itself for a folder).
NodeId folderOf(NodeId node, const ParentOf& parentOf);

// The subject a phrase dropped on this node joins: the node itself for a
// subject, its parent for a phrase, none for a folder.
std::optional<NodeId> subjectOf(NodeId node, CustomKind kind, const ParentOf& parentOf);

}  // namespace editorrules
