// Opening the editor, the clicks that load and check subjects, and listening.
#include "EditorFixture.h"

#include <QFile>


namespace editor::testing {
namespace {

TEST_F(EditorFixture, OpeningFillsBothTreesAndShowsEachNameInTheWaitBox)
{
    installSubjects();
    makeStore("Mine", {{"Pets", {{4, "le chat", "the cat", ""}}}, {"Food *1*", {}}});
    makeStore("Empty", {});
    open();
    const EditorTree& installedTree = editor->installedTree();
    const NodeId top = installedTree.nodes().roots().at(0);
    EXPECT_EQ(installedTree.node(top)->text, "#2");
    EXPECT_TRUE(installedTree.node(top)->expanded);
    EXPECT_EQ(installedTree.node(top)->image, images::TopOpen);
    EXPECT_EQ(installedTree.selected(), top);
    EXPECT_EQ(childTexts(installedTree, top), (QStringList{"Animals", "Colours"}));
    EXPECT_EQ(installedTree.node(installed("Animals"))->tag.file, "animals.fre");

    const EditorTree& customTree = editor->customTree();
    EXPECT_EQ(childTexts(customTree, kNoNode), (QStringList{"Empty", "Mine"}));
    EXPECT_EQ(customTree.selected(), custom("Empty"));
    EXPECT_TRUE(customTree.node(custom("Mine"))->bold);
    EXPECT_EQ(childTexts(customTree, custom("Mine")), (QStringList{"Pets", "Food *1*"}));
    EXPECT_FALSE(customTree.hasChildren(custom("Pets")));  // phrases load on the first click
    EXPECT_EQ(recorded.messageWindowTexts, (QStringList{" Animals", " Colours", "Pets", "Food *1*"}));
    EXPECT_TRUE(recorded.mainWindowEnabled());
    EXPECT_FALSE(subjectsChanged);
}

TEST_F(EditorFixture, AStoreThatCannotBeReadShowsAsAnEmptyFolderThatCanBeDeleted)
{
    makeStore("Good", {{"Pets", {}}});
    testsupport::writeFile(settings.virtualSubjectsDir + "Broken.vfre", "not a store");
    testsupport::writeFile(settings.virtualSubjectsDir + "Worse.vfre", "");
    open();
    EXPECT_EQ(childTexts(editor->customTree(), kNoNode), (QStringList{"Broken", "Good", "Worse"}));
    EXPECT_FALSE(editor->customTree().hasChildren(custom("Broken")));
    EXPECT_EQ(childTexts(editor->customTree(), custom("Good")), QStringList{"Pets"});
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_TRUE(recorded.boxes[0].text.startsWith("Broken.vfre#6")) << recorded.boxes[0].text.toStdString();
    EXPECT_TRUE(recorded.boxes[0].text.contains("Worse.vfre#6"));

    editor->customClicked(custom("Broken"));
    editor->Delete();
    EXPECT_EQ(storeFiles(), (QStringList{"Good.vfre", "Worse.vfre"}));
}

TEST_F(EditorFixture, AnInstalledSubjectThatFailsItsCheckIsMarkedAndCheckedAgainOnItsNextClick)
{
    installSubjects();
    subjects::testing::makeSubjectStore(settings.installedSubjectsDir + "spanish.fre", {{1, "hola", "hello", ""}},
                                        "dvlspa");
    open();
    const NodeId spanish = installed("Spanish");
    editor->installedClicked(spanish);
    EXPECT_EQ(editor->installedTree().node(spanish)->image, images::Failed);
    EXPECT_EQ(editor->installedTree().selected(), editor->installedTree().nodes().roots()[0]);
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(recorded.boxes[0].text, "spanish.fre#5 Dravolin French");
    EXPECT_FALSE(editor->installedTree().hasChildren(spanish));

    QFile::remove(settings.installedSubjectsDir + "spanish.fre");
    subjects::testing::makeSubjectStore(settings.installedSubjectsDir + "spanish.fre", {{1, "hola", "hello", ""}});
    editor->installedClicked(spanish);
    EXPECT_EQ(editor->installedTree().node(spanish)->image, images::Subject);
    EXPECT_EQ(childTexts(editor->installedTree(), spanish), QStringList{"hello"});
}

TEST_F(EditorFixture, ACustomPhraseWhoseSubjectIsGoneSendsTheSelectionBackToItsSubject)
{
    makeStore("Mine", {{"Pets", {{4, "le chat", "the cat", ""}}, "gone.fre"}});
    open();
    editor->customClicked(custom("Pets"));
    editor->customClicked(custom("the cat"));
    ASSERT_EQ(recorded.boxes.size(), 1u);
    EXPECT_EQ(editor->customTree().selected(), custom("Pets"));
    EXPECT_TRUE(editor->commands().rename);
}

TEST_F(EditorFixture, DoubleClickingAPhraseOfEitherTreeListensToItsInstalledRecording)
{
    installSubjects();
    makeStore("Mine", {{"Pets", {{2, "vert", "green", ""}}, "colours.fre"}});
    open();
    editor->installedDoubleClicked();  // the top node: nothing
    const NodeId red = firstPhraseOf("Colours");
    editor->installedPressed(red);
    editor->installedDoubleClicked();
    editor->customClicked(custom("Pets"));
    editor->customDoubleClicked();  // a subject: nothing
    editor->customClicked(custom("green"));
    editor->customDoubleClicked();
    ASSERT_EQ(listened.size(), 2u);
    EXPECT_EQ(listened[0].file, "colours.fre");
    EXPECT_EQ(listened[0].key, 1);
    EXPECT_EQ(listened[1].file, "colours.fre");
    EXPECT_EQ(listened[1].key, 2);
    EXPECT_EQ(listened[1].phrase, "vert");
}

}  // namespace
}  // namespace editor::testing
