#pragma once

#include <QString>

namespace studylist {

// The outcome of writing a hand-off file: empty error text when it was written.
struct WriteResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

}  // namespace studylist
