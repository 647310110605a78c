#include "JsonFile.h"

#include "ContentError.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

namespace contentbuilder {

QString place(const QString& where, const QString& key)
{
    return where.isEmpty() ? key : where + "." + key;
}

QString place(const QString& where, int index)
{
    return where + "[" + QString::number(index) + "]";
}

JsonFile::JsonFile(const QString& path) : path_(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ContentError(path, "cannot be read: " + file.errorString());
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw ContentError(path, "is not valid JSON (at byte " + QString::number(error.offset) +
                                     "): " + error.errorString());
    if (!document.isObject()) throw ContentError(path, "must hold one JSON object");
    root_ = document.object();
}

void JsonFile::fail(const QString& where, const QString& message) const
{
    throw ContentError(path_, where.isEmpty() ? message : where + ": " + message);
}

void JsonFile::checkKeys(const QJsonObject& object, const QStringList& allowed, const QString& where) const
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!allowed.contains(it.key()))
            fail(where, "unknown key \"" + it.key() + "\" (allowed: " + allowed.join(", ") + ")");
}

QString JsonFile::text(const QJsonObject& object, const QString& key, const QString& where) const
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) fail(place(where, key), "is missing");
    if (!value.isString()) fail(place(where, key), "must be a text");
    return value.toString();
}

QString JsonFile::optionalText(const QJsonObject& object, const QString& key, const QString& where) const
{
    return object.contains(key) ? text(object, key, where) : QString();
}

int JsonFile::number(const QJsonObject& object, const QString& key, const QString& where) const
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) fail(place(where, key), "is missing");
    const double number = value.toDouble(-1.0);
    if (!value.isDouble() || number != static_cast<int>(number))
        fail(place(where, key), "must be a whole number");
    return static_cast<int>(number);
}

QJsonArray JsonFile::array(const QJsonObject& object, const QString& key, const QString& where) const
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) fail(place(where, key), "is missing");
    if (!value.isArray()) fail(place(where, key), "must be a list");
    return value.toArray();
}

QJsonObject JsonFile::object(const QJsonValue& value, const QString& where) const
{
    if (!value.isObject()) fail(where, "must be an object");
    return value.toObject();
}

}  // namespace contentbuilder
