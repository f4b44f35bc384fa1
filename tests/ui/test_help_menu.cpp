// The menu "Hilfe": the about box names the version, the licence, where the draws
// come from and where the data lives; "Anleitung" opens the user guide.
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "i18n/message_table.h"
#include "state/program_folder.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "ui/main_window.h"
#include "ui/program_icon.h"

using namespace kw;
using namespace kw::test;

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void menuItems();
    void aboutBox_data();
    void aboutBox();
    void userGuide_data();
    void userGuide();
    void programIconSizes();
};

namespace {

const MessageTable& german()
{
    return MessageTable::german();
}

void trigger(QWidget* window, const char* name)
{
    auto* action = window->findChild<QAction*>(QLatin1String(name));
    QVERIFY2(action, name);
    QVERIFY(action->isEnabled());
    action->trigger();
}

}  // namespace

void TestHelpMenu::menuItems()
{
    WindowFixture f;
    auto w = f.window();
    auto* help = child<QMenu>(w.get(), "Hilfe1");
    QVERIFY(help);
    QCOMPARE(help->title(), QStringLiteral("&Hilfe"));
    // The last entry of the menu bar, as a help menu is.
    QCOMPARE(w->menuBar()->actions().last(), help->menuAction());
    const QList<QAction*> items = help->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->objectName(), QStringLiteral("UeberKugelwart1"));
    QCOMPARE(items[0]->text(), QStringLiteral("Ü&ber Kugelwart"));
    QCOMPARE(items[1]->objectName(), QStringLiteral("Anleitung1"));
    QCOMPARE(items[1]->text(), QStringLiteral("&Anleitung"));
    QCOMPARE(items[1]->shortcut(), QKeySequence(Qt::Key_F1));
}

void TestHelpMenu::aboutBox_data()
{
    QTest::addColumn<QString>("drawServer");
    QTest::addColumn<QString>("resultsFile");
    QTest::addColumn<QString>("source");    // the line naming where the draws come from
    QTest::addColumn<QString>("notNamed");  // an address that is not used and not named
    const QString server = QStringLiteral("http://127.0.0.1:8711");
    const QString results = QStringLiteral("http://127.0.0.1:8712/mini_lotto.csv");
    QTest::newRow("draw server (before the results file)")
        << server << results << german().text(Message::AboutDrawServer).arg(server) << results;
    QTest::newRow("results file") << QString() << results
                                  << german().text(Message::AboutResultsFile).arg(results)
                                  << server;
    QTest::newRow("blanks around the address")
        << QStringLiteral("  ") << QStringLiteral(" %1 ").arg(results)
        << german().text(Message::AboutResultsFile).arg(results) << server;
    QTest::newRow("no source") << QString() << QString() << german().text(Message::DownloadNoSource)
                               << server;
}

void TestHelpMenu::aboutBox()
{
    QFETCH(QString, drawServer);
    QFETCH(QString, resultsFile);
    QFETCH(QString, source);
    QFETCH(QString, notNamed);
    WindowFixture f;
    auto w = f.window();
    // The addresses as they stand on "Internet-Optionen" now, not as they were at start.
    child<QLineEdit>(w.get(), "DrawServerEdit")->setText(drawServer);
    child<QLineEdit>(w.get(), "ErgebnisdateiEdit")->setText(resultsFile);
    trigger(w.get(), "UeberKugelwart1");

    QCOMPARE(f.dialogs.shown.size(), 1);
    const ScriptedDialogs::Shown& box = f.dialogs.shown.first();
    QCOMPARE(box.kind, QStringLiteral("about"));
    QCOMPARE(box.caption, QStringLiteral("Über Kugelwart"));
    const QStringList lines = box.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), w->windowTitle());
    QVERIFY2(lines.contains(QStringLiteral("Version " KUGELWART_VERSION)), qPrintable(box.text));
    QVERIFY(lines.contains(QStringLiteral("Freie Software unter der GNU GPL v3 oder später")));
    QVERIFY2(lines.contains(source), qPrintable(box.text));
    QVERIFY2(!box.text.contains(notNamed), qPrintable(box.text));
    QVERIFY2(lines.contains(QStringLiteral("Datenordner: ") + f.dataFolder()),
             qPrintable(box.text));
    QVERIFY2(
        lines.contains(QStringLiteral("Programmordner: ") + f.program.path() + QLatin1Char('/')),
        qPrintable(box.text));
}

void TestHelpMenu::userGuide_data()
{
    QTest::addColumn<QString>("programFolder");  // relative to the program's temporary folder
    QTest::addColumn<QString>("guide");          // the file laid out; empty: none
    QTest::newRow("build tree: beside the program's files") << ""
                                                            << "README.md";
    QTest::newRow("installed: share/doc/kugelwart") << "share/kugelwart"
                                                    << "share/doc/kugelwart/README.md";
    QTest::newRow("none") << "share/kugelwart"
                          << "";
}

void TestHelpMenu::userGuide()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, guide);
    WindowFixture f;
    const QDir root(f.program.path());
    QVERIFY(root.mkpath(programFolder.isEmpty() ? QStringLiteral(".") : programFolder));
    if (!guide.isEmpty()) {
        QVERIFY(root.mkpath(QFileInfo(guide).path()));
        writeBytes(root.filePath(guide), "# Kugelwart\n");
    }
    Services services = f.services();
    services.programFolder = root.filePath(programFolder);
    TForm1 w(services);
    trigger(&w, "Anleitung1");

    if (guide.isEmpty()) {
        QVERIFY(f.shell.opened.isEmpty());
        QCOMPARE(f.dialogs.notices().size(), 1);
        const QString expected = userGuideCandidates(services.programFolder).join(", ");
        QCOMPARE(f.dialogs.notices().first(),
                 german().text(Message::GuideMissing).arg(QDir::toNativeSeparators(expected)));
    } else {
        QCOMPARE(f.shell.opened, QStringList{root.filePath(guide)});
        QVERIFY(QFileInfo(f.shell.opened.first()).isFile());
        QVERIFY(f.dialogs.shown.isEmpty());
    }
}

void TestHelpMenu::programIconSizes()
{
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // A ball on a clear ground: transparent in the corner, opaque in the middle.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
