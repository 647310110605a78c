#include "activities/puzzles/05jumbler/rules/PhraseLetters.h"

#include <QTextBoundaryFinder>

namespace jumbler {
namespace {

QStringList lettersOf(const QString& word)
{
    QStringList letters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        letters.append(word.mid(start, end - start));
        start = end;
    }
    return letters;
}

}  // namespace

int PhraseLetters::letterCount() const
{
    int count = 0;
    for (const QStringList& word : words)
        count += static_cast<int>(word.size());
    return count;
}

QStringList PhraseLetters::letters() const
{
    QStringList all;
    for (const QStringList& word : words)
        all.append(word);
    return all;
}

PhraseLetters splitPhrase(const QString& phrase)
{
    PhraseLetters result;
    QString word;
    for (const QChar c : phrase) {
        if (c.isSpace()) {
            result.words.push_back(lettersOf(word));
            word.clear();
        } else {
            word.append(c);
        }
    }
    result.words.push_back(lettersOf(word));
    return result;
}

}  // namespace jumbler
