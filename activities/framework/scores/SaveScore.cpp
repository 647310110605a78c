#include "activities/framework/scores/SaveScore.h"

#include <QRegularExpression>

#include <stdexcept>

namespace scores {

namespace {

using platform::Params;
using platform::Store;
using platform::Value;

// How one kind of score is stored and ranked.
struct Ranking {
    QString column;
    QString orderBy;  // best first; NULL scores last; ties by key
    bool (*notWorse)(const Value& fresh, const Value& worst);
};

const Ranking kByNumber{
    QStringLiteral("numberScore"),
    QStringLiteral("ORDER BY numberScore IS NULL, numberScore DESC, pkScoreID"),
    [](const Value& fresh, const Value& worst) { return worst.isNull() || fresh.toInt() >= worst.toInt(); },
};

// Elapsed times have one fixed form, so comparing the texts compares the times.
const Ranking kByTime{
    QStringLiteral("textScore"),
    QStringLiteral("ORDER BY textScore IS NULL, textScore, pkScoreID"),
    [](const Value& fresh, const Value& worst) { return worst.isNull() || fresh.toText() <= worst.toText(); },
};

ScoreRow toScoreRow(const platform::Row& row)
{
    ScoreRow score;
    score.id = row["pkScoreID"].toInt();
    score.name = row["tName"].toText();
    if (!row["numberScore"].isNull()) score.numberScore = row["numberScore"].toInt();
    if (!row["textScore"].isNull()) score.textScore = row["textScore"].toText();
    score.date = row["nDate"].toText();
    score.time = row["nTime"].toText();
    score.subject = row["tSubject"].toText();
    score.activity = row["tActivity"].toText();
    return score;
}

std::vector<platform::Row> groupRows(const Store& store, const Ranking& ranking, const ScoreEntry& entry)
{
    return store.query(QStringLiteral("SELECT pkScoreID, tName, numberScore, textScore, nDate, nTime, "
                                      "tSubject, tActivity FROM tblScores "
                                      "WHERE tActivity = ? AND tSubject = ? ")
                           + ranking.orderBy,
                       {entry.activity, entry.subject});
}

SaveOutcome save(Store& store, const Ranking& ranking, const ScoreEntry& entry, const Value& score,
                 const Clock& clock)
{
    const QDateTime now = clock();
    const Params values{entry.userName,
                        score,
                        now.date().toString(Qt::ISODate),
                        now.time().toString(QStringLiteral("HH:mm:ss")),
                        entry.subject,
                        entry.activity};

    platform::Transaction transaction(store, platform::TransactionKind::Immediate);
    SaveOutcome outcome;
    const std::vector<platform::Row> group = groupRows(store, ranking, entry);
    if (group.size() < static_cast<size_t>(kKeptResults)) {
        store.execute(QStringLiteral("INSERT INTO tblScores (tName, %1, nDate, nTime, tSubject, tActivity) "
                                     "VALUES (?, ?, ?, ?, ?, ?)")
                          .arg(ranking.column),
                      values);
        outcome.newRowId = store.lastInsertId();
    } else {
        const platform::Row& worst = group.back();
        if (ranking.notWorse(score, worst[ranking.column])) {
            Params overwrite = values;
            overwrite.push_back(worst["pkScoreID"]);
            store.execute(QStringLiteral("UPDATE tblScores SET tName = ?, %1 = ?, nDate = ?, nTime = ?, "
                                         "tSubject = ?, tActivity = ? WHERE pkScoreID = ?")
                              .arg(ranking.column),
                          overwrite);
            outcome.newRowId = worst["pkScoreID"].toInt();
        }
    }
    for (const platform::Row& row : groupRows(store, ranking, entry)) outcome.rows.push_back(toScoreRow(row));
    transaction.commit();
    return outcome;
}

bool isElapsedTimeText(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{2}:[0-9]{2}:[0-9]{2}$"));
    return form.match(text).hasMatch();
}

}  // namespace

QDateTime systemClock() { return QDateTime::currentDateTime(); }

SaveOutcome saveNumberScore(Store& userStore, const ScoreEntry& entry, std::int64_t score, const Clock& clock)
{
    return save(userStore, kByNumber, entry, Value(score), clock);
}

SaveOutcome saveTimeScore(Store& userStore, const ScoreEntry& entry, const QString& elapsed, const Clock& clock)
{
    if (!isElapsedTimeText(elapsed))
        throw std::invalid_argument("an elapsed time reads HH:MM:SS, not \"" + elapsed.toStdString() + "\"");
    return save(userStore, kByTime, entry, Value(elapsed), clock);
}

}  // namespace scores
