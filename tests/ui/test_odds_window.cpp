// "Chancen berechnen" through the window: the dialog's table for the sheet's rows
// and the stake set on "Parameter", "Chancen.txt" in the DataFolder, the companion's
// first six lines; with KUGELWART_SHOTS the dialog for twelve rows and a long list.
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <random>
#include <set>

#include "evaluation/odds.h"
#include "i18n/message_table.h"
#include "support/companion.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/odds_dialog.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

struct Shown {
    QString heading;
    QList<QStringList> cells;  // label, tips, random per row
    QString notes;
    QString saved;
};

// Clicks "Chancen berechnen" and reads the dialog (saving it as shot when named).
Shown clickOdds(TForm1& w, const QString& shot = {})
{
    Shown shown;
    const auto connection =
        QObject::connect(&w, &TForm1::oddsOpened, &w, [&shown, shot](OddsDialog* dialog) {
            QTimer::singleShot(0, dialog, [&shown, shot, dialog] {
                shown.heading = dialog->heading->text();
                for (int r = 0; r < dialog->table->rowCount(); ++r)
                    shown.cells << QStringList{dialog->table->verticalHeaderItem(r)->text(),
                                               dialog->table->item(r, 0)->text(),
                                               dialog->table->item(r, 1)->text()};
                shown.notes = dialog->notes->text();
                shown.saved = dialog->saved->text();
                if (!shot.isEmpty()) QVERIFY(dialog->grab().save(shot));
                dialog->reject();
            });
        });
    QTest::mouseClick(child<QPushButton>(&w, "ChancenBerechnen"), Qt::LeftButton);
    QObject::disconnect(connection);
    return shown;
}

// A long list: 6500 lines of random rows, some of them twice.
void showLongList(TForm1& w)
{
    std::mt19937 random(6500);
    QStringList lines;
    while (lines.size() < 6500) {
        std::set<int> numbers;
        while (numbers.size() < 5) numbers.insert(static_cast<int>(random() % 42) + 1);
        QStringList fields;
        for (int n : numbers) fields << QString::number(n);
        lines << fields.join(QLatin1Char('\t')) + QStringLiteral("\t\t");
    }
    w.state().Gewinnzahlen = lines;
    w.state().listView = true;
}

void generateTwelve(WindowFixture& f, TForm1& w)
{
    QTRY_VERIFY(!w.tipPage()->Label35->text().isEmpty());
    w.tipPage()->UpDown8->setValue(12);
    f.dialogs.inputAnswers = {QStringLiteral("4711")};
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("SpeedButton13")), Qt::LeftButton);
    QTest::mouseClick(w.tipPage()->BitBtn4, Qt::LeftButton);
}

QList<QStringList> sheetCells(TForm1& w)
{
    QList<QStringList> rows;
    for (int r = 1; r <= 12; ++r) {
        QStringList cells;
        for (int c = 1; c <= 5; ++c) cells << w.state().sheet.cell(r, c);
        if (!cells.first().isEmpty()) rows << cells;
    }
    return rows;
}

}  // namespace

class TestOddsWindow : public QObject {
    Q_OBJECT
private slots:
    void sheetOddsDialogFileAndCompanion()
    {
        WindowFixture f;
        f.writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        auto w = f.shownWindow();
        generateTwelve(f, *w);
        const QList<QStringList> sheet = sheetCells(*w);
        QCOMPARE(sheet.size(), 12);
        auto* stake = child<QDoubleSpinBox>(w.get(), "EinsatzJeTipp");
        QCOMPARE(stake->value(), 1.5);
        stake->setValue(2.0);
        QCOMPARE(w->state().EinsatzJeTipp, 200);

        const Shown shown = clickOdds(*w);
        const MessageTable& german = MessageTable::german();
        QCOMPARE(shown.heading, german.text(Message::OddsHeading).arg(12));
        const auto rows = shownTipRows(w->state());
        const auto tips = tipOdds(rows, averageHitQuotas(), 2.0);
        const OddsFigures random = randomOdds(12, averageHitQuotas(), 2.0);
        QList<QStringList> expected;
        for (const OddsTableRow& row : oddsTable(*tips, random, german))
            expected << QStringList{row.label, row.tips, row.random};
        QCOMPARE(shown.cells, expected);
        QCOMPARE(shown.cells.at(9).at(1), QStringLiteral("24,00"));  // 12 x 2,00 per draw
        QVERIFY(shown.notes.contains(german.text(Message::OddsNoteAverageQuotas)));

        const QString path = f.dataFolder() + QStringLiteral("Chancen.txt");
        QCOMPARE(shown.saved, german.text(Message::OddsSaved).arg(QDir::toNativeSeparators(path)));
        QString error;
        const auto lines = readTextLines(path, &error);
        QVERIFY2(lines, qPrintable(error));
        QCOMPARE(lines->mid(0, 6),
                 (QStringList{QStringLiteral("Ziehungen: 850668"),
                              QStringLiteral("5 Richtige: %1").arg(tips->bestClassDraws[5]),
                              QStringLiteral("4 Richtige: %1").arg(tips->bestClassDraws[4]),
                              QStringLiteral("3 Richtige: %1").arg(tips->bestClassDraws[3]),
                              QStringLiteral("Gewinn: %1").arg(tips->winningDraws),
                              QStringLiteral("unter 2 Richtigen: %1").arg(tips->drawsBelowTwo)}));
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(raw.readAll().contains("\r\nZiehungen mit 5 Richtigen\t"));

        // The companion on the same rows (its stake: the saved one, 1,50).
        const Companion cli = runCompanion(f, {"odds"}, sheet);
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(cli.lines.mid(0, 6), lines->mid(0, 6));
        QVERIFY(cli.lines.contains(QStringLiteral("Einsatz je Ziehung (EUR)\t18,00\t18,00")));
    }

    // Without a row of five numbers there is nothing to count.
    void noTips()
    {
        WindowFixture f;
        f.writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        auto w = f.shownWindow();
        bool opened = false;
        QObject::connect(w.get(), &TForm1::oddsOpened, w.get(), [&opened](OddsDialog* d) {
            opened = true;
            QTimer::singleShot(0, d, &QDialog::reject);
        });
        QTest::mouseClick(child<QPushButton>(w.get(), "ChancenBerechnen"), Qt::LeftButton);
        QVERIFY(!opened);
        QCOMPARE(f.dialogs.notices(),
                 QStringList{MessageTable::german().text(Message::OddsNoTips)});
    }

    // Counting a long list shows its progress; Cancel ends it with no dialog and no
    // file, and the window goes on as before.
    void cancelWhileCounting()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        showLongList(*w);
        bool opened = false;
        connect(w.get(), &TForm1::oddsOpened, w.get(), [&opened](OddsDialog* dialog) {
            opened = true;
            QTimer::singleShot(0, dialog, &QDialog::reject);
        });
        int progressSeen = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, w.get(), [&] {
            auto* progress = w->findChild<QProgressDialog*>();
            if (!progress || !progress->isVisible()) return;
            if (progress->value() > 0 && ++progressSeen == 2) progress->cancel();
        });
        poll.start(20);
        QTest::mouseClick(child<QPushButton>(w.get(), "ChancenBerechnen"), Qt::LeftButton);
        poll.stop();
        QVERIFY(progressSeen >= 2);
        QVERIFY(!opened);
        QVERIFY(!QFile::exists(f.dataFolder() + QStringLiteral("Chancen.txt")));
        QVERIFY(!w->findChild<QProgressDialog*>() ||
                !w->findChild<QProgressDialog*>()->isVisible());
        QVERIFY(child<QPushButton>(w.get(), "ChancenBerechnen")->isEnabled());
    }

    void screenshots()
    {
        const QString folder = qEnvironmentVariable("KUGELWART_SHOTS");
        if (folder.isEmpty()) QSKIP("KUGELWART_SHOTS names no folder");
        WindowFixture f;
        f.writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        auto w = f.shownWindow();
        generateTwelve(f, *w);
        clickOdds(*w, QDir(folder).filePath(QStringLiteral("odds_12_rows.png")));

        showLongList(*w);
        const Shown shown =
            clickOdds(*w, QDir(folder).filePath(QStringLiteral("odds_6500_lines.png")));
        QCOMPARE(shown.heading, MessageTable::german().text(Message::OddsHeading).arg(6500));
    }
};

QTEST_MAIN(TestOddsWindow)
#include "test_odds_window.moc"
