#include <QTest>

#include "generation/random_generator.h"

using kw::RandomGenerator;

class TestRandomGenerator : public QObject {
    Q_OBJECT
private slots:
    // Values worked out from seed := seed * 134775813 + 1 (mod 2^32) and
    // Random(n) = (seed * n) >> 32, starting at seed 0.
    void sequenceFromZero()
    {
        RandomGenerator random;
        random.setSeed(0);
        const int ranges[] = {100, 100, 42, 42, 1000000, 2147483647};
        const int expected[] = {0, 3, 36, 8, 272921, 1442366880};
        const quint32 seeds[] = {1u, 134775814u, 3698175007u, 870078620u, 1172187917u, 2884733762u};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(random.random(ranges[i]), expected[i]);
            QCOMPARE(random.seed(), seeds[i]);
        }
    }

    void clockSeedTakesLow32Bits()
    {
        RandomGenerator random;
        random.setSeed(static_cast<quint32>(0x1234567890ull));
        QCOMPARE(random.random(42), 36);
        QCOMPARE(random.random(42), 19);
        QCOMPARE(random.random(42), 10);
        QCOMPARE(random.seed(), 0x41874a6fu);
    }

    void emptyRangeStillSteps()
    {
        RandomGenerator random;
        random.setSeed(0);
        QCOMPARE(random.random(0), 0);
        QCOMPARE(random.seed(), 1u);
        QCOMPARE(random.random(-5), 0);
        QCOMPARE(random.seed(), 134775814u);
    }

    // Five draws at once are the next five draws, and the generator goes on after them.
    void fiveAtOnceAreTheNextFive_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("range");
        QTest::newRow("from zero") << 0u << 42;
        QTest::newRow("a pool") << 4711u << 501;
        QTest::newRow("one entry") << 0xffffffffu << 1;
        QTest::newRow("widest") << 0x80000000u << 2147483647;
    }
    void fiveAtOnceAreTheNextFive()
    {
        QFETCH(quint32, seed);
        QFETCH(int, range);
        RandomGenerator one, five;
        one.setSeed(seed);
        five.setSeed(seed);
        for (int round = 0; round < 50; ++round) {
            const std::array<int, 5> drawn = five.random5(range);
            for (int i = 0; i < 5; ++i) QCOMPARE(drawn[i], one.random(range));
            QCOMPARE(five.seed(), one.seed());
        }
    }

    void staysInRange()
    {
        RandomGenerator random;
        random.setSeed(12345);
        for (int i = 0; i < 10000; ++i) {
            const int value = random.random(42);
            QVERIFY(value >= 0 && value < 42);
        }
    }
};

QTEST_GUILESS_MAIN(TestRandomGenerator)
#include "test_random_generator.moc"
