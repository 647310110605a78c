#pragma once

#include <QByteArray>
#include <QString>

// Resources compiled into the program, stored as ":/<TYPE>/<NAME>[.<extension>]"
// (for example ":/WAVE/CLICK.wav", ":/ICON/101.png"). Type and name are matched
// ignoring letter case, and the name with or without its extension, so "click"
// finds CLICK.wav. An exact match of the whole file name wins; otherwise the first
// match in name order.
namespace platform::ui {

// The resource's path (":/..."), or an empty text when there is none.
QString resourcePath(const QString& type, const QString& name);

// The resource's bytes, or an empty array when there is none.
QByteArray resource(const QString& type, const QString& name);

}  // namespace platform::ui
