#include "stats/statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "draws/draw_file.h"
#include "evaluation/sheet_evaluation.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "stats/draw_counts.h"
#include "tips/integer_text.h"
#include "tips/shown_tips.h"

namespace kw {

namespace {

constexpr int kNumbers = kNumberCount;

DrawWindow readWindow(MainState& state, bool startInclusive)
{
    state.aktDatum = state.DateTimePicker2.date();
    state.dfb = state.DateTimePicker1.date();
    return {state.aktDatum, state.dfb, startInclusive};
}

DrawHistory loadDraws(MainState& state, Services& services)
{
    QString error;
    auto draws = DrawFile(state.drawFilePath()).readShared(&error);
    if (!draws) services.dialogs.notify(error);
    return draws;
}

bool isPrime(int n)
{
    static constexpr int primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    for (int p : primes)
        if (p == n) return true;
    return false;
}

ChartColour numberColour(int n)
{
    return isPrime(n) ? kPrimeRed : kDarkGreen;
}

// The value range in the chart's order: minimum, then maximum (which the chart
// may refuse, ending the operation), then the minimum again; automatic off.
bool setRange(ChartData& chart, double first, double largest, double smallest)
{
    chart.setMinimum(first);
    if (!chart.setMaximum(largest)) return false;
    chart.setMinimum(smallest);
    chart.setAutomatic(false);
    return true;
}

// The mean sum rounded half to even; none without draws.
std::optional<long long> meanSum(long long total, int count)
{
    if (count == 0) return std::nullopt;
    return static_cast<long long>(std::rint(static_cast<double>(total) / count));
}

void showEndDate(MainState& state)
{
    state.setStatusText(0, dateFromDayCount(state.dfb).toString(QStringLiteral("dd.MM.yyyy")));
}

QString whole(double value)
{
    return QString::number(static_cast<long long>(std::llround(value)));
}

// Each bar's text: the message with the bar's x and then its value.
BarText xAndValue(const QString& message)
{
    return [message](const ChartPoint& p) { return message.arg(whole(p.x), whole(p.y)); };
}

// Each bar's text for runs of length numbers from the bar's x on.
BarText runAndValue(const QString& message, int length)
{
    return [message, length](const ChartPoint& p) {
        return message.arg(whole(p.x), whole(p.x + length - 1), whole(p.y));
    };
}

// Bars x = 1..42 with y = values[x], coloured by number, and the range
// 0, largest, smallest over values[1..42]; the bars' text is barMessage.
bool addNumberBars(ChartData& chart, const std::array<int, kNumbers + 1>& values,
                   const MessageTable& m, int barMessage)
{
    chart.setBarText(xAndValue(m.text(barMessage)));
    chart.setLegend({{kPrimeRed, m.text(Message::ChartLegendPrime)},
                     {kDarkGreen, m.text(Message::ChartLegendNotPrime)}});
    int smallest = values[1], largest = values[1];
    for (int n = 1; n <= kNumbers; ++n) {
        smallest = std::min(smallest, values[n]);
        largest = std::max(largest, values[n]);
    }
    for (int n = 1; n <= kNumbers; ++n) chart.addPoint(n, values[n], numberColour(n));
    return setRange(chart, 0, largest, smallest);
}

}  // namespace

void frequencyChart(MainState& state, Services& services)
{
    BusyCursor busy(services.dialogs);
    const DrawWindow window = readWindow(state, true);
    state.ChartKind = 1;
    const auto draws = loadDraws(state, services);
    if (!draws) return;
    ChartData& chart = state.chart;
    chart.hideValueLabels();
    chart.clear();
    const Frequencies counted = countFrequencies(*draws, window);
    const int count = counted.draws;
    if (addNumberBars(chart, counted.drawn, state.messages, Message::ChartBarDrawn)) {
        if (const auto mean = meanSum(counted.sumTotal, count)) {
            const MessageTable& m = state.messages;
            chart.setTitle(m.text(6) + QStringLiteral("     ") + m.text(7) +
                           QString::number(count) + QStringLiteral("    ") + m.text(8) +
                           QString::number(*mean));
            showEndDate(state);
        }
    }
    chart.publish();
}

void recountFrequencyChart(MainState& state, Services& services)
{
    if (state.ChartKind == 1 && !state.historyRunning) frequencyChart(state, services);
}

void overdueChart(MainState& state, Services& services)
{
    BusyCursor busy(services.dialogs);
    const DrawWindow window = readWindow(state, false);
    state.ChartKind = 3;
    const auto draws = loadDraws(state, services);
    if (!draws) return;
    ChartData& chart = state.chart;
    chart.clear();
    addNumberBars(chart, overdueCounts(*draws, window, inDateOrder(draws)), state.messages,
                  Message::ChartBarOverdue);
    chart.setTitle(state.messages.text(34));
    chart.publish();
    state.requestChartPage();
    showEndDate(state);
}

void sumsChart(MainState& state, Services& services)
{
    BusyCursor busy(services.dialogs);
    state.ChartKind = 2;
    const DrawWindow window = readWindow(state, false);
    const auto draws = loadDraws(state, services);
    if (!draws) return;
    ChartData& chart = state.chart;
    chart.clear();
    const SumCounts sums = countSums(*draws, window);
    const int count = sums.count;
    for (int s = sums.smallest; s <= sums.largest; ++s) chart.addPoint(s, sums.draws[s]);
    chart.setBarText(xAndValue(state.messages.text(Message::ChartBarSum)));
    chart.setLegend({{kDefaultBarColour, state.messages.text(Message::ChartLegendSums)}});
    chart.setAutomatic(true);
    if (const auto mean = meanSum(sums.total, count)) {
        const MessageTable& m = state.messages;
        chart.setTitle(m.text(18) + QStringLiteral("    ") + m.text(7) + QString::number(count) +
                       QStringLiteral("     ") + m.text(8) + QString::number(*mean));
        showEndDate(state);
    }
    chart.publish();
}

void runChart(MainState& state, Services& services, RunLength length)
{
    BusyCursor busy(services.dialogs);
    const int g = static_cast<int>(length);
    const int lastStart = length == RunLength::Pairs ? 41 : 40;
    const DrawWindow window = readWindow(state, false);
    const auto draws = loadDraws(state, services);
    if (!draws) return;
    ChartData& chart = state.chart;
    chart.clear();
    const RunCounts runs = countRuns(*draws, window, g);
    const auto& run = runs.byStart;
    const int count = runs.draws, found = runs.found;
    const DrawRecord* last = runs.last;
    if (last) {
        // The CurrentDraw's slots and the last comparison are left as the row by
        // row comparison leaves them.
        for (int i = 1; i <= DrawRecord::kSlots; ++i) state.Zahl[i] = last->slot(i);
        QString entries[5];
        for (int m = 0; m < 5; ++m) entries[m] = QString::number(m < g ? lastStart + m : 0);
        Zettelcheck(state, {entries[0], entries[1], entries[2], entries[3], entries[4], {}, {}});
    }
    const int points = length == RunLength::Quadruples ? kNumbers : lastStart;
    for (int k = 1; k <= points; ++k) chart.addPoint(k, run[k]);
    const int barMessage = length == RunLength::Pairs     ? Message::ChartBarPair
                           : length == RunLength::Triples ? Message::ChartBarTriple
                                                          : Message::ChartBarQuadruple;
    chart.setBarText(runAndValue(state.messages.text(barMessage), g));
    chart.setLegend({{kDefaultBarColour, state.messages.text(Message::ChartLegendRuns)}});
    if (length == RunLength::Quadruples) {
        chart.setAutomatic(true);
    } else {
        int smallest = run[1], largest = run[1];
        for (int k = 1; k <= points; ++k) {
            smallest = std::min(smallest, run[k]);
            largest = std::max(largest, run[k]);
        }
        setRange(chart, 0, largest, smallest);
    }
    const MessageTable& m = state.messages;
    const int foundText = length == RunLength::Pairs ? 15 : length == RunLength::Triples ? 16 : 19;
    chart.setTitle(m.text(7) + QString::number(count) + QStringLiteral("        ") +
                   m.text(foundText) + QString::number(found));
    chart.publish();
    state.requestChartPage();
}

void pairsWithChart(MainState& state, Services& services)
{
    BusyCursor busy(services.dialogs);
    const DrawWindow window = readWindow(state, true);
    const auto draws = loadDraws(state, services);
    if (!draws) return;
    const int n = state.UpDown21;
    ChartData& chart = state.chart;
    chart.hideValueLabels();
    chart.clear();
    state.ChartKind = 6;
    const PairCounts pairs = countPairs(*draws, window);
    long long total = 0, sumN = 0;
    int minAll = 999999, maxAll = 0, minN = 999999, maxN = 0;
    int minA = 0, minB = 0, maxA = 0, maxB = 0, minPartner = 0, maxPartner = 0;
    for (int b = 1; b <= kNumbers; ++b) {
        for (int a = 1; a <= kNumbers; ++a) {
            const int c = pairs[a][b];
            total += c;
            if (c < minAll && a != b) minAll = c, minA = a, minB = b;
            if (c > maxAll) maxAll = c, maxA = a, maxB = b;
            if (b == n) {
                sumN += c;
                if (c < minN && a != n) minN = c, minPartner = a;
                if (c > maxN) maxN = c, maxPartner = a;
                chart.addPoint(a, c, kPairBlue);
            }
        }
    }
    const MessageTable& m = state.messages;
    chart.setBarText([message = m.text(Message::ChartBarPairedWith), n](const ChartPoint& p) {
        return message.arg(whole(p.x), QString::number(n), whole(p.y));
    });
    chart.setLegend({{kPairBlue, m.text(Message::ChartLegendPairedWith).arg(n)}});
    chart.setAutomatic(false);
    chart.setMinimum(1);
    if (chart.setMaximum(maxN)) {
        chart.setMinimum(minN);
        const auto num = [](long long v) { return QString::number(v); };
        chart.setTitle(QStringLiteral("Max (") + num(maxA) + QLatin1Char(',') + num(maxB) +
                       QStringLiteral("): ") + num(maxAll) + QStringLiteral("   Min (") +
                       num(minA) + QLatin1Char(',') + num(minB) + QStringLiteral("): ") +
                       num(minAll) + QStringLiteral("   Paare gesamt:") + num(total) +
                       QStringLiteral("  Max (") + num(n) + QLatin1Char(',') + num(maxPartner) +
                       QStringLiteral("): ") + num(maxN) + QStringLiteral("  Min (") + num(n) +
                       QLatin1Char(',') + num(minPartner) + QStringLiteral("): ") + num(minN) +
                       QStringLiteral("  Paare mit ") + num(n) + QStringLiteral(": ") + num(sumN));
        showEndDate(state);
    }
    chart.publish();
}

void nextPairsWithChart(MainState& state, Services& services)
{
    state.ChartKind = 6;
    state.UpDown21 = state.UpDown21 >= 50 ? 1 : state.UpDown21 + 1;
    state.notifyDrawChanged();
    pairsWithChart(state, services);
}

void extraNumberChart(MainState& state, Services& services)
{
    BusyCursor busy(services.dialogs);
    static const DayCount kEarliest = dayCountFromDate(QDate(1995, 8, 1));
    const DayCount start = std::max(state.DateTimePicker2.date(), kEarliest);
    const DayCount end = state.DateTimePicker1.date();
    state.dfb = end;
    const auto draws = loadDraws(state, services);
    if (!draws) return;
    const int stars = std::clamp(state.SternenzahlMax, 0, 255);
    ChartData& chart = state.chart;
    chart.clear();
    state.ChartKind = 5;
    const std::vector<int> due = extraNumberOverdue(*draws, {start, end, false}, stars);
    int smallest = 1000000, largest = 0;
    for (int k = 1; k <= stars; ++k) {
        smallest = std::min(smallest, due[static_cast<size_t>(k)]);
        largest = std::max(largest, due[static_cast<size_t>(k)]);
        chart.addPoint(k, due[static_cast<size_t>(k)]);
    }
    setRange(chart, -100, largest, smallest);
    chart.setBarText(xAndValue(state.messages.text(Message::ChartBarExtraOverdue)));
    chart.setLegend({{kDefaultBarColour, state.messages.text(Message::ChartLegendExtra)}});
    chart.setTitle(state.messages.text(54));
    chart.publish();
    if (!state.Berechnunglaeuft) state.requestChartPage();
    showEndDate(state);
}

void tipDistributionChart(MainState& state, Services& services)
{
    BusyCursor busy(services.dialogs);
    ChartData& chart = state.chart;
    chart.clear();
    std::array<int, kNumbers + 1> counts{};
    // The counting ends at the first entry that is no number of 0..42.
    const auto count = [&counts](QStringView text) {
        const auto value = parseInteger(text);
        if (!value || *value < 0 || *value > kNumbers) return false;
        ++counts[*value];
        return true;
    };
    if (listShown(state)) {
        state.Gewinne.clear();
        state.notifyListChanged();
        QString collapsed;
        bool going = true;
        for (const QString& line : std::as_const(state.Gewinnzahlen)) {
            const RowEntries fields = splitListLine(line, collapsed);
            for (int f = 0; f < 5 && going; ++f) going = count(fields[f]);
            if (!going) break;
        }
    } else {
        bool going = true;
        for (int r = 1; r <= kTipRowCount && going; ++r)
            for (int c = 1; c <= 5 && going; ++c) going = count(state.sheet.cell(r, c));
    }
    addNumberBars(chart, counts, state.messages, Message::ChartBarInTips);
    chart.setTitle(state.messages.text(39));
    chart.publish();
    state.requestChartPage();
}

void startFrequencyHistory(MainState& state)
{
    state.merkdatum = state.DateTimePicker1.date();
    if (state.ChartKind != 6) state.DateTimePicker1.setDate(state.DateTimePicker2.date());
    state.historyRunning = true;
    state.notifyDrawChanged();
}

bool frequencyHistoryTick(MainState& state, Services& services)
{
    if (state.ChartKind == 6) {
        nextPairsWithChart(state, services);
        return true;
    }
    if (state.DateTimePicker1.date() != state.merkdatum) {
        state.DateTimePicker1.setDate(state.DateTimePicker1.date() + 1);
        state.notifyDrawChanged();
        switch (state.ChartKind) {
        case 1: frequencyChart(state, services); break;
        case 2: sumsChart(state, services); break;
        case 3: overdueChart(state, services); break;
        default: break;
        }
        return true;
    }
    state.historyRunning = false;
    state.notifyDrawChanged();
    return false;
}

void stopFrequencyHistory(MainState& state)
{
    state.DateTimePicker1.setDate(state.merkdatum);
    state.historyRunning = false;
    state.notifyDrawChanged();
}

}  // namespace kw
