#include "platform/sound/WavClip.h"

#include "WavFixture.h"

#include <gtest/gtest.h>

using namespace platform::sound;
using soundtest::Encoding;
using soundtest::toneWav;

namespace {

bool hasSound(const QByteArray& samples)
{
    return std::any_of(samples.begin(), samples.end(), [](char byte) { return byte != 0; });
}

}  // namespace

TEST(WavClip, ConvertsEveryEncodingToTheDeviceFormatKeepingItsLength)
{
    struct Case {
        int frequency;
        int channels;
        Encoding encoding;
        int durationMs;
    };
    const Case cases[] = {
        {11025, 1, Encoding::Unsigned8, 500},
        {22050, 2, Encoding::Signed16, 250},
        {48000, 1, Encoding::Float32, 120},
        {44100, 2, Encoding::Signed16, 1000},
    };
    const PcmFormat device{44100, AUDIO_S16SYS, 2};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frequency << " Hz, " << c.channels << " channels");
        const auto clip = convertWav(toneWav(c.durationMs, c.frequency, c.channels, c.encoding), device);
        ASSERT_TRUE(clip.has_value());
        EXPECT_NEAR(clip->duration.count(), c.durationMs, 3);
        EXPECT_EQ(clip->samples.size() % device.bytesPerFrame(), 0);
        EXPECT_TRUE(hasSound(clip->samples));
    }
}

TEST(WavClip, ConvertsToAnyTargetLayout)
{
    const PcmFormat monoFloat{48000, AUDIO_F32SYS, 1};
    const auto clip = convertWav(toneWav(200), monoFloat);
    ASSERT_TRUE(clip.has_value());
    EXPECT_NEAR(clip->duration.count(), 200, 3);
    EXPECT_NEAR(static_cast<double>(clip->samples.size()), 48000 * 0.2 * 4, 4 * 48);
}

TEST(WavClip, RefusesDataThatIsNoWavImage)
{
    const QByteArray wav = toneWav(100);
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("this is not a sound"),
        wav.left(20),                               // header cut inside the format chunk
        QByteArray(wav).replace(8, 4, "AVI "),      // another RIFF kind
    };
    for (const QByteArray& data : cases)
        EXPECT_FALSE(convertWav(data, PcmFormat{}).has_value()) << data.size() << " bytes";
}

TEST(WavClip, AnEmptyDataChunkIsASilentClipOfNoLength)
{
    const auto clip = convertWav(toneWav(0), PcmFormat{});
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->duration.count(), 0);
    EXPECT_TRUE(clip->samples.isEmpty());
}
