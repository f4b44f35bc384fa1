// Wheels "t if t" (every t-set of the picked numbers in some row) for 10 to 20 numbers
// and t = 2, 3, 4: the size reached within the time limit, the Schönheim bound, the
// time used and the proof; beside the smallest sizes known from the covering-design
// tables where this file names them.
//   bench_wheel [SECONDS [FIRST_V [LAST_V]]]   (default: 10 s, v = 10 to 20)
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "evaluation/wheel.h"

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10;
    const int first = argc > 2 ? std::atoi(argv[2]) : 10;
    const int last = argc > 3 ? std::atoi(argv[3]) : 20;
    // C(v, 5, t): the smallest wheels known (La Jolla covering repository).
    const std::map<std::pair<int, int>, int> known{{{10, 4}, 51}, {{11, 4}, 66}, {{12, 4}, 113}};
    std::printf("wheels \"t if t\", at most %.0f s each, seed 1\n", seconds);
    std::printf("%3s %2s %7s %7s %7s %8s %9s %s\n", "v", "t", "rows", "bound", "known", "time s",
                "steps", "proof");
    for (int t = 2; t <= 4; ++t) {
        for (int v = first; v <= last; ++v) {
            std::vector<int> numbers;
            for (int n = 1; n <= v; ++n) numbers.push_back(n);
            kw::WheelLimits limits;
            limits.seconds = seconds;
            QElapsedTimer timer;
            timer.start();
            const kw::WheelResult wheel = kw::buildWheel(numbers, {t, t}, limits);
            const double used = timer.nsecsElapsed() / 1e9;
            const kw::WheelProof proof = kw::proveWheel(numbers, wheel.rows, {t, t});
            const auto found = known.find({v, t});
            char knownText[16] = "-";
            if (found != known.end())
                std::snprintf(knownText, sizeof knownText, "%d", found->second);
            std::printf(
                "%3d %2d %7zu %7lld %7s %8.2f %9lld %s%s\n", v, t, wheel.rows.size(),
                static_cast<long long>(kw::wheelLowerBound(v, {t, t})), knownText, used,
                static_cast<long long>(wheel.steps), proof.holds ? "all cases" : "FAILS",
                found != known.end() && static_cast<double>(wheel.rows.size()) > found->second * 1.1
                    ? "  (more than 10% above the known size)"
                    : "");
            std::fflush(stdout);
        }
    }
    return 0;
}
