// The spoken letters built into the program: every letter of every edition's
// keyboard is said from a recording of its language, except the ones its
// language has none for, and every recording is a sound.
#include "activities/drills/15letterbee/rules/LetterKeys.h"
#include "activities/drills/15letterbee/rules/LetterSounds.h"
#include "activities/drills/15letterbee/window/LetterSound.h"

#include "platform/ui/Resources.h"

#include <QDir>
#include <QList>

#include <gtest/gtest.h>

using namespace letterbee;

TEST(SpokenLetters, EveryKeyOfEveryEditionIsSaidExceptWhereItsLanguageHasNoRecording)
{
    struct Edition {
        const char* code;
        const char* language;
        QString unsaid;  // the keys of the edition no recording of its language says
    };
    const std::vector<Edition> editions = {
        {"dvleng", "English", "0123456789?!"},
        {"dvlspa", "Spanish", "0123456789-"},
        {"dvlfre", "French", "?!"},
        {"dvlger", "German", "?!ÞŸË"},
    };
    for (const Edition& edition : editions) {
        for (const uint code : alphabetFor(edition.code).toUcs4()) {
            const auto c = static_cast<char32_t>(code);
            const QString letter = QString::fromUcs4(&c, 1);
            const QString name = letterSoundName(letter, edition.language);
            EXPECT_EQ(hasLetterSound(name, edition.language), !edition.unsaid.contains(letter))
                << edition.code << " " << letter.toStdString() << " as " << name.toStdString();
        }
    }
    // Italian has no spoken letters at all.
    for (const uint code : alphabetFor("dvlita").toUcs4()) {
        const auto c = static_cast<char32_t>(code);
        EXPECT_FALSE(hasLetterSound(letterSoundName(QString::fromUcs4(&c, 1), "Italian"), "Italian"));
    }
}

TEST(SpokenLetters, EachLanguageHasItsNamesAndEveryRecordingIsASound)
{
    const std::vector<std::pair<QString, QStringList>> extras = {
        {"English", {"-"}},
        {"French", {"-", "0", "9", ":", ";", "C_", "OE"}},
        {"German", {"&", "-", "0", "9", ":", ";", "A2", "B2", "O2", "U2"}},
        {"Spanish", {"NN"}},
    };
    for (const auto& [language, names] : extras) {
        QStringList expected = names;
        expected << QStringList{"A", "M", "Z", "'", ",", ".", "EXCLAMACION", "INTERROGACION", "exclamacion"};
        for (const QString& name : expected)
            EXPECT_TRUE(hasLetterSound(name, language)) << language.toStdString() << " " << name.toStdString();

        const QString folder = ":/" + letterSoundType(language);
        const QStringList files = QDir(folder).entryList(QDir::Files);
        EXPECT_GE(files.size(), 31) << language.toStdString();
        for (const QString& file : files) {
            const QByteArray wave = platform::ui::resource(letterSoundType(language), file);
            EXPECT_TRUE(wave.startsWith("RIFF") && wave.mid(8, 4) == "WAVE") << file.toStdString();
            EXPECT_GT(wave.size(), 22050 / 10) << file.toStdString() << ": less than a moment of speech";
        }
    }
}
