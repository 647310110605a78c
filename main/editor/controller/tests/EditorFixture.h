#pragma once

// An editor over a sandbox program: installed subjects in <sandbox>/Subjects/,
// custom stores in <sandbox>/Custom/, the template in <sandbox>/Program/, and
// hooks that record what the editor shows and asks. Captions read "#<row>".
#include "main/editor/controller/EditorController.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

namespace editor::testing {

using subjects::testing::PhraseRow;

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture();

    // "animals.fre" with ten phrases and "colours.fre" with three.
    void installSubjects();
    customstore::CustomStoreSettings storeSettings() const;
    customstore::CustomStoreLibrary library() const { return customstore::CustomStoreLibrary(storeSettings()); }
    // A custom store <folder>.vfre holding these groups; gives their keys.
    std::vector<std::int64_t> makeStore(const QString& folder, const std::vector<subjects::testing::GroupRow>& groups);

    // Makes and opens the editor (Form_Load).
    EditorController& open();

    // The node of the tree with exactly this text (kNoNode: none).
    static NodeId named(const EditorTree& tree, const QString& text);
    static QStringList childTexts(const EditorTree& tree, NodeId parent);
    NodeId custom(const QString& text) const { return named(editor->customTree(), text); }
    NodeId installed(const QString& text) const { return named(editor->installedTree(), text); }
    // Clicks an installed subject (its phrases load) and gives its first phrase.
    NodeId firstPhraseOf(const QString& subjectTitle);
    // Presses an installed node and drops it on a custom node, as a drag does.
    void dragAndDrop(NodeId installedNode, NodeId target);

    QStringList storeFiles() const;
    QStringList storedSubjects(const QString& folder) const;
    QStringList storedPhrases(const QString& folder, std::int64_t groupKey) const;

    subjects::testing::RecordingHooks recorded;
    subjects::SubjectSettings settings = subjects::testing::sandboxSettings();
    QString programDir = testsupport::makeFolder(QStringLiteral("Program"));
    bool subjectsChanged = false;

    std::vector<NodeId> labelEdits;  // nodes the label editor was opened on
    QStringList messageWindows;      // refusals of typed names
    int reEditTimers = 0;
    std::vector<NodeTag> listened;
    QStringList closing;             // "hide", "refresh", "show main"
    std::unique_ptr<EditorController> editor;
};

}  // namespace editor::testing
