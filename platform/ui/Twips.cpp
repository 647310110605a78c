#include "platform/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform::ui {
namespace {

constexpr double kDefaultDpi = 96.0;

int rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

int twipsToPixels(int twips, double dpi) { return rounded(twips * dpi / kTwipsPerInch); }

int pixelsToTwips(int pixels, double dpi) { return rounded(pixels * kTwipsPerInch / dpi); }

double screenDpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : kDefaultDpi;
}

double screenDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : kDefaultDpi;
}

int twipsToPixelsX(int twips) { return twipsToPixels(twips, screenDpiX()); }
int twipsToPixelsY(int twips) { return twipsToPixels(twips, screenDpiY()); }
int pixelsToTwipsX(int pixels) { return pixelsToTwips(pixels, screenDpiX()); }
int pixelsToTwipsY(int pixels) { return pixelsToTwips(pixels, screenDpiY()); }

QPoint twipsToPixels(const QPoint& twips) { return {twipsToPixelsX(twips.x()), twipsToPixelsY(twips.y())}; }
QSize twipsToPixels(const QSize& twips) { return {twipsToPixelsX(twips.width()), twipsToPixelsY(twips.height())}; }
QRect twipsToPixels(const QRect& twips) { return {twipsToPixels(twips.topLeft()), twipsToPixels(twips.size())}; }

QPoint pixelsToTwips(const QPoint& pixels) { return {pixelsToTwipsX(pixels.x()), pixelsToTwipsY(pixels.y())}; }
QSize pixelsToTwips(const QSize& pixels) { return {pixelsToTwipsX(pixels.width()), pixelsToTwipsY(pixels.height())}; }
QRect pixelsToTwips(const QRect& pixels) { return {pixelsToTwips(pixels.topLeft()), pixelsToTwips(pixels.size())}; }

}  // namespace platform::ui
