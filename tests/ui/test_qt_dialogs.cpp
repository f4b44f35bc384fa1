// Qt's own message boxes as the program shows them: in the interface language,
// with their texts as plain text.
#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/qt_translations.h"
#include "ui/widget_dialogs.h"

using namespace kw;

namespace {

bool germanCatalogueThere()
{
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                             QStringLiteral("/qtbase_de.qm"));
}

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
    void cleanup() { loadQtTranslations(QString()); }

    void germanTranslationsReplaceEachOther()
    {
        if (!germanCatalogueThere())
            QSKIP("Qt's German catalogue (package qt6-translations-l10n) is not installed");
        QVERIFY(loadQtTranslations(QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nein"));
        // A language without a catalogue takes the previous one away: English again.
        QVERIFY(!loadQtTranslations(QStringLiteral("xx")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        QVERIFY(loadQtTranslations(QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    }

    void questionAnswersInGerman()
    {
        if (!germanCatalogueThere())
            QSKIP("Qt's German catalogue (package qt6-translations-l10n) is not installed");
        QVERIFY(loadQtTranslations(QStringLiteral("de")));
        WidgetDialogs dialogs;
        QString yes, no, caption;
        whenBoxOpens(
            [&](QMessageBox* box) {
                yes = box->button(QMessageBox::Yes)->text();
                no = box->button(QMessageBox::No)->text();
                caption = box->windowTitle();
            },
            QMessageBox::Yes);
        QVERIFY(dialogs.askYesNo(QStringLiteral("Sollen die Tipps übertragen werden"),
                                 QStringLiteral("Übertragen?")));
        QCOMPARE(yes, QStringLiteral("&Ja"));
        QCOMPARE(no, QStringLiteral("&Nein"));
        QCOMPARE(caption, QStringLiteral("Übertragen?"));
        whenBoxOpens([](QMessageBox*) {}, QMessageBox::No);
        QVERIFY(!dialogs.askYesNo(QStringLiteral("?"), QStringLiteral("?")));
    }

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
        const QString html =
            QStringLiteral("<html><body><h1>502 Bad Gateway</h1><img src=\"x.png\"></body></html>");
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
