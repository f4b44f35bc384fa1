#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "draws/draw_file.h"
#include "platform/services.h"
#include "state/data_folder.h"
#include "state/main_state.h"
#include "state/startup.h"
#include "support/window_fixture.h"

using namespace kw;
using namespace kw::test;

namespace {

DrawRecord draw(const QDate& date, int first)
{
    DrawRecord r;
    r.datum = dayCountFromDate(date);
    for (int i = 0; i < 5; ++i) r.setSlot(i + 1, first + i);
    return r;
}

struct Fixture : WindowFixture {
    Services services{WindowFixture::services()};

    QString dataFile() const { return drawFile(); }
    QString seedFile() const { return program.filePath(QStringLiteral("ZahlenKK.dat")); }

    void start(MainState& state)
    {
        prepareState(state, services);
        const StartSettings saved = loadStartSettings(state, services);
        finishStartup(state, services, saved.analysisStartRead);
    }
};

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void dataFolderPath_data()
    {
        QTest::addColumn<QString>("appData");
        QTest::addColumn<QString>("userData");
        QTest::addColumn<QString>("expected");
        QTest::newRow("APPDATA with separator") << "C:/Users/a/AppData/Roaming/" << "/x"
                                                << "C:/Users/a/AppData/Roaming/KugelwartKK/";
        QTest::newRow("APPDATA without separator") << "/tmp/app" << "/x" << "/tmp/app/KugelwartKK/";
        QTest::newRow("APPDATA with backslash") << "C:\\Roaming\\" << "/x" << "C:\\Roaming\\KugelwartKK/";
        QTest::newRow("no APPDATA: user data folder") << "" << "/home/a/.local/share"
                                                      << "/home/a/.local/share/KugelwartKK/";
    }
    void dataFolderPath()
    {
        QFETCH(QString, appData);
        QFETCH(QString, userData);
        QFETCH(QString, expected);
        QCOMPARE(kw::dataFolderPath(appData, userData), expected);
    }

    void folderThatCannotBeCreatedIsReported()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("datei"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString error;
        QVERIFY(!ensureFolder(blocker + QStringLiteral("/KugelwartKK/"), &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(blocker)), qPrintable(error));
    }

    void firstStartCreatesFolderAndCopiesSeed()
    {
        Fixture f;
        const std::vector<DrawRecord> seed{draw(QDate(2026, 8, 20), 1), draw(QDate(2026, 8, 21), 6)};
        QVERIFY(DrawFile(f.seedFile()).replace(seed, nullptr));
        QFile::resize(f.seedFile(), 64 + 5);  // a torn last record is not copied
        MainState state;
        f.start(state);
        QCOMPARE(state.Home, f.appData.path() + QStringLiteral("/KugelwartKK/"));
        QVERIFY(QFileInfo(state.Home).isDir());
        QCOMPARE(state.drawFilePath(), f.dataFile());
        const auto copied = DrawFile(f.dataFile()).readAll(nullptr);
        QVERIFY(copied.has_value());
        QVERIFY(*copied == seed);
        QCOMPARE(QFileInfo(f.dataFile()).size(), 64);
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void existingDrawFileIsKept()
    {
        Fixture f;
        QVERIFY(DrawFile(f.seedFile()).replace({draw(QDate(2026, 8, 20), 1)}, nullptr));
        QDir().mkpath(f.appData.filePath(QStringLiteral("KugelwartKK")));
        const std::vector<DrawRecord> own{draw(QDate(2019, 3, 3), 30), draw(QDate(2019, 3, 4), 31),
                                          draw(QDate(2019, 3, 5), 32)};
        QVERIFY(DrawFile(f.dataFile()).replace(own, nullptr));
        MainState state;
        f.start(state);
        QVERIFY(*DrawFile(f.dataFile()).readAll(nullptr) == own);
    }

    void noSeedNoDrawFile()
    {
        Fixture f;
        MainState state;
        f.start(state);
        QVERIFY(!QFileInfo::exists(f.dataFile()));
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void analysisStart_data()
    {
        QTest::addColumn<double>("saved");  // < 0: none could be read
        QTest::addColumn<double>("expected");
        const QDate today(2026, 8, 23);
        const double day = dayCountFromDate(today);
        QTest::newRow("none") << -1.0 << kFirstAnalysisDay;
        QTest::newRow("yesterday") << day - 1 << kFirstAnalysisDay;
        QTest::newRow("six days ago") << day - 6 << kFirstAnalysisDay;
        QTest::newRow("seven days ago") << day - 7 << day - 7;
        QTest::newRow("two months ago") << dayCountFromDate(today.addMonths(-2))
                                        << dayCountFromDate(today.addMonths(-2));
        QTest::newRow("the minimum") << kFirstAnalysisDay << kFirstAnalysisDay;
        QTest::newRow("in the future") << day + 30 << kFirstAnalysisDay;
    }
    void analysisStart()
    {
        QFETCH(double, saved);
        QFETCH(double, expected);
        const auto value = saved < 0 ? std::nullopt : std::optional<double>(saved);
        QCOMPARE(startup::analysisStart(value, QDate(2026, 8, 23)), expected);
    }

    // Through the whole start: the saved start goes through the picker and the rule,
    // and the working date follows it.
    void savedAnalysisStartAtStart_data()
    {
        QTest::addColumn<QDate>("saved");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("yesterday") << QDate(2026, 8, 22) << QDate(2018, 1, 1);
        QTest::newRow("two months ago") << QDate(2026, 6, 23) << QDate(2026, 6, 23);
        QTest::newRow("before the minimum") << QDate(2015, 1, 1) << QDate(2018, 1, 1);
    }
    void savedAnalysisStartAtStart()
    {
        QFETCH(QDate, saved);
        QFETCH(QDate, expected);
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeDate(QStringLiteral("DateTimePicker2"), dayCountFromDate(saved));
        MainState state;
        f.start(state);
        QCOMPARE(dateFromDayCount(state.DateTimePicker2.date()), expected);
        QCOMPARE(state.aktDatum, state.DateTimePicker2.date());
        QCOMPARE(dateFromDayCount(state.DateTimePicker1.date()), f.clock.date);
    }

    void analysisStartOfWrongKindFallsBack()
    {
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeString(QStringLiteral("DateTimePicker2"), QStringLiteral("01.06.2026"));
        MainState state;
        f.start(state);
        QCOMPARE(state.DateTimePicker2.date(), kFirstAnalysisDay);
    }

    void flagsAndBudget()
    {
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeInteger(QStringLiteral("updown7"), 12);  // names are case-insensitive
        MainState state;
        f.start(state);
        QCOMPARE(state.LaufMax, 12000);
        QVERIFY(state.sortieren);
        QVERIFY(!state.Berechnunglaeuft);
        QCOMPARE(state.SternenzahlMax, 10);
        QCOMPARE(state.dfb, dayCountFromDate(f.clock.date));
        QCOMPARE(state.SoundName, f.program.path() + QStringLiteral("/yippee.wav"));
    }

    void defaultBudgetIsFiftyThousand()
    {
        Fixture f;
        MainState state;
        f.start(state);
        QCOMPARE(state.LaufMax, 50000);
    }

    void proxyPortDefaultsWhenNoHost_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("expectedPort");
        QTest::newRow("no host") << "" << "8080" << "80";
        QTest::newRow("host kept with port") << "proxy.local" << "8080" << "8080";
    }
    void proxyPortDefaultsWhenNoHost()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(QString, expectedPort);
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeString(QStringLiteral("ProxyHostEdit"), host);
        f.settings.writeString(QStringLiteral("ProxyPortEdit"), port);
        MainState state;
        f.start(state);
        QCOMPARE(state.ProxyHostEdit, host);
        QCOMPARE(state.ProxyPortEdit, expectedPort);
    }

    void starMaximumByDate_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("maximum");
        QTest::newRow("3 Oct 2014") << QDate(2014, 10, 3) << 8;
        QTest::newRow("4 Oct 2014") << QDate(2014, 10, 4) << 10;
        QTest::newRow("2026") << QDate(2026, 12, 10) << 10;
    }
    void starMaximumByDate()
    {
        QFETCH(QDate, today);
        QFETCH(int, maximum);
        QCOMPARE(startup::sternenzahlMaxFor(today), maximum);
    }

    void randomSeedFromClock()
    {
        Fixture f;
        MainState state;
        f.start(state);
        QCOMPARE(state.random.seed(), 0x34567890u);
        f.clock.counter = 0;  // no high-resolution counter: the tick count
        MainState second;
        f.start(second);
        QCOMPARE(second.random.seed(), 4242u);
    }

    void upDownPositionsStayInRange()
    {
        MainState state;
        QCOMPARE(state.upDownPosition(6), 5);
        state.setUpDownMaximum(6, 7);
        state.setUpDownPosition(6, 7);
        QCOMPARE(state.upDownPosition(6), 7);
        state.setUpDownMaximum(6, 5);
        QCOMPARE(state.upDownPosition(6), 5);
        state.setUpDownPosition(1, 5);
        QCOMPARE(state.upDownPosition(1), 21);
        QVERIFY(state.checkBox(3));
        QVERIFY(!state.checkBox(21));
        QVERIFY(!state.checkBox(99));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
