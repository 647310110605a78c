#include "main/editor/rules/EditorRules.h"

#include "main/editor/customstore/CustomStoreLibrary.h"

namespace editorrules {

namespace {

constexpr int kTopBandTwips = 100;
constexpr int kBottomBandTwips = 200;

}  // namespace

DropVerdict dropVerdict(DraggedKind dragged, std::optional<CustomKind> target, int subjectPhrases)
{
    if (dragged == DraggedKind::InstalledTop || !target) return {};
    if (dragged == DraggedKind::InstalledSubject) {
        if (*target != CustomKind::Folder) return {DropAction::Nothing, caption::SubjectNotOnFolder};
        return {DropAction::CopySubject, caption::None};
    }
    if (*target == CustomKind::Folder) return {DropAction::Nothing, caption::PhraseOnFolder};
    // The store refuses a phrase past its limit; the drop is refused before it gets there.
    if (subjectPhrases >= customstore::CustomStoreLibrary::kMaxPhrasesPerSubject) return {DropAction::Nothing, caption::TooManyPhrases};
    return {DropAction::CopyPhrase, caption::None};
}

EnabledCommands enabledCommands(std::optional<CustomKind> selected)
{
    EnabledCommands commands;
    if (!selected) return commands;
    commands.newSubject = *selected == CustomKind::Folder;
    commands.rename = *selected != CustomKind::Phrase;
    commands.remove = true;
    return commands;
}

ScrollDirection scrollBand(int yTwips, int treeHeightTwips)
{
    if (yTwips > 0 && yTwips < kTopBandTwips) return ScrollDirection::Up;
    if (yTwips > treeHeightTwips - kBottomBandTwips && yTwips < treeHeightTwips) return ScrollDirection::Down;
    return ScrollDirection::None;
}

NodeId folderOf(NodeId node, const ParentOf& parentOf)
{
    for (NodeId parent = parentOf(node); parent != 0; parent = parentOf(node)) node = parent;
    return node;
}

std::optional<NodeId> subjectOf(NodeId node, CustomKind kind, const ParentOf& parentOf)
{
    switch (kind) {
    case CustomKind::Folder: return std::nullopt;
    case CustomKind::Subject: return node;
    case CustomKind::Phrase: return parentOf(node);
    }
    return std::nullopt;
}

}  // namespace editorrules
