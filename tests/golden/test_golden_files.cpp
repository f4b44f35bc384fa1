// The program's file formats against golden files: tests/golden/<format>/<case>/
// holds a case's input beside the output expected from it. Each case folder is a
// row of its format's table, so a new case is a new folder.
#include <QDir>
#include <QFile>
#include <QTest>

#include "draws/draw_maintenance.h"
#include "state/main_state.h"
#include "support/files.h"
#include "support/state_fixture.h"
#include "tips/text_file.h"

using namespace kw;
using namespace kw::test;

namespace {

// The star maximum of every draw since October 2014.
constexpr int kStarMaximum = 10;

// One row per case folder of the format, named after the folder. A format
// without any case gets a row that fails, so that a moved folder is not a pass.
void addCases(const QString& format)
{
    QTest::addColumn<QString>("folder");
    const QDir formatDir(QStringLiteral(KUGELWART_GOLDEN_DIR "/") + format);
    const QStringList cases = formatDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : cases)
        QTest::newRow(qPrintable(name)) << formatDir.filePath(name) + QLatin1Char('/');
    if (cases.isEmpty()) QTest::newRow("no cases") << QString();
}

// The draws a draw text file gave, one export line each (marked when the line
// had star numbers), then the rejected lines.
QString describe(const DrawText& text)
{
    QString out;
    for (const ImportedDraw& d : text.draws)
        out += exportLine(d.record) + (d.hasStars ? QStringLiteral(" with stars") : QString()) +
               QLatin1Char('\n');
    out += QStringLiteral("rejected: %1\n").arg(text.rejected);
    if (text.rejected > 0) out += text.firstRejected + QLatin1Char('\n');
    return out;
}

}  // namespace

class TestGoldenFiles : public QObject {
    Q_OBJECT
private slots:
    // ZahlenKK.dat, a stored history -> Zahlen.txt, its text export as written.
    void drawExport_data() { addCases(QStringLiteral("draw_export")); }
    void drawExport()
    {
        QFETCH(QString, folder);
        QVERIFY2(!folder.isEmpty(), "no case folders");
        StateFixture f;
        MainState state;
        f.prepare(state);
        QVERIFY(QFile::copy(folder + QStringLiteral("ZahlenKK.dat"), f.drawFile()));
        const QString exported = f.appData.filePath(QStringLiteral("Zahlen.txt"));
        f.dialogs.fileAnswers << exported;
        Services services = f.services();
        exportDraws(state, services);
        QCOMPARE(f.dialogs.notices(), QStringList());
        QCOMPARE(fileBytes(exported), fileBytes(folder + QStringLiteral("Zahlen.txt")));
    }

    // input.txt, a draw text file -> expected.txt (UTF-8), the draws read from it.
    void drawImport_data() { addCases(QStringLiteral("draw_import")); }
    void drawImport()
    {
        QFETCH(QString, folder);
        QVERIFY2(!folder.isEmpty(), "no case folders");
        QString error;
        const auto lines = readTextLines(folder + QStringLiteral("input.txt"), &error);
        QVERIFY2(lines, qPrintable(error));
        QCOMPARE(describe(parseDrawText(*lines, kStarMaximum)),
                 QString::fromUtf8(fileBytes(folder + QStringLiteral("expected.txt"))));
    }
};

QTEST_MAIN(TestGoldenFiles)
#include "test_golden_files.moc"
