// The online transfer through the main window: "Warenkorb" against a web-cart service
// on 127.0.0.1 (the links opened, the user acting during the pauses, the window
// closed meanwhile), the portal dialog TForm5, and OnlineTippClick with the script
// chooser TQKSForm, the robot started through the shell and the template update from
// a script server on 127.0.0.1; the companion's "script" and the sample template.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <cstring>
#include <functional>

#include "online/web_cart.h"
#include "support/companion.h"
#include "support/draw_server.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/dialog_windows.h"
#include "ui/side_pages.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

const QByteArray kCartPath = "/lotto/lotto.asp";
const QString kSample = QStringLiteral("PL_MiniLotto_Beispiel.qks");

QString cartTemplate()
{
    QString link = QStringLiteral("https://portal.test/add?Tipps=[Anzahl]");
    for (int j = 1; j <= 12; ++j) link += QStringLiteral("&k%1=[KASTEN%1]").arg(j);
    return link;
}

QString cartLink(int count, const QStringList& boxes)
{
    QString link = QStringLiteral("https://portal.test/add?Tipps=%1").arg(count);
    for (int j = 1; j <= 12; ++j) link += QStringLiteral("&k%1=").arg(j) + boxes.value(j - 1);
    return link;
}

QStringList listLines(int count, int offset = 0)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        QStringList numbers;
        for (int k = 0; k < 5; ++k) numbers << QString::number((i + offset + 8 * k) % 42 + 1);
        lines << numbers.join(QLatin1Char('\t'));
    }
    return lines;
}

// The three links of thirty lines, boxes written out by hand.
QStringList thirtyLineLinks(const QStringList& lines)
{
    QStringList links;
    for (int batch = 0; batch < 3; ++batch) {
        QStringList boxes;
        for (int j = 0; j < 12; ++j) {
            const int i = batch * 12 + j;
            boxes << (i < lines.size() ? QString(lines[i]).replace('\t', ',')
                                       : QStringLiteral(",,,,,"));
        }
        links << cartLink(batch < 2 ? 12 : 6, boxes);
    }
    return links;
}

QString sampleTemplate()
{
    return qEnvironmentVariable("KUGELWART_BIN") + QStringLiteral("/Script/") + kSample;
}

bool touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

struct Fixture : WindowFixture {
    DrawServer server;
    std::unique_ptr<TForm1> w = window();

    Fixture()
    {
        w->state().DateTimePicker1.setDate(dayCountFromDate(QDate(2026, 8, 20)));
        clock.date = QDate(2026, 8, 24);  // a Monday
    }
    QPushButton* cartButton() const { return child<QPushButton>(w.get(), "Warenkorb"); }
    void serveCart(const DrawServer::Answer& answer)
    {
        if (!server.isListening()) QVERIFY(server.listen());
        server.byPath[kCartPath] = answer;
        w->findChild<InternetPage*>()->CartServerEdit->setText(server.address());
    }
    void showList(const QStringList& lines)
    {
        w->state().Gewinnzahlen = lines;
        w->state().listView = true;
        w->state().notifyViewChanged();
    }
    void fillSheet(int rows)
    {
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= 5; ++c) w->state().sheet.setCell(r, c, QString::number(r * 5 + c));
    }

    // --- the click scripts ---
    QString programFolder() const { return program.path() + QLatin1Char('/'); }
    QString robot() const { return programFolder() + QStringLiteral("Klicklauf/klicklauf.exe"); }
    QString localTemplate() const { return programFolder() + QStringLiteral("Script/") + kSample; }
    QString tipFile() const { return dataFolder() + QStringLiteral("Tipps/20260827.qlt"); }
    QString scriptFile() const { return dataFolder() + QStringLiteral("Tipps/20260824.qks"); }
    void installRobotAndTemplate()
    {
        QVERIFY(touch(robot()));
        QDir().mkpath(programFolder() + QStringLiteral("Script"));
        QVERIFY(QFile::copy(sampleTemplate(), localTemplate()));
    }
    // OnlineTippClick; act runs in the chooser while it is modal and ends it.
    void exportScripts(const std::function<void(TQKSForm*)>& act)
    {
        auto connection = QObject::connect(
            w.get(), &TForm1::scriptChooserOpened, w.get(), [act](TQKSForm* dialog) {
                QTimer::singleShot(0, dialog, [act, dialog] { act(dialog); });
                QTimer::singleShot(15000, dialog, [dialog] {
                    if (dialog->isVisible()) dialog->reject();
                });
            });
        w->OnlineTippClick();
        QObject::disconnect(connection);
    }
    static void choose(TQKSForm* dialog, const QString& script)
    {
        dialog->LabeledEdit1->setCurrentText(script);
        dialog->BitBtn2->click();
    }
    QStringList savedScript() const
    {
        return readTextLines(scriptFile(), nullptr).value_or(QStringList{QStringLiteral("none")});
    }
};

QByteArray ticketRecord(const QDate& date, const char* spiel77, const char* super6)
{
    QByteArray record(32, '\0');
    const double days = QDate(1899, 12, 30).daysTo(date);
    quint64 bits;
    std::memcpy(&bits, &days, sizeof bits);
    qToLittleEndian(bits, record.data());
    for (int i = 0; i < 7; ++i) record[16 + i] = char(spiel77[i] - '0');
    for (int i = 0; i < 6; ++i) record[23 + i] = char(super6[i] - '0');
    return record;
}

QString httpDate(const QDateTime& time)
{
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
}

}  // namespace

class TestOnlineWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Row count 5 with rows 1 to 3 filled: the request and the link carry 5, the open
    // action receives exactly the filled link, the status names the transfer.
    void cartStandardView()
    {
        Fixture f;
        f.serveCart(DrawServer::ok(cartTemplate().toUtf8()));
        f.w->tipPage()->UpDown8->setValue(5);
        f.fillSheet(3);
        f.cartButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!f.shell.opened.isEmpty(), 10000);
        QCOMPARE(f.server.requests.size(), 1);
        QCOMPARE(f.server.requests[0].target,
                 QByteArray("/lotto/lotto.asp?Spiel=KleinPL&Wo=Lottoland&Tipps=5"));
        QCOMPARE(f.shell.opened,
                 QStringList{
                     cartLink(5, {"6,7,8,9,10", "11,12,13,14,15", "16,17,18,19,20", ",,,,", ",,,,",
                                  ",,,,", ",,,,", ",,,,", ",,,,", ",,,,", ",,,,", ",,,,"})});
        QCOMPARE(child<QLabel>(f.w.get(), "StatusPanel1")->text(),
                 QStringLiteral("Die Tipps wurden an den Warenkorb übergeben."));
        QVERIFY(f.cartButton()->isEnabled());
    }

    // Thirty lines: three links, each with a ticket number drawn and confirmed in the
    // portal dialog. During the pauses the window goes on: the user clears the list,
    // loads other lines, clicks "Warenkorb" again; the links stay those of the click.
    void cartListViewWhileTheUserActs()
    {
        Fixture f;
        f.serveCart(DrawServer::ok(cartTemplate().toUtf8()));
        const QStringList lines = listLines(30);
        f.showList(lines);
        QCOMPARE(f.w->cartTransfer()->pause, 2000);
        QStringList tickets;
        QObject::connect(f.w->form5(), &QDialog::accepted, f.w.get(),
                         [&] { tickets << f.w->form5()->LosNr; });
        f.cartButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(f.shell.opened.size(), 1, 10000);
        QVERIFY(!f.cartButton()->isEnabled());
        QCOMPARE(child<QLabel>(f.w.get(), "StatusPanel1")->text(), kCartCheckStatus);

        bool inPause = false;
        QTimer::singleShot(300, f.w.get(), [&] {
            inPause = f.shell.opened.size() == 1;  // the event loop runs in the pause
            child<QToolButton>(f.w.get(), "SpeedButton11")->click();  // clears the list
            f.showList(listLines(5, 20));
            f.w->tipPage()->UpDown8->setValue(2);
            f.w->WarenkorbClick();  // a second transfer waits for the first
            f.cartButton()->click();
        });
        QTRY_COMPARE_WITH_TIMEOUT(f.shell.opened.size(), 3, 10000);
        QVERIFY(inPause);
        QCOMPARE(f.shell.opened, thirtyLineLinks(lines));
        QCOMPARE(f.server.requests.size(), 1);
        QCOMPARE(f.clock.slept, 0);  // no pause that freezes the window
        QTRY_VERIFY(f.cartButton()->isEnabled());
        QTest::qWait(2300);
        QCOMPARE(f.shell.opened.size(), 3);
        QCOMPARE(tickets.size(), 3);
        for (const QString& ticket : tickets)
            QVERIFY2(QRegularExpression("^[0-9]{7}$").match(ticket).hasMatch(), qPrintable(ticket));
        QVERIFY(!f.w->form5()->isVisible());
        QCOMPARE(f.w->form5()->Tipp, 30);
    }

    // Closing the window in a pause: no link opens afterwards.
    void closingEndsTheTransfer()
    {
        Fixture f;
        f.serveCart(DrawServer::ok(cartTemplate().toUtf8()));
        f.showList(listLines(30));
        f.w->show();
        f.cartButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(f.shell.opened.size(), 1, 10000);
        QVERIFY(f.w->close());
        QTest::qWait(2500);
        QCOMPARE(f.shell.opened.size(), 1);
        QVERIFY(!f.w->cartTransfer()->running());
    }

    // The field "Warenkorb-Server" on "Internet-Optionen": into the state, saved at close.
    void cartServerField()
    {
        Fixture f;
        auto* edit = f.w->findChild<InternetPage*>()->CartServerEdit;
        QTest::keyClicks(edit, "http://127.0.0.1:9");
        QCOMPARE(f.w->state().CartServer, QStringLiteral("http://127.0.0.1:9"));
        f.w->FormClose();
        f.settings.openKey(kSettingsKey, false);
        QCOMPARE(f.settings.readString("Warenkorbserver"),
                 std::optional<QString>("http://127.0.0.1:9"));
        QVERIFY(!f.settings.valueExists("Warenkorblink"));  // configured by hand, never written
    }

    // "Glücksspirale" alone with 4 tips checks "Super 6" too: 8 + 1,25 + 5 = 14,25.
    void portalCosts()
    {
        Fixture f;
        TForm5* d = f.w->form5();
        QCOMPARE(d->windowTitle(), QStringLiteral("Übergabe des Tippscheins direkt an Lottoland"));
        d->Tipp = 4;
        d->glueck->click();
        QVERIFY(d->Super6->isChecked());
        QVERIFY(!d->Spiel77->isChecked());
        QCOMPARE(d->Label4->text(), QStringLiteral("14,25\u00A0€"));
        d->Spiel77->click();
        QCOMPARE(d->Label4->text(), QStringLiteral("15,75\u00A0€"));
    }

    // With the ticket history: search and options offered; a number is drawn away from
    // the drawn ones and searched; without it only the hint is shown.
    void portalTicketHistory()
    {
        Fixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("quendel/kugelwart/Zahlen08.dat");
        QVERIFY(touch(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Every number with the last four digits 0000 .. 0999 was drawn in Spiel 77.
        for (int n = 0; n < 1000; ++n) {
            const QByteArray digits =
                QByteArray("000") + QByteArray::number(n).rightJustified(4, '0');
            file.write(ticketRecord({2024, 1, 6}, digits.constData(), "999999"));
        }
        file.close();
        TForm5 d(nullptr, f.w->state().random, f.dialogs, path);
        d.show();
        QVERIFY(!d.SpeedButton3->isHidden());
        QVERIFY(!d.RadioGroup2->isHidden());
        QVERIFY(d.Label5->isHidden());
        QCOMPARE(d.options->checkedId(), 0);
        QCOMPARE(d.Zahlenfile08, QStringLiteral("Zahlen08.dat"));
        d.options->button(4)->click();
        for (int i = 0; i < 20; ++i) {
            d.SpeedButton2->click();
            const TicketDigits digits = d.digits();
            QVERIFY(digits[3] != 0);  // its last four digits were never drawn
        }
        QCOMPARE(d.SpielzahlTest, 4);
        d.setDigits({1, 0, 0, 0, 0, 4, 2});
        d.SpeedButton3->click();
        QCOMPARE(f.dialogs.notices().last(),
                 QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen"));
        d.setDigits({0, 0, 0, 0, 0, 4, 2});
        d.SpeedButton3->click();
        QCOMPARE(f.dialogs.notices().last(),
                 QStringLiteral("LosNr. wurde am 06.01.2024 im Spiel 77 gezogen"));
        d.BitBtn3->click();
        QCOMPARE(d.LosNr, QStringLiteral("0000042"));
        QVERIFY(!d.isVisible());

        TForm5 none(nullptr, f.w->state().random, f.dialogs, dir.filePath("missing.dat"));
        none.show();
        QVERIFY(none.SpeedButton3->isHidden());
        QVERIFY(none.RadioGroup2->isHidden());
        QVERIFY(!none.Label5->isHidden());
    }

    // No robot: the installation question, on Yes the download address.
    void noRobotAsksToInstall()
    {
        Fixture f;
        f.fillSheet(2);
        f.w->state().RobotInstaller = QStringLiteral("https://example.test/klicklauf-setup.exe");
        f.dialogs.yesNoAnswers = {true};
        f.w->OnlineTippClick();
        QCOMPARE(f.dialogs.shown.first().text, QStringLiteral("Quendels Klicklauf installieren?"));
        QCOMPARE(f.dialogs.shown.first().caption, QStringLiteral("Klicklauf jetzt installieren?"));
        QCOMPARE(f.shell.opened, QStringList{"https://example.test/klicklauf-setup.exe"});
        QVERIFY(f.shell.started.isEmpty());
        QCOMPARE(readTextLines(f.tipFile(), nullptr),
                 std::optional<QStringList>({"6,7,8,9,10", "11,12,13,14,15"}));
    }

    // Three rows, the robot beside a program folder without the maker's name: one
    // script, the robot started with the exact parameter string, the parameters kept.
    void threeRowsOneScript()
    {
        Fixture f;
        f.installRobotAndTemplate();
        f.fillSheet(3);
        QStringList chooserItems;
        QStringList atStart;
        f.shell.whileStarting = [&](const QString&, const QString&) {
            atStart << f.savedScript().join('\n');
        };
        f.exportScripts([&](TQKSForm* d) {
            for (int i = 0; i < d->LabeledEdit1->count(); ++i)
                chooserItems << d->LabeledEdit1->itemText(i);
            d->LabeledEdit2->clear();  // an empty ZAHL1 becomes "0"
            d->LabeledEdit5->setText(QStringLiteral("geheim"));
            Fixture::choose(d, f.localTemplate());
        });
        QCOMPARE(chooserItems, QStringList{f.localTemplate()});
        QCOMPARE(f.shell.started, QStringList{f.robot() + " START \"" + f.scriptFile() +
                                              "\" \"0\" \"Login\" \"0\" \"geheim\""});
        QCOMPARE(atStart.size(), 1);
        const QStringList script = f.savedScript();
        QVERIFY(script.contains("TIPP 1 ZAHLEN 6 7 8 9 10 STERNE  "));
        QVERIFY(script.contains("TIPP 3 ZAHLEN 16 17 18 19 20 STERNE  "));
        QVERIFY(script.contains("TIPP 4 ZAHLEN      STERNE  "));
        QVERIFY(script.contains("TIPP 12 ZAHLEN      STERNE  "));
        QVERIFY(script.contains("DAUERSPIEL NEIN"));
        QVERIFY(script.contains("ZIEHUNG DIENSTAG JA"));
        QVERIFY(script.contains("ZIEHUNG FREITAG NEIN"));
        QVERIFY(script.contains("TIPPDATEI \"" + QDir::toNativeSeparators(f.tipFile()) + "\""));
        QVERIFY(!script.join('\n').contains('['));
        f.settings.openKey(kRobotKey, false);
        QCOMPARE(f.settings.readString("SternkugelScript"),
                 std::optional<QString>(f.localTemplate()));
        QCOMPARE(f.settings.readString("SternkugelZahl1"), std::optional<QString>("0"));
        QCOMPARE(f.settings.readString("SternkugelText2"), std::optional<QString>("geheim"));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    // Thirty lines on a Wednesday: three scripts, the continue message between two,
    // the robot finding each script as it starts.
    void thirtyLinesThreeScripts()
    {
        Fixture f;
        f.clock.date = QDate(2026, 8, 26);
        f.installRobotAndTemplate();
        const QStringList lines = listLines(30);
        f.showList(lines);
        QStringList atStart;
        f.shell.whileStarting = [&](const QString&, const QString&) {
            atStart << readTextLines(f.dataFolder() + "Tipps/20260826.qks", nullptr)
                           .value_or(QStringList())
                           .join('\n');
        };
        f.exportScripts([&](TQKSForm* d) { Fixture::choose(d, f.localTemplate()); });
        QCOMPARE(f.shell.started.size(), 3);
        QCOMPARE(atStart.size(), 3);
        QCOMPARE(f.dialogs.notices(),
                 QStringList(
                     2, "Klicken Sie OK wenn es weitergehen kann. Click OK if it can continue!"));
        for (int s = 0; s < 3; ++s) {
            QVERIFY(atStart[s].contains(
                "ZIEHUNG DIENSTAG NEIN\nZIEHUNG FREITAG JA\nZIEHUNG BEIDE NEIN"));
            for (int b = 1; b <= 12; ++b) {
                const int tip = s * 12 + b - 1;
                const QString numbers =
                    tip < 30 ? QString(lines[tip]).replace('\t', ' ') : QStringLiteral("    ");
                QVERIFY2(atStart[s].contains(
                             QStringLiteral("TIPP %1 ZAHLEN %2 STERNE  \n").arg(b).arg(numbers)),
                         qPrintable(QStringLiteral("script %1 tip %2").arg(s + 1).arg(b)));
            }
        }
    }

    // Cancelled: nothing saved or started; a quotation mark in a parameter: refused.
    void chooserCancelledOrUnsafe()
    {
        Fixture f;
        f.installRobotAndTemplate();
        f.fillSheet(1);
        f.exportScripts([](TQKSForm* d) { d->BitBtn3->click(); });
        QVERIFY(f.shell.started.isEmpty());
        QVERIFY(!QFile::exists(f.scriptFile()));
        QVERIFY(QFile::exists(f.tipFile()));

        f.exportScripts([&](TQKSForm* d) {
            d->LabeledEdit4->setText(QStringLiteral("x\" \"C:\\evil.qks"));
            Fixture::choose(d, f.localTemplate());
        });
        QVERIFY(f.shell.started.isEmpty());
        QVERIFY(!QFile::exists(f.scriptFile()));
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(f.dialogs.notices()[0].startsWith("TEXT1"));
    }

    // OK asks the script server for the template: only a newer copy replaces it.
    void templateUpdate_data()
    {
        QTest::addColumn<int>("serverAgeDays");  // the server copy's age against the local one
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("newer") << -1 << 200 << true;
        QTest::newRow("older") << 1 << 200 << false;
        QTest::newRow("not found") << -1 << 404 << false;
    }
    void templateUpdate()
    {
        QFETCH(int, serverAgeDays);
        QFETCH(int, status);
        QFETCH(bool, replaced);
        Fixture f;
        f.installRobotAndTemplate();
        f.fillSheet(1);
        const QDateTime local = QDateTime::currentDateTimeUtc().addDays(-10);
        {
            QFile file(f.localTemplate());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(local, QFileDevice::FileModificationTime));
        }
        QVERIFY(f.server.listen());
        DrawServer::Answer answer = DrawServer::ok("SERVER [Z1_1] [DI]\r\n");
        answer.status = status;
        answer.headers << std::pair{QByteArray("Last-Modified"),
                                    httpDate(local.addDays(-serverAgeDays)).toLatin1()};
        f.server.byPath["/scripts/" + kSample.toLatin1() + ".txt"] = answer;
        f.w->state().ScriptServer = f.server.address();
        f.exportScripts([&](TQKSForm* d) { Fixture::choose(d, f.localTemplate()); });
        QCOMPARE(f.server.requests.size(), 1);
        QCOMPARE(f.server.requests[0].headers.value("user-agent"),
                 QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
        QFile file(f.localTemplate());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().startsWith("SERVER"), replaced);
        QCOMPARE(f.shell.started.size(), 1);
        if (replaced) QCOMPARE(f.savedScript(), QStringList{"SERVER 6 JA"});
    }

    // The companion prints the scripts, "----" between two, and starts or writes nothing.
    void companionScript()
    {
        StateFixture f;
        QTemporaryDir dir;
        const QString list = dir.filePath("list.txt");
        QVERIFY(writeTextLines(list, listLines(30), nullptr));
        const Companion run = runCompanion(
            f, {"script", "--template", sampleTemplate(), "--list", list, "--today", "2026-08-24"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.count("----"), 2);
        QCOMPARE(run.lines.count("ZIEHUNG DIENSTAG JA"), 3);
        QCOMPARE(run.lines.count("TIPP 7 ZAHLEN      STERNE  "), 1);
        QVERIFY(run.lines.contains("TIPP 6 ZAHLEN " +
                                   QString(listLines(30)[29]).replace('\t', ' ') + " STERNE  "));
        QVERIFY(!QDir(f.dataFolder() + "Tipps").exists());
        const Companion bad = runCompanion(f, {"script", "--today", "2026-08-24"});
        QCOMPARE(bad.exitCode, 2);
    }

    // The sample template names every placeholder, so that every one can be tried.
    void sampleUsesEveryPlaceholder()
    {
        const auto lines = readTextLines(sampleTemplate(), nullptr);
        QVERIFY(lines);
        const QString text = lines->join('\n');
        QStringList placeholders{"[DAUER]",         "[DI]",       "[FR]", "[DIFR]",
                                 "[MELDUNGFERTIG]", "[TIPPDATEI]"};
        for (int b = 1; b <= 12; ++b) {
            for (int k = 1; k <= 5; ++k) placeholders << QStringLiteral("[Z%1_%2]").arg(k).arg(b);
            placeholders << QStringLiteral("[S1_%1]").arg(b) << QStringLiteral("[S2_%1]").arg(b);
        }
        for (const QString& placeholder : placeholders)
            QVERIFY2(text.contains(placeholder), qPrintable(placeholder));
    }
};

QTEST_MAIN(TestOnlineWindow)
#include "test_online_window.moc"
