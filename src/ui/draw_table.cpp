#include "ui/draw_table.h"

#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include "draws/current_draw.h"
#include "draws/day_count.h"

namespace kw {

namespace {

const DrawHistory kNoRecords = std::make_shared<const std::vector<DrawRecord>>();

}  // namespace

DrawTableModel::DrawTableModel(QObject* parent) : QAbstractTableModel(parent), m_records(kNoRecords)
{
}

bool DrawTableModel::setRecords(DrawHistory records)
{
    if (!records) records = kNoRecords;
    if (records == m_records || *records == *m_records) return false;
    m_records = std::move(records);
    rebuild();
    return true;
}

void DrawTableModel::setFilter(int number)
{
    if (number < 1 || number > 42) number = 0;
    if (number == m_filter) return;
    m_filter = number;
    rebuild();
}

bool DrawTableModel::setColumnTitles(const QString& titles)
{
    const QStringList split = titles.split(QLatin1Char('\t'));
    if (split == m_titles) return false;
    m_titles = split;
    emit headerDataChanged(Qt::Horizontal, 0, kDrawColumns - 1);
    return true;
}

DayCount DrawTableModel::dateAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[static_cast<size_t>(row)].date : 0;
}

void DrawTableModel::rebuild()
{
    beginResetModel();
    m_rows = drawRows(*m_records, m_filter);
    sortDrawRows(m_rows, m_sortColumn, m_descending);
    endResetModel();
}

int DrawTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int DrawTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kDrawColumns;
}

QVariant DrawTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const DrawRow& row = m_rows[static_cast<size_t>(index.row())];
    const auto column = static_cast<DrawColumn>(index.column());
    const bool isNumber = column >= DrawColumn::Number1 && column <= DrawColumn::Number5;
    const int number =
        isNumber ? row.numbers[index.column() - static_cast<int>(DrawColumn::Number1)] : 0;
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case DrawColumn::Date:
            return dateFromDayCount(row.date).toString(QStringLiteral("dd.MM.yyyy"));
        case DrawColumn::Weekday: return row.weekday > 0 ? weekdayText(row.weekday) : QString();
        case DrawColumn::DigitSum: return QString::number(row.digitSum);
        default: return QString::number(number);
        }
    case Qt::TextAlignmentRole:
        return column == DrawColumn::Date || column == DrawColumn::Weekday
                   ? int(Qt::AlignLeft | Qt::AlignVCenter)
                   : int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        // The number asked for stands out in its draws.
        if (isNumber && m_filter != 0 && number == m_filter) return QColor(200, 0, 0);
        return {};
    default: return {};
    }
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void DrawTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= kDrawColumns) return;
    m_sortColumn = static_cast<DrawColumn>(column);
    m_descending = order == Qt::DescendingOrder;
    rebuild();
}

DrawTableView::DrawTableView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    // Sizes come from fitToFont: no section asks its rows for their size.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSortIndicatorShown(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalHeader()->installEventFilter(this);  // the zoom gives the titles their own font
}

void DrawTableView::fitToFont()
{
    const QFontMetrics cell(font());
    const QFontMetrics title(horizontalHeader()->font());
    verticalHeader()->setDefaultSectionSize(cell.height() + 6);
    // The widest text a column shows: a date, a weekday, two or three digits.
    const QString widest[kDrawColumns] = {QStringLiteral("00.00.0000"), QStringLiteral("Mi"),
                                          QStringLiteral("00"),         QStringLiteral("00"),
                                          QStringLiteral("00"),         QStringLiteral("00"),
                                          QStringLiteral("00"),         QStringLiteral("000")};
    // Room for the sort indicator beside a title.
    const int indicator = title.height();
    for (int column = 0; column < kDrawColumns; ++column) {
        int text = cell.horizontalAdvance(widest[column]);
        if (column == static_cast<int>(DrawColumn::Weekday)) {
            for (int day = 1; day <= 7; ++day)
                text = std::max(text, cell.horizontalAdvance(weekdayText(day)));
        }
        const QString caption =
            model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
        const int width = std::max(text + cell.averageCharWidth() * 2,
                                   title.horizontalAdvance(caption) + indicator + 8);
        setColumnWidth(column, width);
    }
    // Never narrower than its columns: a page too small for it scrolls instead.
    setMinimumWidth(fittingWidth());
    updateGeometry();
}

int DrawTableView::fittingWidth() const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kDrawColumns; ++column) width += columnWidth(column);
    return width;
}

QSize DrawTableView::sizeHint() const
{
    return {fittingWidth(), QTableView::sizeHint().height()};
}

void DrawTableView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToFont();
}

bool DrawTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader() && event->type() == QEvent::FontChange) fitToFont();
    return QTableView::eventFilter(watched, event);
}

}  // namespace kw
