#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/desktop_shell.h"
#include "platform/ini_settings_store.h"
#include "platform/qt_sound.h"
#include "platform/system_clock.h"

using namespace kw;

namespace {
const QString kKey = QStringLiteral("\\SOFTWARE\\Quendel\\Kleinkugel");
}

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void iniStoreRoundTripsEveryKind()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Kleinkugel.ini"));
        {
            IniSettingsStore store(path);
            QVERIFY(!store.keyExists(kKey));
            QVERIFY(store.openKey(kKey, true));
            store.writeInteger(QStringLiteral("UpDown1"), -60);
            store.writeBool(QStringLiteral("Chekcbox3"), true);
            store.writeString(QStringLiteral("Edit1"), QStringLiteral("Grüße, 7"));
            store.writeDate(QStringLiteral("DateTimePicker2"), 45296.0);
            store.closeKey();
        }
        IniSettingsStore store(path);
        QVERIFY(store.keyExists(kKey));
        QVERIFY(store.openKey(kKey, false));
        QCOMPARE(store.readInteger(QStringLiteral("UpDown1")), std::optional<int>(-60));
        QCOMPARE(store.readBool(QStringLiteral("Chekcbox3")), std::optional<bool>(true));
        QCOMPARE(store.readString(QStringLiteral("Edit1")),
                 std::optional<QString>(QStringLiteral("Grüße, 7")));
        QCOMPARE(store.readDate(QStringLiteral("DateTimePicker2")), std::optional<double>(45296.0));
    }

    void iniStoreNamesAreCaseInsensitive()
    {
        QTemporaryDir dir;
        IniSettingsStore store(dir.filePath(QStringLiteral("s.ini")));
        QVERIFY(store.openKey(kKey, true));
        store.writeInteger(QStringLiteral("Height"), 700);
        store.writeInteger(QStringLiteral("HEIGHT"), 640);  // the same value, overwritten
        QVERIFY(store.valueExists(QStringLiteral("height")));
        QCOMPARE(store.readInteger(QStringLiteral("height")), std::optional<int>(640));
    }

    void iniStoreRefusesWrongKinds()
    {
        QTemporaryDir dir;
        IniSettingsStore store(dir.filePath(QStringLiteral("s.ini")));
        QVERIFY(store.openKey(kKey, true));
        store.writeString(QStringLiteral("height"), QStringLiteral("groß"));
        store.writeDate(QStringLiteral("date"), 43101.0);
        store.writeInteger(QStringLiteral("number"), 5);
        QVERIFY(!store.readInteger(QStringLiteral("height")));
        QVERIFY(!store.readBool(QStringLiteral("height")));
        QVERIFY(!store.readDate(QStringLiteral("height")));
        QVERIFY(!store.readInteger(QStringLiteral("date")));
        QVERIFY(!store.readString(QStringLiteral("date")));
        QVERIFY(!store.readDate(QStringLiteral("number")));
        QVERIFY(!store.readInteger(QStringLiteral("missing")));
        QVERIFY(!store.valueExists(QStringLiteral("missing")));
    }

    void iniStoreFindsValuesUnderTheirStoredSpelling()
    {
        // A file written by another program: spellings of its own, two of one name, and
        // values the program does not know.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.ini"));
        const QString group = QStringLiteral("SOFTWARE/Quendel/Kleinkugel/");
        {
            QSettings raw(path, QSettings::IniFormat);
            raw.setValue(group + QStringLiteral("HEIGHT"), 640);
            raw.setValue(group + QStringLiteral("ansicht"), 1);
            raw.setValue(group + QStringLiteral("Ansicht"), 0);
            raw.setValue(group + QStringLiteral("Fremdwert"), QStringLiteral("abc"));
            raw.setValue(QStringLiteral("SOFTWARE/Quendel/Anderes/Height"), 5);
        }
        // Of two spellings the one QSettings lists first is read and written.
        QSettings listed(path, QSettings::IniFormat);
        listed.beginGroup(group);
        QString first;
        for (const QString& key : listed.childKeys())
            if (first.isEmpty() && key.compare(QStringLiteral("ANSICHT"), Qt::CaseInsensitive) == 0)
                first = key;
        const int firstValue = listed.value(first).toInt();
        {
            IniSettingsStore store(path);
            QVERIFY(store.openKey(kKey, true));
            QCOMPARE(store.readInteger(QStringLiteral("height")), std::optional<int>(640));
            QCOMPARE(store.readInteger(QStringLiteral("ANSICHT")), std::optional<int>(firstValue));
            QVERIFY(!store.valueExists(QStringLiteral("Anderes")));
            store.writeInteger(QStringLiteral("Height"), 700);
            store.writeInteger(QStringLiteral("ANSICHT"), 7);
            store.writeString(QStringLiteral("Neu"), QStringLiteral("x"));
            // A value written first is found under any spelling at once.
            QCOMPARE(store.readString(QStringLiteral("NEU")), std::optional<QString>("x"));
            store.closeKey();
            QCOMPARE(store.readString(QStringLiteral("neu")), std::optional<QString>("x"));
        }
        QSettings raw(path, QSettings::IniFormat);
        raw.beginGroup(group);
        QStringList keys = raw.childKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"Ansicht", "Fremdwert", "HEIGHT", "Neu", "ansicht"}));
        QCOMPARE(raw.value(QStringLiteral("HEIGHT")).toInt(), 700);
        QCOMPARE(raw.value(first).toInt(), 7);
        QCOMPARE(raw.value(first == QStringLiteral("Ansicht") ? QStringLiteral("ansicht")
                                                              : QStringLiteral("Ansicht"))
                     .toInt(),
                 firstValue == 1 ? 0 : 1);
        // Values the program does not know stay as they were.
        QCOMPARE(raw.value(QStringLiteral("Fremdwert")).toString(), QStringLiteral("abc"));
        QCOMPARE(raw.value(QStringLiteral("Neu")).toString(), QStringLiteral("x"));
        QCOMPARE(QSettings(path, QSettings::IniFormat)
                     .value(QStringLiteral("SOFTWARE/Quendel/Anderes/Height"))
                     .toInt(),
                 5);
    }

    void iniStoreKeepsKeysApart()
    {
        QTemporaryDir dir;
        IniSettingsStore store(dir.filePath(QStringLiteral("s.ini")));
        QVERIFY(store.openKey(kKey + QStringLiteral("\\druck"), true));
        store.writeInteger(QStringLiteral("x"), 1);
        QVERIFY(store.openKey(kKey, true));
        QVERIFY(!store.valueExists(QStringLiteral("x")));
        QVERIFY(!store.openKey(QStringLiteral("\\SOFTWARE\\Quendel\\Klickbote\\Settings"), false));
    }

    void soundWithoutDeviceIsQuiet()
    {
        QtSound sound;
        sound.play(QStringLiteral("/no/such/file.wav"));
        const QString wav = qEnvironmentVariable("KUGELWART_BIN") + QStringLiteral("/yippee.wav");
        QVERIFY2(QFile::exists(wav), qPrintable(wav));
        sound.play(wav);
        sound.play(wav);  // replaces the first
    }

    void shippedSoundIsAWaveFile()
    {
        QFile file(qEnvironmentVariable("KUGELWART_BIN") + QStringLiteral("/yippee.wav"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(44);
        QCOMPARE(header.left(4), QByteArray("RIFF"));
        QCOMPARE(header.mid(8, 8), QByteArray("WAVEfmt "));
        QVERIFY(file.size() > 10000);
    }

    void editorFromVisual()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("editor.sh"));
        const QString marker = dir.filePath(QStringLiteral("edited"));
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("printf '%s' \"$1\" > '%1'\n").arg(marker).toUtf8());
        f.close();
        qputenv("VISUAL", QStringLiteral("/bin/sh '%1'").arg(script).toUtf8());
        DesktopShell shell;
        const QString file = dir.filePath(QStringLiteral("gewinnzahlen.txt"));
        QVERIFY(shell.openInEditor(file));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(marker).size() > 0, 5000);
        QFile result(marker);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(result.readAll()), file);
        qunsetenv("VISUAL");
    }

    void missingProgramIsRefused()
    {
        DesktopShell shell;
        QString error;
        QVERIFY(!shell.startProgram(QStringLiteral("/no/such/Klicklauf.exe"), QStringLiteral("a b"),
                                    &error));
        QVERIFY(error.contains(QStringLiteral("Klicklauf.exe")));
        QVERIFY(!shell.openUrl(QStringLiteral("  "), &error));
    }

    void clockCounts()
    {
        SystemClock clock;
        QCOMPARE(clock.today(), QDate::currentDate());
        const auto first = clock.performanceCounter();
        clock.sleep(2);
        QVERIFY(clock.performanceCounter() > first);
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
