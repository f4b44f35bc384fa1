#include "ui/odds_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "i18n/message_table.h"

namespace kw {

OddsDialog::OddsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OddsDialog"));
    auto* layout = new QVBoxLayout(this);
    heading = new QLabel(this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    table = new QTableWidget(0, 2, this);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notes = new QLabel(this);
    notes->setWordWrap(true);
    saved = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    closeButton = buttons->button(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(heading);
    layout->addWidget(table);
    layout->addWidget(notes);
    layout->addWidget(saved);
    layout->addWidget(buttons);
}

void OddsDialog::fill(const OddsFigures& tips, const OddsFigures& random,
                      const QStringList& noteLines, const QString& savedNote,
                      const MessageTable& messages)
{
    setWindowTitle(messages.text(Message::OddsCaption));
    closeButton->setText(messages.text(Message::DialogClose));
    heading->setText(messages.text(Message::OddsHeading).arg(tips.rows));
    const std::vector<OddsTableRow> rows = oddsTable(tips, random, messages);
    table->setRowCount(static_cast<int>(rows.size()));
    table->setHorizontalHeaderLabels(
        {messages.text(Message::OddsColumnTips), messages.text(Message::OddsColumnRandom)});
    QStringList labels;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        labels << rows[r].label;
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? rows[r].tips : rows[r].random);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->setVerticalHeaderLabels(labels);
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    int width = table->verticalHeader()->sizeHint().width() + 4;
    for (int c = 0; c < 2; ++c) width += table->columnWidth(c);
    int height = table->horizontalHeader()->sizeHint().height() + 4;
    for (int r = 0; r < table->rowCount(); ++r) height += table->rowHeight(r);
    table->setFixedSize(width, height);
    notes->setText(noteLines.join(QLatin1Char('\n')));
    notes->setMaximumWidth(width);
    saved->setText(savedNote);
    adjustSize();
}

}  // namespace kw
