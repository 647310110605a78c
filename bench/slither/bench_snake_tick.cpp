// Times one tick of the snake model (the move, the four hit tests and the
// growth) with a snake of 200 cells that circles a large board.
//   bench_snake_tick [ticks]
#include "activities/arcade/12slither/rules/SnakeGame.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using slither::Direction;

constexpr int kBoard = 2000;
constexpr int kCells = 200;
constexpr int kSide = 150;  // grid steps of each side of the square the snake circles

slither::SnakeGame longSnake()
{
    slither::SnakeGame game({{QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), QStringLiteral("X")}}, kBoard, kBoard,
                            platform::RandomSource(11));
    game.newGame();
    while (static_cast<int>(game.cells().size()) < kCells)
        game.growSnake();
    return game;
}

}  // namespace

int main(int argc, char** argv)
{
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200000;
    slither::SnakeGame game = longSnake();
    const Direction turns[4] = {Direction::Right, Direction::Up, Direction::Left, Direction::Down};
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(ticks));
    int crashes = 0;
    int eaten = 0;
    int step = 0;  // of the present snake's path
    for (int i = 0; i < ticks; ++i, ++step) {
        // Down the left edge first, then around a square.
        if (step % kSide == 0 && step > 0)
            game.steer(turns[(step / kSide - 1) % 4]);
        QElapsedTimer timer;
        timer.start();
        const slither::TickOutcome outcome = game.tick();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        eaten += outcome.ate ? 1 : 0;
        if (outcome.crash != slither::Crash::None || !game.running()) {
            ++crashes;
            game = longSnake();
            step = -1;
        }
    }
    std::sort(samples.begin(), samples.end());
    std::printf("tick with %d cells: median %.2f us, 99%% %.2f us, max %.2f us over %d ticks "
                "(%d characters eaten, %d restarts)\n",
                kCells, samples[samples.size() / 2], samples[samples.size() * 99 / 100], samples.back(), ticks, eaten,
                crashes);
    return 0;
}
