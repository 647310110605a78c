// New folder, new subject, rename, delete and closing, with what each leaves in the stores.
#include "EditorFixture.h"

#include <QFile>

namespace editor::testing {
namespace {

using editorrules::EnabledCommands;

TEST_F(EditorFixture, NewFolderMakesAStoreWithAFreeNameAndOpensItsLabel)
{
    open();
    editor->New_Folder();
    editor->labelEdited("#123");  // confirming the offered name is no rename
    editor->New_Folder();
    EXPECT_EQ(storeFiles(), (QStringList{"#123 2.vfre", "#123.vfre"}));
    EXPECT_EQ(childTexts(editor->customTree(), kNoNode), (QStringList{"#123", "#123 2"}));
    const NodeId second = custom("#123 2");
    EXPECT_TRUE(editor->customTree().node(second)->bold);
    EXPECT_EQ(editor->customTree().node(second)->tag.file, "#123 2.vfre");
    EXPECT_EQ(editor->customTree().selected(), second);
    EXPECT_EQ(labelEdits, (std::vector<NodeId>{custom("#123"), second}));
    EXPECT_TRUE(messageWindows.isEmpty());
    EXPECT_TRUE(subjectsChanged);
}

TEST_F(EditorFixture, NewSubjectGoesIntoTheFolderOfTheSelectionAtAnyDepth)
{
    installSubjects();
    const auto keys = makeStore("Mine", {{"Pets", {{4, "le chat", "the cat", ""}}}});
    makeStore("Other", {});
    open();
    editor->customClicked(custom("Pets"));
    editor->customClicked(custom("the cat"));  // a phrase: its folder is its grandparent
    editor->New_Subject();
    EXPECT_EQ(storedSubjects("Mine"), (QStringList{"Pets", "#51"}));
    EXPECT_TRUE(storedSubjects("Other").isEmpty());
    const NodeId made = editor->customTree().selected();
    EXPECT_EQ(editor->customTree().parentOf(made), custom("Mine"));
    EXPECT_EQ(editor->customTree().node(made)->text, "#51");
    EXPECT_GT(editor->customTree().node(made)->tag.groupKey, keys[0]);
    EXPECT_EQ(labelEdits.back(), made);
}

TEST_F(EditorFixture, RenamingAFolderFollowsTheRenameRules)
{
    makeStore("Other", {});
    struct Case {
        const char* what;
        QString typed;
        QString refusal;  // "" : accepted or no change
        QStringList files;
    };
    const Case cases[] = {
        {"a new name", "Été à l'école, 2", "", {"Other.vfre", "Été à l'école, 2.vfre"}},
        {"a name with a quote", "a\"b", "#150", {"Mine.vfre", "Other.vfre"}},
        {"a taken name", "Other", "#125", {"Mine.vfre", "Other.vfre"}},
        {"a case variant of a taken name", "OTHER", "#125", {"Mine.vfre", "Other.vfre"}},
        {"a case variant of its own name", "mine", "#125", {"Mine.vfre", "Other.vfre"}},
        {"its own name", "Mine", "", {"Mine.vfre", "Other.vfre"}},
        {"a blank name", "   ", "#124", {"Mine.vfre", "Other.vfre"}},
        {"a name with a star", "a*b", "#150", {"Mine.vfre", "Other.vfre"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& file : storeFiles())
            if (file != "Other.vfre") QFile::remove(settings.virtualSubjectsDir + file);
        makeStore("Mine", {{"Pets", {}}});
        messageWindows.clear();
        reEditTimers = 0;
        subjectsChanged = false;
        open();
        const NodeId folder = custom("Mine");
        editor->customClicked(folder);
        editor->Rename();
        ASSERT_EQ(editor->editingNode(), folder);
        editor->labelEdited(c.typed);
        EXPECT_EQ(storeFiles(), c.files);
        const bool renamed = c.refusal.isEmpty() && c.typed != "Mine";
        EXPECT_EQ(subjectsChanged, renamed);
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(messageWindows.isEmpty());
            EXPECT_EQ(editor->customTree().node(folder)->text, c.typed);
            EXPECT_EQ(editor->customTree().node(folder)->tag.file, c.typed + ".vfre");
        } else {
            EXPECT_EQ(messageWindows, QStringList{c.refusal});
            EXPECT_EQ(reEditTimers, 1);
            EXPECT_EQ(editor->customTree().node(folder)->text, "Mine");
        }
    }
}

TEST_F(EditorFixture, ARenamedFolderKeepsWorkingUnderItsNewName)
{
    makeStore("Mine", {{"Pets", {{4, "le chat", "the cat", ""}}}});
    open();
    editor->customClicked(custom("Mine"));
    editor->Rename();
    editor->labelEdited("Zoo");
    editor->customClicked(custom("Pets"));  // its phrases are read from the renamed store
    EXPECT_EQ(childTexts(editor->customTree(), custom("Pets")), QStringList{"the cat"});
    editor->New_Subject();
    EXPECT_EQ(storedSubjects("Zoo"), (QStringList{"Pets", "#51"}));
}

TEST_F(EditorFixture, ARefusedNameIsEditedAgainOnTheSameNodeFromItsStoredName)
{
    makeStore("Mine", {});
    makeStore("Other", {});
    open();
    const NodeId mine = custom("Mine");
    editor->customClicked(mine);
    editor->Rename();
    editor->labelEdited("Other");
    // The learner clicks elsewhere before the timer's tick.
    editor->customClicked(custom("Other"));
    editor->reEdit();
    EXPECT_EQ(labelEdits, (std::vector<NodeId>{mine, mine}));
    EXPECT_EQ(editor->customTree().selected(), mine);
    EXPECT_EQ(editor->customTree().node(mine)->text, "Mine");
    editor->labelEdited("Mine 2");
    EXPECT_EQ(storeFiles(), (QStringList{"Mine 2.vfre", "Other.vfre"}));
    EXPECT_EQ(editor->customTree().node(custom("Other"))->tag.file, "Other.vfre");
}

TEST_F(EditorFixture, RenamingASubjectKeepsTheTypedTextAndMayRepeatANameInTheFolder)
{
    const auto keys = makeStore("Mine", {{"Pets", {}}, {"Food", {}}});
    open();
    const NodeId pets = custom("Pets");
    const QString odd = "  l'été *\"chaud\"* ß  ";
    for (const QString& typed : {odd, QString("Food")}) {
        editor->customClicked(pets);
        editor->Rename();
        editor->labelEdited(typed);
        EXPECT_EQ(editor->customTree().node(pets)->text, typed);
        EXPECT_EQ(storedSubjects("Mine").at(0), typed);
    }
    editor->customClicked(pets);
    editor->Rename();
    editor->labelEdited(" ");
    EXPECT_EQ(messageWindows, QStringList{"#124"});
    EXPECT_EQ(storedSubjects("Mine"), (QStringList{"Food", "Food"}));
    EXPECT_EQ(library().readSubjects("Mine").value.at(0).key, keys[0]);
}

TEST_F(EditorFixture, DeleteRemovesTheSelectedFolderSubjectOrPhraseWithItsRows)
{
    installSubjects();
    const auto keys = makeStore("Mine", {{"Pets", {{4, "le chat", "the cat", ""}, {4, "le chat", "the cat", ""}}},
                                         {"Food", {{2, "le pain", "bread", ""}}}});
    makeStore("Other", {{"Kept", {}}});
    open();
    // Two copies of the same installed phrase: deleting one keeps the other.
    editor->customClicked(custom("Pets"));
    editor->customClicked(editor->customTree().nodes().children(custom("Pets")).at(1));
    editor->Delete();
    EXPECT_EQ(storedPhrases("Mine", keys[0]), QStringList{"the cat"});
    EXPECT_EQ(childTexts(editor->customTree(), custom("Pets")), QStringList{"the cat"});
    EXPECT_EQ(editor->customTree().selected(), kNoNode);
    editor->Delete();  // nothing is selected any more
    EXPECT_EQ(storedPhrases("Mine", keys[0]), QStringList{"the cat"});

    editor->customClicked(custom("Food"));
    editor->Delete();
    EXPECT_EQ(storedSubjects("Mine"), QStringList{"Pets"});
    EXPECT_TRUE(storedPhrases("Mine", keys[1]).isEmpty());

    editor->customClicked(custom("Mine"));
    editor->Delete();
    EXPECT_EQ(storeFiles(), QStringList{"Other.vfre"});
    EXPECT_EQ(childTexts(editor->customTree(), kNoNode), QStringList{"Other"});
    EXPECT_TRUE(subjectsChanged);
}

TEST_F(EditorFixture, TheRightButtonSelectsTheNodeItActsOn)
{
    makeStore("Mine", {{"Pets", {}}});
    makeStore("Other", {});
    open();
    editor->customClicked(custom("Mine"));
    editor->customPressed(custom("Other"));  // the popup menu opens for Other
    editor->Delete();
    EXPECT_EQ(storeFiles(), QStringList{"Mine.vfre"});
}

TEST_F(EditorFixture, TheCommandsFollowEverySelectionChange)
{
    installSubjects();
    makeStore("Mine", {{"Pets", {{4, "le chat", "the cat", ""}}}});
    open();
    struct Step {
        const char* what;
        std::function<void()> act;
        EnabledCommands want;  // newFolder, newSubject, rename, remove
    };
    const Step steps[] = {
        {"the folder opening selects enables nothing", [] {}, {true, false, false, false}},
        {"a click on an installed node neither", [&] { editor->installedClicked(installed("Animals")); },
         {true, false, false, false}},
        {"a click on the folder", [&] { editor->customClicked(custom("Mine")); }, {true, true, true, true}},
        {"a subject", [&] { editor->customClicked(custom("Pets")); }, {true, false, true, true}},
        {"a phrase", [&] { editor->customClicked(custom("the cat")); }, {true, false, false, true}},
        {"a right press on the folder", [&] { editor->customPressed(custom("Mine")); }, {true, true, true, true}},
        {"a drop selects the subject it lands on",
         [&] { dragAndDrop(firstPhraseOf("Colours"), custom("Pets")); }, {true, false, false, true}},
        {"a press on no node", [&] { editor->customPressed(kNoNode); }, {true, false, false, false}},
        {"a new folder", [&] { editor->New_Folder(); }, {true, true, true, true}},
        {"after a delete nothing is selected", [&] { editor->Delete(); }, {true, false, false, false}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(editor->commands(), step.want);
    }
}

TEST_F(EditorFixture, ClosingRebuildsTheMainTreeOnlyAfterAChange)
{
    open();
    editor->Close();
    EXPECT_EQ(closing, (QStringList{"hide", "show main"}));
    for (const QString& event : recorded.windowEvents) EXPECT_FALSE(event.startsWith("wait")) << event.toStdString();

    closing.clear();
    open();
    editor->New_Folder();
    editor->Close();
    EXPECT_EQ(closing, (QStringList{"hide", "refresh", "show main"}));
    EXPECT_EQ(recorded.windowEvents.at(recorded.windowEvents.size() - 3), "wait box shown: #129 | #13... | 1800");
    EXPECT_EQ(recorded.windowEvents.at(recorded.windowEvents.size() - 2), "wait 1");
    EXPECT_EQ(recorded.windowEvents.back(), "wait box closed");
    EXPECT_FALSE(subjectsChanged);
}

TEST_F(EditorFixture, AFailedStoreChangeIsReportedAndChangesNoNode)
{
    makeStore("Mine", {{"Pets", {}}});
    open();
    QFile::remove(settings.virtualSubjectsDir + "Mine.vfre");
    editor->customClicked(custom("Pets"));
    editor->New_Subject();
    editor->Delete();
    EXPECT_EQ(recorded.boxes.size(), 1u);  // the click on Pets could not read its phrases
    ASSERT_EQ(recorded.errors.size(), 2u);
    EXPECT_TRUE(recorded.errors[0].startsWith("New_Subject: "));
    EXPECT_TRUE(recorded.errors[1].startsWith("Delete: "));
    EXPECT_EQ(childTexts(editor->customTree(), custom("Mine")), QStringList{"Pets"});
    EXPECT_FALSE(subjectsChanged);
}

}  // namespace
}  // namespace editor::testing
