#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include "printing/slip_layout.h"
#include "printing/slip_settings.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/memory_settings_store.h"

using namespace kw;
using namespace kw::test;

namespace {

// A template of the given number of tip positions, each with its five number and
// two star objects, that records what the placement does to them.
class RecordingCanvas : public SlipCanvas {
public:
    struct Object {
        double left = -1;
        double top = -1;
        QString text = QStringLiteral("old");
        int fontSize = 0;
        bool visible = true;
    };
    QMap<QString, Object> objects;  // by lower-case name
    QStringList events;             // "refresh", "print"
    // At each print, the positions (1..) that carry crosses and the places of their numbers.
    QList<QMap<QString, Object>> printed;

    explicit RecordingCanvas(int positions = kSlipTipPositions)
    {
        for (int t = 1; t <= positions; ++t) {
            for (int n = 1; n <= 5; ++n) objects[key(numberObjectName(n, t))] = {};
            for (int n = 1; n <= 2; ++n) objects[key(starObjectName(n, t))] = {};
        }
    }
    static QString key(const QString& name) { return name.toLower(); }
    const Object& at(const QString& name) const
    {
        static const Object none;
        const auto it = objects.find(key(name));
        return it == objects.end() ? none : *it;
    }
    // The positions whose number objects show a cross.
    static QList<int> marked(const QMap<QString, Object>& objects)
    {
        QList<int> positions;
        for (int t = 1; t <= 15; ++t) {
            const auto it = objects.find(key(numberObjectName(1, t)));
            if (it != objects.end() && !it->text.isEmpty()) positions << t;
        }
        return positions;
    }

    bool hasObject(const QString& name) const override { return objects.contains(key(name)); }
    void clearText(const QString& name) override { objects[key(name)].text.clear(); }
    void hide(const QString& name) override
    {
        objects[key(name)].visible = false;
        objects[key(name)].text.clear();
    }
    void place(const QString& name, double left, double top, const QString& text,
               int fontSize) override
    {
        Object& o = objects[key(name)];
        o.left = left;
        o.top = top;
        o.text = text;
        o.fontSize = fontSize;
    }
    void refresh() override { events << QStringLiteral("refresh"); }
    void print() override
    {
        events << QStringLiteral("print");
        printed << objects;
    }
};

// n lines of tips, line i holding the numbers i, i+1, ..., i+4.
QStringList tips(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines
            << QStringLiteral("%1,%2,%3,%4,%5").arg(i).arg(i + 1).arg(i + 2).arg(i + 3).arg(i + 4);
    return lines;
}

SlipPlacing forPrinting()
{
    SlipPlacing placing;
    placing.firstSlipOnly = false;
    return placing;
}

QStringList questions(const ScriptedDialogs& dialogs)
{
    QStringList asked;
    for (const auto& shown : dialogs.shown)
        if (shown.kind == QLatin1String("question")) asked << shown.text + '|' + shown.caption;
    return asked;
}

}  // namespace

class TestSlipLayout : public QObject {
    Q_OBJECT
private slots:
    // The field defaults: AnfangLeft 5, AnfangTop 5, Breite 14, Hoehe 14, BlockLeft 5,
    // BlockTop 5, ten numbers to a row, two blocks across.
    void placesNumbersOnTheirFields_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("object");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("23 of tip 1") << QStringList{"1,2,23"} << "Zahl3_1" << 33.0 << 33.0;
        QTest::newRow("23 of tip 2") << QStringList{"1", "4,23"} << "Zahl2_2" << 38.0 << 33.0;
        QTest::newRow("1 of tip 3") << QStringList{"9", "9", "1,2"} << "Zahl1_3" << 5.0 << 10.0;
        QTest::newRow("10: last column of row 1") << QStringList{"10"} << "Zahl1_1" << 131.0 << 5.0;
        QTest::newRow("11: first column of row 2") << QStringList{"11"} << "Zahl1_1" << 5.0 << 19.0;
        QTest::newRow("42 of tip 10")
            << tips(9) + QStringList{"42"} << "Zahl5_10" << 5 + 5 + 14.0 << 5 + 4 * 5 + 4 * 14.0;
        QTest::newRow("short line: the last number again")
            << QStringList{"7,13"} << "Zahl5_1" << 5 + 2 * 14.0 << 19.0;
    }
    void placesNumbersOnTheirFields()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, object);
        QFETCH(double, left);
        QFETCH(double, top);
        RecordingCanvas canvas;
        ScriptedDialogs dialogs;
        SlipPlacing placing;
        placing.cross = QStringLiteral("X");
        placing.fontSize = 12;
        QVERIFY(placeTips(lines, placing, canvas, dialogs));
        QCOMPARE(dialogs.notices(), QStringList());
        QCOMPARE(canvas.at(object).left, left);
        QCOMPARE(canvas.at(object).top, top);
        QCOMPARE(canvas.at(object).text, QStringLiteral("X"));
        QCOMPARE(canvas.at(object).fontSize, 12);
    }

    void shortLineRepeatsItsLastNumber()
    {
        const auto numbers = tipLineNumbers(QStringLiteral("7,13"));
        QCOMPARE(QStringList(numbers.begin(), numbers.end()),
                 QStringList({"7", "13", "13", "13", "13"}));
        const auto seven = tipLineNumbers(QStringLiteral("1,2,3,4,5,6,7"));
        QCOMPARE(QStringList(seven.begin(), seven.end()), QStringList({"1", "2", "3", "4", "5"}));
    }

    void emptiesTheTemplateFirst()
    {
        RecordingCanvas canvas;
        ScriptedDialogs dialogs;
        QVERIFY(placeTips({QStringLiteral("1,2,3,4,5")}, SlipPlacing(), canvas, dialogs));
        QCOMPARE(canvas.at("Zahl1_2").text, QString());
        QCOMPARE(canvas.at("Zahl5_10").text, QString());
        for (const char* star : {"Stern1_1", "Stern2_1", "Stern2_10"}) {
            QVERIFY(!canvas.at(star).visible);
            QCOMPARE(canvas.at(star).text, QString());
        }
        QCOMPARE(canvas.events, QStringList{"refresh"});
    }

    void emptyListPlacesNothing()
    {
        RecordingCanvas canvas;
        ScriptedDialogs dialogs;
        QVERIFY(placeTips({QString(), QStringLiteral("  ")}, forPrinting(), canvas, dialogs));
        QCOMPARE(canvas.at("Zahl1_1").text, QStringLiteral("old"));
        QVERIFY(canvas.events.isEmpty());
    }

    // After tip 10 the first slip is offered once; the last print is of tips 11 and 12 alone.
    void twelveTipsMakeTwoSlips_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("printed") << true;
        QTest::newRow("not printed") << false;
    }
    void twelveTipsMakeTwoSlips()
    {
        QFETCH(bool, answer);
        RecordingCanvas canvas;
        ScriptedDialogs dialogs;
        dialogs.yesNoAnswers << answer;
        QVERIFY(placeTips(tips(12), forPrinting(), canvas, dialogs));
        QCOMPARE(questions(dialogs), QStringList{"Diesen Schein Drucken?|Drucken"});
        if (answer) {
            QCOMPARE(canvas.events, QStringList({"refresh", "print", "refresh"}));
            QCOMPARE(RecordingCanvas::marked(canvas.printed[0]),
                     QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
            QCOMPARE(canvas.printed[0][RecordingCanvas::key("Zahl1_10")].left, 5 + 5 + 9 * 14.0);
        } else {
            QCOMPARE(canvas.events, QStringList({"refresh", "refresh"}));
        }
        // What stays for the last print: tip 11 (11..15) and tip 12 (12..16) side by side.
        QCOMPARE(RecordingCanvas::marked(canvas.objects), QList<int>({1, 2}));
        QCOMPARE(canvas.at("Zahl1_1").left, 5.0);  // 11: first column of the second row
        QCOMPARE(canvas.at("Zahl1_1").top, 19.0);
        QCOMPARE(canvas.at("Zahl5_2").left, 5 + 5 + 5 * 14.0);  // 16
        QCOMPARE(canvas.at("Zahl5_2").top, 19.0);
    }

    void exactlyTenTipsAskNothing()
    {
        RecordingCanvas canvas;
        ScriptedDialogs dialogs;
        QVERIFY(placeTips(tips(10), forPrinting(), canvas, dialogs));
        QCOMPARE(questions(dialogs), QStringList());
        QCOMPARE(canvas.events, QStringList({"refresh", "refresh"}));
        QCOMPARE(RecordingCanvas::marked(canvas.objects),
                 QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }

    // Opening the dialog shows the first slip only, and asks nothing.
    void firstSlipOnlyForViewing()
    {
        RecordingCanvas canvas;
        ScriptedDialogs dialogs;
        QVERIFY(placeTips(tips(25), SlipPlacing(), canvas, dialogs));
        QCOMPARE(questions(dialogs), QStringList());
        QCOMPARE(canvas.events, QStringList{"refresh"});
        QCOMPARE(canvas.at("Zahl1_3").top, 10.0);  // tip 3 (3..7), below tip 1
        QCOMPARE(canvas.at("Zahl1_3").left, 5 + 2 * 14.0);
        QCOMPARE(canvas.at("Zahl1_10").text, QStringLiteral("x"));
    }

    void fifteenPositionsOnATenPositionTemplate()
    {
        RecordingCanvas canvas(10);
        ScriptedDialogs dialogs;
        SlipPlacing placing = forPrinting();
        placing.geometry.blockColumns = 3;  // 5 x 3 = 15 tips to a slip
        QVERIFY(!placeTips(tips(12), placing, canvas, dialogs));
        QCOMPARE(dialogs.notices(), QStringList{"Fehler kann Feld Zahl1_11 nicht finden"});
        QCOMPARE(questions(dialogs), QStringList());
        QVERIFY(canvas.events.isEmpty());
        // The slip so far stays: tip 10 (10..14) in the first column of the fourth row.
        QCOMPARE(canvas.at("Zahl1_10").text, QStringLiteral("x"));
        QCOMPARE(canvas.at("Zahl1_10").left, 5 + 9 * 14.0);
        QCOMPARE(canvas.at("Zahl1_10").top, 5 + 3 * 5.0);
    }

    void badNumbersStopPlacing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number") << "1,2,a,4,5"
                                   << "'a' ist kein gültiger Integerwert";
        QTest::newRow("empty field") << "1,,3"
                                     << "'' ist kein gültiger Integerwert";
        QTest::newRow("above 42") << "1,2,3,4,43"
                                  << "Die Zahl 43 liegt nicht zwischen 1 und 42";
        QTest::newRow("zero") << "0,2,3,4,5"
                              << "Die Zahl 0 liegt nicht zwischen 1 und 42";
    }
    void badNumbersStopPlacing()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        RecordingCanvas canvas;
        ScriptedDialogs dialogs;
        QVERIFY(!placeTips({QStringLiteral("5,6,7,8,9"), line}, forPrinting(), canvas, dialogs));
        QCOMPARE(dialogs.notices(), QStringList{message});
        QCOMPARE(canvas.at("Zahl1_1").text, QStringLiteral("x"));
    }

    void normalisesTheNumberList_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("five-number form") << QStringList{"1,2,3,4,5"} << QStringList{"1,2,3,4,5"};
        QTest::newRow("list line with stars")
            << QStringList{"1\t2\t3\t4\t5\t\t\t6\t7"} << QStringList{"1,2,3,4,5,6,7"};
        QTest::newRow("blanks") << QStringList{"  1  2   3 4,5  "} << QStringList{"1,2,3,4,5"};
        QTest::newRow("standard form") << QStringList{"1,2,3,4,5,,"} << QStringList{"1,2,3,4,5,"};
        QTest::newRow("several lines") << QStringList{"1 2", "\t3\t4"} << QStringList{"1,2", "3,4"};
    }
    void normalisesTheNumberList()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QCOMPARE(normaliseSlipList(lines), expected);
    }

    // Zahl1_1 at (12, 40), Zahl2_1 at (165, 40), Zahl4_1 at (12, 128), Zahl1_2 at
    // (202, 40), Zahl1_3 at (12, 180).
    void calibrationReadsTheGeometry_data()
    {
        QTest::addColumn<int>("numbersPerRow");
        QTest::addColumn<int>("rowsPerBlock");
        QTest::addColumn<double>("fieldWidth");
        QTest::addColumn<double>("fieldHeight");
        QTest::newRow("10 x 5") << 10 << 5 << 17.0 << 22.0;
        QTest::newRow("BlockSpalten 1: the plain distance") << 1 << 5 << 153.0 << 22.0;
        QTest::newRow("one row: the plain distance") << 10 << 1 << 17.0 << 88.0;
        QTest::newRow("7 x 6") << 7 << 6 << 25.5 << 17.6;
    }
    void calibrationReadsTheGeometry()
    {
        QFETCH(int, numbersPerRow);
        QFETCH(int, rowsPerBlock);
        QFETCH(double, fieldWidth);
        QFETCH(double, fieldHeight);
        const SlipCalibration points{{12, 40}, {165, 40}, {12, 128}, {202, 40}, {12, 180}};
        SlipGeometry counts;
        counts.numbersPerRow = numbersPerRow;
        counts.blockColumns = 3;
        const SlipGeometry g = calibratedGeometry(points, counts, rowsPerBlock);
        QCOMPARE(g.fieldWidth, fieldWidth);
        QCOMPARE(g.fieldHeight, fieldHeight);
        QCOMPARE(g.firstLeft, 12.0);
        QCOMPARE(g.firstTop, 40.0);
        QCOMPARE(g.blockLeft, 190.0);
        QCOMPARE(g.blockTop, 140.0);
        QCOMPARE(g.numbersPerRow, numbersPerRow);
        QCOMPARE(g.blockColumns, 3);
        QCOMPARE(calibrationObjectNames(),
                 QStringList({"Zahl1_1", "Zahl2_1", "Zahl4_1", "Zahl1_2", "Zahl1_3"}));
    }

    void decimalFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << "14" << true << 14.0 << "14";
        QTest::newRow("comma") << "17,5" << true << 17.5 << "17,5";
        QTest::newRow("point") << " 17.25 " << true << 17.25 << "17,25";
        QTest::newRow("rounded") << "25,5666" << true << 25.5666 << "25,57";
        QTest::newRow("negative") << "-3,004" << true << -3.004 << "-3";
        QTest::newRow("letters") << "1a" << false << 0.0 << "";
        QTest::newRow("empty") << "" << false << 0.0 << "";
    }
    void decimalFields()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        QFETCH(QString, shown);
        const auto parsed = parseDecimal(text);
        QCOMPARE(parsed.has_value(), valid);
        if (!valid) return;
        QCOMPARE(*parsed, value);
        QCOMPARE(decimalText(*parsed), shown);
    }

    void settingsRoundTrip()
    {
        MemorySettingsStore store;
        const QString caller = QStringLiteral("\\SOFTWARE\\Quendel\\Kleinkugel");
        SlipSettings read;
        QVERIFY(!readSlipSettings(store, caller, read));  // no key yet: nothing read

        SlipSettings written;
        written.checkBoxes = {false, true, false, true};
        written.firstTop = QStringLiteral("112");
        written.firstLeft = QStringLiteral("22,5");
        written.fieldHeight = QStringLiteral("16");
        written.fieldWidth = QStringLiteral("17,25");
        written.blockTop = QStringLiteral("122");
        written.blockLeft = QStringLiteral("188");
        written.starIndent = -40;
        written.starDistance = 300;
        written.rowsPerBlock = 7;
        written.numbersPerRow = 6;
        written.starFieldWidth = QStringLiteral("9");
        written.starFieldHeight = QStringLiteral("8,5");
        written.starRows = 2;
        written.starColumns = 5;
        written.blockRows = 3;
        written.blockColumns = 4;
        written.templateName = QStringLiteral("Demo_Schein.fr3");
        written.picture = QStringLiteral("Demo_Schein.png");
        written.cross = QStringLiteral("X");
        written.fontSize = 14;
        written.paperSize = QStringLiteral("9");
        written.paperHeight = QStringLiteral("297");
        written.paperWidth = QStringLiteral("210");
        written.paperOrientation = 2;
        writeSlipSettings(store, caller, written);

        // Stored under the sub-key, each with its kind.
        QVERIFY(store.keyExists(caller + QStringLiteral("\\druck")));
        QVERIFY(store.openKey(caller + QStringLiteral("\\druck"), false));
        QCOMPARE(store.readBool(QStringLiteral("Checkbox2")), std::optional<bool>(true));
        QCOMPARE(store.readString(QStringLiteral("Anfangleft")), std::optional<QString>("22,5"));
        QCOMPARE(store.readInteger(QStringLiteral("EuroLeft")), std::optional<int>(-40));
        QCOMPARE(store.readString(QStringLiteral("EuroHoch")), std::optional<QString>("8,5"));
        QCOMPARE(store.readInteger(QStringLiteral("PaperOr")), std::optional<int>(2));
        QCOMPARE(store.readString(QStringLiteral("PaperSize")), std::optional<QString>("9"));
        QCOMPARE(store.readInteger(QStringLiteral("FontSize")), std::optional<int>(14));
        QVERIFY(!store.readInteger(QStringLiteral("Zeichen")));

        QVERIFY(readSlipSettings(store, caller, read));
        QCOMPARE(read.checkBoxes, written.checkBoxes);
        QCOMPARE(read.firstTop, written.firstTop);
        QCOMPARE(read.firstLeft, written.firstLeft);
        QCOMPARE(read.fieldHeight, written.fieldHeight);
        QCOMPARE(read.fieldWidth, written.fieldWidth);
        QCOMPARE(read.blockTop, written.blockTop);
        QCOMPARE(read.blockLeft, written.blockLeft);
        QCOMPARE(read.starIndent, written.starIndent);
        QCOMPARE(read.starDistance, written.starDistance);
        QCOMPARE(read.rowsPerBlock, written.rowsPerBlock);
        QCOMPARE(read.numbersPerRow, written.numbersPerRow);
        QCOMPARE(read.starFieldWidth, written.starFieldWidth);
        QCOMPARE(read.starFieldHeight, written.starFieldHeight);
        QCOMPARE(read.starRows, written.starRows);
        QCOMPARE(read.starColumns, written.starColumns);
        QCOMPARE(read.blockRows, written.blockRows);
        QCOMPARE(read.blockColumns, written.blockColumns);
        QCOMPARE(read.templateName, written.templateName);
        QCOMPARE(read.picture, written.picture);
        QCOMPARE(read.cross, written.cross);
        QCOMPARE(read.fontSize, written.fontSize);
        QCOMPARE(read.paperSize, written.paperSize);
        QCOMPARE(read.paperHeight, written.paperHeight);
        QCOMPARE(read.paperWidth, written.paperWidth);
        QCOMPARE(read.paperOrientation, written.paperOrientation);

        QString error;
        const auto geometry = slipGeometry(read, &error);
        QVERIFY2(geometry, qPrintable(error));
        QCOMPARE(geometry->firstLeft, 22.5);
        QCOMPARE(geometry->fieldWidth, 17.25);
        QCOMPARE(geometry->blockTop, 122.0);
        QCOMPARE(geometry->numbersPerRow, 6);
        QCOMPARE(geometry->blockColumns, 4);
        QCOMPARE(geometry->blockRows, 3);
    }

    void settingsReadAsTheDialogTakesThem()
    {
        MemorySettingsStore store;
        const QString key = slipSettingsKey(QStringLiteral("\\K"));
        store.openKey(key, true);
        store.writeString(QStringLiteral("Reportvorlage"), QString());
        store.writeInteger(QStringLiteral("Zeilen"), 40);   // beyond its up-down's 10
        store.writeInteger(QStringLiteral("FontSize"), 1);  // below 3
        store.writeString(QStringLiteral("BlockSpalten"), QStringLiteral("6"));  // not an integer
        SlipSettings read;
        read.templateName = QStringLiteral("SK_Sachsen.fr3");
        QVERIFY(readSlipSettings(store, QStringLiteral("\\K"), read));
        QCOMPARE(read.templateName, QStringLiteral("schein.fr3"));
        QCOMPARE(read.blockRows, 10);
        QCOMPARE(read.fontSize, 3);
        QCOMPARE(read.numbersPerRow, 10);  // kept
        QCOMPARE(read.cross, QStringLiteral("x"));
        QVERIFY(!read.paperSize);

        // No paper values: none written.
        MemorySettingsStore other;
        writeSlipSettings(other, QStringLiteral("\\K"), SlipSettings());
        other.openKey(key, false);
        QVERIFY(!other.valueExists(QStringLiteral("PaperSize")));
        QVERIFY(other.valueExists(QStringLiteral("Reportvorlage")));
    }

    void badGeometryFieldIsNamed()
    {
        SlipSettings settings;
        settings.blockLeft = QStringLiteral("5mm");
        QString error;
        QVERIFY(!slipGeometry(settings, &error));
        QCOMPARE(error, QStringLiteral("'5mm' ist kein gültiger Gleitkommawert"));
        settings.blockLeft = QStringLiteral("5");
        settings.starFieldHeight = QString();
        QVERIFY(!slipGeometry(settings, &error));
        QCOMPARE(error, QStringLiteral("'' ist kein gültiger Gleitkommawert"));
    }

    void templateAndPictureLookup()
    {
        QTemporaryDir program, elsewhere;
        const QString own = elsewhere.filePath(QStringLiteral("eigen.fr3"));
        writeBytes(own, "x");
        writeBytes(program.filePath(QStringLiteral("SK_Sachsen.fr3")), "x");
        writeBytes(program.filePath(QStringLiteral("bild.png")), "x");
        const QString folder = program.path();
        QCOMPARE(slipTemplatePath(own, folder), own);
        QCOMPARE(slipTemplatePath(QStringLiteral("SK_Sachsen.fr3"), folder),
                 program.filePath(QStringLiteral("SK_Sachsen.fr3")));
        // Neither here nor there, and no schein.fr3: the built-in report.
        QCOMPARE(slipTemplatePath(QStringLiteral("fehlt.fr3"), folder), QString());
        QCOMPARE(slipTemplatePath(QString(), folder), QString());
        writeBytes(program.filePath(QStringLiteral("schein.fr3")), "x");
        QCOMPARE(slipTemplatePath(QStringLiteral("fehlt.fr3"), folder),
                 program.filePath(QStringLiteral("schein.fr3")));
        QCOMPARE(slipTemplatePath(QString(), folder),
                 program.filePath(QStringLiteral("schein.fr3")));

        QCOMPARE(slipPicturePath(QStringLiteral("bild.png"), folder),
                 program.filePath(QStringLiteral("bild.png")));
        QCOMPARE(slipPicturePath(QStringLiteral("fehlt.png"), folder), QString());
        QCOMPARE(slipPicturePath(QString(), folder), QString());
    }
};

QTEST_GUILESS_MAIN(TestSlipLayout)
#include "test_slip_layout.moc"
