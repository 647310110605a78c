#include "activities/puzzles/07sheetout/rules/WorksheetText.h"

namespace sheetout {

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

QString numbered(int number, const QString& text)
{
    return QString::number(number) + QStringLiteral(")  ") + text + kLineEnd;
}
}  // namespace

QString worksheetText(const QString& heading, const QString& targetLanguage, const QString& interfaceLanguage,
                      const QList<WorksheetPhrase>& phrases)
{
    QString text = heading + kLineEnd + kLineEnd + targetLanguage + kLineEnd;
    for (qsizetype i = 0; i < phrases.size(); ++i)
        text += numbered(int(i + 1), phrases[i].phrase);
    text += kLineEnd + interfaceLanguage + kLineEnd;
    for (qsizetype i = 0; i < phrases.size(); ++i) {
        QString translations = phrases[i].translation;
        if (!phrases[i].translation2.isEmpty())
            translations += QStringLiteral(", ") + phrases[i].translation2;
        text += numbered(int(i + 1), translations);
    }
    return text;
}

QString textToPrint(const QString& wholeText, const QString& selectedText)
{
    if (selectedText.isEmpty())
        return wholeText;
    QString text = selectedText;
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text;
}

}  // namespace sheetout
