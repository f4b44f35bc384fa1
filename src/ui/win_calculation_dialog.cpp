#include "ui/win_calculation_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/language_texts.h"
#include "ui/zoom.h"

namespace kw {

namespace {

// The dialog is laid out for this height; FormCreate scales it there.
constexpr double kDesignHeight = 450.0;

// The controls' designer numbers, row 1..12 top to bottom.
constexpr int kCountEdits[kPrizeClasses] = {1, 2, 3, 4, 5, 6, 7, 8, 17, 18, 19, 20};
constexpr int kQuotaEdits[kPrizeClasses] = {9, 10, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24};
constexpr int kSumLabels[kPrizeClasses] = {12, 13, 14, 15, 16, 17, 18, 19, 25, 26, 27, 28};
constexpr int kClassLabels[kPrizeClasses] = {7, 8, 9, 10, 11, 21, 22, 23, 24, 29, 30, 31};

QByteArray name(const char* kind, int number)
{
    return kind + QByteArray::number(number);
}

QLineEdit* makeEdit(QWidget* parent, const QByteArray& objectName, const QString& hint, int digits)
{
    auto* edit = named(new NumberEdit(parent, digits), objectName.constData(), hint);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

}  // namespace

TForm9::TForm9(QWidget* parent, const MainState& state, HttpClient* http)
    : QDialog(parent), m_state(state), m_http(http), m_load(new QuotaLoad(this))
{
    setObjectName(QStringLiteral("TForm9"));
    new ControlList(this);
    setWindowTitle(QStringLiteral("Auswertung und Gewinnberechnung"));
    setModal(true);
    const QuotaTexts texts;
    const auto classes = prizeClasses(kExtraClassesSwapDay);

    auto* root = new QVBoxLayout(this);
    Panel1 = named(new QFrame(this), "Panel1", texts.withoutWarranty);
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(Panel1);
    const auto head = [&](const char* objectName, const QString& caption, int column) {
        QLabel* label = makeLabel(Panel1, objectName, caption);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, 0, column, Qt::AlignCenter);
    };
    head("Label1", QStringLiteral("Anzahl"), 0);
    Label2 = makeLabel(Panel1, "Label2", QString(), texts.loaded);
    Label2->hide();
    head("Label3", QStringLiteral("Richtig + E + E"), 1);
    head("Label4", QStringLiteral("Gewinnquoten"), 2);
    head("Label5", QStringLiteral("Summe"), 3);
    for (int r = 0; r < kPrizeClasses; ++r) {
        Row& row = m_rows[r];
        // The first count edits keep the texts of the quota load, where a language file
        // finds them.
        QString hint;
        switch (r) {
        case 0: hint = texts.noWarranty; break;
        case 1:
        case 4: hint = texts.notLoaded; break;
        case 2: hint = texts.stakeUnknown; break;
        case 3: hint = texts.stake; break;
        default: break;
        }
        row.count = makeEdit(Panel1, name("Edit", kCountEdits[r]), hint, 4);
        row.label = makeLabel(Panel1, name("Label", kClassLabels[r]).constData(), classes[r].label);
        row.quota = makeEdit(Panel1, name("Edit", kQuotaEdits[r]), classes[r].odds, 11);
        row.sum = makeLabel(Panel1, name("Label", kSumLabels[r]).constData(), QString());
        // The classes' names follow the date, the sums the evaluation: no language changes them.
        setTag(row.label, kValueLabelTag);
        setTag(row.sum, kValueLabelTag);
        row.sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.sum->setMinimumWidth(
            QFontMetrics(row.sum->font()).horizontalAdvance(QStringLiteral("0000000000,00")));
        grid->addWidget(row.count, r + 1, 0);
        grid->addWidget(row.label, r + 1, 1, Qt::AlignCenter);
        grid->addWidget(row.quota, r + 1, 2);
        grid->addWidget(row.sum, r + 1, 3);
    }
    auto* line = new QFrame(Panel1);
    line->setFrameShape(QFrame::HLine);
    grid->addWidget(line, kPrizeClasses + 1, 3);
    Label20 = makeLabel(Panel1, "Label20", QString());
    setTag(Label20, kValueLabelTag);
    Label20->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = Label20->font();
    bold.setBold(true);
    Label20->setFont(bold);
    grid->addWidget(Label20, kPrizeClasses + 2, 3);
    grid->addWidget(makeLabel(Panel1, "Label6", QStringLiteral("Summe")), kPrizeClasses + 3, 3,
                    Qt::AlignRight);
    root->addWidget(Panel1);

    auto* buttons = new QHBoxLayout;
    SpeedButton1 = makeIconButton(this, "SpeedButton1", QStyle::SP_FileDialogListView,
                                  QStringLiteral("Durchschnitt"),
                                  QStringLiteral("durchschnittlische Quote eintragen"));
    SpeedButton2 = makeIconButton(
        this, "SpeedButton2", QStyle::SP_BrowserReload, QStringLiteral("Quoten laden"),
        QStringLiteral("Quoten für den Ziehungstag aus dem Internet laden"));
    BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("&Schließen"));
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    root->addLayout(buttons);

    // The status in two panels, one above the other: a long text wraps instead of
    // being cut off.
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    auto* barLayout = new QVBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setWordWrap(true);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        barLayout->addWidget(panel);
        m_panels[i] = panel;
    }
    root->addWidget(bar);

    for (const Row& row : m_rows) {
        connect(row.count, &QLineEdit::textChanged, this, &TForm9::Edit9Change);
        connect(row.quota, &QLineEdit::textChanged, this, &TForm9::Edit9Change);
    }
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm9::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm9::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_load, &QuotaLoad::statusChanged, this, [this](int panel, const QString& text) {
        if (panel >= 0 && panel < static_cast<int>(m_panels.size())) m_panels[panel]->setText(text);
    });
    connect(m_load, &QuotaLoad::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_load, &QuotaLoad::quotasLoaded, this, [this](const RowTexts& quotas) {
        for (int r = 0; r < kPrizeClasses; ++r) m_rows[r].quota->setText(quotas[r]);
    });
    connect(m_load, &QuotaLoad::finished, this, [this] { SpeedButton2->setEnabled(true); });
    Edit9Change();
    FormCreate();
}

void TForm9::FormCreate()
{
    const int height = sizeHint().height();
    if (height > 0) applyZoom(this, zoomOf(this) * kDesignHeight / height);
    resize(sizeHint());
}

QuotaTexts TForm9::quotaTexts() const
{
    QuotaTexts texts;
    texts.noWarranty = countEdit(1)->toolTip();
    texts.notLoaded = countEdit(2)->toolTip();
    texts.stakeUnknown = countEdit(3)->toolTip();
    texts.stake = countEdit(4)->toolTip();
    texts.withoutWarranty = Panel1->toolTip();
    texts.loaded = Label2->toolTip();
    return texts;
}

RowTexts TForm9::texts(QLineEdit* Row::*edit) const
{
    RowTexts result;
    for (int r = 0; r < kPrizeClasses; ++r) result[r] = (m_rows[r].*edit)->text();
    return result;
}

void TForm9::prepare(const ClassCounts& statistik, DayCount date)
{
    Datum = date;
    const auto classes = prizeClasses(date);
    const RowTexts counts = classCountTexts(statistik, date);
    for (int r = 0; r < kPrizeClasses; ++r) {
        const QSignalBlocker block(m_rows[r].count);
        m_rows[r].count->setText(counts[r]);
    }
    classLabel(4)->setText(classes[3].label);
    classLabel(5)->setText(classes[4].label);
    Edit9Change();
    SpeedButton2Click();
}

void TForm9::Edit9Change()
{
    const Winnings shown = computeWinnings(texts(&Row::count), texts(&Row::quota), QLocale());
    for (int r = 0; r < kPrizeClasses; ++r) {
        m_rows[r].quota->setEnabled(shown.quotaEnabled[r]);
        m_rows[r].sum->setText(shown.sums[r]);
    }
    Label20->setText(shown.total);
}

void TForm9::SpeedButton1Click()
{
    const auto classes = prizeClasses(Datum);
    for (int r = 0; r < kPrizeClasses; ++r) m_rows[r].quota->setText(classes[r].average);
}

void TForm9::SpeedButton2Click()
{
    if (m_load->running()) return;
    SpeedButton2->setEnabled(false);
    m_load->start(m_http, m_state, Datum, quotaTexts(), QLocale());
}

void TForm9::done(int result)
{
    m_load->cancel();
    QDialog::done(result);
}

}  // namespace kw
