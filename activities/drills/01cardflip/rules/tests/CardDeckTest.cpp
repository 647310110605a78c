#include "activities/drills/01cardflip/rules/CardDeck.h"

#include <gtest/gtest.h>

using namespace cardflip;

namespace {

std::vector<FlashCard> threeCards()
{
    return {{"le pain", "the bread", "bread"},
            {"la pomme", "the apple", ""},
            {"le fromage", "the cheese", "cheese"}};
}

// Runs the slide in progress to its stop; the number of ticks it took.
int slideToStop(CardDeck& deck)
{
    int ticks = 0;
    while (deck.slide() != Slide::None && ticks < 1000) {
        deck.slideTick();
        ++ticks;
    }
    return ticks;
}

}  // namespace

TEST(CardDeck, NextAndPreviousWrapAroundTheList)
{
    struct Case {
        const char* moves;  // n = next, p = previous
        int card;
    };
    for (const Case& c : {Case{"p", 3}, Case{"n", 1}, Case{"nnn", 3}, Case{"nnnn", 1}, Case{"np", 3},
                          Case{"nnp", 1}, Case{"ppp", 1}}) {
        CardDeck deck(threeCards());
        for (const char move : std::string(c.moves)) {
            move == 'n' ? deck.next() : deck.previous();
            slideToStop(deck);
        }
        EXPECT_EQ(deck.cardIndex(), c.card) << c.moves;
        EXPECT_EQ(deck.counterText(), QStringLiteral("%1/3").arg(c.card)) << c.moves;
    }
}

TEST(CardDeck, SlidesWrapOnceAndStopAtTheirRestPlaces)
{
    CardDeck deck(threeCards());
    EXPECT_EQ(deck.counterText(), "0/3");
    deck.next();
    int wraps = 0;
    int stops = 0;
    while (deck.slide() != Slide::None) {
        const SlideStep step = deck.slideTick();
        wraps += step.wrapped;
        stops += step.stopped;
        if (step.wrapped) {
            EXPECT_EQ(deck.cardLeft(), kForwardReentry);
        }
    }
    EXPECT_EQ(wraps, 1);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(deck.cardLeft(), 3000);

    deck.previous();
    slideToStop(deck);
    EXPECT_EQ(deck.cardLeft(), 2500);
    EXPECT_EQ(deck.slideTick().stopped, false) << "no slide runs after the stop";
}

TEST(CardDeck, TheTextFollowsTheSideAndTheDirection)
{
    struct Case {
        int card;
        bool back;
        bool forward;
        const char* text;
    };
    for (const Case& c : {Case{1, false, true, "le pain"}, Case{1, true, true, "the bread, bread"},
                          Case{2, true, true, "the apple"}, Case{1, true, false, "the bread"},
                          Case{3, false, false, "le fromage"}}) {
        CardDeck deck(threeCards());
        // Reach the card by Next, turn to the side asked for, then come back to it.
        for (int i = 0; i < c.card; ++i) {
            deck.next();
            slideToStop(deck);
        }
        if (c.back)
            deck.turn();
        if (c.forward) {
            for (int i = 0; i < 3; ++i)
                deck.next();
        } else {
            for (int i = 0; i < 3; ++i)
                deck.previous();
        }
        slideToStop(deck);
        EXPECT_EQ(deck.cardIndex(), c.card);
        EXPECT_EQ(deck.cardText(), c.text) << c.card << (c.back ? " back" : " front");
    }
}

TEST(CardDeck, TurningShowsTheOtherSideInItsColour)
{
    CardDeck deck(threeCards());
    EXPECT_FALSE(deck.canTurn());
    deck.turn();
    EXPECT_EQ(deck.side(), Side::Front) << "no card to turn before the first";
    EXPECT_EQ(deck.cardText(), "");

    deck.next();
    EXPECT_TRUE(deck.canTurn());
    slideToStop(deck);
    deck.turn();
    EXPECT_EQ(deck.side(), Side::Back);
    EXPECT_EQ(deck.cardText(), "the bread") << "turning shows the translation alone";
    EXPECT_EQ(deck.textColour(), kBackColour);
    deck.turn();
    EXPECT_EQ(deck.cardText(), "le pain");
    EXPECT_EQ(deck.textColour(), kFrontColour);
}

TEST(CardDeck, ASlideInterruptedAfterItsWrapStillBringsTheNewCard)
{
    CardDeck deck(threeCards());
    deck.previous();
    // Run until the card has wrapped and is sliding in towards its stop.
    while (!deck.slideTick().wrapped) {
    }
    deck.slideTick();
    EXPECT_EQ(deck.counterText(), "3/3");
    deck.next();
    deck.previous();  // back to card 3 the other way, before the card stopped
    EXPECT_EQ(deck.cardIndex(), 3);
    deck.next();  // card 1, forward again
    bool wrapped = false;
    while (deck.slide() != Slide::None)
        wrapped |= deck.slideTick().wrapped;
    EXPECT_TRUE(wrapped) << "the card must leave and come back as the new card";
    EXPECT_EQ(deck.counterText(), "1/3");
    EXPECT_EQ(deck.cardText(), "le pain");
}

TEST(CardDeck, ASingleCardIsItsOwnNextAndPrevious)
{
    CardDeck deck({{"oui", "yes", ""}});
    deck.previous();
    slideToStop(deck);
    EXPECT_EQ(deck.counterText(), "1/1");
    deck.next();
    slideToStop(deck);
    EXPECT_EQ(deck.cardText(), "oui");
    EXPECT_THROW(CardDeck({}), std::invalid_argument);
}
