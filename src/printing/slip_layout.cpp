#include "printing/slip_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/dialogs.h"
#include "tips/integer_text.h"

namespace kw {

namespace {

bool isBlank(const QString& line)
{
    return line.trimmed().isEmpty();
}

// Empties the texts of the number objects of every position there is.
void clearNumbers(SlipCanvas& canvas, int positions)
{
    for (int t = 1; t <= positions; ++t)
        for (int n = 1; n <= kSlipNumbersPerTip; ++n)
            if (canvas.hasObject(numberObjectName(n, t))) canvas.clearText(numberObjectName(n, t));
}

// Divides a calibrated distance over the steps between the fields, when there are several.
double step(double distance, int fields)
{
    return fields >= 2 ? distance / (fields - 1) : distance;
}

}  // namespace

SlipPoint fieldPosition(const SlipGeometry& geometry, int number, int blockColumn, int blockRow)
{
    // A block of no column at all would divide by zero; the dialog never allows it.
    const int perRow = std::max(1, geometry.numbersPerRow);
    return {geometry.firstLeft + (blockColumn - 1) * geometry.blockLeft +
                ((number - 1) % perRow) * geometry.fieldWidth,
            geometry.firstTop + (blockRow - 1) * geometry.blockTop +
                ((number - 1) / perRow) * geometry.fieldHeight};
}

GridCell numberGridCell(int number, int rows, int columns, bool horizontal, bool fromBottom)
{
    const int index = number - 1;
    rows = std::max(1, rows);
    columns = std::max(1, columns);
    GridCell cell = horizontal ? GridCell{index / columns, index % columns}
                               : GridCell{index % rows, index / rows};
    if (fromBottom) cell.row = rows - 1 - cell.row;
    return cell;
}

QString numberObjectName(int n, int position)
{
    return QStringLiteral("Zahl%1_%2").arg(n).arg(position);
}

QString starObjectName(int n, int position)
{
    return QStringLiteral("Stern%1_%2").arg(n).arg(position);
}

QStringList normaliseSlipList(const QStringList& lines)
{
    QStringList trimmed;
    for (const QString& line : lines) trimmed << line.trimmed();
    QString text = trimmed.join(QLatin1Char('\n'));
    for (int i = 0; i < 4; ++i) text.replace(QStringLiteral("  "), QStringLiteral(" "));
    text.replace(QLatin1Char(' '), QLatin1Char(','));
    text.replace(QStringLiteral("\t\t"), QStringLiteral("\t"));
    text.replace(QLatin1Char('\t'), QLatin1Char(','));
    text.replace(QStringLiteral(",,"), QStringLiteral(","));
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

std::array<QString, kSlipNumbersPerTip> tipLineNumbers(const QString& line)
{
    std::array<QString, kSlipNumbersPerTip> numbers;
    QString rest = line;
    for (QString& number : numbers) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0) {
            number = rest;
        } else {
            number = rest.left(comma);
            rest = rest.mid(comma + 1);
        }
    }
    return numbers;
}

std::optional<double> parseDecimal(const QString& text)
{
    QString value = text.trimmed();
    value.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    return number;
}

QString decimalText(double value)
{
    QString text = QString::number(std::round(value * 100) / 100, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString notADecimalMessage(const QString& text)
{
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}

bool placeTips(const QStringList& numberLines, const SlipPlacing& placing, SlipCanvas& canvas,
               Dialogs& dialogs)
{
    // Blank lines carry no tip; a list of nothing but them places nothing.
    QStringList lines;
    for (const QString& line : numberLines)
        if (!isBlank(line)) lines << line;
    if (lines.isEmpty()) return true;

    // Star numbers are never printed in this game.
    clearNumbers(canvas, placing.tipPositions);
    for (int t = 1; t <= placing.tipPositions; ++t) {
        for (int n = 1; n <= 2; ++n)
            if (canvas.hasObject(starObjectName(n, t))) canvas.hide(starObjectName(n, t));
    }

    const SlipGeometry& geometry = placing.geometry;
    int position = 1, column = 1, row = 1;
    bool emptyFirst = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (emptyFirst) {
            clearNumbers(canvas, placing.tipPositions);
            emptyFirst = false;
        }
        const auto texts = tipLineNumbers(lines[i]);
        for (int n = 1; n <= kSlipNumbersPerTip; ++n) {
            const QString& text = texts[static_cast<std::size_t>(n - 1)];
            const auto number = parseInteger(text);
            if (!number) {
                dialogs.notify(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
                return false;
            }
            // A number off the block would put a cross on some other tip's field.
            if (*number < 1 || *number > placing.highestNumber) {
                dialogs.notify(QStringLiteral("Die Zahl %1 liegt nicht zwischen 1 und %2")
                                   .arg(*number)
                                   .arg(placing.highestNumber));
                return false;
            }
            const QString name = numberObjectName(n, position);
            if (!canvas.hasObject(name)) {
                dialogs.notify(QStringLiteral("Fehler kann Feld %1 nicht finden").arg(name));
                return false;
            }
            const SlipPoint at = fieldPosition(geometry, *number, column, row);
            canvas.place(name, at.left, at.top, placing.cross, placing.fontSize);
        }
        ++position;
        if (++column > geometry.blockColumns) {
            column = 1;
            ++row;
        }
        if (row > geometry.blockRows) {
            position = column = row = 1;
            canvas.refresh();
            if (placing.firstSlipOnly) return true;
            if (i + 1 < lines.size()) {
                if (dialogs.askYesNo(QStringLiteral("Diesen Schein Drucken?"),
                                     QStringLiteral("Drucken")))
                    canvas.print();
                emptyFirst = true;
            }
        }
    }
    canvas.refresh();
    return true;
}

QStringList calibrationObjectNames()
{
    return {numberObjectName(1, 1), numberObjectName(2, 1), numberObjectName(4, 1),
            numberObjectName(1, 2), numberObjectName(1, 3)};
}

SlipGeometry calibratedGeometry(const SlipCalibration& points, SlipGeometry geometry,
                                int rowsPerBlock)
{
    geometry.fieldWidth = step(points.rowEnd.left - points.first.left, geometry.numbersPerRow);
    geometry.fieldHeight = step(points.lastRow.top - points.first.top, rowsPerBlock);
    geometry.firstTop = points.first.top;
    geometry.firstLeft = points.first.left;
    geometry.blockTop = points.nextDown.top - points.first.top;
    geometry.blockLeft = points.nextAcross.left - points.first.left;
    return geometry;
}

}  // namespace kw
