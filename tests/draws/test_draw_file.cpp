#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "draws/draw_file.h"
#include "support/draw_records.h"
#include "support/file_size_limit.h"
#include "support/files.h"

using namespace kw;
using namespace kw::test;

namespace {

DrawRecord draw(const QDate& date, std::initializer_list<int> numbers)
{
    return test::makeDraw(date, numbers);
}

void setAnHourAgo(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
}

}  // namespace

class TestDrawFile : public QObject {
    Q_OBJECT
private slots:
    void dayCounts_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("days");
        QTest::newRow("epoch") << QDate(1899, 12, 30) << 0.0;
        QTest::newRow("2018-01-01") << QDate(2018, 1, 1) << 43101.0;
        QTest::newRow("2024-01-05") << QDate(2024, 1, 5) << 45296.0;
        QTest::newRow("leap day") << QDate(2024, 2, 29) << 45351.0;
    }
    void dayCounts()
    {
        QFETCH(QDate, date);
        QFETCH(double, days);
        QCOMPARE(dayCountFromDate(date), days);
        QCOMPARE(dateFromDayCount(days), date);
        QCOMPARE(dateFromDayCount(days + 0.75), date);  // a time of day stays on the day
    }

    void unrepresentableDayCountIsInvalid()
    {
        QVERIFY(!dateFromDayCount(std::nan("")).isValid());
        QVERIFY(!dateFromDayCount(1e300).isValid());
    }

    void recordByteLayout()
    {
        const DrawRecord r = draw(QDate(2024, 1, 5), {3, 11, 19, 27, 40});
        const QByteArray bytes = r.toBytes();
        QCOMPARE(bytes.size(), 32);
        QCOMPARE(bytes.left(16).toHex(' '),
                 QByteArray("00 00 00 00 00 1e e6 40 03 0b 13 1b 28 00 00 00"));
        QCOMPARE(bytes.mid(16), QByteArray(16, '\0'));
        QCOMPARE(DrawRecord::readFrom(bytes.constData()), r);
    }

    void starNumbersAndDigitsHaveTheirOffsets()
    {
        DrawRecord r = draw(QDate(2024, 1, 5), {3, 11, 19, 27, 40, 6, 2, 9});
        r.ziffern = {1, 2, 3, 4, 5, 6, 7};
        const QByteArray bytes = r.toBytes();
        QCOMPARE(bytes.mid(13, 3).toHex(), QByteArray("060209"));
        QCOMPARE(bytes.mid(16, 7).toHex(), QByteArray("01020304050607"));
        QCOMPARE(bytes.mid(23), QByteArray(9, '\0'));
        QCOMPARE(r.slot(7), 2);
        QCOMPARE(r.slot(0), 0);
        QCOMPARE(r.slot(9), 0);
    }

    void hundredBytesHoldThreeDraws()
    {
        QByteArray bytes;
        for (int i = 0; i < 3; ++i)
            bytes += draw(QDate(2024, 1, 1 + i), {1 + i, 2, 3, 4, 5}).toBytes();
        bytes += QByteArray("\x01\x02\x03\x04", 4);
        const auto records = DrawFile::parse(bytes);
        QCOMPARE(records.size(), size_t(3));
        QCOMPARE(records[2].slot(1), 3);
        QCOMPARE(dateFromDayCount(records[2].datum), QDate(2024, 1, 3));
    }

    void dateAndNumbersIgnoreBytesBeyondSixteen()
    {
        QByteArray a = draw(QDate(2020, 5, 17), {5, 6, 7, 8, 9}).toBytes();
        QByteArray b = a;
        for (int i = 16; i < 32; ++i) b[i] = static_cast<char>(0xA5 ^ i);
        const DrawRecord ra = DrawRecord::readFrom(a.constData());
        const DrawRecord rb = DrawRecord::readFrom(b.constData());
        QCOMPARE(rb.datum, ra.datum);
        QVERIFY(rb.zahlen == ra.zahlen);
    }

    void emptyFileIsAValidHistory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        writeBytes(path, {});
        QString error;
        const auto records = DrawFile(path).readAll(&error);
        QVERIFY(records.has_value());
        QVERIFY(records->empty());
        QVERIFY(error.isEmpty());
    }

    void missingFileNamesFileAndReason()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        QString error;
        QVERIFY(!DrawFile(path).readAll(&error).has_value());
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QVERIFY(error.size() > path.size() + 2);
        int visited = 0;
        QVERIFY(!DrawFile(path).scan([&](const DrawRecord&) { return ++visited; }, &error));
        QCOMPARE(visited, 0);
    }

    // An unchanged file is not parsed again; any change, by this program or by
    // another one writing the same number of bytes, is read afresh.
    void changedFileIsReadAfresh()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        const DrawFile file(path);
        QVERIFY(file.replace({draw(QDate(2024, 1, 3), {1, 2, 3, 4, 5})}, nullptr));
        const DrawHistory fresh = file.readShared(nullptr);
        QVERIFY(fresh);
        QVERIFY(file.readShared(nullptr) != fresh);  // just written: not kept yet
        setAnHourAgo(path);
        const DrawHistory first = file.readShared(nullptr);
        QCOMPARE(file.readShared(nullptr), first);

        QVERIFY(file.append({draw(QDate(2024, 1, 4), {6, 7, 8, 9, 10})}, nullptr));
        const DrawHistory appended = file.readShared(nullptr);
        QCOMPARE(appended->size(), size_t(2));

        setAnHourAgo(path);
        QCOMPARE(file.readShared(nullptr), file.readShared(nullptr));
        QByteArray bytes = fileBytes(path);
        bytes[8] = 42;  // slot 1 of the first draw, same size
        writeBytes(path, bytes);
        const DrawHistory edited = file.readShared(nullptr);
        QCOMPARE(edited->size(), size_t(2));
        QCOMPARE(edited->front().slot(1), 42);
        QCOMPARE(file.readAll(nullptr)->front().slot(1), 42);

        QVERIFY(QFile::remove(path));
        QString error;
        QVERIFY(!file.readShared(&error));
        QVERIFY(error.contains(path));
    }

    void dateOrder_data()
    {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<bool>("ordered");
        QTest::newRow("empty") << QList<int>{} << true;
        QTest::newRow("ascending") << QList<int>{1, 2, 5} << true;
        QTest::newRow("a date twice") << QList<int>{1, 2, 2, 3} << true;
        QTest::newRow("one earlier") << QList<int>{1, 3, 2} << false;
    }
    void dateOrder()
    {
        QFETCH(QList<int>, days);
        QFETCH(bool, ordered);
        auto records = std::make_shared<std::vector<DrawRecord>>();
        for (int d : days) records->push_back(draw(QDate(2024, 1, 1).addDays(d), {1, 2, 3, 4, 5}));
        QCOMPARE(inDateOrder(records), ordered);
        records->push_back(draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5}));
        records->back().datum = std::nan("");
        QVERIFY(!inDateOrder(std::make_shared<std::vector<DrawRecord>>(*records)));
    }

    void scanStopsWhenAsked()
    {
        QTemporaryDir dir;
        const DrawFile file(dir.filePath(QStringLiteral("ZahlenKK.dat")));
        QVERIFY(file.replace(
            {draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5}), draw(QDate(2024, 1, 2), {6, 7, 8, 9, 10}),
             draw(QDate(2024, 1, 3), {11, 12, 13, 14, 15})},
            nullptr));
        QList<int> firsts;
        QVERIFY(file.scan(
            [&](const DrawRecord& r) {
                firsts << r.slot(1);
                return firsts.size() < 2;
            },
            nullptr));
        QCOMPARE(firsts, QList<int>({1, 6}));
    }

    void replaceRewritesAndLeavesNoTemporary()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        const DrawFile file(path);
        QVERIFY(file.replace({draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5})}, nullptr));
        const std::vector<DrawRecord> next{draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5}),
                                           draw(QDate(2024, 1, 2), {6, 7, 8, 9, 10})};
        QString error;
        QVERIFY2(file.replace(next, &error), qPrintable(error));
        QCOMPARE(fileBytes(path), next[0].toBytes() + next[1].toBytes());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("ZahlenKK.dat")});
    }

    void appendCutsTrailingPartialRecord()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        const DrawRecord first = draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5});
        const DrawRecord second = draw(QDate(2024, 1, 2), {6, 7, 8, 9, 10});
        writeBytes(path, first.toBytes() + QByteArray(13, '\x7f'));
        QString error;
        QVERIFY2(DrawFile(path).append({second}, &error), qPrintable(error));
        QCOMPARE(fileBytes(path), first.toBytes() + second.toBytes());
        const auto records = DrawFile(path).readAll(nullptr);
        QCOMPARE(records->size(), size_t(2));
        QCOMPARE(records->at(1), second);
    }

    void appendCreatesMissingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        const DrawRecord r = draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5});
        QVERIFY(DrawFile(path).append({r}, nullptr));
        QCOMPARE(fileBytes(path), r.toBytes());
    }

    void appendIntoMissingFolderReportsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nicht/da/ZahlenKK.dat"));
        QString error;
        QVERIFY(!DrawFile(path).append({draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5})}, &error));
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(path) + QStringLiteral(": ")),
                 qPrintable(error));
    }

#ifdef Q_OS_UNIX
    // A write that fails halfway (here: the file size limit, as with a full disk)
    // leaves the old draw file exactly as it was.
    void failedReplaceKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        const DrawFile file(path);
        QVERIFY(file.replace({draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5})}, nullptr));
        const QByteArray before = fileBytes(path);
        std::vector<DrawRecord> many;
        for (int i = 0; i < 200; ++i)
            many.push_back(draw(QDate(2020, 1, 1).addDays(i), {1, 2, 3, 4, 5}));
        QString error;
        bool ok;
        {
            test::FileSizeLimit limit(100);
            ok = file.replace(many, &error);
        }
        QVERIFY(!ok);
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QCOMPARE(fileBytes(path), before);
    }

    void failedAppendKeepsWholeRecordsWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZahlenKK.dat"));
        const DrawRecord first = draw(QDate(2024, 1, 1), {1, 2, 3, 4, 5});
        QVERIFY(DrawFile(path).append({first}, nullptr));
        std::vector<DrawRecord> more(10, draw(QDate(2024, 1, 2), {6, 7, 8, 9, 10}));
        QString error;
        bool ok;
        {
            test::FileSizeLimit limit(100);
            ok = DrawFile(path).append(more, &error);
        }
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        // Whatever got written, the next append continues on a record boundary.
        QVERIFY(DrawFile(path).append({first}, nullptr));
        const auto records = DrawFile(path).readAll(nullptr);
        QCOMPARE(fileBytes(path).size() % 32, 0);
        QCOMPARE(records->front(), first);
        QCOMPARE(records->back(), first);
    }
#endif
};

QTEST_GUILESS_MAIN(TestDrawFile)
#include "test_draw_file.moc"
