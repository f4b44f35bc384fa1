// Every statistics chart on the real draw history (about 3,200 draws), each
// including its read of the draw file, and the chart view's redraw.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "bench_services.h"
#include "history_fixture.h"
#include "state/main_state.h"
#include "stats/statistics.h"
#include "ui/chart_view.h"

namespace {

double medianMs(const std::function<void()>& work, int runs = 51)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto history = kw::bench::loadHistory();
    if (!history) return 1;
    QTemporaryDir dir;
    kw::MainState state;
    state.Home = dir.path() + QLatin1Char('/');
    if (!kw::DrawFile(state.drawFilePath()).replace(*history, nullptr)) return 1;
    state.DateTimePicker1.setDate(kw::dayCountFromDate(QDate(2026, 8, 22)));
    kw::bench::QuietServices quiet;
    kw::Services& services = quiet.services;

    std::printf("statistics on %zu draws, median of 51 runs (file read included):\n",
                history->size());
    const std::pair<const char*, std::function<void()>> charts[] = {
        {"frequency", [&] { kw::frequencyChart(state, services); }},
        {"overdue", [&] { kw::overdueChart(state, services); }},
        {"sums", [&] { kw::sumsChart(state, services); }},
        {"pairs", [&] { kw::runChart(state, services, kw::RunLength::Pairs); }},
        {"triples", [&] { kw::runChart(state, services, kw::RunLength::Triples); }},
        {"quadruples", [&] { kw::runChart(state, services, kw::RunLength::Quadruples); }},
        {"pairs with 7",
         [&] {
             state.UpDown21 = 7;
             kw::pairsWithChart(state, services);
         }},
        {"extra numbers", [&] { kw::extraNumberChart(state, services); }},
    };
    for (const auto& [name, work] : charts) std::printf("  %-14s %6.3f ms\n", name, medianMs(work));

    kw::StatisticsChartView view(nullptr, state.chart);
    view.resize(1200, 650);
    view.show();
    kw::frequencyChart(state, services);
    const double redraw = medianMs(
        [&] {
            view.refresh();
            view.grab();  // lays out and paints it
        },
        21);
    std::printf("  chart view redraw + paint (42 bars): %6.2f ms\n", redraw);
    const double tick = medianMs(
        [&] {
            kw::frequencyChart(state, services);
            view.grab();
        },
        21);
    std::printf("  one history tick (chart + redraw):   %6.2f ms of the 250 ms a tick has\n", tick);
    return 0;
}
