#include "main/core/shared/Sound.h"

#include "platform/sound/Sound.h"
#include "platform/ui/Resources.h"
#include "TestEnvironment.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

using platform::sound::SoundRequest;

namespace {

QStringList recordedLines()
{
    return testsupport::soundRecord()
        .split('\n', Qt::SkipEmptyParts);
}

}  // namespace

TEST(WaveResourceFlags, MemoryBitIsAlwaysAddedAndOmittedFlagsMeanSix)
{
    const std::vector<std::pair<std::optional<int>, int>> cases{
        {std::nullopt, 6}, {1, 5}, {0, 4}, {4, 4}, {5, 5}, {2, 6}};
    for (const auto& [given, played] : cases)
        EXPECT_EQ(shared::waveResourceFlags(given), played) << given.value_or(-1);
}

TEST(PlayWaveResource, FlagOnePlaysFromMemoryAsyncAndNoFlagsPlaySync)
{
    const QByteArray wave = platform::ui::resource("WAVE", "BEEP");
    ASSERT_FALSE(wave.isEmpty());
    shared::Play_Wave_Resource("beep", shared::kSoundAsync);
    shared::Play_Wave_Resource("Beep");
    const QString size = QString::number(wave.size()) + "B";
    EXPECT_EQ(recordedLines(), QStringList({"memory\t" + size + "\tbeep\tasync",
                                            "memory\t" + size + "\tBeep\tsync"}));
    EXPECT_EQ(shared::gWaveBuffer, wave);
}

TEST(PlayWaveResource, UnknownNamePlaysNothing)
{
    shared::Play_Wave_Resource("no such sound", shared::kSoundAsync);
    EXPECT_TRUE(recordedLines().isEmpty());
}

TEST(PlayWaveResource, SoundKeepsItsBytesWhenTheBufferIsReplaced)
{
    std::vector<SoundRequest> requests;
    platform::sound::setSink([&](const SoundRequest& request) { requests.push_back(request); });
    shared::Play_Wave_Resource("beep", shared::kSoundAsync);
    const QByteArray played = requests.at(0).data;
    shared::gWaveBuffer.fill('\0');
    shared::gWaveBuffer = QByteArray("replaced");
    platform::sound::setSink({});
    EXPECT_EQ(requests.at(0).data, played);
    EXPECT_EQ(requests.at(0).data, platform::ui::resource("WAVE", "BEEP"));
}

TEST(PlaySoundFile, FlagsChooseSyncOrAsync)
{
    shared::Play_Sound_File("/nowhere/a.wav", shared::kSoundSync);
    shared::Play_Sound_File("/nowhere/b.wav", shared::kSoundAsync);
    EXPECT_EQ(recordedLines(), QStringList({"file\t/nowhere/a.wav\tsync", "file\t/nowhere/b.wav\tasync"}));
}
