#include "platform/sound/Sound.h"
#include "platform/sound/SoundRecorder.h"
#include "platform/sound/SoundSetting.h"

#include "TestEnvironment.h"
#include "WavFixture.h"

#include <QElapsedTimer>
#include <QStringList>

#include <gtest/gtest.h>

using namespace platform::sound;

namespace {

QStringList recordedLines()
{
    const QString text = testsupport::soundRecord();
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

SoundRequest fileRequest(const QString& path, bool async)
{
    SoundRequest r;
    r.source = SoundRequest::Source::File;
    r.path = path;
    r.async = async;
    return r;
}

SoundRequest memoryRequest(const QByteArray& data, const QString& name, bool async)
{
    SoundRequest r;
    r.source = SoundRequest::Source::Memory;
    r.data = data;
    r.name = name;
    r.async = async;
    return r;
}

}  // namespace

TEST(SoundSetting, ReadsTheOutputFromTheVariable)
{
    struct Case {
        const char* value;
        SoundSetting::Output output;
        const char* file;
    };
    const Case cases[] = {
        {"", SoundSetting::Output::Device, ""},
        {"sdl", SoundSetting::Output::Device, ""},
        {"none", SoundSetting::Output::None, ""},
        {"record:/tmp/a b.txt", SoundSetting::Output::Record, "/tmp/a b.txt"},
        {"record:", SoundSetting::Output::None, ""},
    };
    for (const Case& c : cases) {
        const SoundSetting setting = parseSoundSetting(QString::fromUtf8(c.value));
        EXPECT_EQ(setting.output, c.output) << c.value;
        EXPECT_EQ(setting.recordFile, QString::fromUtf8(c.file)) << c.value;
    }
}

TEST(SoundRecorder, WritesOneLinePerRequest)
{
    EXPECT_EQ(recordLine(fileRequest("/tmp/~dvl123.wav", false)), "file\t/tmp/~dvl123.wav\tsync");
    EXPECT_EQ(recordLine(memoryRequest(QByteArray(44, 'x'), "CLICK", true)), "memory\t44B\tCLICK\tasync");
    // Texts that would break the line apart are escaped.
    EXPECT_EQ(recordLine(fileRequest("a\tb\nc\\d\re", true)), "file\ta\\tb\\nc\\\\d\\re\tasync");
}

TEST(SoundRecorder, NamesAnUnnamedImageByItsFingerprint)
{
    const QString first = recordLine(memoryRequest("abc", {}, true));
    EXPECT_EQ(first, "memory\t3B\tsha1:a9993e36\tasync");
    EXPECT_NE(recordLine(memoryRequest("abd", {}, true)), first);
}

TEST(SoundRecord, RecordsWhatWasAskedAndReturnsAtOnceForSyncRequests)
{
    const QByteArray longTone = soundtest::toneWav(3000);
    QElapsedTimer elapsed;
    elapsed.start();
    playFile("/nowhere/missing.wav", false);
    playMemory(longTone, false, "Correct");
    playMemory(longTone, true);
    EXPECT_LT(elapsed.elapsed(), 1000);

    const QStringList lines = recordedLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "file\t/nowhere/missing.wav\tsync");
    EXPECT_EQ(lines[1], QStringLiteral("memory\t%1B\tCorrect\tsync").arg(longTone.size()));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("memory\t%1B\tsha1:").arg(longTone.size())));
    EXPECT_TRUE(lines[2].endsWith("\tasync"));
}

TEST(SoundRecord, AppendsToWhatOtherProgramsRecorded)
{
    testsupport::writeFile(testsupport::soundRecordFile(), "file\t/other/program.wav\tasync\n");
    playFile("/mine.wav", true);
    EXPECT_EQ(recordedLines(), QStringList({"file\t/other/program.wav\tasync", "file\t/mine.wav\tasync"}));
}

TEST(SoundRecord, NoneRecordsNothing)
{
    qputenv("DVL_SOUND", "none");
    playFile("/a.wav", false);
    playMemory(soundtest::toneWav(100), false);
    EXPECT_TRUE(recordedLines().isEmpty());
}

TEST(SoundSink, TakesEveryRequestInsteadOfTheOutput)
{
    std::vector<SoundRequest> seen;
    setSink([&](const SoundRequest& r) { seen.push_back(r); });
    QByteArray buffer = soundtest::toneWav(50);
    const QByteArray original = buffer;
    playMemory(buffer, true, "Ting");
    buffer.fill('\0');  // the caller reuses its buffer at once
    playFile("/x.wav", false);
    setSink({});
    playFile("/after.wav", true);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].source, SoundRequest::Source::Memory);
    EXPECT_EQ(seen[0].data, original);
    EXPECT_EQ(seen[0].name, "Ting");
    EXPECT_TRUE(seen[0].async);
    EXPECT_EQ(seen[1].path, "/x.wav");
    EXPECT_FALSE(seen[1].async);
    EXPECT_EQ(recordedLines(), QStringList({"file\t/after.wav\tasync"}));
}
