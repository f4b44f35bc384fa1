#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "generation/number_pool.h"
#include "i18n/message_table.h"
#include "support/fakes.h"
#include "support/files.h"
#include "tips/tip_sheet.h"
#include "ui/dialog_windows.h"

using namespace kw;
using namespace kw::test;

namespace {

const QColor kYellow(255, 255, 0);

QColor infoBackground()
{
    return QApplication::palette().color(QPalette::ToolTipBase);
}

QColor colour(QCheckBox* box)
{
    return box->palette().color(QPalette::Window);
}

// A click on the box's indicator, where a check box takes clicks.
void click(QCheckBox* box, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(box, button, {}, QPoint(6, box->height() / 2));
}

QString status(int n, const QString& weight)
{
    return QStringLiteral("Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein")
        .arg(n)
        .arg(weight);
}

struct DialogFixture {
    RandomGenerator random;
    ScriptedDialogs dialogs;
    FixedClock clock;
    QTemporaryDir dir;
    std::unique_ptr<TForm6> dialog;

    DialogFixture()
    {
        clock.date = QDate(2024, 3, 9);
        random.setSeed(2);
        dialog = std::make_unique<TForm6>(nullptr, &random, &dialogs, &clock);
    }
    QCheckBox* box(int n) const
    {
        return dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
    }
    void show()
    {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // Runs the dialog modally while user() acts in it; the dialog is closed
    // afterwards should user() not have ended it (a failed check returns early).
    SelectionOutcome runModal(const std::function<void()>& user)
    {
        QTimer::singleShot(0, dialog.get(), [this, user] {
            user();
            if (dialog->isVisible()) dialog->done(TForm6::CancelResult);
        });
        return dialog->showModal();
    }
    QList<int> checkedShown() const
    {
        QList<int> numbers;
        for (int n = 1; n <= 42; ++n)
            if (box(n)->isChecked()) numbers << n;
        return numbers;
    }
};

}  // namespace

class TestNumberSelectionDialog : public QObject {
    Q_OBJECT
private slots:
    void controls()
    {
        DialogFixture f;
        f.show();
        TForm6* d = f.dialog.get();
        QCOMPARE(d->objectName(), QStringLiteral("TForm6"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
        for (int n = 1; n <= 55; ++n) {
            QCheckBox* box = f.box(n);
            QVERIFY(box);
            QCOMPARE(box->text(), QString::number(n));
            QCOMPARE(box->isVisible(), n <= 42);
            QCOMPARE(colour(box), infoBackground());
        }
        QCOMPARE(d->SpeedButton1->objectName(), QStringLiteral("SpeedButton1"));
        QCOMPARE(d->SpeedButton1->toolTip(), QStringLiteral("Speichern der Liste"));
        QCOMPARE(d->SpeedButton2->toolTip(), QStringLiteral("Laden der Liste"));
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->text(),
                 QStringLiteral("&Rechnen"));
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("BitBtn4"))->text(),
                 QStringLiteral("&Zufall"));
        QVERIFY(d->BitBtn1->isDefault());
        QVERIFY(d->BitBtn3->isVisible());
        QVERIFY(!d->BitBtn4->isVisible());
        QTimer* timer = d->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 25);
        QVERIFY(!timer->isActive());
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Panel1"))->text(),
                 QStringLiteral("Die Zahl %s geht mit der Gewichtung %s in die Berechnung ein"));

        // Fewer numbers offered: the boxes above hide when shown.
        d->hide();
        d->selection().MaxZahl = 20;
        f.show();
        QVERIFY(f.box(20)->isVisible());
        QVERIFY(!f.box(21)->isVisible());
    }

    void mouseClicks_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QList<int>>("buttons");  // Qt::MouseButton values, in order
        QTest::addColumn<bool>("checkedAfter");
        QTest::addColumn<QString>("tooltipAfter");

        const int left = Qt::LeftButton;
        const int right = Qt::RightButton;
        QTest::newRow("left checks 0 as 1") << false << "0" << QList<int>{left} << true << "1";
        QTest::newRow("left twice: checked, unchecked")
            << false << "0" << QList<int>{left, left} << false << "1";
        QTest::newRow("left three times")
            << false << "0" << QList<int>{left, left, left} << true << "2";
        QTest::newRow("right on checked 3") << true << "3" << QList<int>{right} << true << "2";
        QTest::newRow("right on checked 1 unchecks")
            << true << "1" << QList<int>{right} << false << "0";
        QTest::newRow("right then left") << true << "1" << QList<int>{right, left} << true << "1";
        QTest::newRow("right on unchecked") << false << "4" << QList<int>{right} << false << "4";
    }
    void mouseClicks()
    {
        QFETCH(bool, checked);
        QFETCH(QString, weight);
        QFETCH(QList<int>, buttons);
        DialogFixture f;
        f.dialog->selection().box(17).checked = checked;
        f.dialog->selection().box(17).weight = weight;
        f.show();
        QCheckBox* box = f.box(17);
        QCOMPARE(box->isChecked(), checked);
        QCOMPARE(box->toolTip(), weight);
        for (int button : buttons) click(box, Qt::MouseButton(button));
        QTEST(box->isChecked(), "checkedAfter");
        QTEST(box->toolTip(), "tooltipAfter");
        QCOMPARE(f.dialog->selection().box(17).checked, box->isChecked());
        QCOMPARE(f.dialog->statusPanel()->text(), status(17, box->toolTip()));
        QCOMPARE(f.checkedShown(), box->isChecked() ? QList<int>{17} : QList<int>{});
    }

    void hoverShowsWeight()
    {
        DialogFixture f;
        f.dialog->selection().box(8).weight = QStringLiteral("6");
        f.show();
        QTest::mouseMove(f.box(8), QPoint(6, f.box(8)->height() / 2));
        QTRY_COMPARE(f.dialog->statusPanel()->text(), status(8, QStringLiteral("6")));
        QVERIFY(QMetaObject::invokeMethod(f.dialog.get(), "CheckBox2MouseMove", Q_ARG(int, 9)));
        QCOMPARE(f.dialog->statusPanel()->text(), status(9, QStringLiteral("0")));
        // The status format is the text of Panel1, which a language file may change.
        f.dialog->findChild<QLabel*>(QStringLiteral("Panel1"))->setText(QStringLiteral("%s: %s"));
        click(f.box(9));
        QCOMPARE(f.dialog->statusPanel()->text(), QStringLiteral("9: 1"));
    }

    // Start, a tick per picture, four clicks fixing numbers, a fifth stopping.
    void randomPicking()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        d->selection().BitBtn4Visible = true;
        d->selection().Stopp = QStringLiteral("Stopp");
        d->selection().Zufall = QStringLiteral("Zufall");
        d->selection().box(4).checked = true;
        f.show();
        QCOMPARE(f.checkedShown(), QList<int>{4});
        QVERIFY(d->BitBtn4->isVisible());
        QTest::mouseClick(d->BitBtn4, Qt::LeftButton);
        QVERIFY(d->Timer1()->isActive());
        QVERIFY(f.checkedShown().isEmpty());

        QList<int> fixed;
        for (int picture = 1; picture <= 5; ++picture) {
            const std::uint32_t seedBefore = f.random.seed();
            QVERIFY(QMetaObject::invokeMethod(d, "Timer1Timer"));
            QVERIFY(f.random.seed() != seedBefore);  // the shared generator
            QCOMPARE(d->BitBtn4->text(), QString::number(picture) + QStringLiteral(" Stopp"));
            QList<int> order;
            for (int i = 1; i <= 5; ++i)
                order << d->selection().Tippreihe[static_cast<std::size_t>(i)];
            QCOMPARE(order.mid(0, fixed.size()), fixed);  // what was fixed stays
            QList<int> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(f.checkedShown(), sorted);
            for (int n = 1; n <= 42; ++n)
                QCOMPARE(colour(f.box(n)), sorted.contains(n) ? kYellow : infoBackground());
            fixed = order.mid(0, picture);
            QTest::mouseClick(d->BitBtn4, Qt::LeftButton);
        }
        QVERIFY(!d->Timer1()->isActive());
        QCOMPARE(d->BitBtn4->text(), QStringLiteral("Zufall"));
        QCOMPARE(f.checkedShown().size(), 5);
    }

    // The timer itself draws the pictures while the picking runs.
    void timerTicks()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        d->selection().BitBtn4Visible = true;
        f.show();
        QTest::mouseClick(d->BitBtn4, Qt::LeftButton);
        QTRY_COMPARE(d->BitBtn4->text(), QStringLiteral("1 Stopp"));
        QCOMPARE(f.checkedShown().size(), 5);
        // Closing the window stops it.
        d->close();
        QVERIFY(!d->Timer1()->isActive());
        QCOMPARE(d->BitBtn4->text(), QStringLiteral("Zufall"));
        QCOMPARE(d->selection().Losgeht, 1);
    }

    void outcomes_data()
    {
        QTest::addColumn<bool>("tipEditing");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("outcome");
        QTest::newRow("OK") << true << "BitBtn1" << int(SelectionOutcome::Ok);
        QTest::newRow("Abort") << true << "BitBtn2" << int(SelectionOutcome::Abort);
        QTest::newRow("Rechnen") << false << "BitBtn3" << int(SelectionOutcome::Retry);
        QTest::newRow("window closed") << false << "close" << int(SelectionOutcome::Cancel);
        QTest::newRow("Escape") << true << "escape" << int(SelectionOutcome::Cancel);
        QTest::newRow("Enter under Rechnen is OK") << false << "enter" << int(SelectionOutcome::Ok);
        QTest::newRow("Enter in the tip editing") << true << "enter" << int(SelectionOutcome::Ok);
    }
    void outcomes()
    {
        QFETCH(bool, tipEditing);
        QFETCH(QString, action);
        DialogFixture f;
        TForm6* d = f.dialog.get();
        d->selection().BitBtn3Visible = !tipEditing;
        d->selection().BitBtn4Visible = tipEditing;
        bool acted = false;
        const SelectionOutcome outcome = f.runModal([&] {
            QCOMPARE(d->BitBtn1->isVisible(), tipEditing);
            QCOMPARE(d->BitBtn3->isVisible(), !tipEditing);
            QCOMPARE(d->BitBtn4->isVisible(), tipEditing);
            acted = true;
            if (action == QLatin1String("close"))
                d->close();
            else if (action == QLatin1String("escape"))
                QTest::keyClick(d, Qt::Key_Escape);
            else if (action == QLatin1String("enter"))
                QTest::keyClick(d, Qt::Key_Return);
            else
                QTest::mouseClick(d->findChild<QPushButton*>(action), Qt::LeftButton);
        });
        QVERIFY(acted);
        QTEST(int(outcome), "outcome");
    }

    // The generation run's use: counts in, a click, "Rechnen" rebuilds the pool.
    void generationRun()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        NumberPool pool;
        pool.reset();
        for (int n : {5, 9, 5}) pool.append(n);
        pool.PoolEnd = 2;
        bool acted = false;
        const bool goOn = [&] {
            QTimer::singleShot(0, d, [&] {
                [&] {
                    QCOMPARE(d->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
                    QCOMPARE(f.checkedShown(), QList<int>({5, 9}));
                    QCOMPARE(f.box(5)->toolTip(), QStringLiteral("2"));
                    QCOMPARE(f.box(20)->toolTip(), QStringLiteral("0"));
                    QVERIFY(d->BitBtn3->isVisible());
                    QVERIFY(!d->BitBtn4->isVisible());
                    click(f.box(20));
                    QCOMPARE(f.box(20)->toolTip(), QStringLiteral("1"));
                    acted = true;
                    QTest::mouseClick(d->BitBtn3, Qt::LeftButton);
                }();
                if (d->isVisible()) d->done(TForm6::CancelResult);
            });
            return d->selectPoolNumbers(pool, MessageTable());
        }();
        QVERIFY(acted);
        QVERIFY(goOn);
        QList<int> entries;
        for (int i = 0; i <= pool.PoolEnd; ++i) entries << pool.entry(i);
        QCOMPARE(entries, QList<int>({5, 5, 5, 9, 9, 20, 20}));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    // A loaded weight that is no integer: "Rechnen" reports it and the run ends.
    void generationRunBadWeight()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        const QString path = f.dir.filePath(QStringLiteral("falsch.qlw"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\r\nzwei\r\n");
        }
        NumberPool pool;
        pool.reset();
        pool.append(7);
        pool.PoolEnd = 0;
        f.dialogs.fileAnswers = {path};
        QTimer::singleShot(0, d, [&] {
            QTest::mouseClick(d->SpeedButton2, Qt::LeftButton);
            QCOMPARE(f.box(2)->toolTip(), QStringLiteral("zwei"));
            QTest::mouseClick(d->BitBtn3, Qt::LeftButton);
            if (d->isVisible()) d->done(TForm6::CancelResult);
        });
        QVERIFY(!d->selectPoolNumbers(pool, MessageTable()));
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(f.dialogs.notices().first().contains(QStringLiteral("zwei")));
        QCOMPARE(pool.PoolEnd, 0);
        QCOMPARE(pool.entry(0), 7);
    }

    // Editing row 2: the row's numbers are marked, the user picks at random, OK
    // writes the picked numbers ascending and draws the star numbers.
    void tipEditing()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        TipSheet sheet;
        const QStringList before{"10", "20", "30", "", "40"};
        for (int c = 0; c < 5; ++c) sheet.setCell(2, c + 1, before[c]);
        QList<int> picked;
        bool acted = false;
        QTimer::singleShot(0, d, [&] {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("2. Tipp bearbeiten"));
                QVERIFY(d->BitBtn1->isVisible());
                QVERIFY(!d->BitBtn3->isVisible());
                QVERIFY(d->BitBtn4->isVisible());
                QVERIFY(!f.box(43)->isVisible());
                QCOMPARE(f.checkedShown(),
                         QList<int>({10, 20, 30}));  // the empty cell ends the marking
                QCOMPARE(colour(f.box(20)), kYellow);
                QCOMPARE(colour(f.box(40)), infoBackground());
                QTest::mouseClick(d->BitBtn4, Qt::LeftButton);
                for (int i = 0; i < 5; ++i) {
                    QVERIFY(QMetaObject::invokeMethod(d, "Timer1Timer"));
                    QTest::mouseClick(d->BitBtn4, Qt::LeftButton);
                }
                QVERIFY(!d->Timer1()->isActive());
                picked = f.checkedShown();
                acted = true;
                QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            }();
            if (d->isVisible()) d->done(TForm6::CancelResult);
        });
        d->TippEdit(sheet, 2, MessageTable());
        QVERIFY(acted);
        QCOMPARE(picked.size(), 5);
        QStringList cells;
        for (int edit = 7; edit <= 11; ++edit) cells << sheet.cell(edit);
        QStringList expected;
        for (int n : picked) expected << QString::number(n);
        QCOMPARE(cells, expected);
        const int star6 = sheet.cell(12).toInt();
        const int star7 = sheet.cell(94).toInt();
        QVERIFY(star6 >= 1 && star6 < star7 && star7 <= 8);
        // The dialog as the generation run finds it.
        QCOMPARE(d->windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
        QVERIFY(d->BitBtn4->isHidden());
        QVERIFY(!d->BitBtn3->isHidden());
        for (int n = 1; n <= 42; ++n) QCOMPARE(colour(f.box(n)), infoBackground());
    }

    void saveAndLoad()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        NumberSelection& s = d->selection();
        s.box(7).checked = true;
        s.box(7).weight = QStringLiteral("2");
        f.show();
        click(f.box(7));   // unchecked, weight 2
        click(f.box(7));   // checked, weight 3
        click(f.box(12));  // checked, weight 1
        const QString path = f.dir.filePath(QStringLiteral("liste.qlw"));
        f.dialogs.fileAnswers = {path};
        QTest::mouseClick(d->SpeedButton1, Qt::LeftButton);
        QCOMPARE(f.dialogs.shown.size(), 1);
        const ScriptedDialogs::Shown asked = f.dialogs.shown.first();
        QCOMPARE(asked.kind, QStringLiteral("save"));
        QCOMPARE(asked.file.defaultExtension, QStringLiteral("qlw"));
        QCOMPARE(asked.file.filter, QStringLiteral("Werteliste (*.qlw)"));
        QCOMPARE(asked.file.proposedName, QStringLiteral("20240309.qlw"));
        const QByteArray expected = QByteArray("\r\n").repeated(6) + "3\r\n" +
                                    QByteArray("\r\n").repeated(4) + "1\r\n" +
                                    QByteArray("\r\n").repeated(30);
        QCOMPARE(fileBytes(path), expected);

        // Change the boxes, then load the list back.
        click(f.box(7), Qt::RightButton);
        click(f.box(30));
        QCOMPARE(f.checkedShown(), QList<int>({7, 12, 30}));
        f.dialogs.fileAnswers = {path};
        QTest::mouseClick(d->SpeedButton2, Qt::LeftButton);
        QCOMPARE(f.dialogs.shown.last().kind, QStringLiteral("open"));
        QCOMPARE(f.dialogs.shown.last().file.proposedName, QStringLiteral("20240309.qlw"));
        QCOMPARE(f.dialogs.shown.last().file.filter, QStringLiteral("Werteliste (*.qlw)"));
        QCOMPARE(f.checkedShown(), QList<int>({7, 12}));
        QCOMPARE(f.box(7)->toolTip(), QStringLiteral("3"));
        QCOMPARE(f.box(12)->toolTip(), QStringLiteral("1"));
        QCOMPARE(f.box(30)->toolTip(), QStringLiteral("1"));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void emptyListAndShortFile()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        f.show();
        const QString empty = f.dir.filePath(QStringLiteral("leer.qlw"));
        f.dialogs.fileAnswers = {empty};
        QTest::mouseClick(d->SpeedButton1, Qt::LeftButton);
        QCOMPARE(fileBytes(empty), QByteArray("\r\n").repeated(42));

        const QString shortFile = f.dir.filePath(QStringLiteral("kurz.qlw"));
        {
            QFile file(shortFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n");
        }
        for (int n = 1; n <= 42; ++n) d->selection().box(n).checked = true;
        d->showSelection();
        f.dialogs.fileAnswers = {shortFile};
        QTest::mouseClick(d->SpeedButton2, Qt::LeftButton);
        QCOMPARE(f.checkedShown(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(f.box(10)->toolTip(), QStringLiteral("10"));
        QCOMPARE(f.box(11)->toolTip(), QStringLiteral("1"));

        f.dialogs.fileAnswers = {empty};
        QTest::mouseClick(d->SpeedButton2, Qt::LeftButton);
        QVERIFY(f.checkedShown().isEmpty());
        for (int n = 1; n <= 42; ++n) QCOMPARE(f.box(n)->toolTip(), QStringLiteral("1"));
    }

    void cancelledAndFailedFiles()
    {
        DialogFixture f;
        TForm6* d = f.dialog.get();
        d->selection().box(3).checked = true;
        d->selection().box(3).weight = QStringLiteral("5");
        f.show();
        // Cancelled: no file, nothing changed.
        QTest::mouseClick(d->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(d->SpeedButton2, Qt::LeftButton);
        QCOMPARE(f.dialogs.shown.size(), 2);
        QVERIFY(QDir(f.dir.path()).isEmpty());
        QCOMPARE(f.checkedShown(), QList<int>({3}));

        // A list that is not there: a notice naming it, the boxes as they were.
        const QString missing = f.dir.filePath(QStringLiteral("fehlt.qlw"));
        f.dialogs.fileAnswers = {missing};
        QTest::mouseClick(d->SpeedButton2, Qt::LeftButton);
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(f.dialogs.notices().first().contains(QStringLiteral("fehlt.qlw")));
        QCOMPARE(f.checkedShown(), QList<int>({3}));
        QCOMPARE(f.box(3)->toolTip(), QStringLiteral("5"));

        // A folder that is not there: the save fails with a notice.
        f.dialogs.fileAnswers = {f.dir.filePath(QStringLiteral("nirgends/liste.qlw"))};
        QTest::mouseClick(d->SpeedButton1, Qt::LeftButton);
        QCOMPARE(f.dialogs.notices().size(), 2);
        QVERIFY(f.dialogs.notices().last().contains(QStringLiteral("liste.qlw")));
    }

    // attach() hands the dialog the program's generator and seams.
    void attachedSeams()
    {
        DialogFixture f;
        RandomGenerator shared;
        shared.setSeed(5);
        ScriptedDialogs other;
        FixedClock otherClock;
        otherClock.date = QDate(2025, 1, 2);
        f.dialog->attach(shared, other, otherClock);
        f.dialog->selection().BitBtn4Visible = true;
        f.show();
        QTest::mouseClick(f.dialog->BitBtn4, Qt::LeftButton);
        QVERIFY(QMetaObject::invokeMethod(f.dialog.get(), "Timer1Timer"));
        QVERIFY(shared.seed() != 5u);
        QCOMPARE(f.random.seed(), 2u);
        QTest::mouseClick(f.dialog->SpeedButton1, Qt::LeftButton);
        QCOMPARE(other.shown.size(), 1);
        QCOMPARE(other.shown.first().file.proposedName, QStringLiteral("20250102.qlw"));
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    // The main window's dialog list still builds it from the shared header.
    void createdAsBefore()
    {
        auto* d = new TForm6(nullptr);
        QCOMPARE(d->objectName(), QStringLiteral("TForm6"));
        QVERIFY(d->isModal());
        delete d;
    }
};

QTEST_MAIN(TestNumberSelectionDialog)
#include "test_number_selection_dialog.moc"
