// What a key event types, which characters any key types, and the 36-character rule.
#include "activities/drills/04keytap/rules/TypingKeys.h"

#include <gtest/gtest.h>

using namespace keytap;
using Kind = Keystroke::Kind;

namespace {

struct KeyCase {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    std::vector<Keystroke> expected;
};

}  // namespace

TEST(TypingKeys, KeyEventsBecomeKeystrokesOrNothing)
{
    const std::vector<KeyCase> cases = {
        {"a letter", Qt::Key_E, Qt::NoModifier, "e", {{Kind::Character, U'e'}}},
        {"a capital", Qt::Key_E, Qt::ShiftModifier, "E", {{Kind::Character, U'E'}}},
        {"a blank", Qt::Key_Space, Qt::NoModifier, " ", {{Kind::Character, U' '}}},
        {"an accented key", Qt::Key_Eacute, Qt::NoModifier, "é", {{Kind::Character, U'é'}}},
        {"a composed text", Qt::Key_unknown, Qt::NoModifier, "œ", {{Kind::Character, U'œ'}}},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", {{Kind::Backspace, 0}}},
        {"Enter", Qt::Key_Return, Qt::NoModifier, "\r", {{Kind::Enter, 0}}},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", {{Kind::Enter, 0}}},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01", {{Kind::Character, U'á'}}},
        {"Ctrl+E", Qt::Key_E, Qt::ControlModifier, "\x05", {{Kind::Character, U'é'}}},
        {"Ctrl+I", Qt::Key_I, Qt::ControlModifier, "\x09", {{Kind::Character, U'í'}}},
        {"Ctrl+N", Qt::Key_N, Qt::ControlModifier, "\x0e", {{Kind::Character, U'ñ'}}},
        {"Ctrl+O", Qt::Key_O, Qt::ControlModifier, "\x0f", {{Kind::Character, U'ó'}}},
        {"Ctrl+U", Qt::Key_U, Qt::ControlModifier, "\x15", {{Kind::Character, U'ú'}}},
        {"Ctrl+Shift+E", Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier, "\x05", {{Kind::Character, U'é'}}},
        // Nothing for keys without a character: they do not even start the clock.
        {"Tab is not Ctrl+I", Qt::Key_Tab, Qt::NoModifier, "\t", {}},
        {"Ctrl+B", Qt::Key_B, Qt::ControlModifier, "\x02", {}},
        {"an arrow", Qt::Key_Left, Qt::NoModifier, "", {}},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, "", {}},
        {"a function key", Qt::Key_F5, Qt::NoModifier, "", {}},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", {}},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", {}},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(keystrokesFor(c.key, c.modifiers, c.text), c.expected) << c.what;
}

TEST(TypingKeys, SpecialCharactersAreFoundThroughTheirUpperCase)
{
    for (const char32_t c : {U'¿', U'¡', U'ñ', U'Ñ', U'é', U'œ', U'€', U'ß', U'ÿ', U'ç'})
        EXPECT_TRUE(Is_Special_Character(c)) << static_cast<unsigned>(c);
    for (const char32_t c : {U'a', U'E', U'?', U'!', U'\'', U' ', U'-', U'ý'})
        EXPECT_FALSE(Is_Special_Character(c)) << static_cast<unsigned>(c);
}

TEST(TypingKeys, ThirtySixCharactersAreTheLongestTextAccepted)
{
    const QString six = QStringLiteral("é") + QString(35, QLatin1Char('a'));  // 36 characters
    EXPECT_FALSE(Has_Overlong_Phrase({{six, six}, {"un", "one"}}));
    EXPECT_TRUE(Has_Overlong_Phrase({{"un", "one"}, {six + "a", "x"}}));
    EXPECT_TRUE(Has_Overlong_Phrase({{"un", six + "a"}}));
    EXPECT_FALSE(Has_Overlong_Phrase({}));
}
