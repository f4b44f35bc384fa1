#include "tips/tip_sheet.h"

#include <QRegularExpression>

#include "tips/integer_text.h"

namespace kw {

const std::array<TipRowLayout, kTipRowCount> kTipRows{{
    {1, 6, 93, 28, 22, 36},
    {7, 12, 94, 30, 23, 37},
    {13, 18, 95, 31, 24, 38},
    {19, 24, 96, 32, 25, 39},
    {25, 30, 97, 33, 26, 40},
    {31, 36, 98, 34, 27, 41},
    {43, 48, 99, 46, 45, 49},
    {49, 54, 100, 48, 47, 50},
    {56, 61, 101, 62, 65, 67},
    {62, 67, 102, 61, 66, 68},
    {68, 73, 103, 63, 69, 71},
    {74, 79, 104, 64, 70, 72},
}};

int TipSheet::editNumber(int row, int column)
{
    if (row < 1 || row > kTipRowCount) return 0;
    const TipRowLayout& layout = kTipRows[row - 1];
    if (column >= 1 && column <= 5) return layout.firstNumberEdit + column - 1;
    if (column == 6) return layout.starEdit6;
    if (column == 7) return layout.starEdit7;
    return 0;
}

int TipSheet::rowOfEdit(int edit, int* column)
{
    // row * 8 + column for every cell of the sheet, 0 elsewhere.
    static const std::array<int, kMaxEdit + 1> places = [] {
        std::array<int, kMaxEdit + 1> table{};
        for (int r = 1; r <= kTipRowCount; ++r)
            for (int c = 1; c <= 7; ++c) table[editNumber(r, c)] = r * 8 + c;
        return table;
    }();
    if (edit < 1 || edit > kMaxEdit || places[edit] == 0) return 0;
    if (column) *column = places[edit] % 8;
    return places[edit] / 8;
}

bool TipSheet::isNumberCell(int edit)
{
    int column = 0;
    return rowOfEdit(edit, &column) != 0 && column <= 5;
}

bool TipSheet::isStarCell(int edit)
{
    int column = 0;
    return rowOfEdit(edit, &column) != 0 && column >= 6;
}

QString TipSheet::validated(const QString& text, int maximum)
{
    const auto value = parseInteger(text);
    if (!value || *value < 1 || *value > maximum) return {};
    return QString::number(*value);
}

CellRefusal TipSheet::refusal(const QString& text, int maximum)
{
    if (!validated(text, maximum).isEmpty() || text.trimmed().isEmpty()) return CellRefusal::None;
    // Digits that do not fit 32 bits are a number too, only far too large.
    static const QRegularExpression digits(QStringLiteral("^ *[+-]?[0-9]+$"));
    return digits.match(text).hasMatch() ? CellRefusal::OutOfRange : CellRefusal::NotANumber;
}

QString TipSheet::cell(int edit) const
{
    return edit >= 1 && edit <= kMaxEdit ? m_cells[edit] : QString();
}

CellRefusal TipSheet::setCell(int edit, const QString& text)
{
    if (!isNumberCell(edit) && !isStarCell(edit)) return CellRefusal::None;
    const QString value = validated(text, maximumOf(edit));
    const bool changed = m_cells[edit] != value;
    m_cells[edit] = value;
    if (changed || value != text) emit cellChanged(edit);
    return refusal(text, maximumOf(edit));
}

bool TipSheet::isHit(int edit) const
{
    return edit >= 1 && edit <= kMaxEdit && m_hit[edit];
}

void TipSheet::setHit(int edit, bool hit)
{
    if (edit < 1 || edit > kMaxEdit || m_hit[edit] == hit) return;
    m_hit[edit] = hit;
    emit cellChanged(edit);
}

void TipSheet::toggleLock(int row)
{
    m_locked.at(row - 1) = !m_locked.at(row - 1);
    emit lockChanged(row);
}

void TipSheet::setResult(int row, const RowResult& result)
{
    RowResult& current = m_results.at(row - 1);
    if (current.hits == result.hits && current.red == result.red && current.sum == result.sum)
        return;
    current = result;
    emit resultChanged(row);
}

}  // namespace kw
