// Times the invaders game as it plays: one march tick of the model (the shot's
// four steps, the formation, the UFO, four bombs and every hit test on the
// raster), the pulse, and one frame painted by the window's painter, on the
// program's own pictures and a formation of 51 letters (60 invaders).
//   QT_QPA_PLATFORM=offscreen bench_blaster_tick [ticks]
#include "activities/arcade/09blaster/window/BlasterArt.h"
#include "activities/arcade/09blaster/window/FieldEffects.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace blaster;

namespace {

void report(const char* what, std::vector<double> micros)
{
    std::sort(micros.begin(), micros.end());
    std::printf("%-28s median %8.1f us, 90%% %8.1f us, 99%% %8.1f us, worst %8.1f us (%zu runs)\n", what,
                micros[micros.size() / 2], micros[micros.size() * 9 / 10], micros[micros.size() * 99 / 100],
                micros.back(), micros.size());
}

const QString kPhrase = QStringLiteral("LES ENFANTS JOUENT DANS LE JARDIN APRÈS L'ÉCOLE, ET ILS RIENT");

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(100, std::atoi(argv[1])) : 20000;
    BlasterArt art;
    platform::RandomSource random(42);
    std::unique_ptr<BlasterGame> game;
    auto newGame = [&] {
        game = std::make_unique<BlasterGame>(std::vector<QString>{kPhrase}, art.pictures(), random);
        game->startGame();
        game->setLives(10000);
        game->ufo() = Ufo{true, false, -100, 70, 1, 0};
    };
    newGame();
    std::printf("%d invaders, %d letters\n", int(game->invaders().size()), game->letters().count());

    std::vector<double> march, pulse, frame;
    QImage surface(Raster::kWidth, Raster::kHeight, QImage::Format_ARGB32_Premultiplied);
    FieldEffects effects;
    QElapsedTimer clock;
    for (int tick = 0; tick < ticks; ++tick) {
        if (game->phase() != BlasterPhase::Playing)
            newGame();
        // The ship sweeps to and fro and fires whenever it can.
        game->placeShip(1 + (tick * 7) % 760);
        game->pressKey(BlasterKey::Space, false);
        game->takeEvents();

        clock.start();
        game->marchTick();
        march.push_back(clock.nsecsElapsed() / 1000.0);
        if (tick % 8 == 0) {
            clock.start();
            game->pulse();
            pulse.push_back(clock.nsecsElapsed() / 1000.0);
        }
        if (tick % 4 == 0 && game->phase() == BlasterPhase::Playing) {
            clock.start();
            QPainter painter(&surface);
            effects.paint(painter, *game, art, false);
            painter.end();
            frame.push_back(clock.nsecsElapsed() / 1000.0);
        }
    }
    report("march tick (model)", march);
    report("pulse (model)", pulse);
    report("frame painted (window)", frame);
    return 0;
}
