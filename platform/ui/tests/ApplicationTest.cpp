#include "platform/ui/Application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

TEST(Application, ProgramsEndThemselvesAndUseLiberationSans)
{
    QApplication::setQuitOnLastWindowClosed(true);
    platform::ui::initApplication(*qApp);
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());

    // fonts-liberation2 is one of the suite's packages.
    ASSERT_TRUE(QFontDatabase::families().contains("Liberation Sans"));
    EXPECT_EQ(QApplication::font().family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("Arial", 9)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("MS Sans Serif", 9)).family(), "Liberation Sans");
}
