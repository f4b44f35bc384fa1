// Reading and writing report templates: UTF-8 XML whose elements are the class
// names of the designer's objects (TfrxReport, TfrxReportPage, TfrxMemoView) and
// whose attributes are their properties. Numbers come with "," or "." as the
// decimal sign, depending on the machine that saved them.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/report/report.h"

namespace kw {

namespace {

const QString kReport = QStringLiteral("TfrxReport");
const QString kPage = QStringLiteral("TfrxReportPage");
const QString kText = QStringLiteral("TfrxMemoView");
constexpr double kLargestNumber = 1e6;  // far beyond any paper, far below trouble in painting

QString problemIn(const QString& path, const QString& reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

// Reads one element's attributes; a value that does not fit stops the reader
// with a message that names the object and the attribute.
class Attributes {
public:
    explicit Attributes(QXmlStreamReader& xml) : m_xml(xml), m_attributes(xml.attributes())
    {
        m_name = m_attributes.value(QStringLiteral("Name")).toString();
    }

    const QString& name() const { return m_name; }
    bool has(const QString& key) const { return m_attributes.hasAttribute(key); }
    QString text(const QString& key) const { return m_attributes.value(key).toString(); }

    void read(const QString& key, double& target, double lowest = -kLargestNumber)
    {
        if (!has(key)) return;
        QString value = text(key).trimmed();
        value.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok || !std::isfinite(number) || number < lowest || number > kLargestNumber) {
            fail(key, QStringLiteral("ist keine passende Zahl"));
            return;
        }
        target = number;
    }

    std::optional<qint64> integer(const QString& key)
    {
        if (!has(key)) return std::nullopt;
        QString value = text(key).trimmed();
        bool ok = false;
        const qint64 number = value.startsWith(QLatin1Char('$')) ? value.mid(1).toLongLong(&ok, 16)
                                                                 : value.toLongLong(&ok);
        if (!ok) {
            fail(key, QStringLiteral("ist keine ganze Zahl"));
            return std::nullopt;
        }
        return number;
    }

    void fail(const QString& key, const QString& reason)
    {
        if (m_xml.hasError()) return;
        QString value = text(key);
        if (value.size() > 24) value = value.left(20) + QStringLiteral("...");
        m_xml.raiseError(QStringLiteral("%1: %2=\"%3\" %4").arg(m_name, key, value, reason));
    }

private:
    QXmlStreamReader& m_xml;
    QXmlStreamAttributes m_attributes;
    QString m_name;
};

// The picture inside BackPicture.PropData: the designer stores a class name
// and sometimes a length before the picture's own file data.
QImage pictureInside(const QByteArray& data)
{
    const QByteArray signatures[] = {QByteArrayLiteral("\x89PNG\r\n\x1a\n"),
                                     QByteArrayLiteral("\xff\xd8\xff"), QByteArrayLiteral("BM")};
    for (const QByteArray& signature : signatures) {
        const qsizetype at = data.indexOf(signature);
        QImage picture;
        if (at >= 0 && picture.loadFromData(data.mid(at))) return picture;
    }
    return {};
}

bool isHexText(const QString& text)
{
    if (text.size() % 2 != 0) return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

QColor colourOf(qint64 value)
{
    // 0x00BBGGRR; negative values and a high byte name system colours, shown as black.
    if (value < 0 || value > 0xFFFFFF) return Qt::black;
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

Qt::Alignment alignmentOf(const Attributes& attributes)
{
    const QString across = attributes.text(QStringLiteral("HAlign"));
    const QString down = attributes.text(QStringLiteral("VAlign"));
    Qt::Alignment alignment = across == QLatin1String("haCenter")  ? Qt::AlignHCenter
                              : across == QLatin1String("haRight") ? Qt::AlignRight
                                                                   : Qt::AlignLeft;
    alignment |= down == QLatin1String("vaCenter")   ? Qt::AlignVCenter
                 : down == QLatin1String("vaBottom") ? Qt::AlignBottom
                                                     : Qt::AlignTop;
    return alignment;
}

ReportText readText(QXmlStreamReader& xml)
{
    Attributes attributes(xml);
    ReportText text;
    text.name = attributes.name();
    attributes.read(QStringLiteral("Left"), text.left);
    attributes.read(QStringLiteral("Top"), text.top);
    attributes.read(QStringLiteral("Width"), text.width, 0);
    attributes.read(QStringLiteral("Height"), text.height, 0);
    text.text = attributes.text(QStringLiteral("Text"));
    text.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (attributes.has(QStringLiteral("Font.Name"))) {
        text.fontName = attributes.text(QStringLiteral("Font.Name"));
    }
    if (const auto height = attributes.integer(QStringLiteral("Font.Height"))) {
        // Compared before the sign is dropped: the lowest 64-bit number has no positive.
        if (*height == 0 || *height < -1000 || *height > 1000) {
            attributes.fail(QStringLiteral("Font.Height"),
                            QStringLiteral("ist keine Schriftgröße"));
        } else {
            text.fontPixels = int(std::abs(*height));
        }
    }
    if (const auto colour = attributes.integer(QStringLiteral("Font.Color"))) {
        text.color = colourOf(*colour);
    }
    if (const auto style = attributes.integer(QStringLiteral("Font.Style"))) {
        text.bold = (*style & 1) != 0;
        text.italic = (*style & 2) != 0;
    }
    text.alignment = alignmentOf(attributes);
    text.visible = attributes.text(QStringLiteral("Visible"))
                       .compare(QLatin1String("False"), Qt::CaseInsensitive) != 0;
    xml.skipCurrentElement();
    return text;
}

ReportPage readPage(QXmlStreamReader& xml)
{
    Attributes attributes(xml);
    ReportPage page;
    page.name = attributes.name();
    attributes.read(QStringLiteral("PaperWidth"), page.paperWidth, 1);
    attributes.read(QStringLiteral("PaperHeight"), page.paperHeight, 1);
    if (const auto code = attributes.integer(QStringLiteral("PaperSize"))) {
        page.paperSize = int(*code);
    }
    if (attributes.text(QStringLiteral("Orientation")) == QLatin1String("poLandscape")) {
        page.orientation = QPageLayout::Landscape;
    }
    double left = 0, top = 0, right = 0, bottom = 0;
    attributes.read(QStringLiteral("LeftMargin"), left, 0);
    attributes.read(QStringLiteral("TopMargin"), top, 0);
    attributes.read(QStringLiteral("RightMargin"), right, 0);
    attributes.read(QStringLiteral("BottomMargin"), bottom, 0);
    page.margins = QMarginsF(left, top, right, bottom);
    const QString pictureKey = QStringLiteral("BackPicture.PropData");
    const QString hex = attributes.text(pictureKey).simplified().remove(QLatin1Char(' '));
    if (!isHexText(hex)) {
        attributes.fail(pictureKey, QStringLiteral("ist keine Hexadezimalfolge"));
    } else if (!hex.isEmpty()) {
        // A picture Qt cannot read (a metafile, say) leaves the page without one.
        page.background = pictureInside(QByteArray::fromHex(hex.toLatin1()));
    }
    while (!xml.hasError() && xml.readNextStartElement()) {
        if (xml.name() == kText) {
            page.texts.push_back(readText(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
    return page;
}

std::vector<ReportPage> readReport(QXmlStreamReader& xml)
{
    std::vector<ReportPage> pages;
    if (!xml.readNextStartElement()) return pages;
    if (xml.name() != kReport) {
        xml.raiseError(QStringLiteral("keine Berichtsvorlage: <%1> statt <%2>")
                           .arg(xml.name().toString(), kReport));
        return pages;
    }
    while (!xml.hasError() && xml.readNextStartElement()) {
        if (xml.name() == kPage) {
            pages.push_back(readPage(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
    while (!xml.atEnd()) xml.readNext();  // anything after the report is an error too
    return pages;
}

QString number(double value)
{
    return QString::number(value, 'g', 12);
}

QByteArray pictureData(const QImage& picture)
{
    // As the designer stores a PNG picture: its class name, then the file.
    QByteArray data("\x09TPngImage");
    QBuffer buffer(&data);
    buffer.open(QIODevice::Append);
    picture.save(&buffer, "PNG");
    return data;
}

void writeText(QXmlStreamWriter& xml, const ReportText& text)
{
    xml.writeEmptyElement(kText);
    xml.writeAttribute(QStringLiteral("Name"), text.name);
    if (!text.visible) xml.writeAttribute(QStringLiteral("Visible"), QStringLiteral("False"));
    xml.writeAttribute(QStringLiteral("Left"), number(text.left));
    xml.writeAttribute(QStringLiteral("Top"), number(text.top));
    xml.writeAttribute(QStringLiteral("Width"), number(text.width));
    xml.writeAttribute(QStringLiteral("Height"), number(text.height));
    const int colour = text.color.red() | text.color.green() << 8 | text.color.blue() << 16;
    xml.writeAttribute(QStringLiteral("Font.Color"), QString::number(colour));
    xml.writeAttribute(QStringLiteral("Font.Height"), QString::number(-text.fontPixels));
    xml.writeAttribute(QStringLiteral("Font.Name"), text.fontName);
    xml.writeAttribute(QStringLiteral("Font.Style"),
                       QString::number((text.bold ? 1 : 0) | (text.italic ? 2 : 0)));
    const Qt::Alignment across = text.alignment & Qt::AlignHorizontal_Mask;
    const Qt::Alignment down = text.alignment & Qt::AlignVertical_Mask;
    if (across == Qt::AlignHCenter)
        xml.writeAttribute(QStringLiteral("HAlign"), QStringLiteral("haCenter"));
    if (across == Qt::AlignRight)
        xml.writeAttribute(QStringLiteral("HAlign"), QStringLiteral("haRight"));
    if (down == Qt::AlignVCenter)
        xml.writeAttribute(QStringLiteral("VAlign"), QStringLiteral("vaCenter"));
    if (down == Qt::AlignBottom)
        xml.writeAttribute(QStringLiteral("VAlign"), QStringLiteral("vaBottom"));
    QString lines = text.text;
    xml.writeAttribute(QStringLiteral("Text"),
                       lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

void writePage(QXmlStreamWriter& xml, const ReportPage& page)
{
    xml.writeStartElement(kPage);
    xml.writeAttribute(QStringLiteral("Name"), page.name);
    xml.writeAttribute(QStringLiteral("PaperWidth"), number(page.paperWidth));
    xml.writeAttribute(QStringLiteral("PaperHeight"), number(page.paperHeight));
    xml.writeAttribute(QStringLiteral("PaperSize"), QString::number(page.paperSize));
    if (page.orientation == QPageLayout::Landscape) {
        xml.writeAttribute(QStringLiteral("Orientation"), QStringLiteral("poLandscape"));
    }
    xml.writeAttribute(QStringLiteral("LeftMargin"), number(page.margins.left()));
    xml.writeAttribute(QStringLiteral("RightMargin"), number(page.margins.right()));
    xml.writeAttribute(QStringLiteral("TopMargin"), number(page.margins.top()));
    xml.writeAttribute(QStringLiteral("BottomMargin"), number(page.margins.bottom()));
    if (!page.background.isNull()) {
        xml.writeAttribute(QStringLiteral("BackPicture.PropData"),
                           QString::fromLatin1(pictureData(page.background).toHex().toUpper()));
    }
    for (const ReportText& text : page.texts) writeText(xml, text);
    xml.writeEndElement();
}

}  // namespace

bool Report::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = problemIn(path, file.errorString());
        return false;
    }
    QByteArray start = file.peek(8);
    if (start.startsWith("\xEF\xBB\xBF")) start.remove(0, 3);  // a byte-order mark
    if (!start.startsWith("<?xml")) {
        if (error) {
            *error = problemIn(path, QStringLiteral("keine Berichtsvorlage: die erste Zeile ist "
                                                    "keine XML-Deklaration (<?xml ...?>)"));
        }
        return false;
    }
    QXmlStreamReader xml(&file);
    std::vector<ReportPage> pages = readReport(xml);
    if (!xml.hasError() && pages.empty())
        xml.raiseError(QStringLiteral("die Vorlage hat keine Seite"));
    if (xml.hasError()) {
        if (error) {
            *error = problemIn(path, QStringLiteral("Zeile %1, Spalte %2: %3")
                                         .arg(xml.lineNumber())
                                         .arg(xml.columnNumber())
                                         .arg(xml.errorString()));
        }
        return false;
    }
    m_pages = std::move(pages);
    m_prepared.clear();
    return true;
}

bool Report::save(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QXmlStreamWriter xml(&file);
        xml.setAutoFormatting(true);
        xml.writeStartDocument();
        xml.writeStartElement(kReport);
        for (const ReportPage& page : m_pages) writePage(xml, page);
        xml.writeEndDocument();
        if (!xml.hasError() && file.commit()) return true;
    }
    if (error) *error = problemIn(path, file.errorString());
    return false;
}

}  // namespace kw
