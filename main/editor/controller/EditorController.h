#pragma once

#include "main/core/subjects/SubjectContext.h"
#include "main/editor/controller/EditorTree.h"
#include "main/editor/customstore/CustomStoreLibrary.h"
#include "main/editor/rules/EditorRules.h"

#include <functional>
#include <optional>

namespace editor {

// What the editor asks of its window and of the main window, beyond the
// subject hooks (boxes, the wait box, pending events, enabling the window).
struct EditorHooks {
    // Opens the label editor on a custom node (the learner cannot open one).
    std::function<void(NodeId node)> startLabelEdit;
    // Starts the 100 ms timer after a refused name; its tick calls reEdit().
    std::function<void()> startReEditTimer;
    // The message window, shown modally, with a refusal of a typed name.
    std::function<void(const QString& text)> showMessageWindow;
    // Shows a phrase and plays its recording from its installed store.
    std::function<void(const NodeTag& phrase)> listen;
    // Closing: the editor window hides, the main window rebuilds its tree and shows.
    std::function<void()> hideEditor;
    std::function<void()> refreshSubjects;
    std::function<void()> showMainWindow;
    // The trees, their selection or the commands changed.
    std::function<void()> changed;
};

enum class ActiveTree { Installed, Custom };

// The custom-subject editor without its widgets: the installed tree (what can be
// dragged) and the custom tree (the custom subject stores with their subjects and
// phrases), the learner's clicks on both, the commands, the label editing of
// names and the drops. Every change goes to the stores at once through the
// custom store library; a node appears or goes only once its store rows have.
// Every store is found through the file name and keys kept with its nodes, never
// through a node's visible text.
class EditorController {
public:
    EditorController(subjects::SubjectContext context, customstore::CustomStoreLibrary library,
                     bool& subjectsChanged, EditorHooks hooks = {});

    // Opening: fills both trees, writing each name into the wait box.
    void Form_Load();

    const EditorTree& installedTree() const { return installed_; }
    const EditorTree& customTree() const { return custom_; }
    ActiveTree activeTree() const { return active_; }
    // The custom node under the pointer while dragging (kNoNode: none).
    NodeId dropHighlight() const { return dropHighlight_; }
    // The commands the custom tree's selection enables, once the learner has
    // worked in that tree; only New folder before.
    editorrules::EnabledCommands commands() const;
    // The custom node whose name is being edited (kNoNode: none).
    NodeId editingNode() const { return editing_; }

    // Installed tree. A press makes it the active tree and selects the node.
    void installedPressed(NodeId node);
    void installedClicked(NodeId node);
    void installedExpanded(NodeId node, bool expanded);
    void installedDoubleClicked();

    // Custom tree. Any press (the right button too) makes it the active tree and
    // selects the node under the pointer, so the popup menu acts on that node.
    void customPressed(NodeId node);
    void customClicked(NodeId node);
    void customExpanded(NodeId node, bool expanded);
    void customDoubleClicked();

    // Commands.
    void New_Folder();
    void New_Subject();
    void Rename();
    void Delete();
    // The Delete key in the custom tree: deletes only while the command is enabled.
    void deletePressed();
    // Done or the close box.
    void Close();

    // Label editing: what the learner typed into the open editor (Enter or
    // leaving it). A refused name is shown, then reEdit() reopens the editor on
    // the same node with its stored name.
    void labelEdited(const QString& typed);
    void reEdit();

    // Dragging an installed node over the custom tree, and dropping it.
    void dragOver(NodeId node);
    void drop(NodeId target);
    void dragEnded();

private:
    QString folderNameOf(NodeId node) const;  // the store of the node's top-level folder
    NodeId folderOf(NodeId customNode) const;
    std::optional<editorrules::CustomKind> customKind(NodeId node) const;

    bool subjectIsValid(const QString& subjectFile) const;
    void Add_Installed_Root();
    void Load_Installed_Subjects();
    void Load_Custom_Folders();
    void Load_Installed_Phrases(NodeId subject);
    bool Load_Custom_Subject_Phrases(NodeId subject);
    NodeId addCustomFolder(const QString& storeFile);
    NodeId addCustomSubject(NodeId folder, std::int64_t key, const QString& name);
    NodeId addCustomPhrase(NodeId subject, const subjects::CustomPhrase& phrase);
    void startEditing(NodeId node);
    void refuseName(NodeId node, const QString& text);

    void Copy_Subject_To_Folder(NodeId target);
    void Copy_Phrase_To_Subject(NodeId target);

    void setChanged();
    void notify() const;
    void storeFailure(const QString& procedure, const QString& error) const;
    void showRefusal(caption::Row row) const;

    subjects::SubjectContext context_;
    customstore::CustomStoreLibrary library_;
    bool& subjectsChanged_;
    EditorHooks hooks_;

    EditorTree installed_;
    EditorTree custom_;
    ActiveTree active_ = ActiveTree::Installed;
    NodeId dropHighlight_ = kNoNode;
    NodeId editing_ = kNoNode;
    // The selection opening made is only shown: it enables no command.
    bool commandsFollowSelection_ = false;
};

}  // namespace editor
