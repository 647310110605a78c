#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Score rows written straight into a user store, as the activities write them.
namespace scoreviews::testing {

struct ScoreRow {
    QString name;      // tName
    QString activity;  // tActivity
    QString subject;   // tSubject
    std::optional<std::int64_t> number;  // numberScore; nothing: NULL
    QString text;      // textScore; a null QString: NULL
    QString date = QStringLiteral("2026-03-14");
    QString time = QStringLiteral("10:15:00");
};

// Adds the rows in order, in one transaction.
void addScores(const QString& userStorePath, const std::vector<ScoreRow>& rows);

struct Learner {
    QString first;
    QString last;
    int face = 1;
};
// Adds the learners in order; the first added administers.
void addLearners(const QString& userStorePath, const std::vector<Learner>& learners);

}  // namespace scoreviews::testing
