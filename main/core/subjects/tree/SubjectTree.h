#pragma once

#include "main/core/subjects/SubjectContext.h"
#include "main/core/subjects/TreeImages.h"
#include "main/core/subjects/tree/TreeNodes.h"
#include "platform/random/RandomSource.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace subjects {

// The main window's subject tree without its widget: the three top folders, the
// installed subjects, the random subject, the random mix of phrases, the custom
// stores with their groups, and the phrases loaded on click. The window shows the
// nodes and forwards the learner's clicks to NodeClick, Expand and Collapse.
class SubjectTree {
public:
    explicit SubjectTree(SubjectContext context,
                         platform::RandomSource random = {});

    // Building: the three top folders, the installed subjects, the custom stores.
    void Create_Folders();
    void Get_Subjects();
    void Get_vSubjects();
    void build();  // all three, as at start-up
    // Rebuilds the whole tree when the flag is set, and clears it.
    void Refresh_Subjects(bool& subjectsChanged);

    // The learner's clicks (every click, also on the selected node).
    void NodeClick(NodeId node);
    void Expand(NodeId node);
    void Collapse(NodeId node);
    // The phrase menu is offered for phrases of installed and random subjects only.
    bool offersPhraseMenu(NodeId node) const;
    // Listening works on phrase nodes (of any subject).
    bool offersListening(NodeId node) const;

    // Loaders the clicks run; each works on the selected node.
    void Load_Subject_Phrases(const QString& fileName);
    void Load_Custom_Group_Phrases(const QString& storeFile, std::int64_t groupKey, NodeId node);
    void Build_Mixed_Subject();
    // Checks a custom group or the random mix before a launch: true when at least
    // one of its phrases comes from a present, valid subject store.
    bool Check_Virtual_Subject(NodeId subjectNode);

    const TreeNodes& nodes() const { return nodes_; }
    const TreeNode* node(NodeId id) const { return nodes_.find(id); }
    NodeId selected() const { return selected_; }
    // Selection made by the program: runs no click rules.
    void select(NodeId node);
    // Sets a node's normal and selected picture (a failed subject gets images::Failed).
    void setImages(NodeId node, int image, int selectedImage);
    // Gives a node a new text and tag (a phrase whose texts were corrected).
    void retag(NodeId node, const QString& text, const NodeTag& tag);
    NodeId topFolder(NodeKind kind) const;
    // The installed subject files as last listed.
    const QStringList& installedFiles() const { return installedFiles_; }
    // Field `part` of a node's "*"-joined tag; the "ERROR" box and "" when it has none.
    QString Tag_Item(int part, NodeId node) const;

    // Called after every change of the nodes or of the selection.
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

    const SubjectContext& context() const { return context_; }

private:
    NodeId addNode(NodeId parent, const QString& text, const NodeTag& tag, int image,
                   int selectedImage = 0, bool bold = false);
    void addPlaceholder(NodeId parent, caption::Row captionRow);
    void toggle(NodeId node);
    void setExpanded(NodeId node, bool expanded);
    bool emptiedTopFolder(NodeId folder);
    void openTopFolder(NodeId folder, NodeId child);
    void clickFolder(NodeId node);
    void clickRandomSubjectFolder(NodeId folder);
    void clickRandomPhrasesFolder(NodeId folder);
    void clickSubject(NodeId node);
    void clickPhrase(NodeId node);
    void showNoSubjects() const;
    void reportLoadFailure(NodeId node, const QString& file, const QString& error);
    bool addMixedPhrase(NodeId mix, const QString& subjectFile);
    void echoLoaded(const QString& name) const;
    void notify() const;

    SubjectContext context_;
    platform::RandomSource random_;
    TreeNodes nodes_;
    NodeId selected_ = kNoNode;
    QStringList installedFiles_;
    std::function<void()> changed_;
};

}  // namespace subjects
