#include "ui/dialog_windows.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "draws/day_count.h"
#include "platform/dialogs.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace kw {

namespace {

void setUp(QDialog* dialog, const char* name, const QString& caption)
{
    dialog->setObjectName(QLatin1String(name));
    new ControlList(dialog);
    dialog->setWindowTitle(caption);
    dialog->setModal(true);
}

// The first of the five numbers that stands more than once: how often it stands
// and the slot of its last place. A count of 0: all five differ.
struct Repeat {
    int number = 0;
    int count = 0;
    int lastSlot = 0;
};

Repeat firstRepeat(const DrawRecord& draw)
{
    for (int first = 1; first <= 4; ++first) {
        Repeat repeat{draw.slot(first), 1, first};
        for (int later = first + 1; later <= 5; ++later) {
            if (draw.slot(later) != repeat.number) continue;
            ++repeat.count;
            repeat.lastSlot = later;
        }
        if (repeat.count > 1) return repeat;
    }
    return {};
}

}  // namespace

TForm3::TForm3(QWidget* parent, Dialogs& dialogs) : QDialog(parent), m_dialogs(dialogs)
{
    setUp(this, "TForm3", QStringLiteral("Zahlen der Ziehung eingeben"));
    auto* root = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    DateTimePicker1 = named(new QDateEdit(this), "DateTimePicker1");
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker1->setCalendarPopup(true);
    // Day counts begin on 30.12.1899; a draw dated before them would never be shown.
    DateTimePicker1->setMinimumDate(QDate(1900, 1, 1));
    grid->addWidget(makeLabel(this, "Label1", QStringLiteral("Datum:")), 0, 0);
    grid->addWidget(DateTimePicker1, 0, 1, 1, 5);
    grid->addWidget(makeLabel(this, "Label2", QStringLiteral("Zahlen:")), 1, 0);
    for (int n = 1; n <= 8; ++n) {
        auto* upDown = named(new QSpinBox(this), ("UpDown" + QByteArray::number(n)).constData());
        upDownEdit(upDown, n);
        upDown->setRange(1, n == 6 ? 50 : 42);
        m_upDowns[static_cast<std::size_t>(n)] = upDown;
        if (n <= 5) {
            grid->addWidget(upDown, 1, n);
            continue;
        }
        // The sixth number and the star numbers are kept but not shown in this game.
        upDown->hide();
        if (n >= 7) {
            auto* label = makeLabel(this, ("LabelE" + QByteArray::number(n - 6)).constData(),
                                    QStringLiteral("E:"));
            label->hide();
            grid->addWidget(label, 2, 2 * (n - 7) + 1);
            grid->addWidget(upDown, 2, 2 * (n - 7) + 2);
        } else {
            grid->addWidget(upDown, 2, 5);
        }
    }
    root->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    BitBtn2 = makeButton(this, "BitBtn2", QStringLiteral("&OK"));
    BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("&Abbrechen"));
    BitBtn2->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    root->addLayout(buttons);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm3::preset(const DrawRecord& proposal, int starMaximum)
{
    for (int n = 1; n <= 5; ++n) upDown(n)->setMaximum(42);
    upDown(7)->setMaximum(starMaximum);
    upDown(8)->setMaximum(starMaximum);
    DateTimePicker1->setDate(dateFromDayCount(proposal.datum));
    // As up-downs do, a slot outside the range shows the nearest end of it.
    for (int n = 1; n <= 8; ++n) upDown(n)->setValue(proposal.slot(n));
}

DrawRecord TForm3::entered() const
{
    DrawRecord record;
    record.datum = dayCountFromDate(DateTimePicker1->date());
    for (int n = 1; n <= 8; ++n) record.setSlot(n, upDown(n)->value());
    return record;
}

void TForm3::BitBtn2Click()
{
    const Repeat repeat = firstRepeat(entered());
    if (repeat.count == 0) {
        accept();
        return;
    }
    const char* const times[] = {"zweimal", "dreimal", "viermal", "fünfmal"};
    m_dialogs.notify(
        QStringLiteral("Die Zahl %1 steht %2 in der Ziehung. Jede Zahl darf nur einmal vorkommen.")
            .arg(repeat.number)
            .arg(QString::fromUtf8(times[repeat.count - 2])),
        windowTitle());
    // Ready for the correction.
    upDown(repeat.lastSlot)->setFocus();
    upDown(repeat.lastSlot)->selectAll();
}

}  // namespace kw
