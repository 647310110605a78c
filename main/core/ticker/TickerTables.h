#pragma once

#include "platform/random/RandomSource.h"

// The ticker's look for a text: the font size and the hold time that follow its
// length, and the colour drawn for it.
namespace ticker {

// Font size in points for a text of `length` characters: short texts large, long
// texts small; an empty text or one over 215 characters at 8.
int fontPointsFor(int length);

// How long a text of `length` characters stays open: 150 ms a character, at most
// 59000 ms. An empty text holds as long as one character, so the ticker never
// stays open for good.
int holdMsFor(int length);

// A colour of the classic 16-colour palette, drawn from 0..14 with one draw; the
// light ones (7, 10, 11, 14) would be hard to read on the white panel and become 1.
int drawColourIndex(const platform::RandomSource& random);

}  // namespace ticker
