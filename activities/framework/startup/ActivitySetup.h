#pragma once

#include "activities/framework/startup/LastCaption.h"

#include <QString>

namespace activity {

// When the activity's window is centred on the screen during start-up. Centred
// at any of these moments, it opens centred on the size it has when it shows,
// frame included (Center_Form).
enum class Centring {
    None,              // keeps its design position
    BeforeStart,       // before anything else, even before the command line is read
    AfterStudyList,    // once the study list is read and afterStudyList() ran, before the captions
    AfterCaptions,     // after the captions (most activities)
};

// The caption rows the instruction window shows.
struct InstructionRows {
    int windowCaption = 0;
    int button = 0;
    int title = 2;  // always the activity's name
    int body = 3;
};

// The fixed parameters of one activity program.
struct ActivitySetup {
    QString program;  // its file name, e.g. "02studybook"; the store is "<program>.cfg"
    Centring centring = Centring::AfterCaptions;
    InstructionRows instructions;
    // Named in place of "this activity" in the older-version message; empty for most.
    QString olderVersionName;
    // False keeps the score window where it is made instead of centring it.
    bool centreScoreWindow = true;
    // The last caption row the program reads: a configuration store with fewer
    // rows is refused at start-up. By default the program's LAST_CAPTION.
    int lastCaption = programLastCaption();
};

}  // namespace activity
