#include "activities/framework/windows/ScoreList.h"

#include <QDate>
#include <QTime>

namespace activity {

namespace {

QString localDate(const QString& stored, const QLocale& locale)
{
    const QDate date = QDate::fromString(stored, Qt::ISODate);
    return date.isValid() ? locale.toString(date, QLocale::ShortFormat) : stored;
}

// The locale's own time format with seconds, without a time zone.
QString localTime(const QString& stored, const QLocale& locale)
{
    const QTime time = QTime::fromString(stored, QStringLiteral("HH:mm:ss"));
    if (!time.isValid()) return stored;
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(time, format.trimmed());
}

}  // namespace

QString scoreCell(const scores::ScoreRow& row, ScoreVariant variant, const QString& numberSuffix)
{
    if (variant == ScoreVariant::Time) return row.textScore.value_or(QString());
    if (!row.numberScore) return QString();
    return QString::number(*row.numberScore) + numberSuffix;
}

std::vector<ScoreListItem> scoreListItems(const scores::SaveOutcome& outcome, ScoreVariant variant,
                                          const QString& numberSuffix, const QLocale& locale)
{
    std::vector<ScoreListItem> items;
    items.reserve(outcome.rows.size());
    for (const scores::ScoreRow& row : outcome.rows) {
        items.push_back(ScoreListItem{QString::number(items.size() + 1), row.name,
                                      scoreCell(row, variant, numberSuffix), localDate(row.date, locale),
                                      localTime(row.time, locale),
                                      outcome.newRowId.has_value() && *outcome.newRowId == row.id});
    }
    return items;
}

}  // namespace activity
