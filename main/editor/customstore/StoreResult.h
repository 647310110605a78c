#pragma once

#include <QString>

#include <exception>
#include <utility>
#include <variant>

namespace customstore {

enum class Outcome {
    Done,     // the change is in the store
    Refused,  // a rule refused it; nothing was written
    Failed,   // the store or file could not be read or written; nothing was changed
};

// What a store operation did, with its value when done. A refusal carries the
// caption row and its text; a failure carries the text to show the learner.
template <typename T = std::monostate>
struct Result {
    Outcome outcome = Outcome::Done;
    T value{};
    int caption = 0;
    QString message;

    bool done() const { return outcome == Outcome::Done; }
    explicit operator bool() const { return done(); }

    static Result ok(T value = T{}) { return Result{Outcome::Done, std::move(value), 0, {}}; }
    static Result refused(int caption, QString text)
    {
        return Result{Outcome::Refused, T{}, caption, std::move(text)};
    }
    static Result failed(QString text) { return Result{Outcome::Failed, T{}, 0, std::move(text)}; }
};

// Runs work (which gives a Result<T>), turning an exception into a failure that
// carries its text.
template <typename T, typename Work>
Result<T> guarded(Work&& work)
{
    try {
        return work();
    } catch (const std::exception& error) {
        return Result<T>::failed(QString::fromUtf8(error.what()));
    }
}

}  // namespace customstore
