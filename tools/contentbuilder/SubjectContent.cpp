#include "SubjectContent.h"

#include "ContentError.h"
#include "JsonFile.h"
#include "TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace contentbuilder {

namespace {

const QString kEditionFile = QStringLiteral("edition.json");

void readEdition(SubjectSet& set, const QString& path)
{
    const JsonFile file(path);
    file.checkKeys(file.root(), {"programCode", "extension", "voice"}, "");
    set.programCode = file.text(file.root(), "programCode", "");
    set.extension = file.text(file.root(), "extension", "");
    set.voice = file.text(file.root(), "voice", "");
    if (!QRegularExpression("^dvl[a-z]{3}$").match(set.programCode).hasMatch())
        file.fail("programCode", "must be \"dvl\" and three lower-case letters");
    if (!QRegularExpression("^[a-z]{3}$").match(set.extension).hasMatch())
        file.fail("extension", "must be three lower-case letters");
    if (!QRegularExpression("^[A-Za-z0-9_+-]+$").match(set.voice).hasMatch())
        file.fail("voice", "must be a speech voice name such as \"fr\"");
}

Subject readSubject(const QString& path, const QString& extension)
{
    const JsonFile file(path);
    file.checkKeys(file.root(), {"title", "phrases"}, "");
    Subject subject;
    subject.title = file.text(file.root(), "title", "");
    if (!QRegularExpression("^[A-Za-z]+( [A-Za-z]+)*$").match(subject.title).hasMatch())
        file.fail("title", "must be words of plain letters separated by single blanks (it becomes the file name)");
    subject.source = path;
    subject.name = QFileInfo(path).completeBaseName();
    subject.fileName = subjectFileName(subject.title, extension);
    if (subject.name + "." + extension != subject.fileName)
        file.fail("title", "\"" + subject.title + "\" gives the store name \"" + subject.fileName +
                               "\"; name the source file " + QFileInfo(subject.fileName).completeBaseName() + ".json");

    const QJsonArray phrases = file.array(file.root(), "phrases", "");
    if (phrases.isEmpty() || phrases.size() > kMaxPhrasesPerSubject)
        file.fail("phrases", "a subject holds 1 to " + QString::number(kMaxPhrasesPerSubject) + " phrases, not " +
                                 QString::number(phrases.size()));
    for (int i = 0; i < phrases.size(); ++i) {
        const QString where = place("phrases", i);
        const QJsonObject entry = file.object(phrases[i], where);
        file.checkKeys(entry, {"phrase", "translation", "translation2"}, where);
        Phrase phrase{file.text(entry, "phrase", where), file.text(entry, "translation", where),
                      file.optionalText(entry, "translation2", where)};
        for (const auto& [key, text] : {std::pair{"phrase", phrase.phrase}, std::pair{"translation", phrase.translation},
                                        std::pair{"translation2", phrase.translation2}}) {
            if (text.isEmpty() && QString(key) != "translation2") file.fail(place(where, key), "is empty");
            checkPhraseText(file, place(where, key), text);
        }
        subject.phrases.push_back(phrase);
    }
    return subject;
}

}  // namespace

const Subject* SubjectSet::find(const QString& name) const
{
    for (const Subject& subject : subjects)
        if (subject.name == name) return &subject;
    return nullptr;
}

QString subjectFileName(const QString& title, const QString& extension)
{
    return title.toLower().split(' ', Qt::SkipEmptyParts).join('_') + "." + extension;
}

SubjectSet readSubjectSet(const QString& folder)
{
    SubjectSet set;
    set.folderName = QFileInfo(folder).fileName();
    set.editionSource = folder + "/" + kEditionFile;
    readEdition(set, set.editionSource);

    const QDir dir(folder);
    for (const QString& entry : dir.entryList({"*.json"}, QDir::Files, QDir::Name)) {
        if (entry == kEditionFile) continue;
        set.subjects.push_back(readSubject(dir.filePath(entry), set.extension));
    }
    if (set.subjects.empty()) throw ContentError(folder, "holds no subject (one *.json file per subject)");
    return set;
}

}  // namespace contentbuilder
