#include "SubjectFixtures.h"

#include "TestEnvironment.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QDir>

namespace subjects::testing {

using platform::Store;
using platform::Value;

namespace {
Value textOrNull(const std::optional<QString>& text)
{
    return text ? Value(*text) : Value();
}
}  // namespace

void makeSubjectStore(const QString& path, const std::vector<PhraseRow>& rows, const QString& programCode)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    Store store = Store::create(path);
    schema::createSubjectStore(store, programCode);
    for (const PhraseRow& row : rows)
        store.execute("INSERT INTO tblPhrases (pkPhraseNo, tPhrase, tTranslation, tTranslation2, bsound) "
                      "VALUES (?, ?, ?, ?, ?)",
                      {row.key, row.phrase, row.translation, textOrNull(row.translation2), row.sound});
}

std::vector<PhraseRow> tenPhrases(const QString& stem)
{
    std::vector<PhraseRow> rows;
    for (int key = 1; key <= 10; ++key)
        rows.push_back({key, stem + " phrase " + QString::number(key), stem + " " + QString::number(key),
                        QString(), QByteArray("RIFF") + QByteArray::number(key)});
    return rows;
}

std::vector<std::int64_t> makeCustomStore(const QString& path, const std::vector<GroupRow>& groups)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    Store store = Store::create(path);
    schema::createCustomStore(store);
    std::vector<std::int64_t> keys;
    for (const GroupRow& group : groups) {
        store.execute("INSERT INTO tblParents (tName) VALUES (?)", {group.name});
        const std::int64_t key = store.lastInsertId();
        keys.push_back(key);
        for (const PhraseRow& row : group.phrases)
            store.execute("INSERT INTO tblPhrases (fkParent, tfilename, nPhraseNo, tPhrase, tTranslation, "
                          "tTranslation2) VALUES (?, ?, ?, ?, ?, ?)",
                          {key, group.sourceFile, row.key, row.phrase, row.translation,
                           textOrNull(row.translation2)});
    }
    return keys;
}

QString fakeCaption(int row)
{
    return "#" + QString::number(row);
}

SubjectSettings sandboxSettings()
{
    SubjectSettings settings;
    settings.programCode = QStringLiteral("dvlfre");
    settings.productTitle = QStringLiteral("Dravolin French");
    settings.languageCode = QStringLiteral("fre");
    settings.installedSubjectsDir = testsupport::makeFolder(QStringLiteral("Subjects"));
    settings.virtualSubjectsDir = testsupport::makeFolder(QStringLiteral("Custom"));
    settings.caption = fakeCaption;
    return settings;
}

SubjectHooks RecordingHooks::hooks()
{
    SubjectHooks hooks;
    hooks.messageBox = [this](const MessageRequest& request) {
        boxes.push_back(request);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    };
    hooks.errorBox = [this](const QString& procedure, const QString& error) {
        errors.push_back(procedure + ": " + error);
    };
    hooks.openWebPage = [this](const QString& page) { webPages << page; };
    hooks.splashLine = [this](const QString& line) { splashLines << line; };
    hooks.messageWindowText = [this](const QString& text) { messageWindowTexts << text; };
    hooks.setMainWindowEnabled = [this](bool enabled) {
        windowEvents.push_back(enabled ? "enabled" : "disabled");
    };
    hooks.showWaitBox = [this](const QString& title, const QString& text, int height) {
        windowEvents.push_back("wait box shown: " + title + " | " + text + " | " + QString::number(height));
    };
    hooks.setWaitBoxText = [this](const QString& text) { windowEvents.push_back("wait box text: " + text); };
    hooks.closeWaitBox = [this] { windowEvents.push_back("wait box closed"); };
    hooks.wait = [this](int seconds) { windowEvents.push_back("wait " + QString::number(seconds)); };
    return hooks;
}

bool RecordingHooks::mainWindowEnabled() const
{
    for (auto it = windowEvents.rbegin(); it != windowEvents.rend(); ++it) {
        if (*it == "enabled") return true;
        if (*it == "disabled") return false;
    }
    return true;
}

}  // namespace subjects::testing
