// Dropping installed subjects and phrases on the custom tree.
#include "EditorFixture.h"

#include <QFile>

namespace editor::testing {
namespace {

TEST_F(EditorFixture, ASubjectDroppedOnAFolderIsCopiedWholeEachTime)
{
    installSubjects();
    makeStore("Mine", {});
    open();
    const NodeId colours = installed("Colours");
    const QStringList installedBefore = childTexts(editor->installedTree(), editor->installedTree().nodes().roots()[0]);
    dragAndDrop(colours, custom("Mine"));
    dragAndDrop(colours, custom("Mine"));

    const auto groups = library().readSubjects("Mine").value;
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "Colours");
    const auto stored = library().readPhrases("Mine", groups[1].key).value;
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[2].phrase, "l'été *bleu*");
    EXPECT_EQ(stored[2].translation, "\"summer\" blue");

    const NodeId folder = custom("Mine");
    EXPECT_TRUE(editor->customTree().node(folder)->expanded);
    const auto& subjects = editor->customTree().nodes().children(folder);
    ASSERT_EQ(subjects.size(), 2u);
    const TreeNode* second = editor->customTree().node(subjects[1]);
    EXPECT_EQ(second->tag.groupKey, groups[1].key);
    EXPECT_EQ(childTexts(editor->customTree(), subjects[1]), (QStringList{"red", "green", "\"summer\" blue"}));
    const TreeNode* phrase = editor->customTree().node(second->children[2]);
    EXPECT_EQ(phrase->tag.customKey, stored[2].key);
    EXPECT_EQ(phrase->tag.file, "colours.fre");
    EXPECT_EQ(phrase->tag.key, 3);
    // The installed tree keeps every node.
    EXPECT_EQ(childTexts(editor->installedTree(), editor->installedTree().nodes().roots()[0]), installedBefore);
    EXPECT_EQ(editor->dropHighlight(), kNoNode);
    EXPECT_TRUE(subjectsChanged);
}

TEST_F(EditorFixture, DropTableOnTheController)
{
    installSubjects();
    struct Case {
        const char* what;
        bool dragPhrase;      // else the subject Colours
        QString target;       // "" : no node
        QString refusal;      // "" : copied
        int petsPhrases;      // stored in Pets afterwards
        int mineSubjects;
    };
    const Case cases[] = {
        {"a subject on a folder", false, "Mine", "", 1, 2},
        {"a subject on a custom subject", false, "Pets", "#137", 1, 1},
        {"a subject on a custom phrase", false, "the cat", "#137", 1, 1},
        {"a subject on no node", false, "", "", 1, 1},
        {"a phrase on a custom subject", true, "Pets", "", 2, 1},
        {"a phrase on a custom phrase joins its subject", true, "the cat", "", 2, 1},
        {"a phrase on a folder", true, "Mine", "#126", 1, 1},
        {"a phrase on no node", true, "", "", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(settings.virtualSubjectsDir + "Mine.vfre");
        const auto made = makeStore("Mine", {{"Pets", {{4, "le chat", "the cat", ""}}}});
        recorded.boxes.clear();
        open();
        if (!c.target.isEmpty()) editor->customClicked(custom("Pets"));  // shows "the cat"
        const NodeId dragged = c.dragPhrase ? firstPhraseOf("Colours") : installed("Colours");
        dragAndDrop(dragged, c.target.isEmpty() ? kNoNode : custom(c.target));
        EXPECT_EQ(storedPhrases("Mine", made[0]).size(), c.petsPhrases);
        EXPECT_EQ(storedSubjects("Mine").size(), c.mineSubjects);
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(recorded.boxes.empty());
        } else {
            ASSERT_EQ(recorded.boxes.size(), 1u);
            EXPECT_EQ(recorded.boxes[0].text, c.refusal);
        }
        if (c.refusal == "#126") {  // the folder was opened and selected first
            EXPECT_TRUE(editor->customTree().node(custom("Mine"))->expanded);
            EXPECT_EQ(editor->customTree().selected(), custom("Mine"));
        }
        EXPECT_EQ(editor->dropHighlight(), kNoNode);
    }
}

TEST_F(EditorFixture, TheTenPhraseRuleCountsStoredPhrasesNeverShown)
{
    installSubjects();
    std::vector<PhraseRow> ten;
    for (int key = 1; key <= 10; ++key) ten.push_back({key, "p", "stored " + QString::number(key), ""});
    const auto keys = makeStore("Mine", {{"Full", ten}});
    open();
    const NodeId full = custom("Full");
    ASSERT_FALSE(editor->customTree().hasChildren(full));
    dragAndDrop(firstPhraseOf("Colours"), full);
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "#7");
    EXPECT_EQ(storedPhrases("Mine", keys[0]).size(), 10);
    EXPECT_EQ(editor->customTree().nodes().children(full).size(), 10u);  // now shown
    EXPECT_FALSE(subjectsChanged);
}

TEST_F(EditorFixture, TheSamePhraseTwiceIsTwoCustomPhrasesAndDeletingOneKeepsTheOther)
{
    installSubjects();
    const auto keys = makeStore("Mine", {{"Pets", {}}});
    open();
    const NodeId red = firstPhraseOf("Colours");
    dragAndDrop(red, custom("Pets"));
    dragAndDrop(red, custom("Pets"));
    const auto stored = library().readPhrases("Mine", keys[0]).value;
    ASSERT_EQ(stored.size(), 2u);
    const auto& shown = editor->customTree().nodes().children(custom("Pets"));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(editor->customTree().selected(), shown[1]);
    EXPECT_EQ(editor->customTree().node(shown[1])->tag.customKey, stored[1].key);

    editor->customClicked(shown[0]);
    editor->Delete();
    const auto left = library().readPhrases("Mine", keys[0]).value;
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].key, stored[1].key);
    EXPECT_EQ(left[0].phrase, "rouge");
    EXPECT_EQ(left[0].translation2, "scarlet");
}

TEST_F(EditorFixture, DraggingHighlightsOnlyNodesOfTheCustomTree)
{
    makeStore("Mine", {});
    open();
    editor->dragOver(custom("Mine"));
    EXPECT_EQ(editor->dropHighlight(), custom("Mine"));
    editor->dragOver(12345);
    EXPECT_EQ(editor->dropHighlight(), kNoNode);
    editor->dragOver(custom("Mine"));
    editor->dragEnded();
    EXPECT_EQ(editor->dropHighlight(), kNoNode);
}

}  // namespace
}  // namespace editor::testing
