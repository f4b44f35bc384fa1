#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "draws/draw_file.h"
#include "state/startup.h"
#include "support/window_fixture.h"
#include "ui/dialog_windows.h"
#include "ui/main_window.h"
#include "ui/tip_page.h"
#include "ui/vertical_label.h"
#include "ui/zoom.h"

using namespace kw;
using namespace kw::test;

using Fixture = WindowFixture;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void captionAndPages()
    {
        Fixture f;
        auto w = f.window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quendels Kugelwart  für Kleinkugel Polen"));
        QTabWidget* pages = w->pageControl();
        const QStringList captions{"Tipp-Übersicht", "Zahlen der letzten Ziehung",
                                   "Parameter",      "Diagramm",
                                   "Datenbank",      "Internet-Optionen"};
        const QStringList names{"TabSheet1", "TabSheet2", "TabSheet6",
                                "TabSheet5", "TabSheet4", "TabSheet3"};
        QCOMPARE(pages->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            QCOMPARE(pages->widget(i)->objectName(), names[i]);
            QCOMPARE(pages->isTabVisible(i), i != 1);
        }
        auto* sub = child<QTabWidget>(w.get(), "PageControl2");
        QCOMPARE(sub->tabText(0), QStringLiteral("Statistisch"));
        QCOMPARE(sub->tabText(4), QStringLiteral("Allgemein"));
        QVERIFY(!sub->isTabVisible(3));
    }

    void menu_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("visible");
        QTest::newRow("download") << "Aktualisieren1"
                                  << "&Ziehungsdaten laden"
                                  << "Ctrl+A" << true;
        QTest::newRow("generate") << "Berechnen1"
                                  << "&Berechnen"
                                  << "Ctrl+R" << true;
        QTest::newRow("submit") << "Abgeben1"
                                << "&Abgeben"
                                << "Ctrl+G" << false;
        QTest::newRow("close") << "Schlieen1"
                               << "&Schließen"
                               << "" << true;
        QTest::newRow("template") << "Dateispeichern1"
                                  << "Datei &speichern"
                                  << "" << true;
        QTest::newRow("Deutsch") << "Deutsch1"
                                 << "Deutsch"
                                 << "" << true;
        QTest::newRow("Chinese") << "Chinese1"
                                 << "Chinese"
                                 << "" << true;
    }
    void menu()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, visible);
        Fixture f;
        auto w = f.window();
        auto* action = w->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut().toString(), shortcut);
        QCOMPARE(action->isVisible(), visible);
        auto* language = w->findChild<QMenu*>(QStringLiteral("SpracheLanguage1"));
        QCOMPARE(language->title(), QStringLiteral("Sprache/&Language"));
        QCOMPARE(language->actions().size(), 21);  // 19 languages, a separator, the template
    }

    void dialogsCreatedInOrder()
    {
        Fixture f;
        auto w = f.window();
        QStringList order;
        for (QObject* o : w->children())
            if (auto* d = qobject_cast<QDialog*>(o)) order << d->objectName();
        QCOMPARE(order,
                 QStringList({"TForm3", "TForm5", "TForm6", "TForm8", "TForm9", "TQKSForm"}));
        QCOMPARE(w->form3()->windowTitle(), QStringLiteral("Zahlen der Ziehung eingeben"));
        QCOMPARE(w->form5()->windowTitle(),
                 QStringLiteral("Übergabe des Tippscheins direkt an Lottoland"));
        QCOMPARE(w->form6()->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
        QCOMPARE(w->form8()->windowTitle(), QStringLiteral("Positionierung des Scheindruckes"));
        QCOMPARE(w->form9()->windowTitle(), QStringLiteral("Auswertung und Gewinnberechnung"));
        QCOMPARE(w->qksForm()->windowTitle(),
                 QStringLiteral("Script für Zahlenübergabe auswählen!"));
        for (QDialog* d : w->findChildren<QDialog*>()) QVERIFY(!d->isVisible());
    }

    void tipPageControls()
    {
        Fixture f;
        auto w = f.window();
        for (int n : {1, 5, 6, 7, 36, 43, 79, 93, 104}) QVERIFY(w->tipPage()->edit(n));
        QVERIFY(!w->tipPage()->edit(37));  // a parameter field, not on the sheet
        QCOMPARE(w->tipPage()->rowLabel(1)->objectName(), QStringLiteral("Label28"));
        QCOMPARE(w->tipPage()->rowLabel(12)->text(), QStringLiteral("12. Tipp"));
        QVERIFY(w->tipPage()->edit(6)->isHidden());
        QVERIFY(!w->tipPage()->edit(5)->isHidden());
        QCOMPARE(child<QPushButton>(w.get(), "BitBtn4")->text(), QStringLiteral("Tipps berechnen"));
        QCOMPARE(child<QLineEdit>(w.get(), "Edit80")->text(), QStringLiteral("5"));
        QVERIFY(child<QPushButton>(w.get(), "OnlineTipp")->isHidden());
        auto* winCalculation = child<QPushButton>(w.get(), "auswertung");
        QVERIFY(!winCalculation->isHidden());
        QVERIFY(winCalculation->isEnabled());
        QCOMPARE(winCalculation->text(), QStringLiteral("Gewinnberechnung"));
        QCOMPARE(winCalculation->toolTip(),
                 QStringLiteral("Auswertung und Ermittlung der Gewinnsumme"));
        // Beside "Verteilung der Tipps".
        auto* row = winCalculation->parentWidget()->layout();
        QCOMPARE(row->indexOf(winCalculation),
                 row->indexOf(child<QPushButton>(w.get(), "Button6")) + 1);
        QVERIFY(child<QToolButton>(w.get(), "SpeedButton28")->isHidden());
        QVERIFY(child<QWidget>(w.get(), "Gewinnzahlen")->isHidden());
        // Buttons whose operations are not there yet are disabled, never dead.
        QVERIFY(child<QWidget>(w.get(), "SpeedButton27")->isEnabled());
        QVERIFY(child<QWidget>(w.get(), "Warenkorb")->isEnabled());
    }

    void hintGoesToStatusPanel()
    {
        Fixture f;
        auto w = f.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* panel0 = child<QLabel>(w.get(), "StatusPanel0");
        auto* panel1 = child<QLabel>(w.get(), "StatusPanel1");
        QVERIFY(panel0->minimumWidth() >= 150);
        QVERIFY(panel1->minimumWidth() >= 50);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child<QWidget>(w.get(), "SpeedButton6"), &enter);
        QCOMPARE(panel1->text(), QStringLiteral("vorhergehende Ziehung anzeigen"));
        QCOMPARE(w->state().statusText(1), panel1->text());
        QApplication::sendEvent(child<QWidget>(w.get(), "Listenansicht"), &enter);
        QCOMPARE(panel1->text(),
                 QStringLiteral("Hier können auch größere Liste geladen und ausgewertet werden"));
    }

    void widthOnlyResizeScalesNothing()
    {
        Fixture f;
        auto w = f.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const int h = w->height();
        auto* label = child<QLabel>(w.get(), "Label35");
        const double before = label->font().pointSizeF();
        w->resize(w->width() + 200, h);
        QTRY_COMPARE(w->width(), kDesignWidth + 200);
        QCOMPARE(w->height(), h);
        QCOMPARE(zoomOf(w->pageControl()), 1.0);
        QCOMPARE(label->font().pointSizeF(), before);
        QCOMPARE(w->Groesse, h);
    }

    void doubledHeightDoublesFonts()
    {
        Fixture f;
        auto w = f.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto* label = child<QLabel>(w.get(), "Label35");  // a bold, larger font of its own
        auto* edit = w->tipPage()->edit(1);
        auto* dialogButton = w->form6();
        const double labelBefore = label->font().pointSizeF();
        const double editBefore = edit->font().pointSizeF();
        const int editWidthBefore = edit->sizeHint().width();
        const double dialogBefore = dialogButton->font().pointSizeF();
        const double menuBefore = w->menuBar()->font().pointSizeF();
        const double form9Before = zoomOf(w->form9());  // scaled to its design height
        const int h = w->height();
        w->resize(w->width(), 2 * h);
        QTRY_COMPARE(w->height(), 2 * h);
        QCOMPARE(zoomOf(w->pageControl()), 2.0);
        QCOMPARE(label->font().pointSizeF(), 2 * labelBefore);
        QCOMPARE(edit->font().pointSizeF(), 2 * editBefore);
        QVERIFY(edit->sizeHint().width() > 1.6 * editWidthBefore);
        QCOMPARE(dialogButton->font().pointSizeF(), 2 * dialogBefore);
        QCOMPARE(zoomOf(w->form5()), 2.0);
        QCOMPARE(zoomOf(w->form9()), 2 * form9Before);
        QCOMPARE(zoomOf(w->form3()), 1.0);  // only the page area and three dialogs scale
        QCOMPARE(w->menuBar()->font().pointSizeF(), menuBefore);
        w->resize(w->width(), h);
        QTRY_COMPARE(w->height(), h);
        QCOMPARE(label->font().pointSizeF(), labelBefore);
    }

    // At its first size the window shows each page whole: nothing to scroll to.
    void firstSizeShowsEveryPageWhole_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("listView");
        QTest::newRow("Tipp-Übersicht") << "TabSheet1" << false;
        QTest::newRow("Tipp-Übersicht, Listenansicht") << "TabSheet1" << true;
        QTest::newRow("Parameter") << "TabSheet6" << false;
        QTest::newRow("Diagramm") << "TabSheet5" << false;
        QTest::newRow("Datenbank") << "TabSheet4" << false;
        QTest::newRow("Internet-Optionen") << "TabSheet3" << false;
    }
    void firstSizeShowsEveryPageWhole()
    {
        QFETCH(QString, page);
        QFETCH(bool, listView);
        Fixture f;
        auto w = f.shownWindow();
        QCOMPARE(w->size(), QSize(kDesignWidth, kDesignHeight));
        if (listView) w->ListenansichtClick();  // unscripted: takes nothing over
        auto* area = w->findChild<QScrollArea*>(page);
        QVERIFY(area);
        w->pageControl()->setCurrentWidget(area);
        QTRY_VERIFY(area->isVisible());
        QCoreApplication::processEvents();
        const QString needed = QStringLiteral("page needs %1 x %2, has %3 x %4")
                                   .arg(area->widget()->minimumSizeHint().width())
                                   .arg(area->widget()->minimumSizeHint().height())
                                   .arg(area->viewport()->width())
                                   .arg(area->viewport()->height());
        QVERIFY2(area->horizontalScrollBar()->maximum() == 0, qPrintable(needed));
        QVERIFY2(area->verticalScrollBar()->maximum() == 0, qPrintable(needed));
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
    }

    // A low window shrinks the fonts only down to 7 pt; the pages scroll instead.
    void lowWindowKeepsFontsReadable()
    {
        Fixture f;
        auto w = f.shownWindow();
        auto* label = child<QLabel>(w.get(), "Label13");
        const double designSize = label->font().pointSizeF();
        w->resize(w->width(), kDesignHeight / 2);
        QTRY_COMPARE(w->height(), kDesignHeight / 2);
        QCOMPARE(zoomOf(w->pageControl()), 0.5);
        QList<QWidget*> scaled = w->pageControl()->findChildren<QWidget*>();
        scaled += w->form6()->findChildren<QWidget*>();
        for (QWidget* widget : std::as_const(scaled)) {
            const double size = widget->font().pointSizeF();
            if (size > 0)  // pixel-sized fonts (-1) are not zoomed
                QVERIFY2(size >= 7.0,
                         qPrintable(widget->objectName() + QStringLiteral(": %1 pt").arg(size)));
        }
        auto* area = w->findChild<QScrollArea*>(QStringLiteral("TabSheet1"));
        QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
        // Back at full height every font has its design size again.
        w->resize(w->width(), kDesignHeight);
        QTRY_COMPARE(w->height(), kDesignHeight);
        QCOMPARE(label->font().pointSizeF(), designSize);
        QTRY_COMPARE(area->verticalScrollBar()->maximum(), 0);
    }

    void savedSizeScalesFromDesignHeight()
    {
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeInteger(QStringLiteral("height"), kDesignHeight * 11 / 10);
        f.settings.writeInteger(QStringLiteral("width"), 780);
        auto w = f.window();
        QCOMPARE(w->height(), kDesignHeight * 11 / 10);
        QCOMPARE(w->width(), 780);
        QCOMPARE(w->Groesse, kDesignHeight * 11 / 10);
        QCOMPARE(zoomOf(w->pageControl()), 1.1);
    }

    void closeSavesSizeAndDates()
    {
        Fixture f;
        {
            auto w = f.window();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            w->resize(900, 650);
            QTRY_COMPARE(w->height(), 650);
            child<QDateEdit>(w.get(), "DateTimePicker2")->setDate(QDate(2025, 3, 1));
            child<QLineEdit>(w.get(), "ProxyHostEdit")->setText(QStringLiteral("proxy.example"));
            child<QLineEdit>(w.get(), "ProxyPortEdit")->setText(QStringLiteral("3128"));
            w->findChild<QAction*>(QStringLiteral("Schlieen1"))->trigger();
            QVERIFY(!w->isVisible());
        }
        QCOMPARE(f.settings.mainValue(QStringLiteral("height"))->data.toInt(), 650);
        QCOMPARE(f.settings.mainValue(QStringLiteral("width"))->data.toInt(), 900);
        auto again = f.window();
        QCOMPARE(again->height(), 650);
        QCOMPARE(child<QDateEdit>(again.get(), "DateTimePicker2")->date(), QDate(2025, 3, 1));
        QCOMPARE(child<QLineEdit>(again.get(), "ProxyPortEdit")->text(), QStringLiteral("3128"));
        QCOMPARE(again->state().aktDatum, dayCountFromDate(QDate(2025, 3, 1)));
    }

    // What the user set on the pages is there again after closing and reopening.
    void reopenedWindowRestoresThePages()
    {
        Fixture f;
        {
            auto w = f.shownWindow();
            child<QCheckBox>(w.get(), "CheckBox1")->setChecked(true);
            child<QCheckBox>(w.get(), "CheckBox3")->setChecked(false);
            child<QSpinBox>(w.get(), "UpDown1")->setValue(77);
            child<QSpinBox>(w.get(), "UpDown7")->setValue(12);
            child<QPushButton>(w.get(), "Listenansicht")->click();
            QTest::keyClicks(child<QLineEdit>(w.get(), "Edit1"), QStringLiteral("5"));
            QTest::keyClicks(child<QLineEdit>(w.get(), "Edit78"), QStringLiteral("41"));
            child<QGroupBox>(w.get(), "RadioGroup2")->findChildren<QRadioButton*>().at(2)->click();
            child<QLineEdit>(w.get(), "DrawServerEdit")
                ->setText(QStringLiteral("http://127.0.0.1:9"));
            w->state().Sprache = 5;
            w->close();
        }
        auto again = f.shownWindow();
        QVERIFY(child<QCheckBox>(again.get(), "CheckBox1")->isChecked());
        QVERIFY(!child<QCheckBox>(again.get(), "CheckBox3")->isChecked());
        QCOMPARE(child<QSpinBox>(again.get(), "UpDown1")->value(), 77);
        QCOMPARE(again->state().LaufMax(), 12000);
        QCOMPARE(child<QLineEdit>(again.get(), "Edit1")->text(), QStringLiteral("5"));
        QCOMPARE(child<QLineEdit>(again.get(), "Edit78")->text(), QStringLiteral("41"));
        QVERIFY(child<QGroupBox>(again.get(), "RadioGroup2")
                    ->findChildren<QRadioButton*>()
                    .at(2)
                    ->isChecked());
        QVERIFY(again->state().listView);
        QCOMPARE(again->state().Sprache, 5);
        QCOMPARE(child<QLineEdit>(again.get(), "DrawServerEdit")->text(),
                 QStringLiteral("http://127.0.0.1:9"));
    }

    // A stored size beyond reason still gives a window that fits the screen.
    void absurdSizeFitsTheScreen_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::newRow("huge") << 100000 << 100000;
        QTest::newRow("negative") << -5 << -300;
    }
    void absurdSizeFitsTheScreen()
    {
        QFETCH(int, height);
        QFETCH(int, width);
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeInteger(QStringLiteral("height"), height);
        f.settings.writeInteger(QStringLiteral("width"), width);
        auto w = f.window();
        const QSize room = w->screen()->availableGeometry().size();
        QVERIFY2(w->height() >= 240 && w->height() <= room.height(),
                 qPrintable(QString::number(w->height())));
        QVERIFY2(w->width() >= 320 && w->width() <= room.width(),
                 qPrintable(QString::number(w->width())));
    }

    void closeWhileMaximisedKeepsSavedSize()
    {
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeInteger(QStringLiteral("height"), 600);
        auto w = f.window();
        w->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->close();
        QCOMPARE(f.settings.mainValue(QStringLiteral("height"))->data.toInt(), 600);
        QVERIFY(!f.settings.mainValue(QStringLiteral("width")));
    }

    void firstStartThroughTheWindow()
    {
        Fixture f;
        DrawRecord seed;
        seed.datum = dayCountFromDate(QDate(2026, 8, 22));
        for (int i = 1; i <= 5; ++i) seed.setSlot(i, 7 * i);
        QVERIFY(
            DrawFile(f.program.filePath(QStringLiteral("ZahlenKK.dat"))).replace({seed}, nullptr));
        auto w = f.window();
        const QString data = f.appData.filePath(QStringLiteral("KugelwartKK/ZahlenKK.dat"));
        QCOMPARE(w->state().drawFilePath(), data);
        QCOMPARE(DrawFile(data).readAll(nullptr)->size(), size_t(1));
        QCOMPARE(child<QDateEdit>(w.get(), "DateTimePicker1")->date(), f.clock.date);
        QCOMPARE(child<QDateEdit>(w.get(), "DateTimePicker2")->date(), QDate(2018, 1, 1));
        QCOMPARE(child<QDateEdit>(w.get(), "DateTimePicker1")->minimumDate(), QDate(2018, 1, 1));
    }

    void dataFolderThatCannotBeCreated()
    {
        Fixture f;
        QFile blocker(f.appData.filePath(QStringLiteral("KugelwartKK")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
        blocker.close();
        auto w = f.window();
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(f.dialogs.notices().first().contains(QStringLiteral("KugelwartKK")));
    }

    void bannersAndLinksOpenAddresses()
    {
        Fixture f;
        auto w = f.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::mouseClick(w->tipPage()->Label43, Qt::LeftButton);
        QTest::mouseClick(w->tipPage()->Label44, Qt::LeftButton);
        QCOMPARE(f.shell.opened, QStringList({w->productPage(), w->productPage()}));
        w->pageControl()->setCurrentIndex(5);
        auto* link = child<QLabel>(w.get(), "Label53");
        QTRY_VERIFY(link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(f.shell.opened.last(), link->text());
        QVERIFY(link->text().startsWith(QStringLiteral("https://")));
        f.shell.succeed = false;
        const qsizetype before = f.dialogs.notices().size();
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(f.dialogs.notices().size(), before + 1);
        QVERIFY(f.dialogs.notices().last().contains(link->text()));
    }

    void configuredAddressesReplaceBuiltIn()
    {
        Fixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeString(QStringLiteral("Produktseite"),
                               QStringLiteral("https://example.org/kk"));
        f.settings.writeString(QStringLiteral("Links"),
                               QStringLiteral("https://a.example|https://b.example"));
        auto w = f.window();
        w->Label43Click();
        QCOMPARE(f.shell.opened, QStringList{QStringLiteral("https://example.org/kk")});
        QCOMPARE(child<QLabel>(w.get(), "Label52")->text(), QStringLiteral("https://a.example"));
        QCOMPARE(child<QLabel>(w.get(), "Label53")->text(), QStringLiteral("https://b.example"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
