#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Positions and sizes in twips (1440 to the inch): 15 twips are one pixel at
// 96 dpi, scaled by the primary screen's logical dpi (96 when there is no screen).
// Results are rounded to the nearest whole number, halves away from zero.
// x values and widths use the horizontal dpi, y values and heights the vertical.
namespace platform::ui {

inline constexpr int kTwipsPerInch = 1440;

// The conversions at a given dpi.
int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

double screenDpiX();
double screenDpiY();

int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
int pixelsToTwipsX(int pixels);
int pixelsToTwipsY(int pixels);

QPoint twipsToPixels(const QPoint& twips);
QSize twipsToPixels(const QSize& twips);
// Left and top convert as positions, width and height as sizes.
QRect twipsToPixels(const QRect& twips);

QPoint pixelsToTwips(const QPoint& pixels);
QSize pixelsToTwips(const QSize& pixels);
QRect pixelsToTwips(const QRect& pixels);

}  // namespace platform::ui
