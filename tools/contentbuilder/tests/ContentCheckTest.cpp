// Malformed content stops the build with a message naming the file, before anything
// is written.
#include "ContentFixture.h"
#include "TestEnvironment.h"

#include "ContentBuilder.h"
#include "ContentError.h"
#include "WaveFile.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

using namespace contentbuilder;

namespace {

struct BrokenContent {
    const char* name;
    std::function<void(const ContentFixture&)> breakIt;
    const char* file;     // the file the message must name
    const char* message;  // what it must say
};

void PrintTo(const BrokenContent& c, std::ostream* os) { *os << c.name; }

class ContentCheck : public ::testing::TestWithParam<BrokenContent> {};

TEST_P(ContentCheck, StopsWithAClearMessageAndWritesNothing)
{
    const ContentFixture fixture;
    GetParam().breakIt(fixture);
    BuildOptions options{fixture.content, fixture.program, Language::English, fixture.cache, {}};
    try {
        buildContent(options);
        FAIL() << "the build went on";
    } catch (const ContentError& error) {
        EXPECT_TRUE(error.text().contains(GetParam().file)) << error.text().toStdString();
        EXPECT_TRUE(error.text().contains(GetParam().message)) << error.text().toStdString();
    }
    EXPECT_TRUE(QDir(fixture.program).isEmpty());
}

void replaceIn(const QString& path, const QString& from, const QString& to)
{
    QString text = QString::fromUtf8(testsupport::readFile(path));
    text.replace(from, to);
    testsupport::writeFile(path, text.toUtf8());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContentCheck,
    ::testing::Values(
        BrokenContent{"NotJson",
                      [](const ContentFixture& f) { replaceIn(f.content + "template/menu.json", "\"menu\"", "menu"); },
                      "menu.json", "is not valid JSON"},
        BrokenContent{"RequiredCaptionEmpty", [](const ContentFixture& f) { f.setCaption(149, "Spanish", " "); },
                      "captions.json", "row 149 has no Spanish text"},
        BrokenContent{"RefusalCaptionMissing",
                      [](const ContentFixture& f) {
                          // Rows after it move up one, so only row 150 is missing.
                          for (int row : {153, 152, 151})
                              replaceIn(f.content + "template/captions.json", QString("\"row\": %1").arg(row),
                                        QString("\"row\": %1").arg(row + 1));
                          replaceIn(f.content + "template/captions.json", "\"row\": 150", "\"row\": 151");
                      },
                      "captions.json", "row 150 has no English text"},
        BrokenContent{"CaptionRowsOutOfOrder",
                      [](const ContentFixture& f) {
                          replaceIn(f.content + "template/captions.json", "\"row\": 6,", "\"row\": 2,");
                      },
                      "captions.json", "ascending order"},
        BrokenContent{"FolderCaptionNotAFileName", [](const ContentFixture& f) { f.setCaption(10, "English", "../up"); },
                      "captions.json", "cannot be a file name"},
        BrokenContent{"UnequalTipCounts",
                      [](const ContentFixture& f) {
                          replaceIn(f.content + "template/tips.json",
                                    "\"You can often leave out the subject: hablo español means 'I speak Spanish'.\"",
                                    "");
                          replaceIn(f.content + "template/tips.json", "come!\",", "come!\"");
                      },
                      "tips.json", "the same number"},
        BrokenContent{"SubjectWithoutPhrases", [](const ContentFixture& f) { f.writeSubject("tiny_words", {}); },
                      "tiny_words.json", "1 to 10 phrases"},
        BrokenContent{"StarInAPhrase",
                      [](const ContentFixture& f) { f.writeSubject("tiny_words", {{"oui*", "yes", ""}}); },
                      "tiny_words.json", "phrases[0].phrase: must not contain \"*\""},
        BrokenContent{"QuoteInATranslation",
                      [](const ContentFixture& f) { f.writeSubject("tiny_words", {{"oui", "\"yes\"", ""}}); },
                      "tiny_words.json", "double quote"},
        BrokenContent{"TitleDoesNotMatchTheFileName",
                      [](const ContentFixture& f) {
                          replaceIn(f.content + "subjects/test/tiny_words.json", "Tiny Words", "Tiny Word");
                      },
                      "tiny_words.json", "tiny_word.fre"},
        BrokenContent{"MisspeltKey",
                      [](const ContentFixture& f) {
                          replaceIn(f.content + "subjects/test/small_talk.json", "\"translation\"", "\"tranlation\"");
                      },
                      "small_talk.json", "unknown key \"tranlation\""},
        BrokenContent{"CustomPhraseThatDoesNotExist",
                      [](const ContentFixture& f) { replaceIn(f.content + "custom/sample.json", "\"key\": 2", "\"key\": 5"); },
                      "sample.json", "tiny_words has no phrase 5"},
        BrokenContent{"ActivityWithoutItsPictures",
                      [](const ContentFixture& f) {
                          f.writeActivity("77demo", 8);
                          QFile::remove(f.content + "activities/77demo/Spanish-highlighted.svg");
                      },
                      "77demo", "lacks the picture Spanish-highlighted.svg"}),
    [](const auto& info) { return std::string(info.param.name); });

QByteArray wave(quint32 dataBytes, qint32 riffSizeAdjust = 0)
{
    QByteArray bytes("RIFF....WAVEfmt ");
    auto put32 = [&](quint32 v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };  // little-endian host
    auto put16 = [&](quint16 v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
    put32(16);
    put16(1), put16(1), put32(22050), put32(44100), put16(2), put16(16);
    bytes.append("data");
    put32(dataBytes);
    bytes.append(QByteArray(static_cast<int>(dataBytes), '\x01'));
    qToLittleEndian<quint32>(static_cast<quint32>(bytes.size() - 8 + riffSizeAdjust), bytes.data() + 4);
    return bytes;
}

TEST(WaveFileCheck, TellsWholeRecordingsFromBrokenOnes)
{
    EXPECT_TRUE(isWaveFile(wave(100)));
    EXPECT_FALSE(isWaveFile(wave(0)));                      // no samples
    EXPECT_FALSE(isWaveFile(wave(100).left(60)));           // cut short
    EXPECT_FALSE(isWaveFile(wave(100, 4)));                 // RIFF size wrong
    EXPECT_FALSE(isWaveFile(QByteArray("RIFF\x04\0\0\0WAVE", 12)));  // header only
    EXPECT_FALSE(isWaveFile(QByteArray()));
    QByteArray notWave = wave(100);
    notWave.replace(8, 4, "AVI ");
    EXPECT_FALSE(isWaveFile(notWave));
}

}  // namespace
