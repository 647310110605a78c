#include "RequiredCaptions.h"

#include "ContentError.h"

#include <QStringList>

namespace contentbuilder {

const std::vector<int>& mainProgramCaptionRows()
{
    static const std::vector<int> rows{
        1,   2,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  18,  20,  22,  23,
        24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  35,  36,  37,  38,  39,  40,  41,  42,
        43,  44,  45,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,
        61,  62,  63,  64,  65,  66,  67,  68,  84,  88,  90,  94,  95,  98,  99,  103, 105, 106,
        107, 108, 109, 110, 111, 112, 113, 114, 117, 118, 119, 123, 124, 125, 126, 127, 128, 129,
        130, 131, 132, 133, 134, 135, 137, 140, 142, 144, 148, 149, 150, 151};
    return rows;
}

void checkMainProgramCaptions(const CaptionTable& table)
{
    QStringList problems;
    for (const int number : mainProgramCaptionRows()) {
        if (number > table.rowCount()) {
            problems << "row " + QString::number(number) + " is missing";
            continue;
        }
        const CaptionRow& row = table.row(number);
        for (const Language language : {Language::English, Language::Spanish})
            if (row.text(language).trimmed().isEmpty())
                problems << "row " + QString::number(number) + " has no " + columnName(language) + " text";
    }
    if (!problems.isEmpty())
        throw ContentError(table.source, "the main program reads these caption rows, which must not be empty: " +
                                             problems.join("; "));
}

}  // namespace contentbuilder
