#include "platform/settings/Settings.h"

#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString kKey = QStringLiteral("Software\\Dravolin\\dvlfre");

QString configFile() { return testsupport::sandboxDir() + "/config/Dravolin/dvlfre.ini"; }

void writeIni(const QByteArray& text) { testsupport::writeFile(configFile(), text); }

}  // namespace

TEST(SettingsFile, KeyNamesAFileUnderTheConfigFolder)
{
    const QString config = testsupport::sandboxDir() + "/config/";
    const std::vector<std::pair<QString, QString>> cases{
        {kKey, config + "Dravolin/dvlfre.ini"},
        {"Software/Dravolin/dvlspa", config + "Dravolin/dvlspa.ini"},
        {"Dravolin\\dvlger\\", config + "Dravolin/dvlger.ini"},
        {"Software\\Dravolin\\..\\..\\x", ""},
        {"Software", ""},
        {"", ""},
    };
    for (const auto& [key, file] : cases) EXPECT_EQ(settingsFile(key), file) << key.toStdString();
}

TEST(Settings, MissingFileOrValueGivesTheDefault)
{
    EXPECT_EQ(readSetting(kKey, "ProgramDir", "none"), "none");
    EXPECT_EQ(readSetting(kKey, "ProgramDir"), "");
    writeIni("[General]\nOther=1\n");
    EXPECT_EQ(readSetting(kKey, "ProgramDir", "none"), "none");
    EXPECT_EQ(readSetting("Software\\..", "ProgramDir", "none"), "none");
}

TEST(Settings, WrittenValuesReadBackExactly)
{
    const QStringList values{
        "/home/ann, bob/Lessondesk/", QString::fromUtf8("/home/zoë/Lëçons 日本/"), "say \"oui\"\t\\ ;#=",
        "  blanks around  ", "@Variant(x)", "@@", "", "12/10/2026", "[General]",
        // Non-ASCII blanks at either end are part of the value, and so is U+0000.
        QString::fromUtf8("/home/ann/Lessondesk\u00a0"), QString::fromUtf8("\u3000Lessondesk\u3000"),
        QString::fromUtf8("\u00a0"), QString("a") + QChar(0) + "b", QString(QChar(0)) + "@String(x)",
        "@String(x)",
    };
    for (const QString& value : values) {
        writeSetting(kKey, "Value", value);
        EXPECT_EQ(readSetting(kKey, "Value", "default"), value) << value.toStdString();
    }
    // Written at once: a second program reading the file sees the last value.
    writeSetting(kKey, "DateChecked", "12/10/2026");
    EXPECT_TRUE(testsupport::readFile(configFile()).contains("DateChecked=12/10/2026"));
    syncSettings();
    EXPECT_EQ(readSetting(kKey, "DateChecked"), "12/10/2026");
}

TEST(Settings, HandEditedValuesReadWhole)
{
    writeIni("; edited by hand\r\n"
             "ProgramDir = /opt/ann, bob/Lessondesk/\r\n"
             "[General]\n"
             "Quoted=\"a, b\"\n"
             "Escaped=tab\\there\\x20\\\\end\n"
             "Twice=first\n"
             "Twice=second\n"
             "Date%20Checked=spaced key\n"
             "[Other]\n"
             "Quoted=not this one\n");
    const std::vector<std::pair<QString, QString>> cases{
        {"ProgramDir", "/opt/ann, bob/Lessondesk/"},
        {"Quoted", "a, b"},
        {"Escaped", "tab\there \\end"},
        {"Twice", "second"},
        {"Date Checked", "spaced key"},
    };
    for (const auto& [name, value] : cases) EXPECT_EQ(readSetting(kKey, name, "default"), value);

    // Writing another value keeps the hand-edited one whole.
    writeSetting(kKey, "DateChecked", "today");
    EXPECT_EQ(readSetting(kKey, "ProgramDir"), "/opt/ann, bob/Lessondesk/");
}

TEST(Settings, ValuesThatAreNotTextGiveTheDefault)
{
    writeIni("[General]\n"
             "Bytes=@ByteArray(\\x1zz)\n"
             "Empty=@Invalid()\n"
             "Typed=@Variant(\\0\\0\\0\\x7f)\n"
             "List=\"a\", \"b\"\n"
             "Point=@Point(1 2)\n");
    for (const char* name : {"Bytes", "Empty", "Typed", "List", "Point"})
        EXPECT_EQ(readSetting(kKey, name, "default"), "default") << name;
}

TEST(Settings, WriteFailureIsSilent)
{
    // The config folder is a file: nothing can be written, nothing breaks.
    QFile::remove(testsupport::sandboxDir() + "/config/Dravolin");
    testsupport::writeFile(testsupport::sandboxDir() + "/config/Dravolin", "a file");
    writeSetting(kKey, "ProgramDir", "/x/");
    syncSettings();
    EXPECT_EQ(readSetting(kKey, "ProgramDir", "default"), "default");
    writeSetting(kKey, "bad/name", "x");
    writeSetting("", "ProgramDir", "x");
}
