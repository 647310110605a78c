#pragma once

#include "main/core/startup/CaptionRows.h"

#include <QString>

#include <vector>

namespace startup {

// The main program's interface texts, addressed by row number: rows 1..n in the
// store's row order, a cell without a value read as "". Entries 0 and n + 1 exist
// and stay empty; any other number outside the table reads as "" too, so a
// missing row shows as an empty text instead of breaking the window.
class CaptionTable {
public:
    CaptionTable() = default;
    explicit CaptionTable(std::vector<QString> rows);

    QString operator[](caption::Row row) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }

private:
    std::vector<QString> rows_;  // row k at index k - 1
};

// Reads tblCaptions of the template store at templatePath, in the column of the
// interface language. Only "English" and "Spanish" are accepted as the column;
// anything else, an unreadable store or a missing table throws
// platform::StoreException (the column check with StoreError::Other).
CaptionTable Get_Captions(const QString& templatePath, const QString& interfaceLanguage);

}  // namespace startup
