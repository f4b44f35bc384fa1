#pragma once
// The stored draws as the "Datenbank" page's table shows them: one row per draw,
// narrowed to the draws of one number and sorted by the column clicked.
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

#include "draws/draw_file.h"
#include "stats/draw_overview.h"

namespace kw {

class DrawTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DrawTableModel(QObject* parent = nullptr);

    // The history to show; the rows are built again only when it differs from the
    // one shown. Returns whether it did.
    bool setRecords(DrawHistory records);
    const std::vector<DrawRecord>& records() const { return *m_records; }
    // Only the draws with number 1..42 among their five; any other value: all.
    void setFilter(int number);
    int filter() const { return m_filter; }
    // The columns' titles, TAB-separated (the message table's entry); whether they changed.
    bool setColumnTitles(const QString& titles);
    // The date of a row as shown; 0 for none.
    DayCount dateAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void rebuild();

    DrawHistory m_records;
    std::vector<DrawRow> m_rows;
    int m_filter = 0;
    DrawColumn m_sortColumn = DrawColumn::Date;
    bool m_descending = true;
    QStringList m_titles;
};

// The table of the draws: whole rows selected, the columns as wide as their
// contents need in the current font (measured, not by visiting thousands of rows).
class DrawTableView : public QTableView {
    Q_OBJECT
public:
    explicit DrawTableView(QWidget* parent);
    // Column and row sizes for the font and the titles now shown.
    void fitToFont();
    // The width that shows every column without a horizontal scroll bar.
    int fittingWidth() const;
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kw
