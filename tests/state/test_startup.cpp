#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "draws/draw_download.h"
#include "draws/draw_file.h"
#include "platform/services.h"
#include "state/data_folder.h"
#include "state/main_state.h"
#include "state/startup.h"
#include "support/files.h"
#include "support/memory_settings_store.h"
#include "support/state_fixture.h"
#include "tips/tip_operations.h"

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

struct Fixture : StateFixture {
    Services services{StateFixture::services()};

    QString dataFile() const { return drawFile(); }
    QString seedFile() const { return program.filePath(QStringLiteral("ZahlenKK.dat")); }
};

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void copiesLeftByAKilledWriteAreRemoved()
    {
        Fixture f;
        QVERIFY(QDir().mkpath(f.dataFolder()));
        // What a write killed in the middle leaves where the system has no unnamed
        // temporary files: a complete copy named like the file, a dot and six characters.
        writeBytes(f.dataFolder() + "ZahlenKK.dat.Ab3dE9", QByteArray(64, 'x'));
        const QStringList others{"ZahlenKK.dat", "ZahlenKK.dat.bak", "ZahlenKK.dat.1234567",
                                 "Zahlen.txt.abcdef", "gewinnzahlen.txt"};
        for (const QString& name : others) writeBytes(f.dataFolder() + name, "x");
        writeBytes(f.dataFolder() + "gewinnzahlen.qlt.Ab3dE9", "x");

        MainState state;
        f.start(state);
        QStringList left = QDir(f.dataFolder()).entryList(QDir::Files);
        left.sort();
        QStringList expected = others;
        expected.sort();
        QCOMPARE(left, expected);
    }

    void resultsFileAddress_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none stored: the published file") << false << "" << kDefaultResultsFile;
        QTest::newRow("emptied by the user stays empty") << true << ""
                                                         << "";
        QTest::newRow("an address of one's own") << true << " http://127.0.0.1:8080/draws.csv "
                                                 << "http://127.0.0.1:8080/draws.csv";
    }
    void resultsFileAddress()
    {
        QFETCH(bool, stored);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        Fixture f;
        QVERIFY(f.settings.openKey(kSettingsKey, true));
        f.settings.writeString(kResultsFileValue, value);
        if (!stored)
            for (auto& key : f.settings.keys) key.remove(kResultsFileValue.toLower());
        MainState state;
        f.start(state);
        QCOMPARE(state.Ergebnisdatei, expected);

        saveStartSettings(state, f.services, std::nullopt);
        QVERIFY(f.settings.openKey(kSettingsKey, false));
        QCOMPARE(f.settings.readString(kResultsFileValue), std::optional<QString>(expected));
    }

    void dataFolderPath_data()
    {
        QTest::addColumn<QString>("appData");
        QTest::addColumn<QString>("userData");
        QTest::addColumn<QString>("expected");
        QTest::newRow("APPDATA with separator") << "C:/Users/a/AppData/Roaming/"
                                                << "/x"
                                                << "C:/Users/a/AppData/Roaming/KugelwartKK/";
        QTest::newRow("APPDATA without separator") << "/tmp/app"
                                                   << "/x"
                                                   << "/tmp/app/KugelwartKK/";
        QTest::newRow("APPDATA with backslash") << "C:\\Roaming\\"
                                                << "/x"
                                                << "C:\\Roaming\\KugelwartKK/";
        QTest::newRow("no APPDATA: user data folder") << ""
                                                      << "/home/a/.local/share"
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
        const std::vector<DrawRecord> seed{draw(QDate(2026, 8, 20), 1),
                                           draw(QDate(2026, 8, 21), 6)};
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
        QTest::newRow("two months ago")
            << dayCountFromDate(today.addMonths(-2)) << dayCountFromDate(today.addMonths(-2));
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
        QCOMPARE(state.LaufMax(), 12000);
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
        QCOMPARE(state.LaufMax(), 50000);
    }

    void proxyPortDefaultsWhenNoHost_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("expectedPort");
        QTest::newRow("no host") << ""
                                 << "8080"
                                 << "80";
        QTest::newRow("host kept with port") << "proxy.local"
                                             << "8080"
                                             << "8080";
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

    // A value of the wrong kind ends its guarded group: the values before it
    // stay applied, the rest of the group keeps the design values, the other
    // groups are read as usual.
    void wrongKindEndsItsGroup_data()
    {
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QStringList>("applied");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("a check box")
            << "Chekcbox5"
            << QStringList{"Chekcbox3", "RadioGroup2", "UpDown1", "Edit1", "ProxyHostEdit"}
            << QStringList{"Chekcbox6", "Sprache"};
        QTest::newRow("the language")
            << "Sprache" << QStringList{"Chekcbox31", "UpDown20", "ProxyPortEdit"} << QStringList{};
        QTest::newRow("an up-down")
            << "UpDown3" << QStringList{"UpDown2", "Chekcbox6", "ProxyHostEdit", "DateTimePicker2"}
            << QStringList{"UpDown4", "Lottoportal", "Edit1"};
        QTest::newRow("a tip cell")
            << "Edit7" << QStringList{"Edit1", "Lottoportal", "ProxyPortEdit"}
            << QStringList{"Edit8", "Edit104"};
        QTest::newRow("the proxy host")
            << "ProxyHostEdit" << QStringList{"Edit104", "DateTimePicker2"}
            << QStringList{"ProxyPortEdit"};
        QTest::newRow("a radio group")
            << "RadioGroup1" << QStringList{"RadioGroup2", "UpDown1", "Edit1", "ProxyHostEdit"}
            << QStringList{};
    }
    void wrongKindEndsItsGroup()
    {
        QFETCH(QString, wrong);
        QFETCH(QStringList, applied);
        QFETCH(QStringList, kept);
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        // Values that differ from the design values.
        f.settings.writeBool(QStringLiteral("Chekcbox3"), false);
        f.settings.writeBool(QStringLiteral("Chekcbox6"), true);
        f.settings.writeBool(QStringLiteral("Chekcbox31"), true);
        f.settings.writeInteger(QStringLiteral("Sprache"), 4);
        f.settings.writeInteger(QStringLiteral("RadioGroup2"), 1);
        f.settings.writeInteger(QStringLiteral("UpDown1"), 60);
        f.settings.writeInteger(QStringLiteral("UpDown2"), 100);
        f.settings.writeInteger(QStringLiteral("UpDown4"), 3);
        f.settings.writeInteger(QStringLiteral("UpDown20"), 3);
        f.settings.writeString(QStringLiteral("Lottoportal"), QStringLiteral("Anderes"));
        f.settings.writeString(QStringLiteral("Edit1"), QStringLiteral("7"));
        f.settings.writeString(QStringLiteral("Edit8"), QStringLiteral("9"));
        f.settings.writeString(QStringLiteral("Edit104"), QStringLiteral("3"));
        f.settings.writeString(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.example"));
        f.settings.writeString(QStringLiteral("ProxyPortEdit"), QStringLiteral("8080"));
        f.settings.writeDate(QStringLiteral("DateTimePicker2"),
                             dayCountFromDate(QDate(2024, 5, 1)));
        // The wrong kind: a date where a number or a text belongs.
        f.settings.writeDate(wrong, 1.0);
        MainState state;
        f.start(state);

        const auto differs = [&state](const QString& name) {
            if (name == "Chekcbox3") return !state.checkBox(3);
            if (name == "Chekcbox6") return state.checkBox(6);
            if (name == "Chekcbox31") return state.checkBox(31);
            if (name == "Sprache") return state.Sprache == 4;
            if (name == "RadioGroup1") return state.radioGroup(1) != 0;
            if (name == "RadioGroup2") return state.radioGroup(2) == 1;
            if (name == "UpDown1") return state.upDownPosition(1) == 60;
            if (name == "UpDown2") return state.upDownPosition(2) == 100;
            if (name == "UpDown4") return state.upDownPosition(4) == 3;
            if (name == "UpDown20") return state.upDownPosition(20) == 3;
            if (name == "Lottoportal") return state.Lottoportal == "Anderes";
            if (name == "Edit1") return state.sheet.cell(1) == "7";
            if (name == "Edit8") return state.sheet.cell(8) == "9";
            if (name == "Edit104") return state.sheet.cell(104) == "3";
            if (name == "ProxyHostEdit") return state.ProxyHostEdit == "proxy.example";
            if (name == "ProxyPortEdit") return state.ProxyPortEdit == "8080";
            if (name == "DateTimePicker2")
                return state.DateTimePicker2.date() == dayCountFromDate(QDate(2024, 5, 1));
            qFatal("no check for %s", qPrintable(name));
        };
        for (const QString& name : applied)
            QVERIFY2(differs(name), qPrintable(name + " not applied"));
        for (const QString& name : kept) QVERIFY2(!differs(name), qPrintable(name + " applied"));
        QVERIFY(state.sortieren);
    }

    // Every value written at close is read back at the next start.
    void savedValuesComeBack()
    {
        Fixture f;
        MainState before;
        f.start(before);
        before.listView = true;
        before.setUpDownMaximum(8, kListViewRowMaximum);
        before.setUpDownPosition(8, 500);  // a list's row count, far above the sheet's 12
        before.setCheckBox(1, true);
        before.setCheckBox(31, true);
        before.setUpDownMaximum(6, 7);
        before.setUpDownPosition(6, 7);
        before.setUpDownPosition(7, 30000);
        before.setUpDownPosition(18, 128);
        before.Sprache = 3;
        before.setRadioGroup(1, 2);
        before.Lottoportal = QStringLiteral("Anderes");
        before.sheet.setCell(12, 1, QStringLiteral("42"));
        before.sheet.setCell(12, 7, QStringLiteral("10"));
        before.sheet.setCell(3, 5, QStringLiteral("17"));
        before.ProxyHostEdit = QStringLiteral("proxy.example");
        before.ProxyPortEdit = QStringLiteral("3128");
        before.DrawServer = QStringLiteral("http://127.0.0.1:8080");
        before.DateTimePicker2.setDate(dayCountFromDate(QDate(2022, 2, 2)));
        saveStartSettings(before, f.services, QSize(900, 650));

        MainState after;
        f.start(after);
        QVERIFY(after.listView);
        QCOMPARE(after.upDownMaximum(8), kListViewRowMaximum);
        for (int n = 1; n <= kCheckBoxCount; ++n) QCOMPARE(after.checkBox(n), before.checkBox(n));
        for (int n = 1; n <= kUpDownCount; ++n)
            QCOMPARE(after.upDownPosition(n), before.upDownPosition(n));
        for (int edit = 1; edit <= TipSheet::kMaxEdit; ++edit)
            QCOMPARE(after.sheet.cell(edit), before.sheet.cell(edit));
        QCOMPARE(after.sheet.cell(12, 7), QStringLiteral("10"));
        QCOMPARE(after.Sprache, 3);
        QCOMPARE(after.radioGroup(1), 2);
        QCOMPARE(after.Lottoportal, QStringLiteral("Anderes"));
        QCOMPARE(after.ProxyHostEdit, QStringLiteral("proxy.example"));
        QCOMPARE(after.ProxyPortEdit, QStringLiteral("3128"));
        QCOMPARE(after.DrawServer, QStringLiteral("http://127.0.0.1:8080"));
        QCOMPARE(after.DateTimePicker2.date(), dayCountFromDate(QDate(2022, 2, 2)));
        QCOMPARE(f.settings.mainValue(QStringLiteral("Chekcbox1"))->kind,
                 MemorySettingsStore::Kind::Integer);
        QCOMPARE(f.settings.mainValue(QStringLiteral("DateTimePicker2"))->kind,
                 MemorySettingsStore::Kind::Date);
        QVERIFY(!f.settings.mainValue(QStringLiteral("Chekcbox21")));
    }

    // Absurd values start the program with values inside every range.
    void absurdValuesEndInRange()
    {
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeInteger(QStringLiteral("UpDown1"), -7);
        f.settings.writeInteger(QStringLiteral("UpDown7"), 999999);
        f.settings.writeInteger(QStringLiteral("UpDown6"),
                                7);  // above the maximum without CheckBox31
        f.settings.writeInteger(QStringLiteral("Chekcbox31"), 0);
        f.settings.writeInteger(QStringLiteral("RadioGroup2"), 77);
        f.settings.writeString(QStringLiteral("Edit1"), QStringLiteral("43"));
        f.settings.writeString(QStringLiteral("Edit2"), QStringLiteral("07"));
        f.settings.writeString(QStringLiteral("Edit6"), QStringLiteral("11"));
        f.settings.writeString(QStringLiteral("Ansicht"), QStringLiteral("abc"));
        MainState state;
        f.start(state);
        QCOMPARE(state.upDownPosition(1), 21);
        QCOMPARE(state.upDownPosition(7), 30000);
        QCOMPARE(state.LaufMax(), 30000 * 1000);
        QCOMPARE(state.upDownPosition(6), 5);
        QCOMPARE(state.radioGroup(2), 2);
        QCOMPARE(state.sheet.cell(1), QString());
        QCOMPARE(state.sheet.cell(2), QStringLiteral("7"));
        QCOMPARE(state.sheet.cell(6), QString());  // star numbers end at 10
        QVERIFY(!state.listView);
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
