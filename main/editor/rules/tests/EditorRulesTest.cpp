#include "main/editor/rules/EditorRules.h"

#include <gtest/gtest.h>

#include <map>

using namespace editorrules;

namespace {

constexpr auto Folder = CustomKind::Folder;
constexpr auto Subject = CustomKind::Subject;
constexpr auto Phrase = CustomKind::Phrase;

TEST(EditorRules, DropTable)
{
    struct Case {
        const char* what;
        DraggedKind dragged;
        std::optional<CustomKind> target;
        int subjectPhrases;
        DropVerdict want;
    };
    const Case cases[] = {
        {"the installed top node copies nothing", DraggedKind::InstalledTop, Folder, 0, {}},
        {"a subject on no node", DraggedKind::InstalledSubject, std::nullopt, 0, {}},
        {"a subject on a folder", DraggedKind::InstalledSubject, Folder, 0, {DropAction::CopySubject, caption::None}},
        {"a subject on a custom subject", DraggedKind::InstalledSubject, Subject, 0,
         {DropAction::Nothing, caption::SubjectNotOnFolder}},
        {"a subject on a custom phrase", DraggedKind::InstalledSubject, Phrase, 0,
         {DropAction::Nothing, caption::SubjectNotOnFolder}},
        {"a phrase on no node", DraggedKind::InstalledPhrase, std::nullopt, 0, {}},
        {"a phrase on a folder", DraggedKind::InstalledPhrase, Folder, 0,
         {DropAction::Nothing, caption::PhraseOnFolder}},
        {"a phrase on an empty subject", DraggedKind::InstalledPhrase, Subject, 0,
         {DropAction::CopyPhrase, caption::None}},
        {"a phrase on a subject with nine", DraggedKind::InstalledPhrase, Subject, 9,
         {DropAction::CopyPhrase, caption::None}},
        {"a phrase on a subject with ten", DraggedKind::InstalledPhrase, Subject, 10,
         {DropAction::Nothing, caption::TooManyPhrases}},
        {"a phrase on a phrase of a full subject", DraggedKind::InstalledPhrase, Phrase, 10,
         {DropAction::Nothing, caption::TooManyPhrases}},
        {"a phrase on a phrase joins its subject", DraggedKind::InstalledPhrase, Phrase, 3,
         {DropAction::CopyPhrase, caption::None}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DropVerdict got = dropVerdict(c.dragged, c.target, c.subjectPhrases);
        EXPECT_EQ(got.action, c.want.action);
        EXPECT_EQ(got.refusal, c.want.refusal);
    }
}

TEST(EditorRules, EnabledCommandsFollowTheSelection)
{
    struct Case {
        const char* what;
        std::optional<CustomKind> selected;
        EnabledCommands want;  // newFolder, newSubject, rename, remove
    };
    const Case cases[] = {
        {"nothing selected", std::nullopt, {true, false, false, false}},
        {"a folder", Folder, {true, true, true, true}},
        {"a subject", Subject, {true, false, true, true}},
        {"a phrase", Phrase, {true, false, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(enabledCommands(c.selected), c.want);
    }
}

TEST(EditorRules, ScrollBandsAreTheTopHundredAndBottomTwoHundredTwips)
{
    const int height = 6855;
    const std::pair<int, ScrollDirection> cases[] = {
        {0, ScrollDirection::None},          {1, ScrollDirection::Up},
        {99, ScrollDirection::Up},           {100, ScrollDirection::None},
        {3000, ScrollDirection::None},       {height - 200, ScrollDirection::None},
        {height - 199, ScrollDirection::Down}, {height - 1, ScrollDirection::Down},
        {height, ScrollDirection::None},     {-5, ScrollDirection::None},
    };
    for (const auto& [y, want] : cases) {
        SCOPED_TRACE(y);
        EXPECT_EQ(scrollBand(y, height), want);
    }
}

// folder 1 > subject 2 > phrase 3; folder 4 with no children.
TEST(EditorRules, CommandsActOnTheTopLevelFolderAndDropsOnTheSubject)
{
    const std::map<NodeId, NodeId> parents{{1, 0}, {2, 1}, {3, 2}, {4, 0}};
    const ParentOf parentOf = [&](NodeId node) { return parents.at(node); };

    EXPECT_EQ(folderOf(1, parentOf), 1);
    EXPECT_EQ(folderOf(2, parentOf), 1);
    EXPECT_EQ(folderOf(3, parentOf), 1) << "a phrase's folder is its grandparent, not its subject";
    EXPECT_EQ(folderOf(4, parentOf), 4);

    EXPECT_EQ(subjectOf(1, Folder, parentOf), std::nullopt);
    EXPECT_EQ(subjectOf(2, Subject, parentOf), 2);
    EXPECT_EQ(subjectOf(3, Phrase, parentOf), 2);
}

}  // namespace
