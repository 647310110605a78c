#pragma once

#include "main/core/subjects/NodeTag.h"

#include <QString>

#include <optional>

// Correcting the three texts of one phrase in its installed subject store.
namespace phraseedit {

// What the three boxes of the phrase dialog hold, untrimmed.
struct TypedTexts {
    QString phrase;
    QString translation;
    QString translation2;
};

enum class CorrectionFailure {
    None,
    ReadOnly,  // the store or its folder refuses writes: nothing was written
    NoPhrase,  // the store has no row with the phrase's key
    Other,     // the store could not be opened or written
};

struct CorrectionResult {
    CorrectionFailure failure = CorrectionFailure::None;
    QString error;                  // details for Other
    std::optional<subjects::NodeTag> stored;  // the phrase's tag as stored now, on success
    bool ok() const { return failure == CorrectionFailure::None; }
};

// Writes each non-blank text, trimmed, into the row of phrase.key in the store
// subjectsDir + phrase.file; a blank text keeps its column. Exactly one row
// changes or nothing does. On success the returned tag keeps the phrase's kind,
// file and key and holds the three texts as the row now has them.
CorrectionResult correctPhrase(const QString& subjectsDir, const subjects::NodeTag& phrase,
                               const TypedTexts& typed);

}  // namespace phraseedit
