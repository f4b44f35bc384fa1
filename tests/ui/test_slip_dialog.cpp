#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "draws/day_count.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/dialog_windows.h"
#include "ui/slip_dialog.h"

using namespace kw;
using namespace kw::test;

namespace {

// Answers the print dialog (printing into a PDF file) and the page setup, and
// records what each print carried.
class ScriptedPrintDialogs : public PrintDialogs {
public:
    bool answer = true;
    QString pdfPath;
    std::function<void()> whilePrinting;
    std::function<void(QPrinter&)> setUp;
    int setups = 0;

    bool print(QPrinter& printer, QWidget*) override
    {
        if (whilePrinting) whilePrinting();
        if (answer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
        }
        return answer;
    }
    bool pageSetup(QPrinter& printer, QWidget*) override
    {
        ++setups;
        if (setUp) setUp(printer);
        return answer;
    }
};

// The number objects that carry a cross on the prepared page.
QStringList crossed(const TForm8& dialog)
{
    QStringList names;
    const ReportPage* page = const_cast<TForm8&>(dialog).slip().preparedPage();
    if (!page) return names;
    for (const ReportText& text : page->texts)
        if (text.visible && !text.text.isEmpty()) names << text.name;
    return names;
}

QList<int> crossedPositions(const TForm8& dialog)
{
    QList<int> positions;
    for (const QString& name : crossed(dialog))
        if (name.startsWith(QLatin1String("Zahl1_"))) positions << name.mid(6).toInt();
    return positions;
}

const ReportText* object(TForm8& dialog, const char* name)
{
    return dialog.slip().report().text(QLatin1String(name));
}

QStringList tips(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines
            << QStringLiteral("%1,%2,%3,%4,%5").arg(i).arg(i + 1).arg(i + 2).arg(i + 3).arg(i + 4);
    return lines;
}

const QString kDruckKey = QStringLiteral("\\SOFTWARE\\Quendel\\Kleinkugel\\druck");

struct Fixture : WindowFixture {
    QTemporaryDir output;
    ScriptedPrintDialogs print;
    std::unique_ptr<TForm8> dialog;

    Fixture() { print.pdfPath = output.filePath(QStringLiteral("schein.pdf")); }

    // A dialog as the main window opens it, with the lines as its number list.
    TForm8& open(const QStringList& lines, const QString& templateName = {})
    {
        dialog = std::make_unique<TForm8>(nullptr, services());
        dialog->setPrintDialogs(&print);
        dialog->schluessel = kSettingsKey;
        dialog->Reportvorlage->setText(templateName.isEmpty() ? QStringLiteral("SK_Sachsen.fr3")
                                                              : templateName);
        dialog->Memo1->setPlainText(lines.join(QLatin1Char('\n')));
        dialog->FormShow();
        return *dialog;
    }
    // The program's templates in the program folder, as the build puts them there.
    void installTemplates()
    {
        const QDir bin(qEnvironmentVariable("KUGELWART_BIN"));
        for (const char* name : {"schein.fr3", "Demo_Schein.fr3", "Demo_Schein.png"})
            QVERIFY(QFile::copy(bin.filePath(QLatin1String(name)),
                                QDir(program.path()).filePath(QLatin1String(name))));
    }
    void storeDefaults()
    {
        settings.openKey(kDruckKey, true);
        settings.writeString(QStringLiteral("AnfangTop"), QStringLiteral("5"));
        settings.closeKey();
    }
};

}  // namespace

class TestSlipDialog : public QObject {
    Q_OBJECT
private slots:
    // The button writes the shown tips as the default tip file and opens the dialog on them.
    void speedButton27OpensTheDialog_data()
    {
        QTest::addColumn<bool>("listView");
        QTest::addColumn<QStringList>("expectedFile");
        QTest::addColumn<QString>("expectedList");
        QTest::newRow("sheet") << false << QStringList({"1,2,3,4,5", "7,13,21,33,42"})
                               << "1,2,3,4,5\n7,13,21,33,42";
        QTest::newRow("list") << true << QStringList({"1\t2\t3\t4\t5\t\t\t1\t2", "7 13 21 33 42"})
                              << "1,2,3,4,5,1,2\n7,13,21,33,42";
    }
    void speedButton27OpensTheDialog()
    {
        QFETCH(bool, listView);
        QFETCH(QStringList, expectedFile);
        QFETCH(QString, expectedList);
        Fixture f;
        auto w = f.window();
        w->form8()->setPrintDialogs(&f.print);
        MainState& state = w->state();
        if (listView) {
            state.listView = true;
            state.Gewinnzahlen = expectedFile;
        } else {
            const QStringList row1{"1", "2", "3", "4", "5", "1", "2"};
            const QStringList row3{"7", "13", "21", "33", "42"};
            for (int c = 1; c <= 7; ++c) state.sheet.setCell(1, c, row1[c - 1]);
            for (int c = 1; c <= 5; ++c) state.sheet.setCell(3, c, row3[c - 1]);
        }
        auto* button = child<QPushButton>(w.get(), "SpeedButton27");
        QVERIFY(button->isEnabled());
        QString shownList, shownTemplate;
        QStringList shownFields;
        QList<int> positions;
        connect(w.get(), &TForm1::slipDialogOpened, w.get(), [&](TForm8* dialog) {
            QTimer::singleShot(0, dialog, [&, dialog] {
                shownList = dialog->Memo1->toPlainText();
                shownTemplate = dialog->Reportvorlage->text();
                for (QLineEdit* e : {dialog->Edit16, dialog->Edit17, dialog->Edit2, dialog->Edit1,
                                     dialog->Edit4, dialog->Edit3})
                    shownFields << e->text();
                positions = crossedPositions(*dialog);
                QCOMPARE(dialog->MaxZahl, 42);
                QCOMPARE(dialog->TippanzahlMax, 10);
                QCOMPARE(dialog->MaxEuroZahl, 10);
                QCOMPARE(dialog->schluessel, kSettingsKey);
                dialog->reject();
            });
        });
        QTest::mouseClick(button, Qt::LeftButton);

        const QString file = f.dataFolder() + QStringLiteral("Tipps/") +
                             dateFromDayCount(state.DateTimePicker1.date() + 7)
                                 .toString(QStringLiteral("yyyyMMdd")) +
                             QStringLiteral(".qlt");
        QString error;
        QCOMPARE(readTextLines(file, &error).value_or(QStringList{error}), expectedFile);
        QCOMPARE(shownList, expectedList);
        QCOMPARE(shownTemplate, QStringLiteral("SK_Sachsen.fr3"));
        // No settings yet: the geometry of the built-in report, which stands in for the
        // missing template; the first slip shows the two tips.
        QCOMPARE(shownFields, QStringList({"12", "40", "17", "22", "190", "140"}));
        QCOMPARE(positions, QList<int>({1, 2}));
        QVERIFY(f.dialogs.notices().isEmpty());
        // Closing wrote the settings.
        f.settings.openKey(kDruckKey, false);
        QCOMPARE(f.settings.readString(QStringLiteral("Reportvorlage")),
                 std::optional<QString>("SK_Sachsen.fr3"));
        QCOMPARE(f.settings.readString(QStringLiteral("Breite")), std::optional<QString>("17"));
        QCOMPARE(f.settings.readString(QStringLiteral("PaperSize")), std::optional<QString>("256"));
        QCOMPARE(f.settings.readInteger(QStringLiteral("PaperOr")), std::optional<int>(1));
    }

    // Stored settings (the field defaults) place as the examples say.
    void storedGeometryPlacesTheTips()
    {
        Fixture f;
        f.storeDefaults();
        TForm8& d = f.open({QStringLiteral("1,2,23"), QStringLiteral("4,23"), QStringLiteral("1")});
        QCOMPARE(d.Edit2->text(), QStringLiteral("14"));
        QCOMPARE(object(d, "Zahl3_1")->left, 33.0);
        QCOMPARE(object(d, "Zahl3_1")->top, 33.0);
        QCOMPARE(object(d, "Zahl2_2")->left, 38.0);
        QCOMPARE(object(d, "Zahl2_2")->top, 33.0);
        QCOMPARE(object(d, "Zahl1_3")->left, 5.0);
        QCOMPARE(object(d, "Zahl1_3")->top, 10.0);
        QCOMPARE(object(d, "Zahl1_3")->text, QStringLiteral("x"));
        QVERIFY(!object(d, "Stern1_1")->visible);
        QCOMPARE(crossedPositions(d), QList<int>({1, 2, 3}));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void printsFullSlipsOnRequest_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QList<QList<int>>>("prints");
        QTest::newRow("twelve tips")
            << 12 << 1 << QList<QList<int>>{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2}};
        QTest::newRow("ten tips") << 10 << 0 << QList<QList<int>>{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    }
    void printsFullSlipsOnRequest()
    {
        QFETCH(int, count);
        QFETCH(int, questions);
        QFETCH(QList<QList<int>>, prints);
        Fixture f;
        f.storeDefaults();
        TForm8& d = f.open(tips(count));
        QCOMPARE(crossedPositions(d), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QList<QList<int>> printed;
        f.print.whilePrinting = [&] { printed << crossedPositions(d); };
        f.dialogs.yesNoAnswers << true;
        d.BitBtn1Click();
        int asked = 0;
        for (const auto& shown : f.dialogs.shown) {
            if (shown.kind != QLatin1String("question")) continue;
            ++asked;
            QCOMPARE(shown.text, QStringLiteral("Diesen Schein Drucken?"));
            QCOMPARE(shown.caption, QStringLiteral("Drucken"));
        }
        QCOMPARE(asked, questions);
        QCOMPARE(printed, prints);
        QVERIFY(fileBytes(f.print.pdfPath).startsWith("%PDF"));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void fifteenPositionsStopAtTheEleventh()
    {
        Fixture f;
        f.storeDefaults();
        TForm8& d = f.open(tips(12));
        d.UpDown6->setValue(3);
        int prints = 0;
        f.print.whilePrinting = [&] { ++prints; };
        d.BitBtn1Click();
        QCOMPARE(f.dialogs.notices(), QStringList{"Fehler kann Feld Zahl1_11 nicht finden"});
        QCOMPARE(prints, 0);
        d.BitBtn3Click();
        QCOMPARE(f.dialogs.notices().size(), 2);
        QCOMPARE(f.dialogs.notices().last(),
                 QStringLiteral("Fehler kann Feld Zahl1_11 nicht finden"));
    }

    // Opened without settings, the dialog reads the demonstration slip's geometry and
    // shows the first slip on its drawing; "Zahlen eintragen" takes the fields as shown.
    void readsTheDemonstrationSlip()
    {
        Fixture f;
        f.installTemplates();
        TForm8 d(nullptr, f.services());
        d.setPrintDialogs(&f.print);
        d.schluessel = kSettingsKey;
        d.Reportvorlage->setText(QStringLiteral("Demo_Schein.fr3"));
        d.Memo1->setPlainText(tips(12).join(QLatin1Char('\n')));
        d.resize(1000, 720);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.slip().templatePath(), QDir(f.program.path()).filePath("Demo_Schein.fr3"));
        QStringList fields;
        for (QLineEdit* e : {d.Edit16, d.Edit17, d.Edit2, d.Edit1, d.Edit4, d.Edit3})
            fields << e->text();
        QCOMPARE(fields, QStringList({"22", "112", "17", "16", "188", "122"}));
        QCOMPARE(crossedPositions(d), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

        // The preview: the slip's drawing with crosses on the fields of tip 1 (1..5), none
        // on 6; the cross of 10 in tip 10 (10..14) in the last block.
        const QImage shot = d.frxPreview1->grab().toImage();
        if (const QString folder = qEnvironmentVariable("KUGELWART_SHOTS"); !folder.isEmpty()) {
            shot.save(QDir(folder).filePath(QStringLiteral("preview_demo.png")));
            d.grab().save(QDir(folder).filePath(QStringLiteral("dialog_demo.png")));
        }
        const ReportPage* page = d.slip().preparedPage();
        const QSizeF paper(page->paperWidth * kUnitsPerMillimetre,
                           page->paperHeight * kUnitsPerMillimetre);
        const double scale =
            std::min((shot.width() - 16) / paper.width(), (shot.height() - 16) / paper.height());
        const QPointF origin((shot.width() - paper.width() * scale) / 2,
                             (shot.height() - paper.height() * scale) / 2);
        const auto darkAt = [&](double left, double top) {
            const QRectF field(origin + QPointF(left, top) * scale, QSizeF(17, 16) * scale);
            int dark = 0;
            for (int y = int(field.top()); y <= int(field.bottom()); ++y)
                for (int x = int(field.left()); x <= int(field.right()); ++x)
                    dark += qGray(shot.pixel(x, y)) < 60 ? 1 : 0;
            return dark;
        };
        for (int number = 1; number <= 5; ++number)
            QVERIFY2(darkAt(22 + (number - 1) * 17, 112) >= 4, qPrintable(QString::number(number)));
        QCOMPARE(darkAt(22 + 5 * 17, 112), 0);
        QVERIFY(darkAt(22 + 188 + 9 * 17, 112 + 4 * 122) >= 4);

        // Tip 12 (12..16) goes to the second block: 16 is in the second row, sixth column.
        f.dialogs.yesNoAnswers << false;
        d.BitBtn3Click();
        QCOMPARE(crossedPositions(d), QList<int>({1, 2}));
        QCOMPARE(object(d, "Zahl5_2")->left, 22.0 + 188 + 5 * 17);
        QCOMPARE(object(d, "Zahl5_2")->top, 112.0 + 16);
        QVERIFY(f.dialogs.notices().isEmpty());
        d.reject();
    }

    // Closing writes every value; opening again shows them.
    void settingsRoundTrip()
    {
        Fixture f;
        {
            TForm8& d = f.open(tips(3));
            d.Edit16->setText(QStringLiteral("22,5"));
            d.Edit3->setText(QStringLiteral("121"));
            d.UpDown12->setValue(-7);
            d.UpDown7->setValue(2);
            d.UpDown6->setValue(1);
            d.CheckBox2->setChecked(true);
            d.Zeichen->setText(QStringLiteral("X"));
            d.fontsize->setValue(12);
            d.BackImage->setText(QStringLiteral("bild.png"));
            f.print.setUp = [](QPrinter& printer) {
                printer.setPageLayout(
                    QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
            };
            d.SeiteClick();
            QCOMPARE(f.print.setups, 1);
            QCOMPARE(d.slip().preparedPage()->paperSize, 9);
            QCOMPARE(d.slip().preparedPage()->paperWidth, 297.0);
            d.reject();
        }
        f.settings.openKey(kDruckKey, false);
        QCOMPARE(f.settings.readString(QStringLiteral("PaperSize")), std::optional<QString>("9"));
        QCOMPARE(f.settings.readInteger(QStringLiteral("PaperOr")), std::optional<int>(2));
        QCOMPARE(f.settings.readString(QStringLiteral("PaperWidth")),
                 std::optional<QString>("297"));
        QCOMPARE(f.settings.readBool(QStringLiteral("Checkbox2")), std::optional<bool>(true));

        TForm8& d = f.open(tips(3));
        QCOMPARE(d.Edit16->text(), QStringLiteral("22,5"));
        QCOMPARE(d.Edit3->text(), QStringLiteral("121"));
        QCOMPARE(d.UpDown12->value(), -7);
        QCOMPARE(d.UpDown7->value(), 2);
        QCOMPARE(d.UpDown6->value(), 1);
        QVERIFY(d.CheckBox2->isChecked());
        QCOMPARE(d.Zeichen->text(), QStringLiteral("X"));
        QCOMPARE(d.fontsize->value(), 12);
        QCOMPARE(d.BackImage->text(), QStringLiteral("bild.png"));
        QCOMPARE(d.geometry().firstLeft, 22.5);
        // The paper as stored, and the tips placed with the stored geometry, one block across.
        QCOMPARE(d.slip().preparedPage()->orientation, QPageLayout::Landscape);
        QCOMPARE(d.slip().preparedPage()->paperHeight, 210.0);
        QCOMPARE(object(d, "Zahl1_2")->left, 22.5 + 17);  // tip 2 (2..6) below tip 1
        QCOMPARE(object(d, "Zahl1_2")->top, 40.0 + 121);
        QCOMPARE(object(d, "Zahl1_2")->text, QStringLiteral("X"));
        QCOMPARE(object(d, "Zahl1_2")->fontSize(), 12);
    }

    void malformedTemplateIsReported()
    {
        Fixture f;
        const QString path = f.output.filePath(QStringLiteral("kaputt.fr3"));
        writeBytes(path, "<?xml version=\"1.0\"?>\n<TfrxReport><TfrxReportPage Name=\"Page1\"");
        TForm8& d = f.open(tips(2), path);
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY2(f.dialogs.notices().first().startsWith(QDir::toNativeSeparators(path)),
                 qPrintable(f.dialogs.notices().first()));
        // The built-in report stands in.
        QCOMPARE(d.Edit2->text(), QStringLiteral("17"));
        QCOMPARE(crossedPositions(d), QList<int>({1, 2}));
    }

    void badFieldIsReported()
    {
        Fixture f;
        f.storeDefaults();
        TForm8& d = f.open(tips(2));
        d.Edit4->setText(QStringLiteral("fünf"));
        d.BitBtn3Click();
        QCOMPARE(f.dialogs.notices(), QStringList{"'fünf' ist kein gültiger Gleitkommawert"});
    }

    void pickers()
    {
        Fixture f;
        TForm8& d = f.open({});
        f.dialogs.fileAnswers << QStringLiteral("/a/b/eigen.fr3") << QString()
                              << QStringLiteral("/a/b/bild.jpg");
        d.SpeedButton1Click();
        QCOMPARE(d.Reportvorlage->text(), QStringLiteral("/a/b/eigen.fr3"));
        d.SpeedButton1Click();  // cancelled: kept
        QCOMPARE(d.Reportvorlage->text(), QStringLiteral("/a/b/eigen.fr3"));
        d.SpeedButton2Click();
        QCOMPARE(d.BackImage->text(), QStringLiteral("/a/b/bild.jpg"));
        const auto& requests = f.dialogs.shown;
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests[0].file.initialFolder, f.program.path());
        QCOMPARE(requests[0].file.filter, QStringLiteral("Fast Report (*.fr3)"));
        QCOMPARE(requests[0].file.defaultExtension, QStringLiteral("fr3"));
        QCOMPARE(requests[2].file.filter, QStringLiteral("Bilddatei (*.png);;Bilddatei (*.jpg)"));
    }

    void gridsFollowTheLayout()
    {
        Fixture f;
        f.storeDefaults();
        TForm8& d = f.open({});
        QTableWidget* g = d.DrawGrid1;
        const auto at = [g](int r, int c) {
            return g->item(r, c) ? g->item(r, c)->text() : QString();
        };
        QCOMPARE(g->rowCount(), 5);
        QCOMPARE(g->columnCount(), 10);
        QCOMPARE(at(0, 0), QStringLiteral("1"));
        QCOMPARE(at(4, 1), QStringLiteral("42"));
        QCOMPARE(at(4, 2), QString());
        QCOMPARE(g->columnWidth(0), 14);
        QCOMPARE(g->width(), 14 * 10 + 20);
        d.CheckBox2->setChecked(true);  // from the bottom
        QCOMPARE(at(4, 0), QStringLiteral("1"));
        QCOMPARE(at(0, 1), QStringLiteral("42"));
        d.CheckBox2->setChecked(false);
        d.CheckBox1->setChecked(false);  // column by column
        QCOMPARE(at(1, 0), QStringLiteral("2"));
        QCOMPARE(at(0, 1), QStringLiteral("6"));
        d.UpDown1->setValue(7);
        QCOMPARE(g->rowCount(), 7);
        QCOMPARE(d.StringGrid1->rowCount(), 5);
        QCOMPARE(d.StringGrid1->columnCount(), 2);
        QCOMPARE(d.StringGrid1->rowHeight(0), 21);
        QCOMPARE(d.StringGrid2->columnCount(), 10);
        QCOMPARE(d.StringGrid2->item(0, 9)->text(), QStringLiteral("10"));
    }
};

QTEST_MAIN(TestSlipDialog)
#include "test_slip_dialog.moc"
