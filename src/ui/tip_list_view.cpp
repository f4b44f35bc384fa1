#include "ui/tip_list_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace kw {

namespace {

// Draws a line's TABs as tab stops every 20 dialog units (five average characters).
class TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        layout.setTabStopDistance(opt.fontMetrics.averageCharWidth() * 5.0);
        painter->save();
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRectF(opt.rect.adjusted(4, 0, -2, 0)), text, layout);
        painter->restore();
    }
};

}  // namespace

TipListView::TipListView(QWidget* parent, const char* name)
    : QListView(parent), m_model(new QStringListModel(this))
{
    setObjectName(QLatin1String(name));
    setModel(m_model);
    setItemDelegate(new TabStopDelegate(this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TipListView::setLines(const QStringList& lines)
{
    m_model->setStringList(lines);
}

QStringList TipListView::lines() const
{
    return m_model->stringList();
}

void TipListView::selectLine(int index)
{
    if (index < 0 || index >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex item = m_model->index(index);
    setCurrentIndex(item);
    scrollTo(item);
}

void TipListView::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    const QModelIndex item = indexAt(event->position().toPoint());
    if (item.isValid()) emit lineClicked(item.row());
}

void TipListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}

}  // namespace kw
