#include "platform/ui/Resources.h"

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(Resources, FindsResourcesByTypeAndNameIgnoringCase)
{
    struct Case {
        const char* type;
        const char* name;
        const char* bytes;
    };
    const Case cases[] = {
        {"WAVE", "CLICK", "click-bytes"},
        {"wave", "click", "click-bytes"},
        {"Wave", "Click.WAV", "click-bytes"},
        {"WAVE", "correct", "correct-bytes"},
        {"WAVE", "CORRECT.wav", "correct-bytes"},
        {"ICON", "101", "icon-101"},
        {"icon", "righty", "righty"},
        {"WAVE", "missing", ""},
        {"BITMAP", "101", ""},
        {"WAVE", "../Icon/101", ""},
        {"", "CLICK", ""},
        {"WAVE", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resource(c.type, c.name), QByteArray(c.bytes)) << c.type << "/" << c.name;
        EXPECT_EQ(resourcePath(c.type, c.name).isEmpty(), QByteArray(c.bytes).isEmpty()) << c.type << "/" << c.name;
    }
    EXPECT_EQ(resourcePath("wave", "click"), ":/WAVE/CLICK.wav");
}
