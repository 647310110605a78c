#include "platform/store/Store.h"

#include <QLocale>

#include <cmath>

namespace platform {

QString Value::toText() const
{
    if (const auto* text = std::get_if<QString>(&data_)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&data_)) return QString::number(*number);
    if (const auto* real = std::get_if<double>(&data_))
        return QString::number(*real, 'g', QLocale::FloatingPointShortest);
    if (const auto* blob = std::get_if<QByteArray>(&data_)) return QString::fromUtf8(*blob);
    return QString();
}

std::int64_t Value::toInt() const
{
    if (const auto* number = std::get_if<std::int64_t>(&data_)) return *number;
    // Whole numbers from reals round to the nearest, halves to even.
    if (const auto* real = std::get_if<double>(&data_))
        return std::isfinite(*real) ? static_cast<std::int64_t>(std::nearbyint(*real)) : 0;
    if (const auto* text = std::get_if<QString>(&data_)) return text->trimmed().toLongLong();
    if (const auto* blob = std::get_if<QByteArray>(&data_)) return blob->trimmed().toLongLong();
    return 0;
}

double Value::toReal() const
{
    if (const auto* real = std::get_if<double>(&data_)) return *real;
    if (const auto* number = std::get_if<std::int64_t>(&data_)) return static_cast<double>(*number);
    if (const auto* text = std::get_if<QString>(&data_)) return text->trimmed().toDouble();
    if (const auto* blob = std::get_if<QByteArray>(&data_)) return blob->trimmed().toDouble();
    return 0.0;
}

QByteArray Value::toBlob() const
{
    if (const auto* blob = std::get_if<QByteArray>(&data_)) return *blob;
    if (isNull()) return QByteArray();
    return toText().toUtf8();
}

}  // namespace platform
