#include "evaluation/odds.h"

#include <QLocale>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <set>

#include "evaluation/sheet_evaluation.h"
#include "evaluation/win_calculation.h"
#include "i18n/message_table.h"
#include "state/main_state.h"
#include "tips/integer_text.h"
#include "tips/shown_tips.h"
#include "tips/tip_files.h"

namespace kw {

namespace {

constexpr int kNumbers = 42;

double choose(int n, int k)
{
    if (k < 0 || k > n) return 0;
    double result = 1;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return std::round(result);
}

std::optional<TipRow> readRow(const std::array<QStringView, 7>& entries)
{
    TipRow row{};
    for (int i = 0; i < 5; ++i) {
        const auto n = parseInteger(entries[i].trimmed());
        if (!n || *n < 1 || *n > kNumbers) return std::nullopt;
        row[i] = *n;
    }
    std::sort(row.begin(), row.end());
    if (std::adjacent_find(row.begin(), row.end()) != row.end()) return std::nullopt;
    return row;
}

// The rows as bit-sliced hit counters: for every number a bit set over the rows
// that hold it. Adding a number's set to a 3-bit counter per row counts its hits.
struct RowBits {
    int words = 0;
    std::vector<std::uint64_t> byNumber;  // (kNumbers + 1) x words

    const std::uint64_t* number(int n) const { return byNumber.data() + n * words; }
};

// counter (3 planes of words) + the number's set into out.
inline void addNumber(const std::uint64_t* in, const std::uint64_t* add, std::uint64_t* out,
                      int words)
{
    for (int w = 0; w < words; ++w) {
        const std::uint64_t c0 = in[w], c1 = in[words + w], c2 = in[2 * words + w];
        const std::uint64_t m = add[w];
        const std::uint64_t carry = c0 & m;
        out[w] = c0 ^ m;
        out[words + w] = c1 ^ carry;
        out[2 * words + w] = c2 | (c1 & carry);
    }
}

void addRandomAndRowFigures(OddsFigures& f, int rowCount, const HitQuotas& quotas, double stake)
{
    f.rows = rowCount;
    f.payoutPerDraw = 0;
    for (int k = 3; k <= 5; ++k) {
        f.winningRowsPerDraw[k] = rowCount * drawsWithHits(k) / kAllDraws;
        f.payoutPerDraw += f.winningRowsPerDraw[k] * quotas[k];
    }
    f.stakePerDraw = rowCount * stake;
}

QLocale numberLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// A count of draws; whole for the tips, with one decimal for the random mean.
QString countText(double value, bool exact)
{
    return numberLocale().toString(value, 'f', exact ? 0 : 1);
}

// A share in percent with three significant digits (at most six decimals).
QString percentText(double percent)
{
    int decimals = 1;
    if (percent > 0 && percent < 10)
        decimals = std::clamp(2 - static_cast<int>(std::floor(std::log10(percent))), 1, 6);
    return numberLocale().toString(percent, 'f', decimals);
}

QString drawsCell(double count, bool exact, const MessageTable& messages)
{
    if (count <= 0) return messages.text(Message::OddsNever);
    // A mean too small to show (far below one draw in all) has no sensible odds.
    if (!exact && count < 0.05) return countText(0, false);
    const double odds = kAllDraws / count;
    return messages.text(Message::OddsDrawsCell)
        .arg(countText(count, exact), percentText(100 * count / kAllDraws),
             numberLocale().toString(odds, 'f', odds < 10 ? 1 : 0));
}

// Winning rows per draw; below one also as "1 : N", one winning row in N draws.
QString perDrawText(double value)
{
    const QString text = numberLocale().toString(value, 'f', value < 0.01 ? 6 : 4);
    if (value <= 0 || value >= 1) return text;
    return QStringLiteral("%1 (1 : %2)").arg(text, numberLocale().toString(1 / value, 'f', 0));
}

QString coverageCell(double covered, int all, bool exact)
{
    return QStringLiteral("%1 (%2 %)")
        .arg(countText(covered, exact), percentText(100 * covered / all));
}

}  // namespace

std::vector<TipRow> shownTipRows(const MainState& state, int* skipped)
{
    std::vector<TipRow> rows;
    int passedOver = 0;
    QString collapsed;
    for (const QString& line : shownTipLines(state)) {
        std::optional<TipRow> row;
        if (listShown(state)) {
            row = readRow(splitListLine(line, collapsed));
        } else {
            const std::array<QString, 7> cells = splitSheetLine(line);
            std::array<QStringView, 7> views;
            for (int i = 0; i < 7; ++i) views[i] = cells[i];
            row = readRow(views);
        }
        if (row)
            rows.push_back(*row);
        else if (!line.trimmed().isEmpty())
            ++passedOver;
    }
    if (skipped) *skipped = passedOver;
    return rows;
}

double drawsWithHits(int k)
{
    return choose(5, k) * choose(37, 5 - k);
}

HitQuotas averageHitQuotas()
{
    HitQuotas quotas{};
    for (const PrizeClass& c : prizeClasses(kExtraClassesSwapDay))
        if (c.extraClass == 0) quotas[c.hits] = c.average.toDouble();
    return quotas;
}

HitQuotas hitQuotas(const std::array<QString, 12>& quotaTexts)
{
    HitQuotas quotas = averageHitQuotas();
    const auto classes = prizeClasses(kExtraClassesSwapDay);
    for (int r = 0; r < kPrizeClasses; ++r) {
        if (classes[r].extraClass != 0) continue;
        if (const auto quota = readDecimal(quotaTexts[r], numberLocale()); quota && *quota >= 0)
            quotas[classes[r].hits] = *quota;
    }
    return quotas;
}

std::optional<OddsFigures> tipOdds(const std::vector<TipRow>& rows, const HitQuotas& quotas,
                                   double stakePerRow, OddsProgress progress)
{
    OddsFigures f;
    addRandomAndRowFigures(f, static_cast<int>(rows.size()), quotas, stakePerRow);
    // A row played twice changes neither a draw's best row nor the coverage.
    const std::set<TipRow> distinct(rows.begin(), rows.end());
    f.distinctRows = static_cast<int>(distinct.size());
    if (distinct.empty()) {
        f.drawsBelowTwo = kAllDraws;
        return f;
    }

    std::vector<bool> triples(43 * 43 * 43), pairs(43 * 43);  // by their numbers
    for (const TipRow& r : distinct) {
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j) {
                pairs[r[i] * 43 + r[j]] = true;
                for (int k = j + 1; k < 5; ++k) triples[(r[i] * 43 + r[j]) * 43 + r[k]] = true;
            }
    }
    f.triplesCovered = static_cast<double>(std::count(triples.begin(), triples.end(), true));
    f.pairsCovered = static_cast<double>(std::count(pairs.begin(), pairs.end(), true));

    RowBits bits;
    bits.words = (f.distinctRows + 63) / 64;
    bits.byNumber.assign((kNumbers + 1) * bits.words, 0);
    int index = 0;
    for (const TipRow& r : distinct) {
        for (int n : r)
            bits.byNumber[n * bits.words + index / 64] |= std::uint64_t{1} << (index % 64);
        ++index;
    }

    const int words = bits.words;
    // The counters after the first one, two, three and four numbers of the draw.
    std::vector<std::uint64_t> level(4 * 3 * words, 0);
    std::uint64_t* l1 = level.data();
    std::uint64_t* l2 = l1 + 3 * words;
    std::uint64_t* l3 = l2 + 3 * words;
    std::uint64_t* l4 = l3 + 3 * words;
    const std::vector<std::uint64_t> zero(3 * words, 0);
    std::array<std::int64_t, 6> best{};
    std::int64_t belowTwo = 0;
    int done = 0;
    for (int a = 1; a <= kNumbers - 4; ++a) {
        addNumber(zero.data(), bits.number(a), l1, words);
        for (int b = a + 1; b <= kNumbers - 3; ++b) {
            addNumber(l1, bits.number(b), l2, words);
            if (progress.due() && !progress.report(done)) return std::nullopt;
            for (int c = b + 1; c <= kNumbers - 2; ++c) {
                addNumber(l2, bits.number(c), l3, words);
                for (int d = c + 1; d <= kNumbers - 1; ++d) {
                    addNumber(l3, bits.number(d), l4, words);
                    for (int e = d + 1; e <= kNumbers; ++e) {
                        const std::uint64_t* m = bits.number(e);
                        std::uint64_t five = 0, four = 0, three = 0, two = 0;
                        for (int w = 0; w < words; ++w) {
                            const std::uint64_t c0 = l4[w], c1 = l4[words + w],
                                                c2 = l4[2 * words + w];
                            const std::uint64_t carry = c0 & m[w];
                            const std::uint64_t n0 = c0 ^ m[w];
                            const std::uint64_t n1 = c1 ^ carry;
                            const std::uint64_t n2 = c2 | (c1 & carry);
                            five |= n2 & n0;
                            four |= n2;
                            three |= n1 & n0;
                            two |= n1;
                        }
                        if (five)
                            ++best[5];
                        else if (four)
                            ++best[4];
                        else if (three)
                            ++best[3];
                        else if (!two)
                            ++belowTwo;
                        ++done;
                    }
                }
            }
        }
    }
    for (int k = 3; k <= 5; ++k) f.bestClassDraws[k] = static_cast<double>(best[k]);
    f.winningDraws = static_cast<double>(best[3] + best[4] + best[5]);
    f.drawsBelowTwo = static_cast<double>(belowTwo);
    progress.report(done);
    return f;
}

OddsFigures randomOdds(int rowCount, const HitQuotas& quotas, double stakePerRow)
{
    OddsFigures f;
    addRandomAndRowFigures(f, rowCount, quotas, stakePerRow);
    f.distinctRows = rowCount;
    // For a fixed draw the rows' hits are independent: the best row stays below k
    // hits with probability (1 - P(one row has k or more))^rows.
    const auto belowAll = [rowCount](int k) {
        double atLeast = 0;
        for (int h = k; h <= 5; ++h) atLeast += drawsWithHits(h) / kAllDraws;
        return std::pow(1 - atLeast, rowCount);
    };
    for (int k = 3; k <= 5; ++k)
        f.bestClassDraws[k] = kAllDraws * ((k == 5 ? 1.0 : belowAll(k + 1)) - belowAll(k));
    f.winningDraws = kAllDraws * (1 - belowAll(3));
    f.drawsBelowTwo = kAllDraws * belowAll(2);
    // A triple lies in C(39, 2) of all rows, a pair in C(40, 3).
    f.triplesCovered = kAllTriples * (1 - std::pow(1 - choose(39, 2) / kAllDraws, rowCount));
    f.pairsCovered = kAllPairs * (1 - std::pow(1 - choose(40, 3) / kAllDraws, rowCount));
    return f;
}

std::vector<OddsTableRow> oddsTable(const OddsFigures& tips, const OddsFigures& random,
                                    const MessageTable& messages)
{
    std::vector<OddsTableRow> table;
    const auto draws = [&](int message, double OddsFigures::*field) {
        table.push_back({messages.text(message), drawsCell(tips.*field, true, messages),
                         drawsCell(random.*field, false, messages)});
    };
    const auto best = [&](int message, int k) {
        table.push_back({messages.text(message), drawsCell(tips.bestClassDraws[k], true, messages),
                         drawsCell(random.bestClassDraws[k], false, messages)});
    };
    best(Message::OddsBestFive, 5);
    best(Message::OddsBestFour, 4);
    best(Message::OddsBestThree, 3);
    draws(Message::OddsAnyWin, &OddsFigures::winningDraws);
    draws(Message::OddsBelowTwo, &OddsFigures::drawsBelowTwo);
    for (int k = 5; k >= 3; --k)
        table.push_back({messages.text(Message::OddsWinningRows).arg(k),
                         perDrawText(tips.winningRowsPerDraw[k]),
                         perDrawText(random.winningRowsPerDraw[k])});
    const QLocale locale = numberLocale();
    table.push_back({messages.text(Message::OddsPayout),
                     locale.toString(tips.payoutPerDraw, 'f', 2),
                     locale.toString(random.payoutPerDraw, 'f', 2)});
    table.push_back({messages.text(Message::OddsStake), locale.toString(tips.stakePerDraw, 'f', 2),
                     locale.toString(random.stakePerDraw, 'f', 2)});
    table.push_back({messages.text(Message::OddsReturn),
                     locale.toString(tips.returnPercent(), 'f', 1) + QStringLiteral(" %"),
                     locale.toString(random.returnPercent(), 'f', 1) + QStringLiteral(" %")});
    table.push_back({messages.text(Message::OddsTriples),
                     coverageCell(tips.triplesCovered, kAllTriples, true),
                     coverageCell(random.triplesCovered, kAllTriples, false)});
    table.push_back({messages.text(Message::OddsPairs),
                     coverageCell(tips.pairsCovered, kAllPairs, true),
                     coverageCell(random.pairsCovered, kAllPairs, false)});
    return table;
}

QStringList oddsNotes(const OddsFigures& tips, int skipped, bool averageQuotas,
                      const MessageTable& messages)
{
    QStringList notes;
    notes << messages.text(Message::OddsNoteDuplicates).arg(tips.rows - tips.distinctRows);
    if (skipped > 0) notes << messages.text(Message::OddsNoteSkipped).arg(skipped);
    notes << messages.text(averageQuotas ? Message::OddsNoteAverageQuotas
                                         : Message::OddsNoteLoadedQuotas);
    notes << messages.text(Message::OddsNoteRandom);
    notes << messages.text(Message::OddsNoteOneIn);
    return notes;
}

QStringList oddsReportLines(const OddsFigures& tips, const OddsFigures& random, int skipped,
                            bool averageQuotas, const MessageTable& messages)
{
    const auto whole = [](double v) { return QString::number(static_cast<qint64>(v)); };
    QStringList lines{
        QStringLiteral("Ziehungen: %1").arg(kAllDraws),
        QStringLiteral("5 Richtige: %1").arg(whole(tips.bestClassDraws[5])),
        QStringLiteral("4 Richtige: %1").arg(whole(tips.bestClassDraws[4])),
        QStringLiteral("3 Richtige: %1").arg(whole(tips.bestClassDraws[3])),
        QStringLiteral("Gewinn: %1").arg(whole(tips.winningDraws)),
        QStringLiteral("unter 2 Richtigen: %1").arg(whole(tips.drawsBelowTwo)),
        QString(),
        messages.text(Message::OddsHeading).arg(tips.rows),
    };
    lines << QStringLiteral("%1\t%2\t%3")
                 .arg(QString(), messages.text(Message::OddsColumnTips),
                      messages.text(Message::OddsColumnRandom));
    for (const OddsTableRow& row : oddsTable(tips, random, messages))
        lines << QStringLiteral("%1\t%2\t%3").arg(row.label, row.tips, row.random);
    lines << QString();
    lines << oddsNotes(tips, skipped, averageQuotas, messages);
    return lines;
}

}  // namespace kw
