// The real SDL path, on SDL's dummy and disk drivers so no sound card is needed.
#include "platform/sound/Sound.h"

#include "TestEnvironment.h"
#include "WavFixture.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

using namespace platform::sound;
using namespace std::chrono_literals;

namespace {

class SoundDevice : public testing::Test {
protected:
    void SetUp() override
    {
        qputenv("DVL_SOUND", "sdl");
        useDriver("dummy");
    }
    void TearDown() override { shutdown(); }

    static void useDriver(const char* driver)
    {
        shutdown();
        qputenv("SDL_AUDIODRIVER", driver);
    }

    static qint64 msToPlay(const std::function<void()>& play)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        play();
        return elapsed.elapsed();
    }
};

// Frames of the disk driver's output that are not silence (16-bit samples).
qint64 soundingSamples(const QByteArray& raw)
{
    qint64 count = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        count += (raw[i] != 0 || raw[i + 1] != 0) ? 1 : 0;
    return count;
}

}  // namespace

TEST_F(SoundDevice, AsyncReturnsAtOnceAndANewSoundReplacesThePlayingOne)
{
    // Generous bounds: opening the device on a loaded machine can take a while,
    // but an async call never waits for the two-second sound.
    EXPECT_LT(msToPlay([] { playMemory(soundtest::toneWav(2000), true); }), 1000);
    EXPECT_GT(remaining(), 1000ms);

    const QString shortFile = testsupport::writeFile(testsupport::sandboxDir() + "/short.wav", soundtest::toneWav(100));
    playFile(shortFile, true);
    EXPECT_LE(remaining(), 110ms);

    playMemory(soundtest::toneWav(2000), true);
    stop();
    EXPECT_EQ(remaining(), 0ms);
}

TEST_F(SoundDevice, SyncReturnsWhenTheSoundHasEnded)
{
    const qint64 ms = msToPlay([] { playMemory(soundtest::toneWav(300, 11025, 1, soundtest::Encoding::Unsigned8), false); });
    EXPECT_GE(ms, 290);
    EXPECT_LT(ms, 1500);
}

TEST_F(SoundDevice, NothingToPlayReturnsAtOnceAndSilently)
{
    const QByteArray tone = soundtest::toneWav(2000);
    const QString sandbox = testsupport::sandboxDir();
    struct Case {
        const char* what;
        const char* driver;
        std::function<void()> play;
    };
    const Case cases[] = {
        {"missing file", "dummy", [&] { playFile(sandbox + "/missing.wav", false); }},
        {"file that is no sound", "dummy",
         [&] { playFile(testsupport::writeFile(sandbox + "/bad.wav", "RIFF....WAVEjunk"), false); }},
        {"bad data", "dummy", [] { playMemory("not a sound", false); }},
        {"audio cannot start", "no-such-driver", [&] { playMemory(tone, false); }},
        // The disk driver cannot open its output in a missing folder: no device.
        {"no device", "disk", [&] {
             qputenv("SDL_DISKAUDIOFILE", (sandbox + "/missing/out.raw").toUtf8());
             playMemory(tone, false);
         }},
    };
    for (const Case& c : cases) {
        useDriver(c.driver);
        EXPECT_LT(msToPlay(c.play), 200) << c.what;
        EXPECT_EQ(remaining(), 0ms) << c.what;
    }
}

TEST_F(SoundDevice, PlaysFromItsOwnCopyWhileTheCallerReusesItsBuffer)
{
    const QString output = testsupport::sandboxDir() + "/out.raw";
    qputenv("SDL_DISKAUDIOFILE", output.toUtf8());
    useDriver("disk");

    QByteArray buffer = soundtest::toneWav(300);
    playMemory(buffer, true);
    buffer.fill('\0');
    buffer.clear();
    QThread::msleep(450);
    shutdown();

    const QByteArray raw = testsupport::readFile(output);
    // 300 ms of a 440 Hz tone reached the device, converted to its format.
    EXPECT_GT(soundingSamples(raw), 44100 * 2 * 0.25);
}

TEST_F(SoundDevice, StartingAudioLeavesTheProgramsSignalHandlersInPlace)
{
    struct sigaction ours{};
    ours.sa_handler = [](int) {};
    sigemptyset(&ours.sa_mask);
    ASSERT_EQ(sigaction(SIGTERM, &ours, nullptr), 0);
    ASSERT_EQ(sigaction(SIGINT, &ours, nullptr), 0);

    playMemory(soundtest::toneWav(50), true);
    ASSERT_GT(remaining(), 0ms);  // audio really started

    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction now{};
        sigaction(signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, ours.sa_handler) << signal;
    }
}
