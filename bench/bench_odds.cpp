// The odds of the tips over all 850,668 draws: twelve rows (a sheet) and 6500 lines
// (a full list), rows drawn at random with a fixed seed.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <vector>

#include "evaluation/odds.h"

namespace {

std::vector<kw::TipRow> randomRows(int count)
{
    std::mt19937 random(4711);
    std::vector<kw::TipRow> rows;
    while (static_cast<int>(rows.size()) < count) {
        std::set<int> numbers;
        while (numbers.size() < 5) numbers.insert(static_cast<int>(random() % 42) + 1);
        kw::TipRow row;
        std::copy(numbers.begin(), numbers.end(), row.begin());
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

int main()
{
    const kw::HitQuotas quotas = kw::averageHitQuotas();
    std::printf("odds over all %d draws, median of the runs:\n", kw::kAllDraws);
    for (const auto& [count, runs] : {std::pair{12, 21}, std::pair{6500, 5}}) {
        const std::vector<kw::TipRow> rows = randomRows(count);
        std::vector<double> times;
        double winning = 0, randomWinning = 0;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            const auto tips = kw::tipOdds(rows, quotas, 1.5);
            const kw::OddsFigures random = kw::randomOdds(count, quotas, 1.5);
            times.push_back(timer.nsecsElapsed() / 1e6);
            winning = tips->winningDraws;
            randomWinning = random.winningDraws;
        }
        std::sort(times.begin(), times.end());
        std::printf("  %5d rows: %8.2f ms  (%d runs; draws with a win: %.0f, random rows %.1f)\n",
                    count, times[times.size() / 2], runs, winning, randomWinning);
    }
    return 0;
}
