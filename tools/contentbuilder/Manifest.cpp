#include "Manifest.h"

#include "AtomicFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace contentbuilder {

Manifest Manifest::load(const QString& path)
{
    Manifest manifest;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return manifest;
    const QJsonObject files = QJsonDocument::fromJson(file.readAll()).object().value("files").toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        manifest.files[it.key()] = {entry.value("inputs").toString(), entry.value("written").toString()};
    }
    return manifest;
}

void Manifest::save(const QString& path) const
{
    QJsonObject list;
    for (const auto& [name, entry] : files)
        list.insert(name, QJsonObject{{"inputs", entry.inputs}, {"written", entry.written}});
    writeFileAtomically(path, QJsonDocument(QJsonObject{{"files", list}}).toJson());
}

QString fileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

}  // namespace contentbuilder
