// The odds of tips over all draws: one row against its closed form, small sets of
// rows against a count draw by draw, the random rows' mean, quotas and the report.
#include <QTest>
#include <bit>
#include <cstdint>
#include <random>
#include <set>

#include "evaluation/odds.h"
#include "evaluation/win_calculation.h"
#include "i18n/message_table.h"
#include "state/main_state.h"

using namespace kw;

namespace {

std::uint64_t mask(const TipRow& row)
{
    std::uint64_t m = 0;
    for (int n : row) m |= std::uint64_t{1} << n;
    return m;
}

// Every draw against every row, and the combinations inside the rows one by one.
OddsFigures countByHand(const std::vector<TipRow>& rows)
{
    OddsFigures f;
    std::vector<std::uint64_t> masks;
    for (const TipRow& r : rows) masks.push_back(mask(r));
    for (int a = 1; a <= 42; ++a)
        for (int b = a + 1; b <= 42; ++b)
            for (int c = b + 1; c <= 42; ++c)
                for (int d = c + 1; d <= 42; ++d)
                    for (int e = d + 1; e <= 42; ++e) {
                        const std::uint64_t draw = mask({a, b, c, d, e});
                        int most = 0;
                        for (std::uint64_t m : masks)
                            most = std::max(most, std::popcount(m & draw));
                        if (most >= 3) {
                            f.bestClassDraws[most] += 1;
                            f.winningDraws += 1;
                        }
                        if (most < 2) f.drawsBelowTwo += 1;
                    }
    std::set<std::vector<int>> triples, pairs;
    for (const TipRow& r : rows)
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j) {
                pairs.insert({r[i], r[j]});
                for (int k = j + 1; k < 5; ++k) triples.insert({r[i], r[j], r[k]});
            }
    f.triplesCovered = static_cast<double>(triples.size());
    f.pairsCovered = static_cast<double>(pairs.size());
    return f;
}

std::vector<TipRow> randomRows(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<TipRow> rows;
    while (static_cast<int>(rows.size()) < count) {
        std::set<int> numbers;
        while (numbers.size() < 5) numbers.insert(static_cast<int>(random() % 42) + 1);
        TipRow row;
        std::copy(numbers.begin(), numbers.end(), row.begin());
        rows.push_back(row);
    }
    return rows;
}

const HitQuotas kQuotas{0, 0, 0, 15, 100, 50000};

}  // namespace

Q_DECLARE_METATYPE(std::vector<kw::TipRow>)

class TestOdds : public QObject {
    Q_OBJECT
private slots:
    // One row: exactly C(5,k) * C(37,5-k) draws with k hits; and as many random rows
    // (one) have the same odds, whichever row it is.
    void oneRowClosedForm()
    {
        const std::vector<TipRow> rows{{4, 9, 17, 33, 42}};
        const auto tips = tipOdds(rows, kQuotas, 1.5);
        QVERIFY(tips);
        QCOMPARE(tips->bestClassDraws[5], 1.0);
        QCOMPARE(tips->bestClassDraws[4], 5.0 * 37);
        QCOMPARE(tips->bestClassDraws[3], 10.0 * 666);
        QCOMPARE(tips->winningDraws, 1.0 + 185 + 6660);
        QCOMPARE(tips->drawsBelowTwo, 435897.0 + 330225.0);  // C(37,5) + 5 * C(37,4)
        QCOMPARE(drawsWithHits(2), 10.0 * 7770);
        double all = 0;
        for (int k = 0; k <= 5; ++k) all += drawsWithHits(k);
        QCOMPARE(all, double(kAllDraws));
        QCOMPARE(tips->triplesCovered, 10.0);
        QCOMPARE(tips->pairsCovered, 10.0);
        QCOMPARE(tips->winningRowsPerDraw[4], 185.0 / kAllDraws);
        QCOMPARE(tips->stakePerDraw, 1.5);
        const double payout = (6660.0 * 15 + 185.0 * 100 + 50000.0) / kAllDraws;
        QCOMPARE(tips->payoutPerDraw, payout);
        QCOMPARE(tips->returnPercent(), 100 * payout / 1.5);

        const OddsFigures random = randomOdds(1, kQuotas, 1.5);
        const auto near = [](double a, double b) { return qAbs(a - b) < 1e-6; };
        for (int k = 3; k <= 5; ++k)
            QVERIFY(near(random.bestClassDraws[k], tips->bestClassDraws[k]));
        QVERIFY(near(random.winningDraws, tips->winningDraws));
        QVERIFY(near(random.drawsBelowTwo, tips->drawsBelowTwo));
        QVERIFY(near(random.triplesCovered, 10.0));
        QVERIFY(near(random.pairsCovered, 10.0));
        QCOMPARE(random.payoutPerDraw, tips->payoutPerDraw);
    }

    void againstCountByHand_data()
    {
        QTest::addColumn<std::vector<TipRow>>("rows");
        QTest::newRow("sharing four numbers")
            << std::vector<TipRow>{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}};
        QTest::newRow("disjoint") << std::vector<TipRow>{{1, 2, 3, 4, 5}, {38, 39, 40, 41, 42}};
        QTest::newRow("a row twice")
            << std::vector<TipRow>{{7, 8, 20, 30, 41}, {7, 8, 20, 30, 41}, {8, 9, 20, 31, 40}};
        // More rows than one machine word holds.
        QTest::newRow("seventy rows") << randomRows(70, 16);
    }
    void againstCountByHand()
    {
        QFETCH(std::vector<TipRow>, rows);
        const auto tips = tipOdds(rows, kQuotas, 1.5);
        QVERIFY(tips);
        const OddsFigures hand = countByHand(rows);
        for (int k = 3; k <= 5; ++k) QCOMPARE(tips->bestClassDraws[k], hand.bestClassDraws[k]);
        QCOMPARE(tips->winningDraws, hand.winningDraws);
        QCOMPARE(tips->drawsBelowTwo, hand.drawsBelowTwo);
        QCOMPARE(tips->triplesCovered, hand.triplesCovered);
        QCOMPARE(tips->pairsCovered, hand.pairsCovered);
        // Every row played counts for the winning rows and the stake.
        QCOMPARE(tips->rows, int(rows.size()));
        QCOMPARE(tips->stakePerDraw, 1.5 * rows.size());
        QCOMPARE(tips->winningRowsPerDraw[3], rows.size() * 6660.0 / kAllDraws);
    }

    // The random rows' mean: for two rows the chance that neither reaches a class
    // is the square of one row's; coverage by the share of rows holding a triple.
    void randomMean()
    {
        const OddsFigures two = randomOdds(2, kQuotas, 1.5);
        const double one5 = 1.0 / kAllDraws;
        QVERIFY(qAbs(two.bestClassDraws[5] - kAllDraws * (2 * one5 - one5 * one5)) < 1e-9);
        const double below3 = 1 - 6846.0 / kAllDraws;
        QVERIFY(qAbs(two.winningDraws - kAllDraws * (1 - below3 * below3)) < 1e-6);
        QVERIFY(qAbs(two.triplesCovered - kAllTriples * (1 - std::pow(1 - 741.0 / kAllDraws, 2))) <
                1e-9);
        // Many rows cover nearly everything.
        const OddsFigures many = randomOdds(6500, kQuotas, 1.5);
        QVERIFY(many.pairsCovered > 860.99 && many.pairsCovered <= kAllPairs);
        QVERIFY(many.drawsBelowTwo < 1);
        QCOMPARE(many.payoutPerDraw, 6500 * two.payoutPerDraw / 2);
        // A mean far below one draw shows as nothing, not as absurd odds.
        const auto table = oddsTable(many, many, MessageTable::german());
        QCOMPARE(table.at(4).label, MessageTable::german().text(Message::OddsBelowTwo));
        QCOMPARE(table.at(4).random, QStringLiteral("0,0"));
    }

    // A cancel ends the count without figures.
    void cancel()
    {
        int reports = 0;
        OddsProgress progress;
        progress.due = [] { return true; };
        progress.report = [&reports](int) { return ++reports < 3; };
        QVERIFY(!tipOdds(randomRows(5, 1), kQuotas, 1.5, progress));
        QCOMPARE(reports, 3);
    }

    // The quotas of the classes 3, 4 and 5 without extra numbers; a quota that
    // cannot be read is the average one.
    void quotas()
    {
        const HitQuotas average = averageHitQuotas();
        QCOMPARE(average[3], 15.0);
        QCOMPARE(average[4], 100.0);
        QCOMPARE(average[5], 50000.0);
        std::array<QString, 12> texts;
        const auto classes = prizeClasses(kExtraClassesSwapDay);
        for (int r = 0; r < 12; ++r) {
            if (classes[r].label == QLatin1String("3")) texts[r] = QStringLiteral("12,40");
            if (classes[r].label == QLatin1String("5")) texts[r] = QStringLiteral("-");
            if (classes[r].label == QLatin1String("4 + E")) texts[r] = QStringLiteral("999");
        }
        const HitQuotas read = hitQuotas(texts);
        QCOMPARE(read[3], 12.4);
        QCOMPARE(read[4], 100.0);
        QCOMPARE(read[5], 50000.0);
    }

    // The sheet's rows or the list's lines; lines without five numbers are passed over.
    void shownRows()
    {
        MainState state;
        state.sheet.setCell(TipSheet::editNumber(1, 1), QStringLiteral("40"));
        const int values[] = {12, 3, 25, 17};
        for (int c = 2; c <= 5; ++c)
            state.sheet.setCell(TipSheet::editNumber(1, c), QString::number(values[c - 2]));
        int skipped = -1;
        auto rows = shownTipRows(state, &skipped);
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0], (TipRow{3, 12, 17, 25, 40}));
        QCOMPARE(skipped, 0);

        state.listView = true;
        state.Gewinnzahlen = {QStringLiteral("1\t2\t3\t4\t5\t\t"),
                              QStringLiteral("1\t2\t3\t4\t43\t\t"),
                              QStringLiteral("1\t2\t3\t3\t5\t\t"), QString(),
                              QStringLiteral("42\t41\t40\t39\t38\t\t")};
        rows = shownTipRows(state, &skipped);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[1], (TipRow{38, 39, 40, 41, 42}));
        QCOMPARE(skipped, 2);
    }

    // The six lines scripts read come first, then the table.
    void reportLines()
    {
        const std::vector<TipRow> rows{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}};
        const auto tips = tipOdds(rows, kQuotas, 1.5);
        const QStringList lines =
            oddsReportLines(*tips, randomOdds(2, kQuotas, 1.5), 1, true, MessageTable::german());
        QCOMPARE(lines.mid(0, 6),
                 (QStringList{"Ziehungen: 850668", "5 Richtige: 1", "4 Richtige: 185",
                              "3 Richtige: 6660", "Gewinn: 6846", "unter 2 Richtigen: 766122"}));
        QVERIFY(
            lines.contains(QStringLiteral("Ziehungen mit 5 Richtigen\t1 (0,000118 %, 1 : 850.668)"
                                          "\t2,0 (0,000235 %, 1 : 425.334)")));
        QVERIFY(lines.contains(QStringLiteral("Einsatz je Ziehung (EUR)\t3,00\t3,00")));
        QVERIFY(lines.at(lines.size() - 2).startsWith(QStringLiteral("Zufallstipps:")));
        QVERIFY(lines.join('\n').contains(QStringLiteral("Doppelte Tipps (hier 1)")));
        QVERIFY(lines.join('\n').contains(QStringLiteral("1 Zeilen ohne")));
    }
};

QTEST_GUILESS_MAIN(TestOdds)
#include "test_odds.moc"
