#include <QFile>
#include <QFileInfo>
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
