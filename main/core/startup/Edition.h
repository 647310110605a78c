#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace startup {

// One edition of the suite: what the built-in program code selects.
struct Edition {
    QString programCode;
    QString productTitle;
    QString interfaceLanguage;  // the caption column: "English" or "Spanish"
    QString targetLanguage;
    QString languageCode;       // three-letter extension of the subject stores
    int logoIndex = 0;          // 1-based entry of the edition logos
};

// The eight editions, fixed at build time.
const std::vector<Edition>& editionTable();

// The row whose program code matches exactly (letter case counts); none for an unknown code.
std::optional<Edition> findEdition(const QString& programCode);

}  // namespace startup
