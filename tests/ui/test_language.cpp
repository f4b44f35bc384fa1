// The language menu: switching the texts of every window from the files in
// "land", and the template the translators start from.
#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "i18n/language_files.h"
#include "state/settings_table.h"
#include "support/draw_records.h"
#include "support/window_fixture.h"
#include "ui/dialog_windows.h"
#include "ui/language_texts.h"
#include "ui/main_window.h"
#include "ui/number_selection_dialog.h"
#include "ui/parameter_page.h"
#include "ui/portal_dialog.h"
#include "ui/script_chooser_dialog.h"
#include "ui/slip_dialog.h"
#include "ui/tip_page.h"
#include "ui/wheel_dialog.h"
#include "ui/win_calculation_dialog.h"

using namespace kw;
using namespace kw::test;

namespace {

const QString kShipped = QStringLiteral(KUGELWART_LAND_DIR);

QString tipTabCaption(TForm1& w)
{
    return w.pageControl()->tabText(0);
}

// The texts a template would hold, for comparing whole windows.
QList<ControlTexts> textsOf(TForm1& w)
{
    QList<ControlTexts> texts;
    for (const ControlTexts& c : collectTexts(w.languageWindows()))
        if (belongsInTemplate(c)) texts << c;
    return texts;
}

QStringList captions(const QList<ControlTexts>& texts)
{
    QStringList list;
    for (const ControlTexts& c : texts)
        list << c.owner + '/' + c.name + ": " + c.caption + " | " + c.hint;
    return list;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lines as a language file holds them: UTF-8 with a byte-order mark, CR LF.
bool writeLines(const QString& path, const QStringList& lines)
{
    return writeBytes(path,
                      "\xEF\xBB\xBF" + (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
}

QStringList checkedLanguages(TForm1& w)
{
    QStringList checked;
    for (const Language& language : languages()) {
        auto* item = w.findChild<QAction*>(QLatin1String(language.menuItem));
        if (item && item->isChecked()) checked << QLatin1String(language.menuItem);
    }
    return checked;
}

// The translation of a record of the shipped base file, as a lookup finds it.
QString shippedCaption(const QString& code, const QString& owner, const QString& control)
{
    const QString base = kShipped + QStringLiteral("/Kleinkugel.txt");
    const auto baseLines = readLanguageLines(base);
    const auto translation = readLanguageLines(base + '.' + code);
    if (!baseLines || !translation) return QStringLiteral("<no file>");
    for (qsizetype i = 0; i * 5 + 1 < baseLines->size(); ++i) {
        if (baseLines->at(i * 5) == owner && baseLines->at(i * 5 + 1) == control)
            return translation->value(i * 2);
    }
    return QStringLiteral("<no record>");
}

int languageNumber(const QString& menuItem)
{
    for (const Language& language : languages())
        if (menuItem == QLatin1String(language.menuItem)) return language.number;
    return 0;
}

int savedLanguage(MemorySettingsStore& settings)
{
    settings.openKey(kSettingsKey, false);
    const int value = settings.readInteger(QStringLiteral("Sprache")).value_or(-1);
    settings.closeKey();
    return value;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    WindowFixture* f = nullptr;

    QString land() const { return QDir(f->program.path()).filePath(QStringLiteral("land")); }
    // The shipped language files, as they lie beside the program.
    void installShipped()
    {
        QDir().mkpath(land());
        for (const QString& name : QDir(kShipped).entryList(QDir::Files))
            QVERIFY(QFile::copy(kShipped + '/' + name, land() + '/' + name));
    }

    // A language file set for the code: base records (owner, control, caption,
    // hint) and their translated captions and hints.
    void writeLanguage(const QString& code, const QList<QStringList>& records)
    {
        QDir().mkpath(land());
        QStringList base;
        QStringList translation;
        for (const QStringList& r : records) {
            base << r[0] << r[1] << QStringLiteral("-") << QString() << QStringLiteral("1");
            translation << r[2] << r[3];
        }
        QVERIFY(writeLines(land() + QStringLiteral("/Kleinkugel.txt"), base));
        QVERIFY(writeLines(land() + QStringLiteral("/Kleinkugel.txt.") + code, translation));
    }

private slots:
    void init() { f = new WindowFixture; }
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    // The shipped base file is the template of the program as it is: a control
    // added or renamed since shows here, with the file to ship instead.
    void shippedBaseFileIsTheProgramsTemplate()
    {
        auto w = f->shownWindow();
        const QString written = QDir::current().filePath(QStringLiteral("Kleinkugel.txt"));
        f->dialogs.fileAnswers << written;
        w->Dateispeichern1Click();
        const QByteArray now = readAll(written);
        QVERIFY(!now.isEmpty());
        QVERIFY2(now == readAll(kShipped + QStringLiteral("/Kleinkugel.txt")),
                 qPrintable(QStringLiteral("the program's template differs from the shipped "
                                           "base file; ship %1 (and translate its new records)")
                                .arg(written)));
    }

    void noLanguageChosenReadsNoFile()
    {
        writeLanguage(QStringLiteral("de"), {{"TForm1", "TabSheet1", "Geändert", ""}});
        auto w = f->shownWindow();
        QCOMPARE(tipTabCaption(*w), QStringLiteral("Tipp-Übersicht"));
        QVERIFY(checkedLanguages(*w).isEmpty());
    }

    // The saved choice is applied when the window first shows, and the draw and
    // the chart are shown after it.
    void savedLanguageAppliedAtFirstShow()
    {
        installShipped();
        f->writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        f->settings.openKey(kSettingsKey, true);
        f->settings.writeInteger(QStringLiteral("Sprache"), 9);
        f->settings.closeKey();
        auto w = f->shownWindow();
        QCOMPARE(checkedLanguages(*w), QStringList{QStringLiteral("Polnisch1")});
        QCOMPARE(tipTabCaption(*w), shippedCaption("pl", "TForm1", "TabSheet1"));
        QVERIFY(!w->state().chart.title().isEmpty());
        const auto polish = *readLanguageLines(kShipped + QStringLiteral("/meldungen.txt.pl"));
        QVERIFY(w->tipPage()->Label13->text().startsWith(polish.value(8)));
    }

    // English reaches every window, the MessageTable and the texts composed from
    // it, and the captions of buttons that show a stop caption while they run.
    void englishChangesEveryWindow()
    {
        installShipped();
        auto w = f->shownWindow();
        w->Englich1Click();
        QCOMPARE(checkedLanguages(*w), QStringList{QStringLiteral("Englich1")});
        const QString tab = shippedCaption("en", "TForm1", "TabSheet1");
        QVERIFY(tab != QStringLiteral("Tipp-Übersicht") && !tab.startsWith('<'));
        QCOMPARE(tipTabCaption(*w), tab);
        QCOMPARE(w->form9()->windowTitle(), shippedCaption("en", "TForm9", "TForm9"));
        QCOMPARE(w->tipPage()->BitBtn4->text(), shippedCaption("en", "TForm1", "BitBtn4"));
        QCOMPARE(w->state().Tippsberechnen, w->tipPage()->BitBtn4->text());
        const auto messages = readLanguageLines(kShipped + QStringLiteral("/meldungen.txt.en"));
        QCOMPARE(w->state().messages.text(20), messages->value(20));
        QCOMPARE(w->state().messages.text(Message::NoQuotaServer),
                 messages->value(Message::NoQuotaServer));
        QVERIFY(w->state().messages.text(Message::NoQuotaServer) !=
                MessageTable::german().text(Message::NoQuotaServer));
        QCOMPARE(w->state().Sprache, 2);
        w->close();
        QCOMPARE(savedLanguage(f->settings), 2);
    }

    // Qt's own texts (the buttons of question boxes) follow, and German comes back.
    void qtTextsFollowTheLanguage()
    {
        installShipped();
        auto w = f->shownWindow();
        const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
        w->Polnisch1Click();
        QCOMPARE(yes(), QStringLiteral("&Tak"));
        w->Deutsch1Click();
        QCOMPARE(yes(), QStringLiteral("&Ja"));
    }

    void backToGermanRestoresEveryText()
    {
        installShipped();
        auto w = f->shownWindow();
        const QStringList german = captions(textsOf(*w));
        w->Polnisch1Click();
        QVERIFY(captions(textsOf(*w)) != german);
        w->Deutsch1Click();
        QCOMPARE(captions(textsOf(*w)), german);
        QCOMPARE(w->state().messages.text(20), QStringLiteral("Stoppen"));
        QCOMPARE(w->state().messages.text(Message::NoQuotaServer),
                 MessageTable::german().text(Message::NoQuotaServer));
    }

    // Without its file a choice changes no text, but it is checked and saved, and
    // the status bar says which file is missing.
    void missingLanguageFileChangesNothing()
    {
        installShipped();
        auto w = f->shownWindow();
        const QStringList german = captions(textsOf(*w));
        w->Franz1Click();
        QCOMPARE(captions(textsOf(*w)), german);
        QCOMPARE(checkedLanguages(*w), QStringList{QStringLiteral("Franz1")});
        QVERIFY2(child<QLabel>(w.get(), "StatusPanel0")->text().endsWith("Kleinkugel.txt.fr"),
                 qPrintable(child<QLabel>(w.get(), "StatusPanel0")->text()));
        w->close();
        QCOMPARE(savedLanguage(f->settings), 3);
    }

    // The lookup looks eleven records ahead: records the file moved further away
    // than that stay unapplied, and so does everything behind a gap of eleven.
    void reorderedBaseFileLeavesLaterRecordsUnapplied()
    {
        auto w = f->shownWindow();
        const QString written = f->program.filePath(QStringLiteral("vorlage.txt"));
        f->dialogs.fileAnswers << written;
        w->Dateispeichern1Click();
        QStringList base = *readLanguageLines(written);
        QStringList translation = *readLanguageLines(written + QStringLiteral(".trans"));
        for (QString& line : translation)
            if (!line.isEmpty()) line = QStringLiteral("x ") + line;
        const auto recordOf = [&](const QString& control) {
            for (qsizetype i = 0; i * 5 < base.size(); ++i)
                if (base[i * 5] == QLatin1String("TForm1") && base[i * 5 + 1] == control) return i;
            return qsizetype(-1);
        };
        // The record of "Tipp-Übersicht" moves fifteen records down ...
        const qsizetype tab = recordOf(QStringLiteral("TabSheet1"));
        const QStringList tabBase = base.mid(tab * 5, 5);
        const QStringList tabTranslation = translation.mid(tab * 2, 2);
        base.remove(tab * 5, 5);
        translation.remove(tab * 2, 2);
        base.insert(tab * 5 + 15 * 5, tabBase.join('\n'));
        translation.insert(tab * 2 + 15 * 2, tabTranslation.join('\n'));
        base = base.join('\n').split('\n');
        translation = translation.join('\n').split('\n');
        // ... and eleven foreign records stand before the "Datenbank" page.
        const qsizetype database = recordOf(QStringLiteral("TabSheet4"));
        for (int i = 0; i < 11; ++i) {
            base.insert(database * 5, QStringLiteral("TFormX\nFremd\n-\n\n1"));
            translation.insert(database * 2, QStringLiteral("-\n"));
        }
        base = base.join('\n').split('\n');
        translation = translation.join('\n').split('\n');
        QDir().mkpath(land());
        QVERIFY(writeLines(land() + QStringLiteral("/Kleinkugel.txt"), base));
        QVERIFY(writeLines(land() + QStringLiteral("/Kleinkugel.txt.en"), translation));

        w->Englich1Click();
        QCOMPARE(tipTabCaption(*w), QStringLiteral("Tipp-Übersicht"));  // moved too far
        QCOMPARE(w->tipPage()->BitBtn4->text(), QStringLiteral("x Tipps berechnen"));  // found
        QCOMPARE(w->pageControl()->tabText(2), QStringLiteral("x Parameter"));
        QCOMPARE(w->pageControl()->tabText(4), QStringLiteral("Datenbank"));  // behind the gap
        QCOMPARE(w->form9()->windowTitle(), QStringLiteral("Auswertung und Gewinnberechnung"));
    }

    // A template applied as it was written changes no text.
    void templateAppliedUnchangedKeepsEveryText()
    {
        auto w = f->shownWindow();
        const QStringList before = captions(textsOf(*w));
        const QString written = f->program.filePath(QStringLiteral("vorlage.txt"));
        f->dialogs.fileAnswers << written;
        w->Dateispeichern1Click();
        QDir().mkpath(land());
        QVERIFY(QFile::copy(written, land() + QStringLiteral("/Kleinkugel.txt")));
        QVERIFY(QFile::copy(written + QStringLiteral(".trans"),
                            land() + QStringLiteral("/Kleinkugel.txt.es")));
        w->Spanisch1Click();
        QVERIFY(child<QLabel>(w.get(), "StatusPanel0")->text().isEmpty() ||
                !child<QLabel>(w.get(), "StatusPanel0")->text().contains("Kleinkugel.txt.es"));
        QCOMPARE(captions(textsOf(*w)), before);
    }

    // The product banners and the link labels carry tag 8: no template holds them,
    // and a file that names them changes nothing of them. The option items come
    // from their own file.
    void bannersAndLinksStayAndOptionItemsFollow()
    {
        auto w = f->shownWindow();
        const QString written = f->program.filePath(QStringLiteral("vorlage.txt"));
        f->dialogs.fileAnswers << written;
        w->Dateispeichern1Click();
        const QByteArray templ = readAll(written);
        QVERIFY(!templ.contains("\r\nLabel43\r\n") && !templ.contains("\r\nLabel52\r\n"));

        auto* banner = child<QLabel>(w.get(), "Label43");
        auto* link = child<QLabel>(w.get(), "Label52");
        const QString bannerText = banner->text();
        const QString bannerHint = banner->toolTip();
        const QString linkText = link->text();
        writeLanguage(QStringLiteral("it"), {{"TForm1", "Label43", "Banner", "Hinweis"},
                                             {"TForm1", "TabSheet1", "Panoramica", "Suggerimento"},
                                             {"TForm1", "Label52", "Link", "Hinweis"}});
        QVERIFY(writeLines(land() + QStringLiteral("/Radio.txt.it"), {"uno", "due"}));
        w->Italenisch1Click();
        QCOMPARE(tipTabCaption(*w), QStringLiteral("Panoramica"));
        QCOMPARE(w->pageControl()->tabToolTip(0), QStringLiteral("Suggerimento"));
        QCOMPARE(banner->text(), bannerText);
        QCOMPARE(banner->toolTip(), bannerHint);
        QCOMPARE(link->text(), linkText);
        for (const char* group : {"RadioGroup1", "RadioGroup2"}) {
            const auto items =
                child<QWidget>(w->parameterPage(), group)->findChildren<QRadioButton*>();
            QCOMPARE(items.size(), 3);
            QCOMPARE(items[0]->text(), QStringLiteral("uno"));
            QCOMPARE(items[1]->text(), QStringLiteral("due"));
            QCOMPARE(items[2]->text(), QString());
        }
    }

    // The menu stays reachable while tips are generated: a switch meanwhile shows
    // the stop caption of the new language, and the caption at rest follows it.
    void switchWhileGenerating()
    {
        installShipped();
        f->writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        auto w = f->shownWindow();
        ParameterPage* p = w->parameterPage();
        p->upDown(1)->setValue(239);  // no sum fits: the run goes on until stopped
        p->upDown(2)->setValue(21);
        p->upDown(7)->setValue(2000);
        const auto english = *readLanguageLines(kShipped + QStringLiteral("/meldungen.txt.en"));
        QString meanwhile;
        QTimer::singleShot(30, w.get(), [&] {
            w->findChild<QAction*>(QStringLiteral("Englich1"))->trigger();
            meanwhile = w->tipPage()->BitBtn4->text();
            w->tipPage()->BitBtn4->click();
        });
        QTest::mouseClick(w->tipPage()->BitBtn4, Qt::LeftButton);
        QCOMPARE(meanwhile, english.value(20));
        QVERIFY(w->tipPage()->Label13->text().startsWith(english.value(8)));  // the digit sum
        QCOMPARE(w->tipPage()->BitBtn4->text(), shippedCaption("en", "TForm1", "BitBtn4"));
        QVERIFY(!w->state().Berechnunglaeuft);
    }

    // With KUGELWART_SHOTS set to a folder: pictures of the main window's tip and
    // parameter pages and of three dialogs in each shipped language, for a look.
    void screenshots_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << QStringLiteral("Deutsch1");
        QTest::newRow("en") << QStringLiteral("Englich1");
        QTest::newRow("pl") << QStringLiteral("Polnisch1");
    }
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("KUGELWART_SHOTS");
        if (folder.isEmpty()) QSKIP("KUGELWART_SHOTS names no folder");
        QFETCH(QString, language);
        const QString code = QString::fromLatin1(QTest::currentDataTag());
        installShipped();
        f->writeDraws(randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3));
        f->settings.openKey(kSettingsKey, true);
        f->settings.writeInteger(QStringLiteral("Sprache"), languageNumber(language));
        f->settings.closeKey();
        auto w = f->shownWindow();
        w->resize(1280, 770);  // a 1280 x 800 screen less the title bar
        QCoreApplication::processEvents();
        const auto save = [&](QWidget* widget, const QString& name) {
            QVERIFY(widget->grab().save(QDir(folder).filePath(code + '_' + name + ".png")));
        };
        save(w.get(), QStringLiteral("tips"));
        w->pageControl()->setCurrentIndex(2);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        save(w.get(), QStringLiteral("parameters"));
        connect(w.get(), &TForm1::winCalculationOpened, this, [&](TForm9* dialog) {
            QTimer::singleShot(0, dialog, [&, dialog] {
                save(dialog, QStringLiteral("win_calculation"));
                dialog->reject();
            });
        });
        w->auswertungClick();
        connect(w.get(), &TForm1::wheelOpened, this, [&](WheelDialog* dialog) {
            QTimer::singleShot(0, dialog, [&, dialog] {
                save(dialog, QStringLiteral("wheel"));
                dialog->reject();
            });
        });
        w->RadErstellenClick();
        for (QDialog* dialog :
             {static_cast<QDialog*>(w->form3()), static_cast<QDialog*>(w->form5()),
              static_cast<QDialog*>(w->form6()), static_cast<QDialog*>(w->form8()),
              static_cast<QDialog*>(w->qksForm())}) {
            dialog->show();
            QCoreApplication::processEvents();
            save(dialog, dialog->objectName());
            dialog->hide();
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
