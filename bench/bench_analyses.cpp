// The two historic analyses over the real history: the parameter analysis (one
// generation run of twelve rows per week), also compared with 200 runs of random
// tips, and the database analysis (every draw against every earlier one of the
// window and against the next).
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_services.h"
#include "draws/current_draw.h"
#include "evaluation/history_analysis.h"
#include "generation/generation_run.h"
#include "history_fixture.h"
#include "state/main_state.h"

namespace {

// Says Yes to every question and gives the scripted inputs.
struct AnsweringDialogs : kw::bench::QuietDialogs {
    QStringList inputs;
    bool askYesNo(const QString&, const QString&) override { return true; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override
    {
        if (inputs.isEmpty()) return {};
        return inputs.takeFirst();
    }
};

struct Bench {
    QTemporaryDir dir;
    kw::bench::QuietServices quiet;
    AnsweringDialogs dialogs;
    kw::Services services{dialogs,        quiet.shell, quiet.sound, quiet.clock,
                          quiet.settings, {},          {},          {}};
    kw::MainState state;

    explicit Bench(const std::vector<kw::DrawRecord>& draws)
    {
        state.Home = dir.path() + QLatin1Char('/');
        kw::bench::writeHistory(state.Home, draws);
        state.DateTimePicker2.setDate(draws.front().datum);
        state.sortieren = true;
    }
    // Milliseconds of one analysis from the date on, and its report.
    template <typename Analysis>
    double run(const QDate& from, const QStringList& inputs, Analysis analysis, QStringList* report)
    {
        state.DateTimePicker1.setDate(kw::dayCountFromDate(from));
        dialogs.inputs = inputs;
        kw::RunHooks hooks;
        QElapsedTimer timer;
        timer.start();
        const auto lines = analysis(state, services, hooks);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (lines) *report = *lines;
        return ms;
    }
};

void printReport(const QStringList& report)
{
    for (const QString& line : report) std::printf("    %s\n", qPrintable(line));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const auto history = kw::bench::loadHistory();
    if (!history) return 1;
    const QDate newest = kw::dateFromDayCount(history->back().datum);
    std::printf("real history: %zu draws up to %s\n", history->size(),
                qPrintable(newest.toString(Qt::ISODate)));

    const auto parameters = [](int randomRuns) {
        return [randomRuns](kw::MainState& state, kw::Services& services, kw::RunHooks& hooks) {
            return kw::analyseParameters(state, services, hooks, randomRuns);
        };
    };
    const auto database = [](kw::MainState& state, kw::Services& services, kw::RunHooks& hooks) {
        return kw::analyseDatabase(state, services, hooks);
    };

    double plainMs = 0;
    for (const int years : {1, 0}) {
        Bench b(*history);
        b.state.setUpDownPosition(8, 12);
        const QDate from = years ? newest.addYears(-years) : QDate(2018, 1, 1);
        QStringList report;
        const double ms = b.run(from, {QStringLiteral("4711")}, parameters(0), &report);
        plainMs = ms;
        const int weeks = report.isEmpty() ? 0
                                           : report.last()
                                                 .section(QLatin1Char(':'), 1, 1)
                                                 .trimmed()
                                                 .section(QLatin1Char(' '), 0, 0)
                                                 .toInt();
        std::printf(
            "parameter analysis from %s (12 rows a week): %.0f ms, %d weeks, %.1f ms/week\n",
            qPrintable(from.toString(Qt::ISODate)), ms, weeks, weeks ? ms / weeks : 0.0);
        if (!years) printReport(report);
    }

    {
        constexpr int kRuns = kw::kDefaultRandomRuns;
        Bench b(*history);
        b.state.setUpDownPosition(8, 12);
        const QDate from(2018, 1, 1);
        QStringList report;
        const double ms = b.run(from, {QStringLiteral("4711")}, parameters(kRuns), &report);
        std::printf(
            "parameter analysis from %s (12 rows a week) with %d random runs: %.0f ms, "
            "of it the random runs about %.0f ms\n",
            qPrintable(from.toString(Qt::ISODate)), kRuns, ms, ms - plainMs);
        printReport(report);
        std::fflush(stdout);
    }

    for (const int years : {1, 0}) {
        Bench b(*history);
        const QDate from = years ? newest.addYears(-years) : QDate(2018, 1, 2);
        QStringList report;
        // 6 hits are never reached: nothing is asked.
        const double ms = b.run(from, {QStringLiteral("6")}, database, &report);
        long long compared = 0;
        for (int line = 1; line <= 6 && line < report.size(); ++line)
            compared += report[line].section(QLatin1Char('>'), 1).toLongLong();
        std::printf(
            "database analysis from %s (window from %s): %.0f ms, %lld comparisons with earlier "
            "draws, %.0f ns each\n",
            qPrintable(from.toString(Qt::ISODate)),
            qPrintable(kw::dateFromDayCount(b.state.DateTimePicker2.date()).toString(Qt::ISODate)),
            ms, compared, compared ? ms * 1e6 / compared : 0.0);
        if (!years) printReport(report);
    }
    return 0;
}
