#pragma once

// The gunfight's field and pieces in twips; positions are relative to the
// desert, whose inner size is the whole play field.
namespace popper::layout {

inline constexpr int kDesertLeft = 825;
inline constexpr int kDesertTop = 750;
inline constexpr int kDesertWidth = 10215;
inline constexpr int kDesertHeight = 6435;

struct Piece {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr Piece kLearner{225, 75, 630, 480};
inline constexpr Piece kComputer{9375, 4575, 480, 480};
inline constexpr Piece kCacti[4]{{7875, 4575, 480, 480}, {2475, 3225, 480, 480}, {7050, 2025, 480, 480},
                                 {1350, 375, 480, 480}};
inline constexpr Piece kLearnerBullet{675, 2250, 300, 135};
inline constexpr Piece kComputerBullet{8475, 4050, 285, 75};
inline constexpr Piece kWarn{8475, 4425, 15, 705};
inline constexpr Piece kWord{4875, 600, 615, 240};

// The window around the desert.
inline constexpr int kFormWidth = 11880;
inline constexpr int kFormHeight = 8700;
inline constexpr Piece kTranslation{825, 300, 10215, 465};
inline constexpr Piece kPhraseLine{2325, 7800, 7140, 615};
inline constexpr Piece kPlayerNames[2]{{1200, 7800, 2400, 240}, {9450, 7800, 2400, 240}};
inline constexpr Piece kScores[2]{{1200, 8025, 1215, 315}, {9450, 8025, 1140, 315}};

inline constexpr int kWordLeft = 4200;        // where every word of a phrase starts
inline constexpr int kWordSpacing = 1500;     // word i starts at Top i * 1500
inline constexpr int kShotWordLeft = -2500;   // where removed words are parked
inline constexpr int kSpentBulletLeft = 32000;
inline constexpr int kStep = 200;             // a gunslinger's move per tick
inline constexpr int kPush = 100;             // a word hit out of turn moves this far
inline constexpr int kMuzzleDrop = 150;       // a bullet leaves this far below a gunslinger's top
inline constexpr int kDodgeLine = 500;        // a dodging computer goes up when below this

inline constexpr int kTickMs = 22;            // main loop and movement
inline constexpr int kRemoveWordsMs = 1000;
inline constexpr int kPointsPerLetter = 10;
inline constexpr int kBulletSlots = 2;

}  // namespace popper::layout
