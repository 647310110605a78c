#include "common/activityconfig/ActivityConfig.h"
#include "platform/store/Store.h"
#include "platform/text/Excerpt.h"
#include "common/schema/Schema.h"

namespace activityconfig {

namespace {

// The column is chosen from a fixed list, never taken from the caller's text.
QString columnFor(const QString& language, const QString& prefix)
{
    if (!schema::isCaptionColumn(language)) {
        throw ConfigError(QStringLiteral("\"%1\" is not an interface language").arg(platform::text::excerpt(language)));
    }
    return prefix + language;
}

platform::Store openStore(const QString& storePath)
{
    try {
        return platform::Store::open(storePath, platform::OpenMode::ReadOnly);
    } catch (const platform::StoreException& error) {
        throw ConfigError(QStringLiteral("The configuration store %1 cannot be read (%2)")
                              .arg(storePath, platform::storeErrorName(error.code())));
    }
}

std::vector<platform::Row> queryStore(const platform::Store& store, const QString& sql)
{
    try {
        return store.query(sql);
    } catch (const platform::StoreException& error) {
        throw ConfigError(QStringLiteral("The configuration store %1 cannot be read: %2")
                              .arg(store.path(), error.text()));
    }
}

}  // namespace

ConfigError::ConfigError(const QString& description) : std::runtime_error(description.toStdString()) {}

QString configStoreName(const QString& program)
{
    return program + QStringLiteral(".cfg");
}

Captions readCaptions(const QString& storePath, const QString& interfaceLanguage, int lastRow)
{
    const QString column = columnFor(interfaceLanguage, {});
    const platform::Store store = openStore(storePath);
    const auto rows = queryStore(store, QStringLiteral("SELECT %1 FROM tblCaptions ORDER BY rowid").arg(column));
    if (rows.empty()) {
        throw ConfigError(QStringLiteral("The configuration store %1 holds no captions").arg(storePath));
    }
    // A row the program reads must be there: a missing one would show as a blank button.
    if (rows.size() < static_cast<std::size_t>(lastRow)) {
        throw ConfigError(QStringLiteral("Caption row %1 of %2 is missing: the store holds %3 rows")
                              .arg(rows.size() + 1)
                              .arg(storePath)
                              .arg(rows.size()));
    }
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& row : rows) {
        const platform::Value& cell = row.at(0);
        if (cell.isNull()) {
            throw ConfigError(QStringLiteral("Caption row %1 of %2 has no %3 text")
                                  .arg(texts.size() + 1)
                                  .arg(storePath, interfaceLanguage));
        }
        texts.append(cell.toText());
    }
    return Captions(std::move(texts));
}

ButtonPictures readButtonPictures(const QString& storePath, const QString& interfaceLanguage)
{
    const QString column = columnFor(interfaceLanguage, QStringLiteral("b"));
    const platform::Store store = openStore(storePath);
    const auto rows = queryStore(store, QStringLiteral("SELECT %1 FROM tblImages ORDER BY rowid LIMIT 2").arg(column));
    auto picture = [&](std::size_t index, const char* which) {
        if (rows.size() <= index || rows[index].at(0).toBlob().isEmpty()) {
            throw ConfigError(QStringLiteral("The configuration store %1 has no %2 %3 picture")
                                  .arg(storePath, interfaceLanguage, QLatin1String(which)));
        }
        return rows[index].at(0).toBlob();
    };
    return ButtonPictures{picture(0, "normal"), picture(1, "highlighted")};
}

}  // namespace activityconfig
