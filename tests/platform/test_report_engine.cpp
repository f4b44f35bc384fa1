#include <QBuffer>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "platform/report/report.h"
#include "platform/report/report_painter.h"
#include "support/files.h"

using namespace kw;
using kw::test::fileBytes;
using kw::test::writeBytes;

namespace {

// A page with margins, a picture and objects of every kind the tests look at.
// The picture's hex (PICTURE) and a memo attribute (EXTRA) are filled in per test.
const QByteArray kTemplate = R"(<?xml version="1.0" encoding="utf-8" standalone="no"?>
<TfrxReport Version="4.9.72" DotMatrixReport="False" ScriptLanguage="PascalScript">
  <Datasets/>
  <Variables/>
  <TfrxReportPage Name="Page1" PaperWidth="105" PaperHeight="198,5" PaperSize="256"
      LeftMargin="10" RightMargin="5,5" TopMargin="7.25" BottomMargin="0" Frame.Typ="0"
      BackPicture.PropData="PICTURE">
    <TfrxMemoView Name="Zahl1_1" Left="12,5" Top="40.25" Width="17" Height="22"
        Font.Charset="1" Font.Color="255" Font.Height="-16" Font.Name="DejaVu Sans"
        Font.Style="1" HAlign="haCenter" VAlign="vaBottom" ParentFont="False"
        Text="a&#13;&#10;b" EXTRA/>
    <TfrxMemoView Name="Stern1_1" Visible="False" Left="1" Top="2" Width="3" Height="4" Text=""/>
    <TfrxMasterData Name="MasterData1" Height="20"><TfrxMemoView Name="InBand"/></TfrxMasterData>
    <TfrxPictureView Name="Picture1" Left="3"/>
  </TfrxReportPage>
</TfrxReport>
)";

QByteArray filled(const QByteArray& picture = {}, const QByteArray& extra = {})
{
    return QByteArray(kTemplate).replace("PICTURE", picture).replace("EXTRA", extra);
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

QImage plainImage(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The bounding box of the pixels that match, inside the area.
QRect inkBox(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& ink)
{
    QRect box;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (ink(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool isBlack(QRgb pixel)
{
    return qGray(pixel) < 100;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

const QColor kPaperColour(255, 255, 170);

// A page whose objects' places the painting tests know: "H" at the top left of
// its object, a red "H" centred in another, a hidden object and a light picture.
ReportPage placementPage()
{
    ReportPage page;
    page.name = QStringLiteral("Page1");
    page.paperSize = 256;
    page.paperWidth = 105;
    page.paperHeight = 198;
    page.margins = QMarginsF(10, 5, 0, 0);
    page.background = plainImage(4, 4, kPaperColour);
    ReportText text;
    text.fontName = QStringLiteral("DejaVu Sans");
    text.fontPixels = 20;
    text.text = QStringLiteral("H");
    text.name = QStringLiteral("TopLeft");
    text.left = 50;
    text.top = 30;
    text.width = 40;
    text.height = 30;
    page.texts.push_back(text);
    text.name = QStringLiteral("Hidden");
    text.left = 150;
    text.visible = false;
    page.texts.push_back(text);
    text.name = QStringLiteral("Centred");
    text.visible = true;
    text.left = 50;
    text.top = 100;
    text.width = 60;
    text.height = 40;
    text.color = Qt::red;
    text.alignment = Qt::AlignCenter;
    page.texts.push_back(text);
    return page;
}

// Checks the placement page as painted at 192 dots per inch (2 pixels a unit).
void checkPlacement(const QImage& image)
{
    constexpr double scale = 2;
    const QPointF origin(10 * kUnitsPerMillimetre * scale, 5 * kUnitsPerMillimetre * scale);
    const QRect topLeft = QRectF(origin + QPointF(50, 30) * scale, QSizeF(40, 30) * scale).toRect();
    const QRect ink = inkBox(image, topLeft.adjusted(-30, -30, 30, 30), isBlack);
    QVERIFY2(!ink.isNull(), "no text at the top-left object");
    QVERIFY2(topLeft.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                   .arg(ink.x())
                                                   .arg(ink.y())
                                                   .arg(ink.width())
                                                   .arg(ink.height())));
    QVERIFY(ink.left() - topLeft.left() <= 6);
    QVERIFY(ink.top() - topLeft.top() <= 16);
    // A capital of a 20-pixel font is about 14.6 units high.
    QVERIFY2(ink.height() >= 25 && ink.height() <= 33, qPrintable(QString::number(ink.height())));

    const QRect hidden = QRectF(origin + QPointF(150, 30) * scale, QSizeF(40, 30) * scale).toRect();
    QVERIFY(inkBox(image, hidden.adjusted(-30, -30, 30, 30), isBlack).isNull());

    const QRect centred =
        QRectF(origin + QPointF(50, 100) * scale, QSizeF(60, 40) * scale).toRect();
    const QRect red = inkBox(image, centred.adjusted(-30, -30, 30, 30), isRed);
    QVERIFY2(!red.isNull(), "no red text at the centred object");
    QVERIFY(std::abs(red.center().x() - centred.center().x()) <= 3);
    QVERIFY(std::abs(red.center().y() - centred.center().y()) <= 4);

    // The picture covers the whole paper, margins included.
    for (const QPoint corner : {QPoint(2, 2), QPoint(image.width() - 3, image.height() - 3)}) {
        const QRgb pixel = image.pixel(corner);
        QVERIFY2(qAbs(qRed(pixel) - kPaperColour.red()) <= 2 &&
                     qAbs(qGreen(pixel) - kPaperColour.green()) <= 2 &&
                     qAbs(qBlue(pixel) - kPaperColour.blue()) <= 2,
                 qPrintable(QColor(pixel).name()));
    }
}

void compareTexts(const ReportText& actual, const ReportText& expected)
{
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.left, expected.left);
    QCOMPARE(actual.top, expected.top);
    QCOMPARE(actual.width, expected.width);
    QCOMPARE(actual.height, expected.height);
    QCOMPARE(actual.text, expected.text);
    QCOMPARE(actual.fontName, expected.fontName);
    QCOMPARE(actual.fontPixels, expected.fontPixels);
    QCOMPARE(actual.bold, expected.bold);
    QCOMPARE(actual.italic, expected.italic);
    QCOMPARE(actual.color, expected.color);
    QCOMPARE(actual.alignment, expected.alignment);
    QCOMPARE(actual.visible, expected.visible);
}

}  // namespace

class TestReportEngine : public QObject {
    Q_OBJECT
private slots:
    void loadsPagesAndTextObjects()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("schein.fr3"));
        writeBytes(path, filled());
        Report report;
        QString error;
        QVERIFY2(report.load(path, &error), qPrintable(error));

        QCOMPARE(report.pages().size(), size_t(1));
        ReportPage* page = report.page(QStringLiteral("PAGE1"));
        QVERIFY(page);
        QCOMPARE(page->paperWidth, 105.0);
        QCOMPARE(page->paperHeight, 198.5);
        QCOMPARE(page->paperSize, 256);
        QCOMPARE(page->orientation, QPageLayout::Portrait);
        QCOMPARE(page->margins, QMarginsF(10, 7.25, 5.5, 0));
        QVERIFY(page->background.isNull());
        // Objects inside unknown elements go with them.
        QCOMPARE(page->texts.size(), size_t(2));
        QVERIFY(!report.text(QStringLiteral("InBand")));
        QVERIFY(!report.text(QStringLiteral("Picture1")));

        ReportText* number = report.text(QStringLiteral("zahl1_1"));
        QVERIFY(number);
        QCOMPARE(number, page->text(QStringLiteral("ZAHL1_1")));
        QCOMPARE(number->name, QStringLiteral("Zahl1_1"));
        QCOMPARE(number->left, 12.5);
        QCOMPARE(number->top, 40.25);
        QCOMPARE(number->width, 17.0);
        QCOMPARE(number->height, 22.0);
        QCOMPARE(number->text, QStringLiteral("a\nb"));
        QCOMPARE(number->fontName, QStringLiteral("DejaVu Sans"));
        QCOMPARE(number->fontPixels, 16);
        QCOMPARE(number->fontSize(), 12);
        QCOMPARE(number->color, QColor(Qt::red));
        QVERIFY(number->bold);
        QVERIFY(!number->italic);
        QCOMPARE(number->alignment, Qt::AlignHCenter | Qt::AlignBottom);
        QVERIFY(number->visible);

        ReportText* star = report.text(QStringLiteral("STERN1_1"));
        QVERIFY(star);
        QVERIFY(!star->visible);
        QCOMPARE(star->fontPixels, 13);  // what an unwritten font height means
        QCOMPARE(star->alignment, Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(!report.text(QStringLiteral("Zahl1_2")));
        QVERIFY(!report.page(QStringLiteral("Page2")));
    }

    void readsAttributeValues_data()
    {
        QTest::addColumn<QByteArray>("attributes");
        QTest::addColumn<double>("left");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("decimal comma")
            << QByteArray(R"(Left="7,75")") << 7.75 << 12 << QColor(Qt::red);
        QTest::newRow("decimal point, negative")
            << QByteArray(R"(Left="-3.5")") << -3.5 << 12 << QColor(Qt::red);
        QTest::newRow("blanks around")
            << QByteArray(R"(Left=" 4 ")") << 4.0 << 12 << QColor(Qt::red);
        QTest::newRow("13 pixels are 10 pt")
            << QByteArray(R"(Font.Height="-13")") << 12.5 << 10 << QColor(Qt::red);
        QTest::newRow("11 pixels are 8 pt")
            << QByteArray(R"(Font.Height="-11")") << 12.5 << 8 << QColor(Qt::red);
        QTest::newRow("a positive height")
            << QByteArray(R"(Font.Height="12")") << 12.5 << 9 << QColor(Qt::red);
        QTest::newRow("green") << QByteArray(R"(Font.Color="32768")") << 12.5 << 12
                               << QColor(0, 128, 0);
        QTest::newRow("blue") << QByteArray(R"(Font.Color="16711680")") << 12.5 << 12
                              << QColor(0, 0, 255);
        QTest::newRow("bytes in their order")
            << QByteArray(R"(Font.Color="1193046")") << 12.5 << 12 << QColor(0x56, 0x34, 0x12);
        QTest::newRow("system colour")
            << QByteArray(R"(Font.Color="-16777208")") << 12.5 << 12 << QColor(Qt::black);
    }

    void readsAttributeValues()
    {
        QFETCH(QByteArray, attributes);
        QFETCH(double, left);
        QFETCH(int, fontSize);
        QFETCH(QColor, colour);
        // A repeated attribute is an XML error, so the row's value replaces the template's.
        QByteArray content = filled();
        const QByteArray key = attributes.left(attributes.indexOf('=') + 1);
        const qsizetype at = content.indexOf(" " + key, content.indexOf("Zahl1_1"));
        const qsizetype end = content.indexOf('"', content.indexOf('"', at) + 1);
        content.replace(at + 1, end - at, attributes);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.fr3"));
        writeBytes(path, content);
        Report report;
        QString error;
        QVERIFY2(report.load(path, &error), qPrintable(error));
        const ReportText* text = report.text(QStringLiteral("Zahl1_1"));
        QCOMPARE(text->left, left);
        QCOMPARE(text->fontSize(), fontSize);
        QCOMPARE(text->color, colour);
    }

    void setsFontSizeInPoints()
    {
        ReportText text;
        for (int points = 3; points <= 72; ++points) {
            text.setFontSize(points);
            QCOMPARE(text.fontSize(), points);
        }
        text.setFontSize(10);
        QCOMPARE(text.fontPixels, 13);
        text.setFontSize(12);
        QCOMPARE(text.fontPixels, 16);
    }

    void readsTheBackgroundPictureInside_data()
    {
        QTest::addColumn<QByteArray>("propData");
        QTest::addColumn<QSize>("size");
        const QImage picture = plainImage(6, 4, QColor(0, 200, 0));
        const QByteArray jpeg = encoded(picture, "JPG");
        const QByteArray bmp = encoded(picture, "BMP");
        QTest::newRow("png") << QByteArray("\x0ATPngObject") + encoded(picture, "PNG")
                             << QSize(6, 4);
        QTest::newRow("jpeg after its length")
            << QByteArray("\x0BTJPEGImage\x10\x00\x00\x00", 16) + jpeg << QSize(6, 4);
        QTest::newRow("bitmap") << QByteArray("\x07TBitmap\x10\x00\x00\x00", 12) + bmp
                                << QSize(6, 4);
        QTest::newRow("a metafile is left out")
            << QByteArray("\x09TMetafile\x01\x00\x00\x00", 14) << QSize(0, 0);
    }

    void readsTheBackgroundPictureInside()
    {
        QFETCH(QByteArray, propData);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.fr3"));
        writeBytes(path, filled(propData.toHex().toUpper()));
        Report report;
        QString error;
        QVERIFY2(report.load(path, &error), qPrintable(error));
        const QImage& background = report.page(QStringLiteral("Page1"))->background;
        QCOMPARE(background.size(), size);
        if (!size.isEmpty()) QCOMPARE(QColor(background.pixel(1, 1)).green() > 150, true);
    }

    void loadsABackgroundPictureFromAFile()
    {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("slip.png"));
        const QString jpeg = dir.filePath(QStringLiteral("slip.jpg"));
        QVERIFY(plainImage(30, 20, Qt::blue).save(png));
        QVERIFY(plainImage(12, 8, Qt::blue).save(jpeg));
        ReportPage page;
        QString error;
        QVERIFY2(page.setBackground(png, &error), qPrintable(error));
        QCOMPARE(page.background.size(), QSize(30, 20));
        QVERIFY2(page.setBackground(jpeg, &error), qPrintable(error));
        QCOMPARE(page.background.size(), QSize(12, 8));

        const QString missing = dir.filePath(QStringLiteral("missing.png"));
        QVERIFY(!page.setBackground(missing, &error));
        QVERIFY2(error.contains(QStringLiteral("missing.png")), qPrintable(error));
        const QString text = dir.filePath(QStringLiteral("notes.png"));
        writeBytes(text, "not a picture");
        QVERIFY(!page.setBackground(text, &error));
        QVERIFY2(error.contains(QStringLiteral("notes.png")), qPrintable(error));
        QCOMPARE(page.background.size(), QSize(12, 8));  // the last good one stays
    }

    void refusesBrokenTemplates_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
        QTest::newRow("empty") << QByteArray() << QStringList{"XML-Deklaration"};
        QTest::newRow("no declaration")
            << QByteArray("<TfrxReport><TfrxReportPage Name=\"Page1\"/></TfrxReport>")
            << QStringList{"XML-Deklaration"};
        QTest::newRow("another document")
            << head + "<html>\n</html>" << QStringList{"Zeile 2", "<html>", "TfrxReport"};
        QTest::newRow("no page") << head + "<TfrxReport>\n</TfrxReport>\n"
                                 << QStringList{"keine Seite"};
        QTest::newRow("truncated in an attribute")
            << filled().left(filled().indexOf("Font.Name")) << QStringList{"Zeile 9"};
        QTest::newRow("truncated after an element")
            << filled().left(filled().indexOf("<TfrxMasterData"))
            << QStringList{"Zeile 13", "Premature end of document"};
        QTest::newRow("tags crossed")
            << head + "<TfrxReport>\n<TfrxReportPage Name=\"Page1\">\n</TfrxReport>"
            << QStringList{"Zeile 4"};
        QTest::newRow("something after the report") << filled() + "<TfrxReport/>\n"
                                                    << QStringList{"Zeile 17"};
        QTest::newRow("position not a number")
            << filled({}, "Top=\"x\"").replace("Top=\"40.25\" ", "")
            << QStringList{"Zeile 11", "Zahl1_1", "Top=\"x\"", "keine passende Zahl"};
        QTest::newRow("width below nothing") << filled().replace("Width=\"17\"", "Width=\"-1\"")
                                             << QStringList{"Zahl1_1", "Width=\"-1\""};
        QTest::newRow("font height not whole")
            << filled().replace("Font.Height=\"-16\"", "Font.Height=\"-1,5\"")
            << QStringList{"Font.Height=\"-1,5\"", "keine ganze Zahl"};
        QTest::newRow("font height nought")
            << filled().replace("Font.Height=\"-16\"", "Font.Height=\"0\"")
            << QStringList{"Font.Height=\"0\"", "Schriftgröße"};
        QTest::newRow("font height the lowest 64-bit number")
            << filled().replace("Font.Height=\"-16\"", "Font.Height=\"-9223372036854775808\"")
            << QStringList{"Font.Height=\"-9223372036854775808\"", "Schriftgröße"};
        QTest::newRow("paper without width")
            << filled().replace("PaperWidth=\"105\"", "PaperWidth=\"0\"")
            << QStringList{"Page1", "PaperWidth=\"0\"", "Zeile 7"};
        QTest::newRow("picture not hex") << filled("0A5G") << QStringList{"BackPicture.PropData"};
        QTest::newRow("a long picture not hex")
            << filled(QByteArray(100000, 'Z'))
            << QStringList{"PropData=\"ZZZZZZZZZZZZZZZZZZZZ...\""};
        QTest::newRow("picture of odd length")
            << filled("0A5") << QStringList{"BackPicture.PropData", "Hexadezimalfolge"};
    }

    void refusesBrokenTemplates()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kaputt.fr3"));
        writeBytes(path, content);
        Report report = builtInReport();
        QString error;
        QVERIFY(!report.load(path, &error));
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(path) + QStringLiteral(": ")),
                 qPrintable(error));
        for (const QString& part : expected) {
            QVERIFY2(error.contains(part), qPrintable(error + QStringLiteral(" lacks ") + part));
        }
        QVERIFY(error.size() < path.size() + 160);  // short enough for a message box
        QCOMPARE(report.pages().front().texts.size(), size_t(70));  // unchanged
    }

    void reportsAMissingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SK_Sachsen.fr3"));
        Report report = builtInReport();
        QString error;
        QVERIFY(!report.load(path, &error));
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(path) + QStringLiteral(": ")),
                 qPrintable(error));
        QVERIFY(error.size() > path.size() + 2);  // with the system's reason
        QVERIFY(report.page(QStringLiteral("Page1")));
        QVERIFY(!report.load(dir.path(), &error));  // a folder is no template either
    }

    void builtInReportHoldsTheSlipObjects()
    {
        Report report = builtInReport();
        QCOMPARE(report.pages().size(), size_t(1));
        ReportPage* page = report.page(QStringLiteral("Page1"));
        QVERIFY(page);
        QCOMPARE(page->paperWidth, 105.0);
        QCOMPARE(page->paperHeight, 198.0);
        QCOMPARE(page->paperSize, 256);
        QCOMPARE(page->orientation, QPageLayout::Portrait);
        QCOMPARE(page->texts.size(), size_t(70));
        QStringList names;
        for (int tip = 1; tip <= 10; ++tip) {
            for (int n = 1; n <= 5; ++n) names << QStringLiteral("Zahl%1_%2").arg(n).arg(tip);
            for (int n = 1; n <= 2; ++n) names << QStringLiteral("Stern%1_%2").arg(n).arg(tip);
        }
        const QRectF paper(0, 0, 105 * kUnitsPerMillimetre, 198 * kUnitsPerMillimetre);
        for (const QString& name : names) {
            const ReportText* text = report.text(name);
            QVERIFY2(text, qPrintable(name));
            QVERIFY(text->visible);
            QVERIFY(text->text.isEmpty());
            QCOMPARE(text->fontSize(), 10);
            const QRectF box(text->left, text->top, text->width, text->height);
            QVERIFY2(paper.contains(box), qPrintable(name));
        }
        // The calibration reads a block of ten fields across and five down, the
        // second block beside the first and the third below it.
        const auto at = [&](const char* name) {
            const ReportText* text = report.text(QString::fromLatin1(name));
            return QPointF(text->left, text->top);
        };
        const QPointF first = at("Zahl1_1");
        const double across = (at("Zahl2_1").x() - first.x()) / 9;
        const double down = (at("Zahl4_1").y() - first.y()) / 4;
        QVERIFY(across > 0 && down > 0);
        QCOMPARE(at("Zahl2_1").y(), first.y());
        QCOMPARE(at("Zahl4_1").x(), first.x());
        QCOMPARE(at("Zahl1_2").y(), first.y());
        QVERIFY(at("Zahl1_2").x() >= first.x() + 10 * across);  // blocks do not overlap
        QCOMPARE(at("Zahl1_3").x(), first.x());
        QVERIFY(at("Zahl1_3").y() >= first.y() + 5 * down);
        QCOMPARE(at("Zahl1_10") - at("Zahl1_9"), at("Zahl1_2") - first);
    }

    void savedReportLoadsAlike()
    {
        Report report = builtInReport();
        ReportPage& page = report.pages().front();
        page.setOrientation(QPageLayout::Landscape);
        page.margins = QMarginsF(1.5, 2, 3, 4.25);
        page.background = plainImage(5, 3, QColor(10, 20, 30));
        ReportText* text = report.text(QStringLiteral("Zahl3_7"));
        text->text = QStringLiteral("x\nÄ & <y> \"z\"\t");
        text->left = 123.456;
        text->top = -0.5;
        text->visible = false;
        text->color = QColor(1, 2, 3);
        text->setFontSize(14);
        text->bold = true;
        text->italic = true;
        text->fontName = QStringLiteral("DejaVu Serif");
        text->alignment = Qt::AlignRight | Qt::AlignVCenter;
        ReportPage second;
        second.name = QStringLiteral("Page2");
        second.setPaperSize(11);
        report.pages().push_back(second);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("schein.fr3"));
        QString error;
        QVERIFY2(report.save(path, &error), qPrintable(error));
        QVERIFY(fileBytes(path).startsWith("<?xml"));
        QVERIFY(fileBytes(path).contains("&#13;&#10;"));
        Report loaded;
        QVERIFY2(loaded.load(path, &error), qPrintable(error));

        QCOMPARE(loaded.pages().size(), size_t(2));
        for (size_t p = 0; p < 2; ++p) {
            const ReportPage& expected = report.pages()[p];
            const ReportPage& actual = loaded.pages()[p];
            QCOMPARE(actual.name, expected.name);
            QCOMPARE(actual.paperWidth, expected.paperWidth);
            QCOMPARE(actual.paperHeight, expected.paperHeight);
            QCOMPARE(actual.paperSize, expected.paperSize);
            QCOMPARE(actual.orientation, expected.orientation);
            QCOMPARE(actual.margins, expected.margins);
            QCOMPARE(actual.background.size(), expected.background.size());
            QCOMPARE(actual.texts.size(), expected.texts.size());
            for (size_t i = 0; i < actual.texts.size(); ++i) {
                compareTexts(actual.texts[i], expected.texts[i]);
            }
        }
        QCOMPARE(loaded.pages().front().background.pixel(4, 2), qRgb(10, 20, 30));
    }

    void refusesToSaveWhereItCannot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no/such/folder/schein.fr3"));
        QString error;
        QVERIFY(!builtInReport().save(path, &error));
        QVERIFY2(error.startsWith(QDir::toNativeSeparators(path)), qPrintable(error));
    }

    void setsPaperAndReadsItBack_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("A4") << 9 << false << 210.0 << 297.0;
        QTest::newRow("A4 landscape") << 9 << true << 297.0 << 210.0;
        QTest::newRow("A5 landscape") << 11 << true << 210.0 << 148.0;
        QTest::newRow("letter") << 1 << false << 215.9 << 279.4;
        QTest::newRow("custom keeps the size") << 256 << false << 105.0 << 198.0;
        QTest::newRow("custom landscape turns it") << 256 << true << 198.0 << 105.0;
        QTest::newRow("unknown code keeps the size") << 4711 << false << 105.0 << 198.0;
    }

    void setsPaperAndReadsItBack()
    {
        QFETCH(int, code);
        QFETCH(bool, landscape);
        QFETCH(double, width);
        QFETCH(double, height);
        ReportPage page = builtInReport().pages().front();
        page.setPaperSize(code);
        if (landscape) page.setOrientation(QPageLayout::Landscape);
        QCOMPARE(page.paperSize, code);
        QCOMPARE(page.orientation, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        QVERIFY(qAbs(page.paperWidth - width) < 0.1);
        QVERIFY(qAbs(page.paperHeight - height) < 0.1);
        page.setOrientation(page.orientation);  // no turn when nothing changes
        QVERIFY(qAbs(page.paperWidth - width) < 0.1);

        const QPageLayout layout = page.pageLayout();
        QCOMPARE(layout.orientation(), page.orientation);
        const QRectF full = layout.fullRect(QPageLayout::Millimeter);
        QVERIFY(qAbs(full.width() - width) < 0.1);
        QVERIFY(qAbs(full.height() - height) < 0.1);
        QCOMPARE(layout.paintRect(QPageLayout::Millimeter), full);

        page.paperWidth = 101.5;
        page.paperHeight = 99;
        QCOMPARE(page.pageLayout().fullRect(QPageLayout::Millimeter).size(), QSizeF(101.5, 99));
    }

    void prepareTakesTheReportAsItIsNow()
    {
        Report report = builtInReport();
        QVERIFY(report.preparedPages().empty());
        report.text(QStringLiteral("Zahl1_1"))->text = QStringLiteral("x");
        report.prepare();
        report.text(QStringLiteral("Zahl1_1"))->text = QStringLiteral("y");
        QCOMPARE(report.preparedPages().front().texts.front().text, QStringLiteral("x"));
        report.prepare();
        QCOMPARE(report.preparedPages().front().texts.front().text, QStringLiteral("y"));
    }

    void paintsObjectsWhereTheyAre()
    {
        const ReportPage page = placementPage();
        const QSizeF paper = QSizeF(page.paperWidth, page.paperHeight) * kUnitsPerMillimetre * 2;
        QImage image(paper.toSize(), QImage::Format_RGB32);
        image.fill(Qt::gray);
        image.setDotsPerMeterX(qRound(192 / 0.0254));
        image.setDotsPerMeterY(qRound(192 / 0.0254));
        QVERIFY(renderPage(image, page));
        checkPlacement(image);
    }

    void rendersOntoWhitePaper()
    {
        ReportPage page = placementPage();
        page.background = QImage();
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::gray);
        image.setDotsPerMeterX(qRound(96 / 0.0254));
        image.setDotsPerMeterY(qRound(96 / 0.0254));
        QVERIFY(renderPage(image, page));
        QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
        QVERIFY(!inkBox(image, QRect(80, 40, 60, 50), isBlack).isNull());  // 37.8 + 50, 18.9 + 30
    }

    void writesEveryPageWithItsPaper()
    {
        Report report = builtInReport();
        ReportPage second;
        second.name = QStringLiteral("Page2");
        second.setOrientation(QPageLayout::Landscape);
        second.setPaperSize(11);
        report.pages().push_back(second);
        report.text(QStringLiteral("Zahl1_1"))->text = QStringLiteral("x");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("slips.pdf"));
        QString error;
        QVERIFY2(writePdf(path, report.pages(), &error), qPrintable(error));
        const QString pdf = QString::fromLatin1(fileBytes(path));
        QVERIFY(pdf.startsWith(QStringLiteral("%PDF-")));
        const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
        QList<QSizeF> sizes;
        for (const auto& match : mediaBox.globalMatch(pdf)) {
            sizes << QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
        }
        QCOMPARE(sizes.size(), 2);
        const double pointsPerMillimetre = 72 / 25.4;
        const QSizeF expected[] = {QSizeF(105, 198) * pointsPerMillimetre,
                                   QSizeF(210, 148) * pointsPerMillimetre};
        for (int i = 0; i < 2; ++i) {
            QVERIFY2(qAbs(sizes[i].width() - expected[i].width()) < 1 &&
                         qAbs(sizes[i].height() - expected[i].height()) < 1,
                     qPrintable(QStringLiteral("page %1: %2 x %3")
                                    .arg(i + 1)
                                    .arg(sizes[i].width())
                                    .arg(sizes[i].height())));
        }

        QVERIFY(!writePdf(dir.filePath(QStringLiteral("none.pdf")), {}, &error));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("none.pdf"))));
        QVERIFY(!writePdf(dir.filePath(QStringLiteral("no/folder/x.pdf")), report.pages(), &error));
        QVERIFY2(error.contains(QStringLiteral("x.pdf")), qPrintable(error));
    }

    void printsObjectsWhereTheScreenShowsThem_data()
    {
        QTest::addColumn<bool>("throughPrinter");
        QTest::newRow("PDF writer") << false;
        QTest::newRow("printer to PDF") << true;
    }

    void printsObjectsWhereTheScreenShowsThem()
    {
        QFETCH(bool, throughPrinter);
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm (package poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        const std::vector<ReportPage> pages{placementPage()};
        QString error;
        if (throughPrinter) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            QVERIFY2(printPages(printer, pages, &error), qPrintable(error));
        } else {
            QVERIFY2(writePdf(pdf, pages, &error), qPrintable(error));
        }
        QProcess process;
        process.start(pdftoppm,
                      {QStringLiteral("-r"), QStringLiteral("192"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QImage image(dir.filePath(QStringLiteral("page.png")));
        // 105 x 198 mm at 192 dots per inch
        QVERIFY2(qAbs(image.width() - 794) <= 1 && qAbs(image.height() - 1497) <= 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height())));
        checkPlacement(image);
    }
};

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
