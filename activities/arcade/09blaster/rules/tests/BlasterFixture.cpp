#include "BlasterFixture.h"

namespace blaster::testing {

BlasterPictures syntheticPictures(bool greenBases)
{
    BlasterPictures pictures;
    auto block = std::make_shared<Mask>(20, 30, kGreen);
    auto nothing = std::make_shared<Mask>(20, 30, kNone);
    pictures.letter = [block, nothing](const QString& caption, bool) -> const Mask& {
        return caption == QLatin1String("~") ? *nothing : *block;
    };
    for (Mask& base : pictures.bases)
        base = Mask(73, 57, greenBases ? kGreen : kNone);
    pictures.ship = Mask(41, 41, opaque(128, 128, 128));
    pictures.ufo = Mask(73, 33, kGreen);
    pictures.explosion = Mask(4, 4, opaque(255, 160, 0));
    return pictures;
}

BlasterFixture::BlasterFixture(std::vector<QString> phrases, std::vector<double> draws, bool greenBases)
    : game(std::move(phrases), syntheticPictures(greenBases), platform::RandomSource::scripted(std::move(draws)))
{
    game.startGame();
}

bool BlasterFixture::shootAt(int invader)
{
    const float step = game.stepX();
    game.setStepX(0.0f);
    game.placeShip(int(game.invaders()[std::size_t(invader)].x) + 10 - 14);
    game.pressKey(BlasterKey::Space, false);
    for (int tick = 0; tick < 200 && game.shotInFlight() && game.phase() == BlasterPhase::Playing; ++tick)
        game.marchTick();
    game.setStepX(step);
    return !game.shotInFlight();
}

void BlasterFixture::march(int ticks)
{
    for (int tick = 0; tick < ticks && game.phase() == BlasterPhase::Playing; ++tick)
        game.marchTick();
}

std::vector<BlasterSound> BlasterFixture::sounds()
{
    for (const BlasterEvent& event : game.takeEvents())
        events.push_back(event);
    std::vector<BlasterSound> played;
    for (const BlasterEvent& event : events)
        if (event.kind == BlasterEvent::Kind::Sound)
            played.push_back(event.sound);
    return played;
}

}  // namespace blaster::testing
