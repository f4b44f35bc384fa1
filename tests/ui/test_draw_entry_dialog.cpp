// The draw-entry dialog TForm3 in the real window: a draw with a number twice is
// refused with a message and the dialog stays open for the correction.
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "draws/draw_file.h"
#include "support/window_fixture.h"
#include "ui/dialog_windows.h"

using namespace kw;
using namespace kw::test;

namespace {

void typeNumber(TForm3* d, int field, int value)
{
    auto* edit = d->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(field));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
}

void typeDraw(TForm3* d, const QList<int>& numbers)
{
    d->DateTimePicker1->setDate(QDate(2025, 3, 6));
    for (int i = 0; i < numbers.size(); ++i) typeNumber(d, i + 1, numbers[i]);
}

struct Fixture : WindowFixture {
    std::unique_ptr<TForm1> w;

    Fixture()
    {
        clock.date = QDate(2025, 3, 6);
        writeDraws({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                    makeDraw(QDate(2025, 3, 5), {3, 11, 19, 27, 40})});
        w = shownWindow();
    }
    // "Eingeben", with user() run on the dialog while it is open; aborted afterwards
    // should user() have left it open.
    void enter(const std::function<void(TForm3*)>& user)
    {
        const auto connection =
            QObject::connect(w.get(), &TForm1::drawEntryDialogOpened, w.get(), [user](TForm3* d) {
                QTimer::singleShot(0, d, [d, user] {
                    user(d);
                    if (d->isVisible()) d->reject();
                });
            });
        child<QPushButton>(w.get(), "BitBtn8")->click();
        QObject::disconnect(connection);
    }
    std::vector<DrawRecord> stored() const
    {
        return DrawFile(drawFile()).readAll(nullptr).value_or(std::vector<DrawRecord>{});
    }
};

}  // namespace

class TestDrawEntryDialog : public QObject {
    Q_OBJECT
private slots:
    void numberTwiceIsRefused_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focused");  // the field offered for the correction
        QTest::addColumn<QList<int>>("corrected");
        const QString rest =
            QStringLiteral(" in der Ziehung. Jede Zahl darf nur einmal vorkommen.");
        QTest::newRow("side by side")
            << QList<int>{5, 5, 11, 19, 27} << "Die Zahl 5 steht zweimal" + rest << 2
            << QList<int>{5, 6, 11, 19, 27};
        QTest::newRow("first and last")
            << QList<int>{27, 3, 11, 19, 27} << "Die Zahl 27 steht zweimal" + rest << 5
            << QList<int>{27, 3, 11, 19, 42};
        QTest::newRow("three times")
            << QList<int>{7, 20, 7, 21, 7} << "Die Zahl 7 steht dreimal" + rest << 5
            << QList<int>{7, 20, 1, 21, 9};
    }
    void numberTwiceIsRefused()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, message);
        QFETCH(int, focused);
        QFETCH(QList<int>, corrected);
        Fixture f;
        const qsizetype noticesBefore = f.dialogs.notices().size();
        bool openAfterRefusal = false, closedAfterCorrection = false;
        QStringList messages;
        size_t storedAfterRefusal = 0;
        QString focus;
        f.enter([&](TForm3* d) {
            typeDraw(d, numbers);
            QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
            openAfterRefusal = d->isVisible();
            messages = f.dialogs.notices().mid(noticesBefore);
            storedAfterRefusal = f.stored().size();
            focus = d->focusWidget() ? d->focusWidget()->objectName() : QString();
            typeDraw(d, corrected);
            QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
            closedAfterCorrection = !d->isVisible();
        });
        QVERIFY(openAfterRefusal);
        QCOMPARE(messages, QStringList{message});
        QCOMPARE(f.dialogs.shown.last().caption, QStringLiteral("Zahlen der Ziehung eingeben"));
        QCOMPARE(storedAfterRefusal, size_t(2));  // nothing stored
        QCOMPARE(focus, QStringLiteral("UpDown%1").arg(focused));

        QVERIFY(closedAfterCorrection);
        // No second message.
        QCOMPARE(f.dialogs.notices().mid(noticesBefore), QStringList{message});
        const std::vector<DrawRecord> stored = f.stored();
        QCOMPARE(stored.size(), size_t(3));
        QCOMPARE(dateFromDayCount(stored.back().datum), QDate(2025, 3, 6));
        std::sort(corrected.begin(), corrected.end());
        for (int slot = 1; slot <= 5; ++slot)
            QCOMPARE(stored.back().slot(slot), corrected[slot - 1]);
    }

    // Aborting asks nothing, whatever the fields hold.
    void abortWithNumberTwiceSaysNothing()
    {
        Fixture f;
        const qsizetype noticesBefore = f.dialogs.notices().size();
        bool closed = false;
        f.enter([&](TForm3* d) {
            typeDraw(d, {5, 5, 11, 19, 27});
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            closed = !d->isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(f.dialogs.notices().size(), noticesBefore);
        QCOMPARE(f.stored().size(), size_t(2));
    }
};

QTEST_MAIN(TestDrawEntryDialog)
#include "test_draw_entry_dialog.moc"
