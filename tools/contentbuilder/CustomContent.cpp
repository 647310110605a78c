#include "CustomContent.h"

#include "JsonFile.h"
#include "TextRules.h"

#include <QDir>

namespace contentbuilder {

namespace {

const SubjectSet* findSet(const std::vector<SubjectSet>& sets, const QString& folderName)
{
    for (const SubjectSet& set : sets)
        if (set.folderName == folderName) return &set;
    return nullptr;
}

CustomStoreContent readCustomStore(const QString& path, const std::vector<SubjectSet>& subjectSets)
{
    const JsonFile file(path);
    file.checkKeys(file.root(), {"name", "subjects", "groups"}, "");
    CustomStoreContent store;
    store.name = file.text(file.root(), "name", "");
    checkFileName(path, "name", store.name);
    const QString setName = file.text(file.root(), "subjects", "");
    const SubjectSet* set = findSet(subjectSets, setName);
    if (!set) file.fail("subjects", "names no subject folder \"" + setName + "\" under content/subjects");
    store.extension = set->extension;

    const QJsonArray groups = file.array(file.root(), "groups", "");
    for (int g = 0; g < groups.size(); ++g) {
        const QString groupPlace = place("groups", g);
        const QJsonObject groupEntry = file.object(groups[g], groupPlace);
        file.checkKeys(groupEntry, {"name", "phrases"}, groupPlace);
        CustomGroup group{file.text(groupEntry, "name", groupPlace), {}};
        if (group.name.isEmpty()) file.fail(place(groupPlace, "name"), "is empty");
        checkPhraseText(file, place(groupPlace, "name"), group.name);

        const QJsonArray phrases = file.array(groupEntry, "phrases", groupPlace);
        if (phrases.isEmpty() || phrases.size() > kMaxPhrasesPerSubject)
            file.fail(place(groupPlace, "phrases"),
                      "a custom subject holds 1 to " + QString::number(kMaxPhrasesPerSubject) + " phrases");
        for (int p = 0; p < phrases.size(); ++p) {
            const QString where = place(place(groupPlace, "phrases"), p);
            const QJsonObject entry = file.object(phrases[p], where);
            file.checkKeys(entry, {"subject", "key"}, where);
            const QString subjectName = file.text(entry, "subject", where);
            CustomPhrase phrase{set->find(subjectName), file.number(entry, "key", where)};
            if (!phrase.subject) file.fail(place(where, "subject"), "no subject \"" + subjectName + "\" in " + setName);
            if (phrase.key < 1 || phrase.key > static_cast<int>(phrase.subject->phrases.size()))
                file.fail(place(where, "key"), subjectName + " has no phrase " + QString::number(phrase.key));
            group.phrases.push_back(phrase);
        }
        store.groups.push_back(group);
    }
    return store;
}

}  // namespace

std::vector<CustomStoreContent> readCustomStores(const QString& folder, const std::vector<SubjectSet>& subjectSets)
{
    std::vector<CustomStoreContent> stores;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList({"*.json"}, QDir::Files, QDir::Name))
        stores.push_back(readCustomStore(dir.filePath(entry), subjectSets));
    return stores;
}

}  // namespace contentbuilder
