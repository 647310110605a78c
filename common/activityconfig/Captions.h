#pragma once

#include <QString>
#include <QStringList>

namespace activityconfig {

// An activity's interface texts in one language: caption k is row k of its
// configuration store (1-based), read once at start-up and never changed.
class Captions {
public:
    Captions() = default;
    explicit Captions(QStringList rows) : rows_(std::move(rows)) {}

    // Caption k (1..count()); an empty text for a row the store does not hold
    // (readCaptions refuses a store short of the rows its program reads).
    QString operator()(int k) const { return k >= 1 && k <= rows_.size() ? rows_[k - 1] : QString(); }
    int count() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    const QStringList& rows() const { return rows_; }

    bool operator==(const Captions&) const = default;

private:
    QStringList rows_;
};

}  // namespace activityconfig
