#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace subjects {

// What a node of the subject tree stands for.
enum class NodeKind {
    InstalledFolder,      // top folder 1: the installed subjects
    RandomSubjectFolder,  // top folder 2: one random subject per click
    RandomPhrasesFolder,  // top folder 3: a random mix of phrases
    CustomFolder,         // one custom subject store
    InstalledSubject,     // a subject under top folder 1
    RandomSubject,        // the one child of top folder 2
    RandomMix,            // the one child of top folder 3
    CustomGroup,          // a custom subject inside a custom store
    Phrase,               // a phrase of an installed subject or of the random mix
    CustomPhrase,         // a phrase of a custom group (points at its installed phrase)
    Placeholder,          // the "IGNORE" node of an empty folder or group
};

// The meaning of a node, kept as separate fields so that a "*" or a quote in any
// text never shifts another field. The "*"-joined form is built only for showing
// or comparing it (joined()).
struct NodeTag {
    NodeKind kind = NodeKind::Placeholder;
    QString file;              // subject file (subjects, phrases) or store file (custom folder)
    std::int64_t key = 0;      // phrase key in the installed subject store (phrases)
    std::int64_t groupKey = 0; // key of the custom group in its store (custom groups)
    std::int64_t customKey = 0; // pkPhraseNo of a custom phrase in its custom store, where known
    QString phrase;            // tPhrase
    QString translation;       // tTranslation
    QString translation2;      // tTranslation2

    static NodeTag topFolder(NodeKind kind);
    static NodeTag customFolder(const QString& storeFile);
    static NodeTag subject(NodeKind kind, const QString& subjectFile);
    static NodeTag randomMix();
    static NodeTag customGroup(std::int64_t groupKey);
    static NodeTag phraseOf(NodeKind kind, const QString& subjectFile, std::int64_t key,
                            const QString& phrase, const QString& translation,
                            const QString& translation2);
    static NodeTag placeholder();

    bool isFolder() const;
    bool isSubject() const;    // a node whose children are phrases
    bool isPhrase() const;
    // A subject whose phrases come from several subject stores (custom group, random mix).
    bool isVirtual() const;

    // The "*"-joined tag: "FOLDER*INSTALLED_SUBJECTS", "SUBJECT*<file>",
    // "SUBJECT*VIRTUALSUBJECT*<key>", "<file>*<key>*<phrase>*<translation>*<translation2>", "IGNORE".
    QString joined() const;

    bool operator==(const NodeTag&) const = default;
};

// Field `part` (0-based) of a "*"-joined tag; nothing when the tag has no such field.
std::optional<QString> tagField(const QString& joinedTag, int part);

}  // namespace subjects
