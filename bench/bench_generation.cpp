// The generation run on the real history and on a 30 times longer synthetic
// one, filling a full list in the list view, and the history tests' index
// against the plain scan.
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "bench_services.h"
#include "generation/generation_run.h"
#include "generation/history_index.h"
#include "history_fixture.h"
#include "state/main_state.h"

namespace {

struct Bench {
    QTemporaryDir dir;
    kw::bench::QuietServices quiet;
    kw::MainState state;

    explicit Bench(const std::vector<kw::DrawRecord>& draws)
    {
        state.Home = dir.path() + QLatin1Char('/');
        kw::bench::writeHistory(state.Home, draws);
        state.DateTimePicker1.setDate(draws.back().datum);
        state.sortieren = true;
    }
    // Milliseconds of one standard-view run of `rows` rows with the given seed.
    double run(int rows, std::uint32_t seed)
    {
        state.listView = false;
        state.Gewinnzahlen.clear();
        state.setUpDownMaximum(8, 6500);
        state.setUpDownPosition(8, rows);
        state.random.setSeed(seed);
        kw::RunHooks hooks;
        QElapsedTimer timer;
        timer.start();
        kw::generationRun(state, quiet.services, hooks);
        return timer.nsecsElapsed() / 1e6;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::vector<kw::DrawRecord> synthetic(size_t count)
{
    kw::RandomGenerator random;
    random.setSeed(2026);
    std::vector<kw::DrawRecord> draws;
    QDate day(2018, 1, 1);
    for (size_t i = 0; i < count; ++i, day = day.addDays(1)) {
        kw::DrawRecord r;
        r.datum = kw::dayCountFromDate(day);
        int placed = 0;
        while (placed < 5) {
            const int n = 1 + random.random(42);
            bool taken = false;
            for (int s = 1; s <= placed; ++s) taken = taken || r.slot(s) == n;
            if (!taken) r.setSlot(++placed, n);
        }
        draws.push_back(r);
    }
    return draws;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const auto history = kw::bench::loadHistory();
    if (!history) return 1;

    Bench real(*history);
    std::vector<double> times;
    for (std::uint32_t seed = 1; seed <= 31; ++seed) times.push_back(real.run(12, seed));
    const double realMs = median(times);
    std::printf(
        "default 12-row run, real history (%zu draws): %.2f ms (median of 31 seeds; the first, "
        "which reads "
        "the file and builds the indexes: %.2f ms)\n",
        history->size(), realMs, times.front());

    Bench longer(synthetic(history->size() * 30));
    times.clear();
    for (std::uint32_t seed = 1; seed <= 31; ++seed) times.push_back(longer.run(12, seed));
    const double longMs = median(times);
    std::printf(
        "default 12-row run, 30x synthetic history (%zu draws): %.2f ms = %.2fx the real one (the "
        "first: "
        "%.2f ms)\n",
        history->size() * 30, longMs, longMs / realMs, times.front());

    // The history tests alone: the never-drawn test over the whole history (x = 5)
    // and the recent-draws test (x = 4 over 700 days), for random rows.
    kw::RandomGenerator random;
    random.setSeed(11);
    std::vector<kw::Candidate> rows(20000);
    for (auto& row : rows) {
        std::array<bool, 43> used{};
        for (int& n : row) {
            do n = 1 + random.random(42);
            while (used[n]);
            used[n] = true;
        }
    }
    const kw::DayCount end = history->back().datum, start = kw::dayCountFromDate(QDate(2018, 1, 1));
    kw::HistoryIndex neverDrawn(*history), recent(*history);  // one per test, as in the run
    int found = 0;
    QElapsedTimer timer;
    timer.start();
    for (const auto& row : rows)
        found += kw::scanReaches(*history, start, end, 5, row) +
                 kw::scanReaches(*history, end - 700, end, 4, row);
    const double scanNs = timer.nsecsElapsed() / double(rows.size());
    int indexed = 0;
    timer.restart();
    for (const auto& row : rows)
        indexed += neverDrawn.reaches(start, end, 5, row) + recent.reaches(end - 700, end, 4, row);
    const double indexNs = timer.nsecsElapsed() / double(rows.size());
    std::printf(
        "history tests per row: scan %.0f ns, index %.0f ns (%.0fx faster, same answers: %s)\n",
        scanNs, indexNs, scanNs / indexNs, found == indexed ? "yes" : "NO");
    if (app.arguments().contains(QStringLiteral("--no-list"))) return 0;
    Bench list(*history);
    list.state.listView = true;
    list.state.setUpDownMaximum(8, 6500);
    list.state.setUpDownPosition(8, 6500);
    list.state.random.setSeed(7);
    kw::RunHooks hooks;
    timer.restart();
    kw::BrechnungStart(list.state, list.quiet.services, hooks);
    std::printf(
        "filling the list view up to 6500 lines with the defaults: %lld ms, %lld lines reached\n",
        static_cast<long long>(timer.elapsed()),
        static_cast<long long>(list.state.Gewinnzahlen.size()));

    return 0;
}
