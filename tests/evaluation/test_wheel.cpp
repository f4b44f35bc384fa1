// Wheels: the proof against wheels with a row taken out, the builder against an
// exhaustive search of the smallest wheel for 6 and 7 numbers, the lower bounds
// against values worked out by hand, the input checks, the seed and the cancel.
#include <QTest>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>

#include "evaluation/wheel.h"

using namespace kw;

namespace {

std::vector<int> range(int first, int count, int stepBy = 1)
{
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(first + i * stepBy);
    return numbers;
}

QList<int> listOf(const std::vector<int>& numbers)
{
    return QList<int>(numbers.begin(), numbers.end());
}

std::uint64_t setOf(const std::vector<int>& numbers)
{
    std::uint64_t set = 0;
    for (int n : numbers) set |= std::uint64_t{1} << n;
    return set;
}

std::uint64_t setOf(const TipRow& row)
{
    return setOf(std::vector<int>(row.begin(), row.end()));
}

// All k-subsets of items, in lexicographic order.
template <typename T>
std::vector<std::vector<T>> subsets(const std::vector<T>& items, int k)
{
    std::vector<std::vector<T>> all;
    std::vector<T> current;
    std::function<void(std::size_t)> walk = [&](std::size_t from) {
        if (static_cast<int>(current.size()) == k) {
            all.push_back(current);
            return;
        }
        for (std::size_t i = from; i < items.size(); ++i) {
            current.push_back(items[i]);
            walk(i + 1);
            current.pop_back();
        }
    };
    walk(0);
    return all;
}

// The smallest wheel by trying every set of rows of each size in turn: for each
// row of five, the m-sets it meets in t numbers as bits; a size is enough when
// some rows of that size together have every bit.
int smallestWheelByExhaustion(int v, int t, int m)
{
    const std::vector<int> numbers = range(1, v);
    const auto targets = subsets(numbers, m);
    std::vector<std::uint64_t> rowCovers;
    for (const auto& row : subsets(numbers, 5)) {
        std::uint64_t covers = 0;
        for (std::size_t i = 0; i < targets.size(); ++i)
            if (std::popcount(setOf(row) & setOf(targets[i])) >= t) covers |= std::uint64_t{1} << i;
        rowCovers.push_back(covers);
    }
    const std::uint64_t all =
        targets.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << targets.size()) - 1;
    // Some row of any wheel meets the first m-set still open: trying each such row
    // in turn tries every wheel of the size.
    std::function<bool(int, std::uint64_t)> reach = [&](int left, std::uint64_t covered) {
        if (covered == all) return true;
        if (left == 0) return false;
        const std::uint64_t open = ~covered & all;
        const std::uint64_t first = open & (~open + 1);
        for (std::uint64_t covers : rowCovers)
            if ((covers & first) && reach(left - 1, covered | covers)) return true;
        return false;
    };
    for (int size = 1; size <= static_cast<int>(rowCovers.size()); ++size)
        if (reach(size, 0)) return size;
    return -1;
}

WheelResult buildBySteps(const std::vector<int>& numbers, WheelGuarantee g, std::int64_t steps,
                         std::uint64_t seed = 1)
{
    WheelLimits limits;
    limits.seconds = 600;  // the steps end it
    limits.maxSteps = steps;
    limits.seed = seed;
    return buildWheel(numbers, g, limits);
}

}  // namespace

class TestWheel : public QObject {
    Q_OBJECT
private slots:
    // A proven wheel loses its guarantee with any one row taken out, and the proof
    // names a drawn set that only that row met in t numbers.
    void proofFindsTheMissingRow_data()
    {
        QTest::addColumn<QList<int>>("picked");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::newRow("8 numbers, 3 if 3") << listOf(range(3, 8, 5)) << 3 << 3;
        QTest::newRow("10 numbers, 2 if 3") << listOf(range(1, 10)) << 2 << 3;
        QTest::newRow("12 numbers, 3 if 4") << listOf(range(20, 12, 2)) << 3 << 4;
        QTest::newRow("9 numbers, 4 if 5") << listOf(range(34, 9)) << 4 << 5;
    }
    void proofFindsTheMissingRow()
    {
        QFETCH(QList<int>, picked);
        const std::vector<int> numbers(picked.begin(), picked.end());
        QFETCH(int, t);
        QFETCH(int, m);
        const WheelGuarantee g{t, m};
        const WheelResult wheel = buildBySteps(numbers, g, 20000);
        const WheelProof proof = proveWheel(numbers, wheel.rows, g);
        QVERIFY(proof.holds);
        QCOMPARE(proof.cases, binomial(static_cast<int>(numbers.size()), m));
        QVERIFY(proof.failingCase.empty());
        const std::uint64_t pickedSet = setOf(numbers);
        for (std::size_t i = 0; i < wheel.rows.size(); ++i) {
            QCOMPARE(setOf(wheel.rows[i]) & ~pickedSet, std::uint64_t{0});
            std::vector<TipRow> fewer = wheel.rows;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
            const WheelProof broken = proveWheel(numbers, fewer, g);
            QVERIFY(!broken.holds);
            QCOMPARE(static_cast<int>(broken.failingCase.size()), m);
            const std::uint64_t drawn = setOf(broken.failingCase);
            QCOMPARE(drawn & ~pickedSet, std::uint64_t{0});
            QCOMPARE(std::popcount(drawn), m);
            QVERIFY(std::popcount(setOf(wheel.rows[i]) & drawn) >= t);
            for (const TipRow& row : fewer) QVERIFY(std::popcount(setOf(row) & drawn) < t);
        }
    }

    // A wheel made by hand: two rows leave the pair 5 6 alone, which the proof names.
    void proofNamesTheCase()
    {
        const std::vector<int> numbers = range(1, 6);
        const std::vector<TipRow> twoRows{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}};
        const WheelProof proof = proveWheel(numbers, twoRows, {2, 2});
        QVERIFY(!proof.holds);
        QCOMPARE(proof.failingCase, (std::vector<int>{5, 6}));
        const std::vector<TipRow> threeRows{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 5, 6}};
        const WheelProof whole = proveWheel(numbers, threeRows, {2, 2});
        QVERIFY(whole.holds);
        QCOMPARE(whole.cases, std::int64_t{15});
        // A row of other numbers than the picked ones never counts.
        QVERIFY(!proveWheel(numbers, {{7, 8, 9, 10, 11}}, {2, 3}).holds);
    }

    void smallestWheelAsExhaustiveSearch_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        for (int v : {6, 7})
            for (const WheelGuarantee& g : wheelGuarantees())
                QTest::addRow("%d numbers, %d if %d", v, g.hits, g.drawn) << v << g.hits << g.drawn;
    }
    void smallestWheelAsExhaustiveSearch()
    {
        QFETCH(int, v);
        QFETCH(int, t);
        QFETCH(int, m);
        const int smallest = smallestWheelByExhaustion(v, t, m);
        QVERIFY(smallest > 0);
        const std::vector<int> numbers = range(10, v, 3);
        const WheelResult wheel = buildBySteps(numbers, {t, m}, 100000);
        QCOMPARE(static_cast<int>(wheel.rows.size()), smallest);
        QVERIFY(proveWheel(numbers, wheel.rows, {t, m}).holds);
        QVERIFY(wheelLowerBound(v, {t, m}) <= smallest);
    }

    // Worked out by hand: ceil(v/k ceil((v-1)/(k-1) ... ceil((v-t+1)/(k-t+1)))).
    void schoenheimBound_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("bound");
        QTest::newRow("C(7,3,2), the Fano plane") << 7 << 3 << 2 << 7;
        QTest::newRow("C(9,3,2), triple system") << 9 << 3 << 2 << 12;
        QTest::newRow("C(13,4,2), plane of order 3") << 13 << 4 << 2 << 13;
        QTest::newRow("C(10,5,2)") << 10 << 5 << 2 << 6;  // ceil(2 * ceil(9/4))
        QTest::newRow("C(10,5,4)") << 10 << 5 << 4 << 50;
        QTest::newRow("C(11,5,4)") << 11 << 5 << 4 << 66;
        QTest::newRow("C(12,5,4)") << 12 << 5 << 4 << 113;
        QTest::newRow("C(20,5,3)") << 20 << 5 << 3 << 116;  // ceil(4 ceil(19/4 ceil(6)))
        QTest::newRow("C(8,5,5)") << 8 << 5 << 5 << 56;     // every row of five
    }
    void schoenheimBound()
    {
        QFETCH(int, v);
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, bound);
        QCOMPARE(kw::schoenheimBound(v, k, t), std::int64_t{bound});
        if (k == 5) QCOMPARE(wheelLowerBound(v, {t, t}), std::int64_t{bound});
    }

    // The bounds for t below m, by hand: "2 if 3" on 10 numbers needs 2 rows (45 pairs,
    // at most 25 outside rows by Turán, ten per row); "3 if 5" on 15 numbers needs 5
    // (455 triples, a tenth of them in rows, ten per row); "4 if 5" on 6 numbers
    // needs a single row (five of six numbers share four with it), as has "2 if 5".
    void lowerBoundBelowM_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("bound");
        QTest::newRow("10 numbers, 2 if 3") << 10 << 2 << 3 << 2;
        QTest::newRow("15 numbers, 3 if 5") << 15 << 3 << 5 << 5;
        QTest::newRow("6 numbers, 4 if 5") << 6 << 4 << 5 << 1;
        QTest::newRow("6 numbers, 2 if 5") << 6 << 2 << 5 << 1;
    }
    void lowerBoundBelowM()
    {
        QFETCH(int, v);
        QFETCH(int, t);
        QFETCH(int, m);
        QFETCH(int, bound);
        QCOMPARE(wheelLowerBound(v, {t, m}), std::int64_t{bound});
    }

    void inputErrors_data()
    {
        QTest::addColumn<QList<int>>("picked");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("m");
        QTest::addColumn<QString>("error");
        QTest::newRow("fine") << listOf(range(1, 6)) << 2 << 5 << QString();
        QTest::newRow("24 numbers") << listOf(range(1, 24)) << 3 << 3 << QString();
        QTest::newRow("five numbers") << listOf(range(1, 5)) << 2 << 2
                                      << QStringLiteral("a wheel needs 6 to 24 numbers, not 5");
        QTest::newRow("25 numbers") << listOf(range(1, 25)) << 2 << 2
                                    << QStringLiteral("a wheel needs 6 to 24 numbers, not 25");
        QTest::newRow("43") << listOf(std::vector<int>{1, 2, 3, 4, 5, 43}) << 2 << 2
                            << QStringLiteral("number 43 is outside 1..42");
        QTest::newRow("0") << listOf(std::vector<int>{0, 2, 3, 4, 5, 6}) << 2 << 2
                           << QStringLiteral("number 0 is outside 1..42");
        QTest::newRow("twice") << listOf(std::vector<int>{1, 2, 3, 4, 5, 3}) << 2 << 2
                               << QStringLiteral("number 3 is given twice");
        const QString guarantee =
            QStringLiteral("the guarantee needs 2 <= T <= M <= 5 (T = %1, M = %2)");
        QTest::newRow("t above m") << listOf(range(1, 8)) << 4 << 3 << guarantee.arg(4).arg(3);
        QTest::newRow("t below 2") << listOf(range(1, 8)) << 1 << 3 << guarantee.arg(1).arg(3);
        QTest::newRow("m above 5") << listOf(range(1, 8)) << 3 << 6 << guarantee.arg(3).arg(6);
    }
    void inputErrors()
    {
        QFETCH(QList<int>, picked);
        const std::vector<int> numbers(picked.begin(), picked.end());
        QFETCH(int, t);
        QFETCH(int, m);
        QFETCH(QString, error);
        QCOMPARE(wheelInputError(numbers, {t, m}), error);
    }

    void sameSeedSameWheel()
    {
        const std::vector<int> numbers = range(2, 14, 3);
        const WheelResult a = buildBySteps(numbers, {3, 4}, 30000, 7);
        const WheelResult b = buildBySteps(numbers, {3, 4}, 30000, 7);
        QCOMPARE(a.rows, b.rows);
        QCOMPARE(a.steps, b.steps);
        QVERIFY(proveWheel(numbers, a.rows, {3, 4}).holds);
        for (const TipRow& row : a.rows) QVERIFY(std::is_sorted(row.begin(), row.end()));
        QVERIFY(std::is_sorted(a.rows.begin(), a.rows.end()));
    }

    // A cancel keeps the best wheel found so far, which still holds its guarantee.
    void cancelKeepsAProvenWheel()
    {
        const std::vector<int> numbers = range(1, 16);
        WheelProgress progress;
        int reports = 0;
        progress.due = [] { return true; };
        progress.report = [&reports](int bestRows, double) {
            return bestRows > 0 && ++reports < 3;
        };
        WheelLimits limits;
        limits.seconds = 600;
        const WheelResult wheel = buildWheel(numbers, {4, 4}, limits, progress);
        QVERIFY(wheel.cancelled);
        QCOMPARE(reports, 3);
        QVERIFY(!wheel.rows.empty());
        QVERIFY(proveWheel(numbers, wheel.rows, {4, 4}).holds);
    }
};

QTEST_GUILESS_MAIN(TestWheel)
#include "test_wheel.moc"
