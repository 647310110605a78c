#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace contentbuilder {

// Reading one content file written as JSON. Every helper throws ContentError naming
// the file and the place inside it ("phrases[3].translation"), so a malformed source
// stops the build with a message that says where to look.
class JsonFile {
public:
    explicit JsonFile(const QString& path);  // throws when unreadable or not a JSON object

    const QString& path() const { return path_; }
    const QJsonObject& root() const { return root_; }

    // Refuses keys other than the allowed ones (a misspelt key would be silently ignored).
    void checkKeys(const QJsonObject& object, const QStringList& allowed, const QString& where) const;
    QString text(const QJsonObject& object, const QString& key, const QString& where) const;
    QString optionalText(const QJsonObject& object, const QString& key, const QString& where) const;
    int number(const QJsonObject& object, const QString& key, const QString& where) const;
    QJsonArray array(const QJsonObject& object, const QString& key, const QString& where) const;
    QJsonObject object(const QJsonValue& value, const QString& where) const;

    [[noreturn]] void fail(const QString& where, const QString& message) const;

private:
    QString path_;
    QJsonObject root_;
};

// "phrases[3]" or "phrases[3].translation".
QString place(const QString& where, const QString& key);
QString place(const QString& where, int index);

}  // namespace contentbuilder
