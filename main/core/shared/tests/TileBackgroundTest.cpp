#include "main/core/shared/TileBackground.h"

#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor kTile(10, 120, 200);
const QColor kUnpainted(255, 255, 255);

QPixmap tilePicture(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(kTile);
    return picture;
}

// A window that paints itself with the given variant.
class TiledWindow : public QWidget {
public:
    using Painter = std::function<void(QWidget&)>;
    explicit TiledWindow(Painter painter) : painter_(std::move(painter)) {}

protected:
    void paintEvent(QPaintEvent*) override { painter_(*this); }

private:
    Painter painter_;
};

QImage renderWindow(QWidget& window)
{
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(kUnpainted);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // no window colour underneath
    return image;
}

}  // namespace

TEST(TileBackground, CoversWindowsWiderThanASixteenBitCounter)
{
    const QPixmap picture = tilePicture({40, 40});
    QString error = "not painted";
    TiledWindow window([&](QWidget& form) { error = shared::TileBackground(form, picture); });
    window.resize(70000, 8);
    const QImage image = renderWindow(window);
    EXPECT_EQ(error, "");
    for (int x : {0, 32767, 32768, 65535, 65536, 69999})
        EXPECT_EQ(image.pixelColor(x, 4), kTile) << x;
}

TEST(TileBackground, NullOrZeroSizedPictureDrawsNothing)
{
    for (const QPixmap& picture : {QPixmap(), QPixmap(0, 0), QPixmap(0, 16)}) {
        QString error = "not painted";
        TiledWindow window([&](QWidget& form) { error = shared::TileBackground(form, picture); });
        window.resize(50, 30);
        const QImage image = renderWindow(window);
        EXPECT_EQ(error, "");
        EXPECT_EQ(image.pixelColor(25, 15), kUnpainted);
    }
}

// Painting outside a paint event fails: the silent variant says so, the main
// window's variant reports once, after the paint, and goes on.
TEST(TileBackground, MainWindowFailureIsReportedOnceAfterThePaint)
{
    platform::ui::MessageBoxRecorder boxes;
    QWidget window;
    window.resize(20, 20);
    EXPECT_NE(shared::TileBackground(window, tilePicture({8, 8})), "");

    shared::TileBackgroundMain(window, tilePicture({8, 8}), "Something went wrong");
    shared::TileBackgroundMain(window, tilePicture({8, 8}), "Something went wrong");
    EXPECT_TRUE(boxes.shown().empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "ERROR");
    EXPECT_TRUE(boxes.shown()[0].text.startsWith("Something went wrong\n\nTileBackground: "))
        << boxes.shown()[0].text.toStdString();
}

TEST(TileBackground, SplashFailureIsTitledWithTheSplashCaptionThenEnds)
{
    platform::ui::MessageBoxRecorder boxes;
    std::vector<int> ends;
    const auto previous = platform::ui::setEndFunction([&](int code) { ends.push_back(code); });
    QWidget splash;
    splash.setWindowTitle("Dravolin French");
    shared::TileBackgroundSplash(splash, tilePicture({8, 8}), "Heading");
    EXPECT_TRUE(ends.empty());
    QCoreApplication::processEvents();
    platform::ui::setEndFunction(previous);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Dravolin French");
    EXPECT_EQ(ends.size(), 1u);
}
