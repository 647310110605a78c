#pragma once

#include <QString>

#include <stdexcept>

namespace contentbuilder {

// A problem with the content or with a tool the build needs. The message names the
// file (or the tool) and says what to fix; the build stops with it.
class ContentError : public std::runtime_error {
public:
    explicit ContentError(const QString& message) : std::runtime_error(message.toStdString()) {}
    ContentError(const QString& file, const QString& message)
        : std::runtime_error((file + ": " + message).toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

}  // namespace contentbuilder
