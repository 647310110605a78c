#include "EditorFixture.h"

#include "common/schema/Schema.h"
#include "platform/store/Store.h"

#include <QDir>

namespace editor::testing {

EditorFixture::EditorFixture()
{
    platform::Store store = platform::Store::create(programDir + "custom.tpl");
    schema::createCustomStore(store);
}

void EditorFixture::installSubjects()
{
    subjects::testing::makeSubjectStore(settings.installedSubjectsDir + "animals.fre",
                                        subjects::testing::tenPhrases("animal"));
    subjects::testing::makeSubjectStore(settings.installedSubjectsDir + "colours.fre",
                                        {{1, "rouge", "red", "scarlet"}, {2, "vert", "green", std::nullopt},
                                         {3, "l'été *bleu*", "\"summer\" blue", ""}});
}

customstore::CustomStoreSettings EditorFixture::storeSettings() const
{
    return {settings.virtualSubjectsDir, settings.installedSubjectsDir, programDir, settings.languageCode,
            settings.caption};
}

std::vector<std::int64_t> EditorFixture::makeStore(const QString& folder,
                                                   const std::vector<subjects::testing::GroupRow>& groups)
{
    return subjects::testing::makeCustomStore(settings.virtualSubjectsDir + folder + ".vfre", groups);
}

EditorController& EditorFixture::open()
{
    EditorHooks hooks;
    hooks.startLabelEdit = [this](NodeId node) { labelEdits.push_back(node); };
    hooks.startReEditTimer = [this] { ++reEditTimers; };
    hooks.showMessageWindow = [this](const QString& text) { messageWindows << text; };
    hooks.listen = [this](const NodeTag& phrase) { listened.push_back(phrase); };
    hooks.hideEditor = [this] { closing << "hide"; };
    hooks.refreshSubjects = [this] {
        closing << "refresh";
        subjectsChanged = false;
    };
    hooks.showMainWindow = [this] { closing << "show main"; };
    editor = std::make_unique<EditorController>(subjects::SubjectContext(settings, recorded.hooks()), library(),
                                                subjectsChanged, std::move(hooks));
    editor->Form_Load();
    return *editor;
}

NodeId EditorFixture::named(const EditorTree& tree, const QString& text)
{
    std::vector<NodeId> pending = tree.nodes().roots();
    while (!pending.empty()) {
        const NodeId id = pending.back();
        pending.pop_back();
        if (tree.node(id)->text == text) return id;
        for (NodeId child : tree.nodes().children(id)) pending.push_back(child);
    }
    return kNoNode;
}

QStringList EditorFixture::childTexts(const EditorTree& tree, NodeId parent)
{
    QStringList texts;
    for (NodeId id : parent == kNoNode ? tree.nodes().roots() : tree.nodes().children(parent))
        texts << tree.node(id)->text;
    return texts;
}

NodeId EditorFixture::firstPhraseOf(const QString& subjectTitle)
{
    const NodeId subject = installed(subjectTitle);
    editor->installedPressed(subject);
    editor->installedClicked(subject);
    const auto& phrases = editor->installedTree().nodes().children(subject);
    return phrases.empty() ? kNoNode : phrases.front();
}

void EditorFixture::dragAndDrop(NodeId installedNode, NodeId target)
{
    editor->installedPressed(installedNode);
    editor->dragOver(target);
    editor->drop(target);
}

QStringList EditorFixture::storeFiles() const
{
    return QDir(settings.virtualSubjectsDir).entryList(QDir::Files, QDir::Name);
}

QStringList EditorFixture::storedSubjects(const QString& folder) const
{
    QStringList names;
    for (const auto& group : library().readSubjects(folder).value) names << group.name;
    return names;
}

QStringList EditorFixture::storedPhrases(const QString& folder, std::int64_t groupKey) const
{
    QStringList texts;
    for (const auto& phrase : library().readPhrases(folder, groupKey).value) texts << phrase.translation;
    return texts;
}

}  // namespace editor::testing
