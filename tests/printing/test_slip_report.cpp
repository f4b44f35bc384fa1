#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "printing/slip_report.h"
#include "support/fakes.h"
#include "support/files.h"

using namespace kw;
using namespace kw::test;

namespace {

// The program folder the build fills: the templates drawn for the program.
QString programFolder()
{
    return qEnvironmentVariable("KUGELWART_BIN");
}

SlipGeometry readGeometry(SlipReport& slip)
{
    QString missing;
    const auto points = slip.calibration(&missing);
    if (!points) qWarning("missing %s", qPrintable(missing));
    return calibratedGeometry(points.value_or(SlipCalibration()), SlipGeometry(), 5);
}

// The names of the number objects that show a cross.
QStringList crossed(const ReportPage& page)
{
    QStringList names;
    for (const ReportText& text : page.texts)
        if (text.visible && !text.text.isEmpty()) names << text.name;
    return names;
}

}  // namespace

class TestSlipReport : public QObject {
    Q_OBJECT
private slots:
    // The templates the build puts beside the program give back the slips' geometry.
    void geometryReadBackFromTemplates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("firstLeft");
        QTest::addColumn<double>("firstTop");
        QTest::addColumn<double>("fieldWidth");
        QTest::addColumn<double>("fieldHeight");
        QTest::addColumn<double>("blockLeft");
        QTest::addColumn<double>("blockTop");
        // The built-in report's: fields of 17 x 22 from (12, 40), blocks 190 across, 140 down.
        QTest::newRow("schein.fr3")
            << "schein.fr3" << 12.0 << 40.0 << 17.0 << 22.0 << 190.0 << 140.0;
        // The demonstration slip's drawing: fields of 17 x 16 from (22, 112), blocks
        // 188 across and 122 down.
        QTest::newRow("Demo_Schein.fr3")
            << "Demo_Schein.fr3" << 22.0 << 112.0 << 17.0 << 16.0 << 188.0 << 122.0;
    }
    void geometryReadBackFromTemplates()
    {
        QFETCH(QString, name);
        QFETCH(double, firstLeft);
        QFETCH(double, firstTop);
        QFETCH(double, fieldWidth);
        QFETCH(double, fieldHeight);
        QFETCH(double, blockLeft);
        QFETCH(double, blockTop);
        SlipReport slip;
        QCOMPARE(slip.load(name, QString(), programFolder()), QString());
        QCOMPARE(slip.templatePath(), QDir(programFolder()).filePath(name));
        const SlipGeometry g = readGeometry(slip);
        QCOMPARE(g.firstLeft, firstLeft);
        QCOMPARE(g.firstTop, firstTop);
        QCOMPARE(g.fieldWidth, fieldWidth);
        QCOMPARE(g.fieldHeight, fieldHeight);
        QCOMPARE(g.blockLeft, blockLeft);
        QCOMPARE(g.blockTop, blockTop);
        const ReportPage* page = slip.shownPage();
        QVERIFY(page);
        QCOMPARE(page->name, QStringLiteral("Page1"));
        QCOMPARE(page->paperSize, 256);
        QCOMPARE(page->paperWidth, 105.0);
        QCOMPARE(page->paperHeight, 198.0);
        for (int t = 1; t <= kSlipTipPositions; ++t)
            for (int n = 1; n <= 2; ++n) QVERIFY(slip.hasObject(starObjectName(n, t)));
    }

    void schein_fr3IsTheBuiltInReport()
    {
        Report file;
        QString error;
        QVERIFY2(file.load(QDir(programFolder()).filePath(QStringLiteral("schein.fr3")), &error),
                 qPrintable(error));
        const Report builtIn = builtInReport();
        QCOMPARE(file.pages().size(), builtIn.pages().size());
        const ReportPage& a = file.pages().front();
        const ReportPage& b = builtIn.pages().front();
        QCOMPARE(a.texts.size(), size_t(70));
        QCOMPARE(a.texts.size(), b.texts.size());
        for (size_t i = 0; i < a.texts.size(); ++i) {
            QCOMPARE(a.texts[i].name, b.texts[i].name);
            QCOMPARE(a.texts[i].left, b.texts[i].left);
            QCOMPARE(a.texts[i].top, b.texts[i].top);
            QCOMPARE(a.texts[i].width, b.texts[i].width);
            QCOMPARE(a.texts[i].alignment, b.texts[i].alignment);
        }
        QVERIFY(a.background.isNull());
        // The demonstration slip carries its drawing.
        QVERIFY(
            file.load(QDir(programFolder()).filePath(QStringLiteral("Demo_Schein.fr3")), &error));
        QVERIFY(!file.pages().front().background.isNull());
    }

    // A designed template with positions of its own, saved with decimals.
    void geometryReadBackFromASavedTemplate()
    {
        QTemporaryDir dir;
        Report report = builtInReport();
        const struct {
            const char* name;
            double left, top;
        } moved[] = {{"Zahl1_1", 20.5, 30.25},
                     {"Zahl2_1", 20.5 + 8 * 15.5, 30.25},
                     {"Zahl4_1", 20.5, 30.25 + 6 * 12.5},
                     {"Zahl1_2", 20.5 + 170.75, 30.25},
                     {"Zahl1_3", 20.5, 30.25 + 101}};
        for (const auto& m : moved) {
            report.text(QLatin1String(m.name))->left = m.left;
            report.text(QLatin1String(m.name))->top = m.top;
        }
        const QString path = dir.filePath(QStringLiteral("eigen.fr3"));
        QString error;
        QVERIFY(report.save(path, &error));
        SlipReport slip;
        QCOMPARE(slip.load(path, QString(), dir.path()), QString());
        QString missing;
        const auto points = slip.calibration(&missing);
        QVERIFY(points);
        SlipGeometry counts;
        counts.numbersPerRow = 9;
        const SlipGeometry g = calibratedGeometry(*points, counts, 7);
        QCOMPARE(g.fieldWidth, 15.5);
        QCOMPARE(g.fieldHeight, 12.5);
        QCOMPARE(g.firstLeft, 20.5);
        QCOMPARE(g.firstTop, 30.25);
        QCOMPARE(g.blockLeft, 170.75);
        QCOMPARE(g.blockTop, 101.0);
    }

    void missingCalibrationObjectIsNamed()
    {
        QTemporaryDir dir;
        Report report = builtInReport();
        auto& texts = report.pages().front().texts;
        texts.erase(std::remove_if(texts.begin(), texts.end(),
                                   [](const ReportText& t) { return t.name == "Zahl4_1"; }),
                    texts.end());
        QString error;
        QVERIFY(report.save(dir.filePath(QStringLiteral("ohne.fr3")), &error));
        SlipReport slip;
        QCOMPARE(slip.load(dir.filePath(QStringLiteral("ohne.fr3")), QString(), dir.path()),
                 QString());
        QString missing;
        QVERIFY(!slip.calibration(&missing));
        QCOMPARE(missing, QStringLiteral("Zahl4_1"));
    }

    // A template that cannot be read is named with what is wrong; the built-in report
    // stands in for it.
    void malformedTemplate_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("truncated")
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<TfrxReport><TfrxReportPage Name=\"Page1\">"
                   "<TfrxMemoView Name=\"Zahl1_1\" Left=\"1\"")
            << "Zeile 2";
        QTest::newRow("no number")
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<TfrxReport><TfrxReportPage Name=\"Page1\">"
                   "<TfrxMemoView Name=\"Zahl1_1\" Left=\"links\"/></TfrxReportPage></TfrxReport>")
            << "Zahl1_1: Left=\"links\"";
        QTest::newRow("not a template")
            << QByteArray("\x89PNG\r\n\x1a\n") << "keine Berichtsvorlage";
        QTest::newRow("empty") << QByteArray() << "keine Berichtsvorlage";
    }
    void malformedTemplate()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kaputt.fr3"));
        writeBytes(path, content);
        SlipReport slip;
        const QString problem = slip.load(path, QString(), dir.path());
        QVERIFY2(problem.startsWith(QDir::toNativeSeparators(path) + QStringLiteral(": ")),
                 qPrintable(problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
        QCOMPARE(slip.templatePath(), QString());
        QCOMPARE(slip.report().pages().front().texts.size(), size_t(70));
        QVERIFY(slip.calibration(nullptr));
    }

    void pictureLoadedOrDropped()
    {
        QTemporaryDir dir;
        QImage picture(20, 30, QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("bild.png"))));
        writeBytes(dir.filePath(QStringLiteral("kaputt.png")), "kein Bild");
        SlipReport slip;
        QCOMPARE(slip.load(QString(), QStringLiteral("bild.png"), dir.path()), QString());
        QCOMPARE(slip.shownPage()->background.size(), QSize(20, 30));
        // Prepared with it.
        QCOMPARE(slip.report().preparedPages().front().background.size(), QSize(20, 30));
        // A missing picture is dropped silently, a broken one with its reason.
        QCOMPARE(slip.load(QString(), QStringLiteral("fehlt.png"), dir.path()), QString());
        QVERIFY(slip.shownPage()->background.isNull());
        const QString problem = slip.load(QString(), QStringLiteral("kaputt.png"), dir.path());
        QVERIFY2(problem.contains(QStringLiteral("kaputt.png")), qPrintable(problem));
        QVERIFY(slip.shownPage()->background.isNull());
    }

    void paperValuesBothWays()
    {
        SlipReport slip;
        SlipSettings settings;
        settings.paperSize = QStringLiteral("9");
        settings.paperOrientation = 2;
        slip.applyPaper(settings);
        const ReportPage* page = slip.shownPage();
        QCOMPARE(page->paperSize, 9);
        QCOMPARE(page->orientation, QPageLayout::Landscape);
        QCOMPARE(page->paperWidth, 297.0);
        QCOMPARE(page->paperHeight, 210.0);
        settings.paperSize = QStringLiteral("256");
        settings.paperOrientation = 1;
        settings.paperWidth = QStringLiteral("99,5");
        settings.paperHeight = QStringLiteral("0");  // no paper: kept
        slip.applyPaper(settings);
        QCOMPARE(page->orientation, QPageLayout::Portrait);
        QCOMPARE(page->paperWidth, 99.5);
        QCOMPARE(page->paperHeight, 297.0);

        SlipSettings stored;
        slip.storePaper(stored);
        QCOMPARE(stored.paperSize, std::optional<QString>("256"));
        QCOMPARE(stored.paperOrientation, std::optional<int>(1));
        QCOMPARE(stored.paperWidth, std::optional<QString>("99,5"));
        QCOMPARE(stored.paperHeight, std::optional<QString>("297"));
    }

    // The companion's pages: one per slip, each with its own tips only.
    void allSlipsAsPages()
    {
        SlipReport slip;
        QStringList tips;
        for (int i = 1; i <= 12; ++i) tips << QStringLiteral("%1,%2").arg(i).arg(i + 20);
        SlipPlacing placing;
        placing.geometry = readGeometry(slip);
        ScriptedDialogs dialogs;
        const auto pages = allSlipPages(slip, tips, placing, dialogs);
        QVERIFY(pages);
        QCOMPARE(pages->size(), size_t(2));
        QCOMPARE(dialogs.shown.size(), 0);  // no questions
        QCOMPARE(crossed(pages->at(0)).size(), 50);
        QCOMPARE(crossed(pages->at(1)),
                 QStringList({"Zahl1_1", "Zahl2_1", "Zahl3_1", "Zahl4_1", "Zahl5_1", "Zahl1_2",
                              "Zahl2_2", "Zahl3_2", "Zahl4_2", "Zahl5_2"}));
        // Tip 11: 11 on the first field of the second row, 31 on the first of the fourth.
        const ReportPage& last = pages->at(1);
        const auto object = [&last](const char* name) {
            for (const ReportText& t : last.texts)
                if (t.name == QLatin1String(name)) return t;
            return ReportText();
        };
        QCOMPARE(object("Zahl1_1").left, 12.0);
        QCOMPARE(object("Zahl1_1").top, 40.0 + 22);
        QCOMPARE(object("Zahl2_1").top, 40.0 + 3 * 22);
        QCOMPARE(object("Zahl2_2").left, 12.0 + 190 + 17);  // 32 of tip 12
        QCOMPARE(object("Zahl2_2").fontSize(), 10);
        QVERIFY(!object("Stern1_1").visible);

        // Placing that stops gives no pages.
        placing.geometry.blockColumns = 3;
        QVERIFY(!allSlipPages(slip, tips, placing, dialogs));
        QCOMPARE(dialogs.notices(), QStringList{"Fehler kann Feld Zahl1_11 nicht finden"});
    }
};

QTEST_MAIN(TestSlipReport)
#include "test_slip_report.moc"
