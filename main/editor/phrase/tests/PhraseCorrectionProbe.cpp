// phrase_correction_probe <subjects folder> <file> <key> <phrase> <translation> <translation2>
// Prints how the correction ended: ok, read-only, no-phrase or other.
#include "main/editor/phrase/PhraseCorrection.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 7) return 2;
    const auto phrase = subjects::NodeTag::phraseOf(subjects::NodeKind::Phrase, args[2], args[3].toLongLong(), {}, {}, {});
    const auto result = phraseedit::correctPhrase(args[1], phrase, {args[4], args[5], args[6]});
    const char* names[] = {"ok", "read-only", "no-phrase", "other"};
    std::printf("%s\n", names[static_cast<int>(result.failure)]);
    return 0;
}
