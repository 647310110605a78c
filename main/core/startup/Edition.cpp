#include "main/core/startup/Edition.h"

namespace startup {

const std::vector<Edition>& editionTable()
{
    static const std::vector<Edition> table{
        {"dvlspa", "Dravolin Spanish", "English", "Spanish", "spa", 1},
        {"dvlfre", "Dravolin French", "English", "French", "fre", 2},
        {"dvlger", "Dravolin German", "English", "German", "ger", 3},
        {"dvlita", "Dravolin Italian", "English", "Italian", "ita", 4},
        {"dvleng", "Dravolin Inglés", "Spanish", "English", "eng", 5},
        {"dvlfra", "Dravolin Francés", "Spanish", "French", "fra", 6},
        {"dvlale", "Dravolin Alemán", "Spanish", "German", "ale", 7},
        {"dvlito", "Dravolin Italiano", "Spanish", "Italian", "ito", 8},
    };
    return table;
}

std::optional<Edition> findEdition(const QString& programCode)
{
    for (const Edition& edition : editionTable())
        if (edition.programCode == programCode) return edition;
    return std::nullopt;
}

}  // namespace startup
