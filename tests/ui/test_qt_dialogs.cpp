// Qt's own message boxes as the program shows them: their texts as plain text.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/widget_dialogs.h"

using namespace kw;

namespace {

// Runs look() on the message box once it is open, then presses the given button.
void whenBoxOpens(const std::function<void(QMessageBox*)>& look, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [look, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        look(box);
        box->button(press)->click();
    });
}

QString labelText(QMessageBox* box)
{
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    return label ? label->text() : QString();
}

}  // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    // A text that looks like HTML (a server's error page, say) is shown as it is.
    void textsArePlain_data()
    {
        QTest::addColumn<bool>("question");
        QTest::newRow("notice") << false;
        QTest::newRow("question") << true;
    }
    void textsArePlain()
    {
        QFETCH(bool, question);
        const QString html = QStringLiteral("<html><body><h1>502 Bad Gateway</h1><img src=\"x.png\"></body></html>");
        WidgetDialogs dialogs;
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        whenBoxOpens(
            [&](QMessageBox* box) {
                format = box->textFormat();
                shown = labelText(box);
            },
            question ? QMessageBox::No : QMessageBox::Ok);
        if (question)
            dialogs.askYesNo(html, QStringLiteral("Frage"));
        else
            dialogs.notify(html);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, html);
    }
};

QTEST_MAIN(TestQtDialogs)
#include "test_qt_dialogs.moc"
