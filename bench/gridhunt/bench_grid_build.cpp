// Times building the word-search grid (placing ten phrases, then the fill),
// the median over 20 seeds, for three lists:
//   mixed    ten phrases of 5 to 19 letters;
//   crowded  ten phrases of 19 letters that share no letters, so they seldom cross;
//   rows     ten phrases of 30 letters: they fit only across, in half the rows;
//   hopeless ten phrases of 40 letters: every one fails all its attempts.
//   bench_grid_build [seeds]
#include "activities/puzzles/14gridhunt/rules/GridhuntGame.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QString run(int length, int offset)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'A' + (offset + i * 7) % 26);
    return text;
}

std::vector<gridhunt::GridhuntPhrase> list(const std::vector<int>& lengths)
{
    std::vector<gridhunt::GridhuntPhrase> phrases;
    for (std::size_t i = 0; i < lengths.size(); ++i)
        phrases.push_back({run(lengths[i], static_cast<int>(i) * 3), QStringLiteral("X")});
    return phrases;
}

void measure(const char* name, const std::vector<int>& lengths, int seeds)
{
    std::vector<double> ms;
    int placed = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        QElapsedTimer timer;
        timer.start();
        const gridhunt::GridhuntGame game(list(lengths), platform::RandomSource(static_cast<std::uint64_t>(seed)));
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        placed += game.phrasesLeft();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-9s median %7.3f ms  max %7.3f ms  placed %.1f of %zu on average\n", name, ms[ms.size() / 2],
                ms.back(), static_cast<double>(placed) / seeds, lengths.size());
}

}  // namespace

int main(int argc, char** argv)
{
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    measure("mixed", {5, 7, 8, 10, 11, 13, 14, 16, 17, 19}, seeds);
    measure("crowded", std::vector<int>(10, 19), seeds);
    measure("rows", std::vector<int>(10, 30), seeds);
    measure("hopeless", std::vector<int>(10, 40), seeds);
    return 0;
}
