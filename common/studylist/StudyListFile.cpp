#include "common/studylist/StudyListFile.h"

#include "common/studylist/AtomicFile.h"
#include "platform/text/Excerpt.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace studylist {

namespace {

constexpr int kHeaderLines = 15;
constexpr int kLinesPerPhrase = 4;
const QString kLineEnd = QStringLiteral("\r\n");

// Every value is one line of the file, so a line break inside it becomes a blank.
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar lineBreak : {QChar('\r'), QChar('\n'), QChar(0x2028), QChar(0x2029)})
        text.replace(lineBreak, QChar(' '));
    return text;
}

QString quoted(const QString& text) { return QChar('"') + oneLine(text) + QChar('"'); }

QString dropLeadingBlanks(const QString& line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
    return line.mid(start);
}

// The count line's leading decimal number rounded to a whole number (halves to
// even), 0 when the line starts with no number, held to -1 .. kMaxPhrases + 1.
int leadingCount(const QString& value)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)"));
    const QRegularExpressionMatch match = number.match(value);
    if (!match.hasMatch()) return 0;
    const double rounded = std::nearbyint(match.captured(0).toDouble());
    if (rounded < 0) return -1;
    if (rounded > kMaxPhrases) return kMaxPhrases + 1;
    return static_cast<int>(rounded);
}

QStringList splitLines(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QChar('\n'));
    if (bytes.endsWith('\n')) lines.removeLast();  // nothing follows the last line end
    for (QString& line : lines)
        if (line.endsWith(QChar('\r'))) line.chop(1);
    return lines;
}

}  // namespace

WriteResult write(const QString& path, const StudyList& list)
{
    if (list.phrases.empty() || list.phraseCount() > kMaxPhrases)
        return {QStringLiteral("A study list holds 1 to %1 phrases, not %2.")
                    .arg(kMaxPhrases)
                    .arg(list.phraseCount())};

    QStringList lines{list.instanceHandle,    list.programCode,    list.productTitle,
                      list.interfaceLanguage, list.targetLanguage, list.userName,
                      list.subjectTitle,      QString::number(list.phraseCount()),
                      list.userStorePath};
    for (const QString& spare : list.spare) lines << spare;
    lines << list.reserved;
    for (QString& line : lines) line = oneLine(line);
    for (const StudyPhrase& phrase : list.phrases)
        lines << quoted(phrase.phrase) << quoted(phrase.translation) << quoted(phrase.translation2)
              << quoted(phrase.soundPath);

    return writeFileAtomically(path, (lines.join(kLineEnd) + kLineEnd).toUtf8());
}

ReadResult read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                QStringLiteral("The study list %1 cannot be read: %2").arg(path, file.errorString())};
    const QStringList lines = splitLines(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt,
                QStringLiteral("The study list %1 cannot be read: %2").arg(path, file.errorString())};

    if (lines.size() < kHeaderLines)
        return {std::nullopt,
                QStringLiteral("The study list %1 ends before its %2 header lines.")
                    .arg(path)
                    .arg(kHeaderLines)};

    auto header = [&lines](int lineNumber) { return dropLeadingBlanks(lines[lineNumber - 1]); };
    StudyList list;
    list.instanceHandle = header(1);
    list.programCode = header(2);
    list.productTitle = header(3);
    list.interfaceLanguage = header(4);
    list.targetLanguage = header(5);
    list.userName = header(6);
    list.subjectTitle = header(7);
    list.userStorePath = header(9);
    for (int i = 0; i < static_cast<int>(list.spare.size()); ++i) list.spare[i] = header(10 + i);
    list.reserved = header(15);

    const int count = leadingCount(header(8));
    if (count < 1 || count > kMaxPhrases)
        return {std::nullopt, QStringLiteral("The study list %1 counts %2 phrases; it must hold 1 to %3.")
                                  .arg(path, platform::text::excerpt(header(8)))
                                  .arg(kMaxPhrases)};

    for (int number = 1; number <= count; ++number) {
        QString texts[kLinesPerPhrase];
        for (int field = 0; field < kLinesPerPhrase; ++field) {
            const qsizetype index = kHeaderLines + (number - 1) * kLinesPerPhrase + field;
            if (index >= lines.size())
                return {std::nullopt, QStringLiteral("The study list %1 ends before phrase %2 of %3.")
                                          .arg(path)
                                          .arg(number)
                                          .arg(count)};
            const QString& line = lines[index];
            const qsizetype first = line.indexOf(QChar('"'));
            const qsizetype last = line.lastIndexOf(QChar('"'));
            if (first < 0 || last == first)
                return {std::nullopt, QStringLiteral("Line %1 of the study list %2 is not a quoted text.")
                                          .arg(index + 1)
                                          .arg(path)};
            texts[field] = line.mid(first + 1, last - first - 1);
        }
        StudyPhrase phrase;
        phrase.number = number;
        phrase.phrase = texts[0];
        phrase.translation = texts[1];
        phrase.translation2 = texts[2];
        phrase.soundPath = texts[3];
        list.phrases.push_back(phrase);
    }
    return {std::move(list), {}};
}

}  // namespace studylist
