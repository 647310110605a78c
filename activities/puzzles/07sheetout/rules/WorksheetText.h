#pragma once

// The worksheet: the phrases numbered under the language being learnt, then
// their translations numbered the same way under the interface language.
#include <QList>
#include <QString>

namespace sheetout {

struct WorksheetPhrase {
    QString phrase;        // in the language being learnt
    QString translation;
    QString translation2;  // often empty
};

// heading: the subject's title as it stands at the top (upper-cased by the
// caller). Every line ends with CR LF.
QString worksheetText(const QString& heading, const QString& targetLanguage, const QString& interfaceLanguage,
                      const QList<WorksheetPhrase>& phrases);

// What a print request prints: the selection when it holds at least one
// character, else the whole text. Paragraph and line separators of a text box
// selection become line feeds, so the printed lines break where they did.
QString textToPrint(const QString& wholeText, const QString& selectedText);

}  // namespace sheetout
