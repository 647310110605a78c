#include "main/core/subjects/tree/SubjectTree.h"

#include "main/core/subjects/CustomStoreReader.h"
#include "main/core/subjects/ProperTitle.h"
#include "main/core/subjects/SubjectCheck.h"
#include "main/core/subjects/SubjectFiles.h"

namespace subjects {

namespace {
QString errorText(const std::exception& error)
{
    return QString::fromUtf8(error.what());
}
}  // namespace

SubjectTree::SubjectTree(SubjectContext context, platform::RandomSource random)
    : context_(std::move(context)), random_(std::move(random))
{
}

NodeId SubjectTree::addNode(NodeId parent, const QString& text, const NodeTag& tag, int image,
                            int selectedImage, bool bold)
{
    return nodes_.add(parent, text, tag, image, selectedImage, bold);
}

void SubjectTree::addPlaceholder(NodeId parent, caption::Row captionRow)
{
    addNode(parent, context_.caption(captionRow), NodeTag::placeholder(), 0);
}

void SubjectTree::echoLoaded(const QString& name) const
{
    context_.messageWindowText(name);
    context_.splashLine(context_.caption(caption::Loading) + ' ' + name);
    context_.processEvents();
}

void SubjectTree::notify() const
{
    if (changed_) changed_();
}

void SubjectTree::Create_Folders()
{
    try {
        const std::pair<caption::Row, NodeKind> folders[] = {
            {caption::InstalledSubjects, NodeKind::InstalledFolder},
            {caption::RandomSubject, NodeKind::RandomSubjectFolder},
            {caption::RandomPhrases, NodeKind::RandomPhrasesFolder}};
        for (const auto& [captionRow, kind] : folders)
            addNode(kNoNode, context_.caption(captionRow), NodeTag::topFolder(kind),
                    images::TopClosed, 0, true);
    } catch (const std::exception& error) {
        context_.errorBox(QStringLiteral("Create_Folders"), errorText(error));
    }
    notify();
}

void SubjectTree::Get_Subjects()
{
    try {
        const NodeId folder = topFolder(NodeKind::InstalledFolder);
        nodes_.removeChildren(folder);
        installedFiles_ = installedSubjectFiles(context_.settings());
        for (const QString& file : installedFiles_) {
            const QString title = Proper_Title(file);
            addNode(folder, title.trimmed(), NodeTag::subject(NodeKind::InstalledSubject, file),
                    images::Subject, images::SubjectSelected);
            echoLoaded(title);
        }
        if (!nodes_.hasChildren(folder)) addPlaceholder(folder, caption::EmptyFolder);
        select(folder);
    } catch (const std::exception& error) {
        context_.errorBox(QStringLiteral("Get_Subjects"), errorText(error));
    }
    notify();
}

void SubjectTree::Get_vSubjects()
{
    try {
        for (const QString& storeFile : customStoreFiles(context_.settings())) {
            const NodeId folder = addNode(kNoNode, customFolderName(storeFile),
                                          NodeTag::customFolder(storeFile), images::CustomClosed,
                                          0, true);
            try {
                for (const CustomGroup& group : readCustomGroups(context_.customPath(storeFile))) {
                    addNode(folder, group.name, NodeTag::customGroup(group.key), images::Group,
                            images::GroupSelected);
                    echoLoaded(group.name);
                }
            } catch (const std::exception& error) {
                // One unreadable store is reported; the others are still listed.
                context_.errorBox(QStringLiteral("Get_vSubjects"), errorText(error));
            }
            if (!nodes_.hasChildren(folder)) addPlaceholder(folder, caption::EmptyFolder);
        }
    } catch (const std::exception& error) {
        context_.errorBox(QStringLiteral("Get_vSubjects"), errorText(error));
    }
    notify();
}

void SubjectTree::build()
{
    Create_Folders();
    Get_Subjects();
    Get_vSubjects();
}

void SubjectTree::Refresh_Subjects(bool& subjectsChanged)
{
    if (!subjectsChanged) return;
    subjectsChanged = false;
    nodes_.clear();
    selected_ = kNoNode;
    build();
}

NodeId SubjectTree::topFolder(NodeKind kind) const
{
    for (NodeId id : nodes_.roots())
        if (nodes_.find(id)->tag.kind == kind) return id;
    return kNoNode;
}

void SubjectTree::select(NodeId node)
{
    if (node != kNoNode && !nodes_.find(node)) return;
    selected_ = node;
    notify();
}

void SubjectTree::setImages(NodeId node, int image, int selectedImage)
{
    TreeNode* found = nodes_.find(node);
    if (!found) return;
    found->image = image;
    found->selectedImage = selectedImage;
    notify();
}

void SubjectTree::retag(NodeId node, const QString& text, const NodeTag& tag)
{
    TreeNode* found = nodes_.find(node);
    if (!found) return;
    found->text = text;
    found->tag = tag;
    notify();
}

void SubjectTree::Expand(NodeId node)
{
    setExpanded(node, true);
}

void SubjectTree::Collapse(NodeId node)
{
    setExpanded(node, false);
}

// Folders show an open or closed picture with their state; other nodes keep theirs.
void SubjectTree::setExpanded(NodeId node, bool expanded)
{
    TreeNode* found = nodes_.find(node);
    if (!found) return;
    found->expanded = expanded;
    if (found->tag.isFolder()) {
        const bool custom = found->tag.kind == NodeKind::CustomFolder;
        found->image = expanded ? (custom ? images::CustomOpen : images::TopOpen)
                                : (custom ? images::CustomClosed : images::TopClosed);
    }
    notify();
}

void SubjectTree::toggle(NodeId node)
{
    const TreeNode* found = nodes_.find(node);
    if (found && found->expanded)
        Collapse(node);
    else
        Expand(node);
}

bool SubjectTree::offersPhraseMenu(NodeId node) const
{
    const TreeNode* found = nodes_.find(node);
    if (!found || found->tag.kind != NodeKind::Phrase) return false;
    const TreeNode* subject = nodes_.find(found->parent);
    return subject && (subject->tag.kind == NodeKind::InstalledSubject ||
                       subject->tag.kind == NodeKind::RandomSubject);
}

bool SubjectTree::offersListening(NodeId node) const
{
    const TreeNode* found = nodes_.find(node);
    return found && found->tag.isPhrase();
}

QString SubjectTree::Tag_Item(int part, NodeId node) const
{
    const TreeNode* found = nodes_.find(node);
    if (!found) {
        context_.errorBox(QStringLiteral("Tag_Item"), QStringLiteral("There is no node %1.").arg(node));
        return QString();
    }
    const std::optional<QString> field = tagField(found->tag.joined(), part);
    if (!field) {
        context_.errorBox(QStringLiteral("Tag_Item"),
                          QStringLiteral("The tag \"%1\" has no field %2.").arg(found->tag.joined()).arg(part));
        return QString();
    }
    return *field;
}

void SubjectTree::showNoSubjects() const
{
    const QString text = context_.caption(caption::NoSubjectsFound) + " \n\n" + context_.settings().installedSubjectsDir +
                         "\n\n" + context_.caption(caption::CopySubjectsThere) + '\n';
    context_.showBox(QString(), text, MessageIcon::None);
}

void SubjectTree::NodeClick(NodeId node)
{
    const TreeNode* found = nodes_.find(node);
    if (!found) return;
    selected_ = node;
    try {
        if (installedFiles_.isEmpty()) {
            showNoSubjects();
        } else if (found->tag.kind == NodeKind::Placeholder) {
            select(found->parent);
        } else if (found->tag.isFolder()) {
            clickFolder(node);
        } else if (found->tag.isSubject()) {
            clickSubject(node);
        } else {
            clickPhrase(node);
        }
    } catch (const std::exception& error) {
        context_.errorBox(QStringLiteral("TreeFolders_NodeClick"), errorText(error));
    }
    notify();
}

void SubjectTree::clickFolder(NodeId node)
{
    switch (nodes_.find(node)->tag.kind) {
    case NodeKind::RandomSubjectFolder:
        clickRandomSubjectFolder(node);
        break;
    case NodeKind::RandomPhrasesFolder:
        clickRandomPhrasesFolder(node);
        break;
    default:
        toggle(node);
        break;
    }
}

// Top folders 2 and 3 alternate between empty and one drawn child per click;
// gives true when the click emptied the folder.
bool SubjectTree::emptiedTopFolder(NodeId folder)
{
    if (!nodes_.hasChildren(folder)) return false;
    nodes_.removeChildren(folder);
    Collapse(folder);
    return true;
}

void SubjectTree::openTopFolder(NodeId folder, NodeId child)
{
    selected_ = child;
    Expand(folder);
}

void SubjectTree::clickRandomSubjectFolder(NodeId folder)
{
    if (emptiedTopFolder(folder)) return;
    const QString file = installedFiles_.at(random_.below(installedFiles_.size()));
    openTopFolder(folder, addNode(folder, Proper_Title(file), NodeTag::subject(NodeKind::RandomSubject, file),
                                  images::Subject, images::SubjectSelected));
}

void SubjectTree::clickRandomPhrasesFolder(NodeId folder)
{
    if (emptiedTopFolder(folder)) return;
    openTopFolder(folder, addNode(folder, context_.caption(caption::TenRandomPhrases), NodeTag::randomMix(), images::Subject,
                                  images::SubjectSelected));
    Build_Mixed_Subject();
}

void SubjectTree::clickSubject(NodeId node)
{
    const NodeTag tag = nodes_.find(node)->tag;
    switch (tag.kind) {
    case NodeKind::RandomMix:
        Build_Mixed_Subject();
        break;
    case NodeKind::CustomGroup: {
        const TreeNode* store = nodes_.find(nodes_.parentOf(node));
        if (store) Load_Custom_Group_Phrases(store->tag.file, tag.groupKey, node);
        break;
    }
    default:
        Load_Subject_Phrases(tag.file);
        break;
    }
}

void SubjectTree::clickPhrase(NodeId node)
{
    const TreeNode& phrase = *nodes_.find(node);
    const QString result = Check_Subject(context_, phrase.tag.file);
    if (result == kValidSubject) return;
    const NodeId parent = phrase.parent;
    Report_Subject_Problem(context_, phrase.tag.file, result);
    select(parent);
}

}  // namespace subjects
