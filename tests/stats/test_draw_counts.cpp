// The counting behind the statistics on a few hand-made draws, without a chart.
#include <QTest>

#include "stats/draw_counts.h"
#include "support/draw_records.h"

using namespace kw;
using namespace kw::test;

namespace {

std::vector<DrawRecord> fourDraws()
{
    return {makeDraw(QDate(2024, 1, 1), {1, 2, 3, 40, 41}),
            makeDraw(QDate(2024, 1, 2), {1, 2, 10, 20, 42}),
            makeDraw(QDate(2024, 1, 3), {5, 6, 7, 8, 9}),
            makeDraw(QDate(2024, 1, 4), {2, 3, 4, 30, 31})};
}

DrawWindow window(int firstDay, int lastDay, bool startInclusive)
{
    return {dayCountFromDate(QDate(2024, 1, firstDay)), dayCountFromDate(QDate(2024, 1, lastDay)),
            startInclusive};
}

}  // namespace

class TestDrawCounts : public QObject {
    Q_OBJECT
private slots:
    void frequenciesAndSums()
    {
        const auto draws = fourDraws();
        const Frequencies all = countFrequencies(draws, window(1, 4, true));
        QCOMPARE(all.draws, 4);
        QCOMPARE(all.drawn[2], 3);
        QCOMPARE(all.drawn[42], 1);
        QCOMPARE(all.drawn[11], 0);
        QCOMPARE(all.sumTotal, 87LL + 75 + 35 + 70);
        // The start itself belongs to the window only when asked to.
        QCOMPARE(countFrequencies(draws, window(1, 4, false)).draws, 3);

        const SumCounts sums = countSums(draws, window(1, 3, false));
        QCOMPARE(sums.count, 2);
        QCOMPARE(sums.smallest, 35);
        QCOMPARE(sums.largest, 75);
        QCOMPARE(sums.draws[75], 1);
        QCOMPARE(sums.total, 110LL);
    }

    void overdueInOrderAndNotAgree()
    {
        const auto draws = fourDraws();
        for (int first = 0; first <= 3; ++first) {
            const DrawWindow w = window(first == 0 ? 1 : first, 4, first == 0);
            const NumberCounts walked = overdueCounts(draws, w, true);
            const NumberCounts scanned = overdueCounts(draws, w, false);
            for (int n = 1; n <= kNumberCount; ++n) QCOMPARE(walked[n], scanned[n]);
        }
        const NumberCounts due = overdueCounts(draws, window(1, 4, true), true);
        QCOMPARE(due[2], 1);  // in the last draw
        QCOMPARE(due[5], 2);  // one draw later
        QCOMPARE(due[1], 3);
        QCOMPARE(due[11], 5);  // never: 1 + all four
    }

    void runsAndPairs()
    {
        const auto draws = fourDraws();
        const RunCounts pairs = countRuns(draws, window(1, 4, true), 2);
        QCOMPARE(pairs.draws, 4);
        QCOMPARE(pairs.byStart[1], 2);  // 1,2 on the 1st and the 2nd
        QCOMPARE(pairs.byStart[40], 1);
        QCOMPARE(pairs.byStart[5], 1);
        QCOMPARE(pairs.found, 3 + 1 + 4 + 3);
        QCOMPARE(pairs.last, &draws.back());
        const RunCounts quadruples = countRuns(draws, window(1, 4, true), 4);
        QCOMPARE(quadruples.found, 2);  // 5..8 and 6..9
        QCOMPARE(quadruples.byStart[5], 1);

        const PairCounts together = countPairs(draws, window(1, 4, true));
        QCOMPARE(together[1][2], 2);
        QCOMPARE(together[2][1], 2);
        QCOMPARE(together[2][3], 2);
        QCOMPARE(together[2][2], 0);
    }

    void extraNumbers()
    {
        auto draws = fourDraws();
        draws[1].setSlot(7, 3);
        draws[2].setSlot(8, 11);  // beyond the extra numbers: marks nothing
        const std::vector<int> due = extraNumberOverdue(draws, window(1, 4, true), 10);
        QCOMPARE(due.size(), size_t(11));
        QCOMPARE(due[3], 3);
        QCOMPARE(due[1], 4);  // never: one per draw of the window
    }
};

QTEST_GUILESS_MAIN(TestDrawCounts)
#include "test_draw_counts.moc"
