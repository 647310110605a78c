#include "platform/ui/QtTranslations.h"

#include "RealMessageBox.h"
#include "QtTexts.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>

#include <gtest/gtest.h>

#include <string>

using namespace platform::ui;

namespace {

// The button texts of a real box with these buttons, sorted and joined by " ".
std::string buttonsOfABox(MessageButtons buttons)
{
    SeenBox seen;
    showAndAnswer([&] { return showMessage("Text", MessageIcon::Question, buttons, "Title"); }, {}, seen);
    seen.buttons.sort();
    return seen.buttons.join(' ').toStdString();
}

void expectEnglishButtons()
{
    EXPECT_EQ(buttonsOfABox(MessageButtons::Ok), "OK");
    EXPECT_EQ(buttonsOfABox(MessageButtons::OkCancel), "Cancel OK");
    EXPECT_EQ(buttonsOfABox(MessageButtons::YesNo), "No Yes");
}

}  // namespace

TEST(QtTranslations, SpanishShowsQtsSpanishButtonsAndEnglishTakesThemAway)
{
    ASSERT_TRUE(testsupport::qtSpanishInstalled());
    // Nothing loaded yet: Qt's own English, whatever the system's locale.
    expectEnglishButtons();

    ASSERT_TRUE(loadQtTranslations("Spanish"));
    EXPECT_EQ(buttonsOfABox(MessageButtons::Ok), "Aceptar");
    EXPECT_EQ(buttonsOfABox(MessageButtons::OkCancel), "Aceptar Cancelar");
    EXPECT_EQ(buttonsOfABox(MessageButtons::YesNo), "No Sí");

    // Asked twice, Spanish is installed once: one switch to English removes it.
    ASSERT_TRUE(loadQtTranslations("Spanish"));
    ASSERT_TRUE(loadQtTranslations("English"));
    expectEnglishButtons();
    ASSERT_TRUE(loadQtTranslations("Spanish"));
    EXPECT_EQ(buttonsOfABox(MessageButtons::Ok), "Aceptar");
    ASSERT_TRUE(loadQtTranslations("English"));
}

TEST(QtTranslations, EnglishStaysEnglishUnderASpanishLocale)
{
    ASSERT_TRUE(testsupport::qtSpanishInstalled());
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_TRUE(loadQtTranslations("English"));
    expectEnglishButtons();
    QLocale::setDefault(saved);

    // The system's locale is read once per process, so a Spanish one is tried in
    // a process of its own: the case above, started under LANG=es_ES.UTF-8.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LC_ALL", "LC_MESSAGES"}) environment.insert(name, "es_ES.UTF-8");
    environment.insert("LANGUAGE", "es");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=QtTranslations.SpanishShowsQtsSpanishButtonsAndEnglishTakesThemAway"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

TEST(QtTranslations, AMissingTranslationFileLeavesQtsEnglish)
{
    EXPECT_FALSE(loadQtTranslations("Spanish", testsupport::makeFolder("no-translations")));
    expectEnglishButtons();

    // Nothing is left half done: the installed file still loads afterwards.
    ASSERT_TRUE(testsupport::qtSpanishInstalled());
    ASSERT_TRUE(loadQtTranslations("Spanish"));
    EXPECT_EQ(buttonsOfABox(MessageButtons::Ok), "Aceptar");
    ASSERT_TRUE(loadQtTranslations("English"));
}
