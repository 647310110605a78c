#pragma once

#include "activities/framework/scores/SaveScore.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace activity {

enum class ScoreVariant { Number, Time };

// One line of the score window's list.
struct ScoreListItem {
    QString position;  // 1, 2, ...
    QString name;
    QString score;  // the score cell
    QString date;   // in the locale's short date format
    QString time;   // in the locale's short time format, with seconds
    bool selected = false;

    bool operator==(const ScoreListItem&) const = default;
};

// The score cell of a row: the number followed by numberSuffix (" points",
// "%", or nothing), or the elapsed-time text.
QString scoreCell(const scores::ScoreRow& row, ScoreVariant variant, const QString& numberSuffix);

// The list lines of a saved group, best first; the row just kept (if any) is
// the selected one.
std::vector<ScoreListItem> scoreListItems(const scores::SaveOutcome& outcome, ScoreVariant variant,
                                          const QString& numberSuffix, const QLocale& locale = QLocale::system());

}  // namespace activity
