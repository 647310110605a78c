#pragma once

// Fixture stores and recording hooks for the tests of the subject code and of the
// custom store library.
#include "main/core/subjects/SubjectContext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace subjects::testing {

struct PhraseRow {
    std::int64_t key;
    QString phrase;
    QString translation;
    std::optional<QString> translation2;  // nothing: NULL
    QByteArray sound = "RIFF";
};

// An installed subject store at path with these rows, belonging to programCode.
void makeSubjectStore(const QString& path, const std::vector<PhraseRow>& rows,
                      const QString& programCode = QStringLiteral("dvlfre"));
// Ten phrases "<stem> 1" .. "<stem> 10" with keys 1..10.
std::vector<PhraseRow> tenPhrases(const QString& stem);

struct GroupRow {
    QString name;
    std::vector<PhraseRow> phrases{};  // stored with tfilename = sourceFile
    QString sourceFile = QStringLiteral("animals.fre");
};
// A custom subject store at path with these groups; gives their keys.
std::vector<std::int64_t> makeCustomStore(const QString& path, const std::vector<GroupRow>& groups);

// Captions read "#<row>", so a test sees which row a text came from.
QString fakeCaption(int row);

// The settings of a sandbox program: subjects in <sandbox>/Subjects/, custom
// stores in <sandbox>/Custom/, edition dvlfre, product "Dravolin French".
SubjectSettings sandboxSettings();

// Records everything the subject code shows or asks of the windows.
class RecordingHooks {
public:
    std::vector<MessageRequest> boxes;
    std::vector<QString> errors;       // "<procedure>: <error>"
    QStringList webPages;
    QStringList splashLines;
    QStringList messageWindowTexts;
    std::vector<QString> windowEvents; // "disabled", "enabled", "wait box shown", "wait box closed", ...
    std::deque<MessageAnswer> answers; // answers for the next boxes; else Ok / No

    SubjectHooks hooks();
    bool mainWindowEnabled() const;
};


}  // namespace subjects::testing
