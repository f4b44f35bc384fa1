// "Rad / System erstellen" through the window: numbers clicked in the grid, the build,
// the proof line, cost and odds, "Übernehmen" into the sheet (around a locked row) and
// into the list; clicks, a cancel and closing while it builds; the companion's lines
// and its refusals; with KUGELWART_SHOTS the dialog with a 12-number wheel.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <bit>

#include "evaluation/wheel.h"
#include "i18n/message_table.h"
#include "support/companion.h"
#include "support/window_fixture.h"
#include "ui/wheel_dialog.h"

using namespace kw;
using namespace kw::test;

namespace {

const MessageTable& german()
{
    return MessageTable::german();
}

void pick(WheelDialog* d, const std::vector<int>& numbers)
{
    for (int n : numbers) {
        QCheckBox* box = d->numberBox(n);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
}

void choose(WheelDialog* d, int t, int m, int seconds)
{
    d->guarantee->setCurrentIndex(d->guarantee->findData(t * 10 + m));
    d->seconds->setValue(seconds);
}

// Runs the dialog from the tip page's button; act runs inside it once it is shown.
void withWheelDialog(TForm1& w, const std::function<void(WheelDialog*)>& act)
{
    const auto connection =
        QObject::connect(&w, &TForm1::wheelOpened, &w, [&act](WheelDialog* dialog) {
            QTimer::singleShot(0, dialog, [&act, dialog] {
                act(dialog);
                if (dialog->isVisible()) dialog->reject();
            });
        });
    QTest::mouseClick(child<QPushButton>(&w, "RadErstellen"), Qt::LeftButton);
    QObject::disconnect(connection);
}

std::vector<int> numbersOf(const QStringList& fields)
{
    std::vector<int> numbers;
    for (const QString& field : fields) numbers.push_back(field.toInt());
    return numbers;
}

TipRow rowOf(const std::vector<int>& numbers)
{
    TipRow row{};
    std::copy(numbers.begin(), numbers.end(), row.begin());
    return row;
}

struct Shown {
    std::vector<TipRow> rows;
    QStringList rowLines;
    QString count, cost, proof, bound, status, oddsFirstCell;
    bool takeEnabled = false;
};

Shown read(WheelDialog* d)
{
    Shown s;
    s.rows = d->rows();
    // The list pads the numbers to two places; the rows' numbers one blank apart.
    for (const QString& line :
         d->rowList->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        s.rowLines << line.simplified();
    s.count = d->rowCount->text();
    s.cost = d->cost->text();
    s.proof = d->proofLine->text();
    s.bound = d->boundLine->text();
    s.status = d->status->text();
    s.oddsFirstCell = d->oddsTable->item(0, 0)->text();
    s.takeEnabled = d->take->isEnabled();
    return s;
}

}  // namespace

class TestWheelWindow : public QObject {
    Q_OBJECT
private slots:
    // Eight numbers, "3 if 3": every row shown is proven, and goes into the sheet's
    // unlocked rows around a locked one.
    void buildProveAndTakeIntoTheSheet()
    {
        WindowFixture f;
        f.writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        auto w = f.shownWindow();
        const QStringList locked{"1", "2", "3", "4", "5"};
        for (int c = 1; c <= 5; ++c) w->state().sheet.setCell(2, c, locked[c - 1]);
        w->Label30Click(2);
        QVERIFY(w->state().sheet.isLocked(2));

        const std::vector<int> numbers{3, 8, 11, 17, 23, 30, 36, 41};
        Shown shown;
        withWheelDialog(*w, [&](WheelDialog* d) {
            QCOMPARE(d->windowTitle(), german().text(Message::WheelCaption));
            pick(d, numbers);
            QCOMPARE(d->pickedNumbers(), numbers);
            QCOMPARE(d->picked->text(), german().text(Message::WheelPicked).arg(8));
            choose(d, 3, 3, 2);
            QCOMPARE(d->meaning->text(),
                     german().text(Message::WheelGuaranteeMeaning).arg(3).arg(3));
            QVERIFY(!d->take->isEnabled());
            QTest::mouseClick(d->compute, Qt::LeftButton);
            QVERIFY(!d->building());
            shown = read(d);
            QTest::mouseClick(d->take, Qt::LeftButton);
        });
        const int count = static_cast<int>(shown.rows.size());
        QVERIFY(count > 0 && count <= 11);
        QCOMPARE(shown.proof, german().text(Message::WheelProofHolds).arg(56));  // C(8, 3)
        QCOMPARE(shown.count, german().text(Message::WheelRows).arg(count));
        QCOMPARE(shown.cost, german()
                                 .text(Message::WheelCost)
                                 .arg(count)
                                 .arg(QStringLiteral("1,50"),
                                      QLocale(QLocale::German).toString(count * 1.5, 'f', 2)));
        QVERIFY(shown.bound.startsWith(
            german().text(Message::WheelBoundSchoenheim).arg(schoenheimBound(8, 5, 3))));
        QVERIFY(shown.takeEnabled);
        QCOMPARE(shown.rowLines.size(), count);
        const auto odds = tipOdds(shown.rows, averageHitQuotas(), 1.5);
        QCOMPARE(shown.oddsFirstCell,
                 oddsTable(*odds, randomOdds(count, averageHitQuotas(), 1.5), german())[0].tips);

        // The sheet now holds the rows, row 2 kept, and proves the guarantee itself.
        const TipSheet& sheet = w->state().sheet;
        std::vector<TipRow> onSheet;
        for (int r = 1; r <= 12; ++r) {
            QStringList cells;
            for (int c = 1; c <= 5; ++c) cells << sheet.cell(r, c);
            if (r == 2) {
                QCOMPARE(cells, locked);
                continue;
            }
            const int index = r < 2 ? r - 1 : r - 2;
            if (index < count) {
                QCOMPARE(cells.join(QLatin1Char(' ')), shown.rowLines[index]);
                onSheet.push_back(rowOf(numbersOf(cells)));
            } else {
                QCOMPARE(cells.join(QString()), QString());
            }
        }
        QVERIFY(!w->state().listView);
        QVERIFY(proveWheel(numbers, onSheet, {3, 3}).holds);
    }

    // Twelve numbers, "4 if 4": over a hundred rows are appended to the list.
    void manyRowsGoIntoTheList()
    {
        WindowFixture f;
        f.writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        auto w = f.shownWindow();
        w->state().Gewinnzahlen = QStringList{QStringLiteral("1\t2\t3\t4\t5")};
        const std::vector<int> numbers{2, 5, 9, 14, 18, 21, 26, 29, 33, 37, 40, 42};
        Shown shown;
        withWheelDialog(*w, [&](WheelDialog* d) {
            pick(d, numbers);
            choose(d, 4, 4, 3);
            QTest::mouseClick(d->compute, Qt::LeftButton);
            shown = read(d);
            QTest::mouseClick(d->take, Qt::LeftButton);
        });
        QCOMPARE(shown.proof, german().text(Message::WheelProofHolds).arg(495));  // C(12, 4)
        QVERIFY(shown.rows.size() >= 113);
        QVERIFY(w->state().listView);
        const QStringList& list = w->state().Gewinnzahlen;
        QCOMPARE(list.size(), 1 + static_cast<int>(shown.rows.size()));
        QCOMPARE(list.first(), QStringLiteral("1\t2\t3\t4\t5"));
        std::vector<TipRow> inList;
        for (int i = 1; i < list.size(); ++i) {
            QCOMPARE(QString(list[i]).replace(QLatin1Char('\t'), QLatin1Char(' ')),
                     shown.rowLines[i - 1]);
            inList.push_back(rowOf(numbersOf(list[i].split(QLatin1Char('\t')))));
        }
        QVERIFY(proveWheel(numbers, inList, {4, 4}).holds);
    }

    // A list that the rows would take past its 6500 lines stays as it is, with a notice.
    void aFullListTakesNoRows()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        const QStringList full(6450, QStringLiteral("1\t2\t3\t4\t5"));
        w->state().Gewinnzahlen = full;
        const QStringList noticesBefore = f.dialogs.notices();
        Shown shown;
        withWheelDialog(*w, [&](WheelDialog* d) {
            pick(d, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
            choose(d, 4, 4, 3);
            QTest::mouseClick(d->compute, Qt::LeftButton);
            shown = read(d);
            QTest::mouseClick(d->take, Qt::LeftButton);
        });
        QVERIFY(shown.rows.size() > 50);
        QCOMPARE(f.dialogs.notices(),
                 noticesBefore + QStringList{german()
                                                 .text(Message::WheelTooManyRows)
                                                 .arg(static_cast<int>(shown.rows.size()))
                                                 .arg(6500)});
        QCOMPARE(w->state().Gewinnzahlen, full);
        QVERIFY(!w->state().listView);
        QCOMPARE(w->state().sheet.cell(1, 1), QString());
    }

    // While it builds, the grid, the guarantee and "Übernehmen" take no clicks; the
    // button cancels and the best wheel found is shown, proven.
    void clicksAndCancelWhileBuilding()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        const std::vector<int> numbers{1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37, 40};
        bool duringChecked = false;
        Shown shown;
        withWheelDialog(*w, [&](WheelDialog* d) {
            pick(d, numbers);
            choose(d, 4, 4, 60);
            QObject::connect(d, &WheelDialog::buildStarted, d, [&, d] {
                QTimer::singleShot(100, d, [&, d] {
                    QVERIFY(d->building());
                    QCOMPARE(d->compute->text(), german().text(Message::WheelCancel));
                    QTest::mouseClick(d->numberBox(2), Qt::LeftButton, {},
                                      QPoint(6, d->numberBox(2)->height() / 2));
                    QTest::mouseClick(d->numberBox(4), Qt::LeftButton, {},
                                      QPoint(6, d->numberBox(4)->height() / 2));
                    QTest::mouseClick(d->take, Qt::LeftButton);
                    QTest::keyClick(d->guarantee, Qt::Key_Down);
                    QTest::keyClick(d->seconds, Qt::Key_Up);
                    QVERIFY(d->isVisible());
                    QCOMPARE(d->pickedNumbers(), numbers);
                    duringChecked = true;
                    QTest::mouseClick(d->compute, Qt::LeftButton);  // cancels
                });
            });
            QTest::mouseClick(d->compute, Qt::LeftButton);
            QVERIFY(!d->building());
            QCOMPARE(d->compute->text(), german().text(Message::WheelCompute));
            QCOMPARE(d->chosenGuarantee(), (WheelGuarantee{4, 4}));
            QCOMPARE(d->seconds->value(), 60);
            shown = read(d);
        });
        QVERIFY(duringChecked);
        QCOMPARE(shown.status, german().text(Message::WheelCancelled));
        QVERIFY(!shown.rows.empty());
        QCOMPARE(shown.proof, german().text(Message::WheelProofHolds).arg(1001));  // C(14, 4)
        QVERIFY(proveWheel(numbers, shown.rows, {4, 4}).holds);
        QVERIFY(shown.takeEnabled);
        QVERIFY(!shown.oddsFirstCell.isEmpty());
        // Closed without "Übernehmen": the tips stay as they were.
        QCOMPARE(w->state().sheet.cell(1, 1), QString());
        QVERIFY(w->state().Gewinnzahlen.isEmpty());
    }

    // Closing the dialog stops the build at once; nothing reaches the tips.
    void closingWhileBuilding()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        bool finished = false;
        QElapsedTimer clock;
        clock.start();
        withWheelDialog(*w, [&](WheelDialog* d) {
            pick(d, {1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 41, 42});
            choose(d, 4, 4, 60);
            QObject::connect(d, &WheelDialog::buildFinished, d, [&finished] { finished = true; });
            QObject::connect(d, &WheelDialog::buildStarted, d,
                             [d] { QTimer::singleShot(100, d, [d] { d->close(); }); });
            QTest::mouseClick(d->compute, Qt::LeftButton);
            QVERIFY(!d->isVisible());
            QCOMPARE(d->result(), int(QDialog::Rejected));
            QVERIFY(d->rows().empty());
        });
        QVERIFY(!finished);
        QVERIFY2(clock.elapsed() < 60000, "the build ran to its time limit");
        QCOMPARE(w->state().sheet.cell(1, 1), QString());
        QVERIFY(w->state().Gewinnzahlen.isEmpty());
        QVERIFY(!w->state().listView);
    }

    void tooFewNumbers()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        withWheelDialog(*w, [&](WheelDialog* d) {
            pick(d, {5, 6, 7, 8, 9});
            bool started = false;
            QObject::connect(d, &WheelDialog::buildStarted, d, [&started] { started = true; });
            QTest::mouseClick(d->compute, Qt::LeftButton);
            QVERIFY(!started);
            QCOMPARE(d->status->text(), german().text(Message::WheelPickNumbers));
            QVERIFY(!d->take->isEnabled());
        });
    }

    // The companion: the rows, "Reihen", the proof and the bound, exactly.
    void companionLines()
    {
        StateFixture f;
        const Companion cli = runCompanion(f, {"wheel", "--numbers", "4,9,15,16,23,28,33,35,40,42",
                                               "--guarantee", "3", "--if", "4", "--seconds", "1"});
        QCOMPARE(cli.exitCode, 0);
        QVERIFY(cli.lines.size() >= 4);
        const QStringList tail = cli.lines.mid(cli.lines.size() - 3);
        const std::vector<int> numbers{4, 9, 15, 16, 23, 28, 33, 35, 40, 42};
        std::vector<TipRow> rows;
        for (const QString& line : cli.lines.mid(0, cli.lines.size() - 3)) {
            const QStringList fields = line.split(QLatin1Char(' '));
            QCOMPARE(fields.size(), 5);
            for (int n : numbersOf(fields))
                QVERIFY(std::find(numbers.begin(), numbers.end(), n) != numbers.end());
            rows.push_back(rowOf(numbersOf(fields)));
        }
        QCOMPARE(tail[0], QStringLiteral("Reihen: %1").arg(rows.size()));
        QCOMPARE(tail[1], QStringLiteral("Garantie geprüft: 210 Fälle"));  // C(10, 4)
        QCOMPARE(tail[2], QStringLiteral("Schranke: %1").arg(wheelLowerBound(10, {3, 4})));
        QVERIFY(proveWheel(numbers, rows, {3, 4}).holds);
    }

    void companionRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString six = QStringLiteral("1,2,3,4,5,6");
        QTest::newRow("five numbers")
            << QStringList{"--numbers", "1,2,3,4,5", "--guarantee", "2", "--if", "2"}
            << QStringLiteral("a wheel needs 6 to 24 numbers, not 5");
        QTest::newRow("25 numbers")
            << QStringList{"--numbers",
                           "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25",
                           "--guarantee",
                           "2",
                           "--if",
                           "2"}
            << QStringLiteral("a wheel needs 6 to 24 numbers, not 25");
        QTest::newRow("43") << QStringList{"--numbers", "1,2,3,4,5,43", "--guarantee",
                                           "2",         "--if",         "2"}
                            << QStringLiteral("number 43 is outside 1..42");
        QTest::newRow("twice") << QStringList{"--numbers", "1,2,3,4,5,5", "--guarantee",
                                              "2",         "--if",        "2"}
                               << QStringLiteral("number 5 is given twice");
        QTest::newRow("t above m")
            << QStringList{"--numbers", six, "--guarantee", "4", "--if", "3"}
            << QStringLiteral("the guarantee needs 2 <= T <= M <= 5 (T = 4, M = 3)");
        QTest::newRow("t below 2")
            << QStringList{"--numbers", six, "--guarantee", "1", "--if", "3"}
            << QStringLiteral("the guarantee needs 2 <= T <= M <= 5 (T = 1, M = 3)");
        QTest::newRow("m above 5")
            << QStringList{"--numbers", six, "--guarantee", "3", "--if", "6"}
            << QStringLiteral("the guarantee needs 2 <= T <= M <= 5 (T = 3, M = 6)");
        QTest::newRow("not a number")
            << QStringList{"--numbers", "1,2,x,4,5,6", "--guarantee", "2", "--if", "2"}
            << QStringLiteral("'x' is not a number");
        QTest::newRow("no --if") << QStringList{"--numbers", six, "--guarantee", "2"}
                                 << QStringLiteral("wheel needs --guarantee T and --if M");
    }
    void companionRefuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        StateFixture f;
        const Companion cli = runCompanion(f, QStringList{"wheel"} + arguments);
        QCOMPARE(cli.exitCode, 2);
        QVERIFY(cli.output.isEmpty());
        QVERIFY2(cli.errors.startsWith(("kugelwart-cli: " + message + "\n").toUtf8()),
                 cli.errors.constData());
    }

    void screenshot()
    {
        const QString folder = qEnvironmentVariable("KUGELWART_SHOTS");
        if (folder.isEmpty()) QSKIP("KUGELWART_SHOTS names no folder");
        WindowFixture f;
        auto w = f.shownWindow();
        withWheelDialog(*w, [&](WheelDialog* d) {
            pick(d, {3, 7, 12, 15, 19, 22, 26, 29, 31, 35, 38, 41});
            choose(d, 3, 4, 3);
            QTest::mouseClick(d->compute, Qt::LeftButton);
            QVERIFY(d->take->isEnabled());
            QVERIFY(d->grab().save(QDir(folder).filePath(QStringLiteral("wheel_12_numbers.png"))));
        });
    }
};

QTEST_MAIN(TestWheelWindow)
#include "test_wheel_window.moc"
