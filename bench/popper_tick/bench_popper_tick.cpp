// Times the gunfight's main loop: one tick of the game (cacti, falling words,
// shots and every overlap test) with the movement and the computer's decisions
// stepped alongside, on ten phrases of 21 words, the learner firing all along.
//   bench_popper_tick [ticks]
#include "activities/arcade/13popper/rules/PopperGame.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace popper;

int main(int argc, char** argv)
{
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200000;
    QString phrase;
    for (int w = 0; w < 21; ++w)
        phrase += QStringLiteral("mot%1 ").arg(w);
    QList<PopperPhrase> phrases;
    for (int p = 0; p < 10; ++p)
        phrases.append({phrase, QStringLiteral("words")});

    PopperGame game(phrases, platform::RandomSource(7));
    game.Start_Game();
    std::vector<double> micros;
    micros.reserve(ticks);
    QElapsedTimer clock;
    for (int t = 0; t < ticks && game.running(); ++t) {
        game.fireKey();
        game.arrowDown(t / 40 % 2 ? kUp : kDown);
        clock.start();
        game.Timer1_Timer();
        game.tmrMouseCntl_Timer();
        if (t % 10 == 0)
            game.TimerComputerPlayer_Timer();
        if (t % 45 == 0)
            game.TimerRemoveLabels_Timer();
        micros.push_back(clock.nsecsElapsed() / 1000.0);
        game.takeSounds();
        if (game.state() == PopperGame::State::LearnerShot)
            game = PopperGame(phrases, platform::RandomSource(t)), game.Start_Game();
    }
    std::sort(micros.begin(), micros.end());
    // The max includes the odd preemption of a shared machine; p99.9 is the tick itself.
    std::printf("ticks %zu  median %.2f us  p99.9 %.2f us  max %.2f us  (budget 1000 us, timer 22 ms)\n",
                micros.size(), micros[micros.size() / 2], micros[micros.size() * 999 / 1000], micros.back());
    return 0;
}
