#include "ui/wheel_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "i18n/message_table.h"
#include "state/input_throttle.h"

namespace kw {

namespace {

constexpr int kColumns = 7;        // six rows of seven, like the slip
constexpr int kOddsTableRows = 5;  // the best row's classes, any win, below two hits
constexpr int kDefaultSeconds = 5;
constexpr std::uint64_t kSeed = 1;  // the same picks give the same wheel

QLocale numberLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

QString numbersText(const std::vector<int>& numbers)
{
    QStringList fields;
    for (int n : numbers) fields << QString::number(n);
    return fields.join(QLatin1Char(' '));
}

}  // namespace

WheelDialog::WheelDialog(QWidget* parent, const MessageTable& messages, int stakeCents,
                         const HitQuotas& quotas)
    : QDialog(parent), m_messages(messages), m_stakeCents(stakeCents), m_quotas(quotas)
{
    setObjectName(QStringLiteral("WheelDialog"));
    setWindowTitle(messages.text(Message::WheelCaption));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    auto* left = new QVBoxLayout;
    top->addLayout(left);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    for (int n = 1; n <= kHighestWheelNumber; ++n) {
        auto* box = new QCheckBox(QString::number(n), this);
        box->setObjectName(QStringLiteral("Zahl%1").arg(n));
        connect(box, &QCheckBox::toggled, this, &WheelDialog::showPicked);
        grid->addWidget(box, (n - 1) / kColumns, (n - 1) % kColumns);
        m_boxes[static_cast<std::size_t>(n)] = box;
    }
    left->addLayout(grid);
    picked = new QLabel(this);
    picked->setObjectName(QStringLiteral("Picked"));
    left->addWidget(picked);

    auto* settings = new QGridLayout;
    settings->addWidget(new QLabel(messages.text(Message::WheelGuaranteeLabel), this), 0, 0);
    guarantee = new QComboBox(this);
    guarantee->setObjectName(QStringLiteral("Guarantee"));
    for (const WheelGuarantee& g : wheelGuarantees())
        guarantee->addItem(messages.text(Message::WheelGuaranteeItem).arg(g.hits).arg(g.drawn),
                           QVariant::fromValue(g.hits * 10 + g.drawn));
    guarantee->setCurrentIndex(guarantee->findData(33));
    settings->addWidget(guarantee, 0, 1, Qt::AlignLeft);
    meaning = new QLabel(this);
    meaning->setWordWrap(true);
    settings->addWidget(meaning, 1, 0, 1, 2);
    settings->addWidget(new QLabel(messages.text(Message::WheelSecondsLabel), this), 2, 0);
    seconds = new QSpinBox(this);
    seconds->setObjectName(QStringLiteral("Seconds"));
    seconds->setRange(1, 60);
    seconds->setValue(kDefaultSeconds);
    settings->addWidget(seconds, 2, 1, Qt::AlignLeft);
    settings->setColumnStretch(1, 1);
    left->addLayout(settings);

    auto* run = new QHBoxLayout;
    compute = new QPushButton(messages.text(Message::WheelCompute), this);
    compute->setObjectName(QStringLiteral("Compute"));
    compute->setAutoDefault(false);
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("Progress"));
    progress->setTextVisible(false);
    progress->setValue(0);
    run->addWidget(compute);
    run->addWidget(progress, 1);
    left->addLayout(run);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("Status"));
    status->setWordWrap(true);
    left->addWidget(status);
    left->addStretch(1);

    // The rows beside the grid, as on the sheet: two places per number.
    rowList = new QPlainTextEdit(this);
    rowList->setObjectName(QStringLiteral("Rows"));
    rowList->setReadOnly(true);
    rowList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    rowList->setFixedWidth(
        QFontMetrics(rowList->font()).horizontalAdvance(QStringLiteral("00 00 00 00 00")) +
        rowList->verticalScrollBar()->sizeHint().width() + 24);
    top->addWidget(rowList);

    rowCount = new QLabel(this);
    QFont bold = rowCount->font();
    bold.setBold(true);
    rowCount->setFont(bold);
    cost = new QLabel(this);
    proofLine = new QLabel(this);
    proofLine->setWordWrap(true);
    boundLine = new QLabel(this);
    boundLine->setWordWrap(true);
    for (QLabel* label : {rowCount, cost, proofLine, boundLine}) layout->addWidget(label);

    oddsHeading = new QLabel(messages.text(Message::WheelOddsHeading), this);
    oddsHeading->setWordWrap(true);
    oddsTable = new QTableWidget(kOddsTableRows, 2, this);
    oddsTable->setObjectName(QStringLiteral("Odds"));
    oddsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    oddsTable->setSelectionMode(QAbstractItemView::NoSelection);
    oddsTable->setFocusPolicy(Qt::NoFocus);
    oddsTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    oddsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    oddsTable->setHorizontalHeaderLabels(
        {messages.text(Message::WheelColumnWheel), messages.text(Message::OddsColumnRandom)});
    oddsTable->setVerticalHeaderLabels(
        {messages.text(Message::OddsBestFive), messages.text(Message::OddsBestFour),
         messages.text(Message::OddsBestThree), messages.text(Message::OddsAnyWin),
         messages.text(Message::OddsBelowTwo)});
    // Room for the widest cell from the start, so that the window keeps its size.
    const int cellWidth = oddsTable->fontMetrics().horizontalAdvance(
                              QStringLiteral("000.000,0 (0,00000 %, 1 : 000.000)")) +
                          16;
    for (int c = 0; c < 2; ++c) oddsTable->setColumnWidth(c, cellWidth);
    oddsTable->horizontalHeader()->setStretchLastSection(true);
    oddsTable->resizeRowsToContents();
    int height = oddsTable->horizontalHeader()->sizeHint().height() + 4;
    for (int r = 0; r < kOddsTableRows; ++r) height += oddsTable->rowHeight(r);
    oddsTable->setFixedHeight(height);
    oddsTable->setMinimumWidth(oddsTable->verticalHeader()->sizeHint().width() + 2 * cellWidth + 4);
    layout->addWidget(oddsHeading);
    layout->addWidget(oddsTable);

    auto* buttons = new QHBoxLayout;
    take = new QPushButton(messages.text(Message::WheelTake), this);
    take->setObjectName(QStringLiteral("Take"));
    closeButton = new QPushButton(messages.text(Message::DialogClose), this);
    closeButton->setObjectName(QStringLiteral("Close"));
    for (QPushButton* button : {take, closeButton}) button->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(take);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(compute, &QPushButton::clicked, this, &WheelDialog::computeClicked);
    connect(take, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    // Another choice makes the wheel shown no longer the one asked for.
    connect(guarantee, &QComboBox::currentIndexChanged, this, &WheelDialog::clearResult);
    connect(guarantee, &QComboBox::currentIndexChanged, this, &WheelDialog::showMeaning);
    showMeaning();
    clearResult();
    showPicked();
}

std::vector<int> WheelDialog::pickedNumbers() const
{
    std::vector<int> numbers;
    for (int n = 1; n <= kHighestWheelNumber; ++n)
        if (numberBox(n)->isChecked()) numbers.push_back(n);
    return numbers;
}

WheelGuarantee WheelDialog::chosenGuarantee() const
{
    const int code = guarantee->currentData().toInt();
    return {code / 10, code % 10};
}

void WheelDialog::showMeaning()
{
    const WheelGuarantee g = chosenGuarantee();
    meaning->setText(m_messages.text(Message::WheelGuaranteeMeaning).arg(g.hits).arg(g.drawn));
}

void WheelDialog::showPicked()
{
    picked->setText(
        m_messages.text(Message::WheelPicked).arg(static_cast<int>(pickedNumbers().size())));
    if (!m_building) clearResult();
}

void WheelDialog::clearResult()
{
    if (m_building) return;
    m_rows.clear();
    rowList->clear();
    for (QLabel* label : {rowCount, cost, proofLine, boundLine}) label->clear();
    for (int r = 0; r < kOddsTableRows; ++r)
        for (int c = 0; c < 2; ++c) oddsTable->setItem(r, c, new QTableWidgetItem(QString()));
    take->setEnabled(false);
}

void WheelDialog::computeClicked()
{
    if (m_building) {
        m_cancel = true;
        return;
    }
    const std::vector<int> numbers = pickedNumbers();
    if (!wheelInputError(numbers, chosenGuarantee()).isEmpty()) {
        status->setText(m_messages.text(Message::WheelPickNumbers));
        return;
    }
    build();
}

void WheelDialog::setBuilding(bool building)
{
    m_building = building;
    compute->setText(m_messages.text(building ? Message::WheelCancel : Message::WheelCompute));
    for (int n = 1; n <= kHighestWheelNumber; ++n) numberBox(n)->setEnabled(!building);
    guarantee->setEnabled(!building);
    seconds->setEnabled(!building);
    if (building) take->setEnabled(false);
}

void WheelDialog::build()
{
    clearResult();
    const std::vector<int> numbers = pickedNumbers();
    const WheelGuarantee chosen = chosenGuarantee();
    m_cancel = false;
    setBuilding(true);
    status->clear();
    const int limit = seconds->value();
    progress->setRange(0, limit * 10);
    progress->setValue(0);
    emit buildStarted();

    InputThrottle throttle;
    WheelProgress searchProgress;
    searchProgress.due = [&throttle] { return throttle.due(); };
    searchProgress.report = [&](int bestRows, double used) {
        progress->setValue(std::min(limit * 10, static_cast<int>(used * 10)));
        status->setText(m_messages.text(Message::WheelSearching)
                            .arg(bestRows)
                            .arg(numberLocale().toString(used, 'f', 1)));
        throttle.letInputThrough();
        return !m_cancel && !m_closing;
    };
    WheelLimits limits;
    limits.seconds = limit;
    limits.seed = kSeed;
    const WheelResult wheel = buildWheel(numbers, chosen, limits, searchProgress);
    if (m_closing) {
        setBuilding(false);
        return;
    }
    m_cancel = false;  // a cancelled search still gets its odds; a second click stops them
    const WheelProof proof = proveWheel(numbers, wheel.rows, chosen);
    const std::int64_t bound = wheelLowerBound(static_cast<int>(numbers.size()), chosen);

    // The odds take a moment for a large wheel: counted with the same cancel.
    progress->setRange(0, kAllDraws);
    status->setText(m_messages.text(Message::OddsProgress));
    const double stake = m_stakeCents / 100.0;
    OddsProgress oddsProgress;
    oddsProgress.due = [&throttle] { return throttle.due(); };
    oddsProgress.report = [&](int done) {
        progress->setValue(done);
        throttle.letInputThrough();
        return !m_cancel && !m_closing;
    };
    const std::optional<OddsFigures> odds = tipOdds(wheel.rows, m_quotas, stake, oddsProgress);
    setBuilding(false);
    if (m_closing) return;

    QStringList lines;
    for (const TipRow& row : wheel.rows) {
        QStringList fields;
        for (int n : row) fields << QStringLiteral("%1").arg(n, 2);
        lines << fields.join(QLatin1Char(' '));
    }
    rowList->setPlainText(lines.join(QLatin1Char('\n')));
    const int count = static_cast<int>(wheel.rows.size());
    rowCount->setText(m_messages.text(Message::WheelRows).arg(count));
    const QLocale locale = numberLocale();
    cost->setText(m_messages.text(Message::WheelCost)
                      .arg(count)
                      .arg(locale.toString(stake, 'f', 2), locale.toString(count * stake, 'f', 2)));
    proofLine->setText(proof.holds ? m_messages.text(Message::WheelProofHolds).arg(proof.cases)
                                   : m_messages.text(Message::WheelProofFails)
                                         .arg(numbersText(proof.failingCase))
                                         .arg(chosen.hits));
    QString boundText =
        m_messages
            .text(chosen.hits == chosen.drawn ? Message::WheelBoundSchoenheim : Message::WheelBound)
            .arg(bound);
    if (count <= bound) boundText += QLatin1Char('\n') + m_messages.text(Message::WheelSmallest);
    boundLine->setText(boundText);
    if (odds) showOdds(*odds, randomOdds(count, m_quotas, stake));
    progress->setValue(progress->maximum());
    status->setText(wheel.cancelled || !odds ? m_messages.text(Message::WheelCancelled)
                                             : QString());
    if (proof.holds) m_rows = wheel.rows;
    take->setEnabled(proof.holds);
    emit buildFinished();
}

void WheelDialog::showOdds(const OddsFigures& wheel, const OddsFigures& random)
{
    const std::vector<OddsTableRow> table = kw::oddsTable(wheel, random, m_messages);
    for (int r = 0; r < kOddsTableRows && r < static_cast<int>(table.size()); ++r) {
        const OddsTableRow& row = table[static_cast<std::size_t>(r)];
        oddsTable->setVerticalHeaderItem(r, new QTableWidgetItem(row.label));
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? row.tips : row.random);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            oddsTable->setItem(r, c, item);
        }
    }
}

void WheelDialog::done(int result)
{
    // Closed while a build runs: the build stops at its next look at the window.
    if (m_building) {
        m_cancel = true;
        m_closing = true;
    }
    QDialog::done(result);
}

}  // namespace kw
