// Writes the program's slip templates into a folder:
//   schein.fr3       the built-in report as a file
//   Demo_Schein.png  the drawing of a demonstration slip: ten tip blocks of the
//                    numbers 1 to 42, ten fields to a row
//   Demo_Schein.fr3  that slip's template with the drawing as its background; its
//                    objects sit on the fields the calibration reads, so that
//                    "Einstellungen einlesen" takes the slip's geometry from it.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "platform/report/report.h"

using namespace kw;

namespace {

// The demonstration slip, in 1/96 inch from the paper's corner (the page has no margins).
constexpr double kPaperWidth = 105;  // millimetres
constexpr double kPaperHeight = 198;
constexpr double kFirstLeft = 22;  // the field of number 1 of the first block
constexpr double kFirstTop = 112;
constexpr double kFieldWidth = 17;   // from one field to the next across
constexpr double kFieldHeight = 16;  // and down
constexpr double kBlockLeft = 188;   // from one block to the next across
constexpr double kBlockTop = 122;    // and down
constexpr int kPerRow = 10;
constexpr int kRows = 5;
constexpr int kBlockColumns = 2;
constexpr int kBlockRows = 5;
constexpr int kHighest = 42;
constexpr double kDotsPerInch = 200;

const QColor kInk(200, 40, 50);      // the slip's printing
const QColor kPaper(255, 249, 238);  // the slip's paper
const QColor kFieldTint(255, 236, 228);

QPointF fieldAt(int tip, int column, int row)
{
    return {kFirstLeft + (tip - 1) % kBlockColumns * kBlockLeft + column * kFieldWidth,
            kFirstTop + (tip - 1) / kBlockColumns * kBlockTop + row * kFieldHeight};
}

// A font of the given height in units (pixels before the painter's scaling).
QFont font(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QImage drawSlip()
{
    const double width = kPaperWidth * kUnitsPerMillimetre;
    const double height = kPaperHeight * kUnitsPerMillimetre;
    const double scale = kDotsPerInch / 96;
    QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    const auto text = [&p](const QRectF& box, int flags, const QString& s, const QFont& f) {
        p.setFont(f);
        p.drawText(box, flags, s);
    };

    // Heading.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(0, 0, width, 46));
    p.setPen(Qt::white);
    text(QRectF(12, 4, width - 24, 26), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("KLEINKUGEL"), font(21, true));
    text(QRectF(12, 4, width - 24, 26), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("5 aus 42"), font(16, true));
    text(QRectF(12, 28, width - 24, 14), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Demonstrationsschein \u2013 kein gültiger Spielschein"), font(9));
    p.setPen(kInk);
    text(QRectF(12, 52, width - 24, 14), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Je Tipp genau 5 Zahlen ankreuzen. Bitte nur im Feld kreuzen."), font(9));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(12, 70, 120, 16));
    text(QRectF(16, 70, 116, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ziehungstag"),
         font(8));
    p.drawRect(QRectF(width - 132, 70, 120, 16));
    text(QRectF(width - 128, 70, 116, 16), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Anzahl Tipps"), font(8));

    // The ten tip blocks.
    for (int tip = 1; tip <= kBlockColumns * kBlockRows; ++tip) {
        const QPointF corner = fieldAt(tip, 0, 0);
        const QRectF frame(corner.x() - 4, corner.y() - 15, kPerRow * kFieldWidth + 8,
                           kRows * kFieldHeight + 19);
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(frame, 3, 3);
        p.setPen(kInk);
        text(QRectF(frame.left() + 4, frame.top() + 1, 80, 13), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Tipp %1").arg(tip), font(9, true));
        for (int number = 1; number <= kHighest; ++number) {
            const QPointF at = fieldAt(tip, (number - 1) % kPerRow, (number - 1) / kPerRow);
            const QRectF field(at.x() + 1.5, at.y() + 1.5, kFieldWidth - 3, kFieldHeight - 3);
            p.setPen(QPen(kInk, 0.7));
            p.setBrush(kFieldTint);
            p.drawRect(field);
            p.setPen(kInk);
            text(field, Qt::AlignCenter, QString::number(number), font(7));
        }
    }

    // Reading marks on the left edge, one for each row of fields, as machines read slips.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int blockRow = 0; blockRow < kBlockRows; ++blockRow)
        for (int row = 0; row < kRows; ++row)
            p.drawRect(QRectF(3, kFirstTop + blockRow * kBlockTop + row * kFieldHeight + 5, 9, 6));

    // Foot.
    const double foot = kFirstTop + (kBlockRows - 1) * kBlockTop + kRows * kFieldHeight + 14;
    p.setPen(kInk);
    text(QRectF(12, foot, width - 24, 14), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Gezeichnet von Kugelwart zum Ausprobieren des Scheindrucks."), font(8));
    text(QRectF(12, foot + 14, width - 24, 14), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Spielteilnahme ab 18 Jahren. Glücksspiel kann süchtig machen."), font(8));
    p.end();
    return image;
}

// The objects of one tip position, each one field large with its text centred: number
// objects on the fields the calibration reads (1, 10, 41) and on 42 and 25, the star
// objects hidden on two of the last row's empty fields.
void addObjects(ReportPage& page)
{
    struct Object {
        const char* prefix;
        int column;
        int row;
        bool visible;
    };
    const Object objects[] = {{"Zahl1_", 0, 0, true},  {"Zahl2_", 9, 0, true},
                              {"Zahl3_", 1, 4, true},  {"Zahl4_", 0, 4, true},
                              {"Zahl5_", 4, 2, true},  {"Stern1_", 2, 4, false},
                              {"Stern2_", 3, 4, false}};
    for (int tip = 1; tip <= kBlockColumns * kBlockRows; ++tip) {
        for (const Object& object : objects) {
            ReportText text;
            text.name = QLatin1String(object.prefix) + QString::number(tip);
            const QPointF at = fieldAt(tip, object.column, object.row);
            text.left = at.x();
            text.top = at.y();
            text.width = kFieldWidth;
            text.height = kFieldHeight;
            text.alignment = Qt::AlignCenter;
            text.bold = true;
            text.visible = object.visible;
            page.texts.push_back(text);
        }
    }
}

bool save(const Report& report, const QString& path)
{
    QString error;
    if (report.save(path, &error)) return true;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    if (!save(builtInReport(), folder.filePath(QStringLiteral("schein.fr3")))) return 1;

    const QImage slip = drawSlip();
    if (!slip.save(folder.filePath(QStringLiteral("Demo_Schein.png")))) {
        std::fprintf(stderr, "cannot write Demo_Schein.png\n");
        return 1;
    }
    ReportPage page;
    page.name = QStringLiteral("Page1");
    page.paperSize = 256;
    page.paperWidth = kPaperWidth;
    page.paperHeight = kPaperHeight;
    page.background = slip;
    addObjects(page);
    Report demo;
    demo.pages().push_back(std::move(page));
    return save(demo, folder.filePath(QStringLiteral("Demo_Schein.fr3"))) ? 0 : 1;
}
