#include "ui/number_selection_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "generation/number_pool.h"
#include "i18n/message_table.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "tips/tip_sheet.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/widget_dialogs.h"

namespace kw {

namespace {

constexpr int kColumns = 7;  // six rows of seven for 1..42, like the slip
constexpr int kTimerInterval = 25;
const QColor kYellow(255, 255, 0);

QColor colourOf(BoxColour colour)
{
    return colour == BoxColour::Yellow ? kYellow
                                       : QApplication::palette().color(QPalette::ToolTipBase);
}

}  // namespace

SelectionOutcome TForm6::outcomeOf(int resultCode)
{
    switch (resultCode) {
    case OkResult: return SelectionOutcome::Ok;
    case AbortResult: return SelectionOutcome::Abort;
    case RetryResult: return SelectionOutcome::Retry;
    default: return SelectionOutcome::Cancel;
    }
}

TForm6::TForm6(QWidget* parent, RandomGenerator* random, Dialogs* dialogs, const Clock* clock)
    : QDialog(parent),
      m_ownDialogs(std::make_unique<WidgetDialogs>(this)),
      m_random(random ? random : &m_ownRandom),
      m_dialogs(dialogs ? dialogs : m_ownDialogs.get()),
      m_clock(clock)
{
    setObjectName(QStringLiteral("TForm6"));
    new ControlList(this);
    setWindowTitle(m_selection.caption);
    setModal(true);
    m_shownColour.fill(-1);

    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    SpeedButton1 = makeIconButton(this, "SpeedButton1", QStyle::SP_DialogSaveButton, {},
                                  QStringLiteral("Speichern der Liste"));
    SpeedButton2 = makeIconButton(this, "SpeedButton2", QStyle::SP_DialogOpenButton, {},
                                  QStringLiteral("Laden der Liste"));
    fileRow->addWidget(SpeedButton1);
    fileRow->addWidget(SpeedButton2);
    fileRow->addStretch(1);
    layout->addLayout(fileRow);

    auto* grid = new QGridLayout;
    for (int n = 1; n <= kSelectionBoxCount; ++n) {
        auto* box = named(new QCheckBox(QString::number(n), this),
                          ("CheckBox" + QByteArray::number(n)).constData());
        box->setAutoFillBackground(true);
        box->setMouseTracking(true);
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this,
                [this, n](bool checked) { CheckBox49Click(n, checked); });
        grid->addWidget(box, (n - 1) / kColumns, (n - 1) % kColumns);
        m_boxes[static_cast<std::size_t>(n)] = box;
    }
    layout->addLayout(grid);

    auto* buttonRow = new QHBoxLayout;
    BitBtn4 = makeButton(this, "BitBtn4", m_selection.BitBtn4Caption);
    BitBtn2 = makeButton(this, "BitBtn2", QStringLiteral("Abbrechen"));
    BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("OK"));
    BitBtn3 = makeButton(this, "BitBtn3", QStringLiteral("&Rechnen"));
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4}) button->setAutoDefault(false);
    BitBtn1->setDefault(true);
    buttonRow->addWidget(BitBtn4);
    buttonRow->addStretch(1);
    buttonRow->addWidget(BitBtn2);
    // OK and "Rechnen" share the place at the bottom right: one of them is shown.
    buttonRow->addWidget(BitBtn1);
    buttonRow->addWidget(BitBtn3);
    layout->addLayout(buttonRow);

    m_panel1 = makeLabel(this, "Panel1", m_selection.Panel1);
    m_panel1->hide();
    layout->addWidget(m_panel1);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(m_statusBar);
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel0"));
    m_statusBar->addWidget(m_statusPanel, 1);
    layout->addWidget(m_statusBar);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kTimerInterval);
    connect(m_timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(OkResult); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(AbortResult); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(RetryResult); });
    connect(BitBtn4, &QPushButton::clicked, this, &TForm6::BitBtn4Click);

    showSelection();
}

TForm6::~TForm6() = default;

void TForm6::attach(RandomGenerator& random, Dialogs& dialogs, const Clock& clock)
{
    m_random = &random;
    m_dialogs = &dialogs;
    m_clock = &clock;
}

SelectionOutcome TForm6::showModal()
{
    showSelection();
    return outcomeOf(exec());
}

bool TForm6::selectPoolNumbers(NumberPool& pool, const MessageTable& messages)
{
    QString error;
    const bool goOn = kw::selectPoolNumbers(
        m_selection, pool, messages, [this] { return showModal(); }, &error);
    if (!error.isEmpty()) m_dialogs->notify(error);
    return goOn;
}

void TForm6::TippEdit(TipSheet& sheet, int row, const MessageTable& messages)
{
    kw::TippEdit(sheet, row, m_selection, messages, *m_random, [this] { return showModal(); });
    showSelection();
}

void TForm6::showSelection()
{
    setWindowTitle(m_selection.caption);
    for (int n = 1; n <= kSelectionBoxCount; ++n) {
        QCheckBox* box = numberBox(n);
        const NumberBox& state = m_selection.box(n);
        box->setVisible(m_selection.isOffered(n));
        box->setChecked(state.checked);  // by program: no click handling
        box->setToolTip(state.weight);
        const int colour = static_cast<int>(state.colour);
        if (m_shownColour[static_cast<std::size_t>(n)] != colour) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Window, colourOf(state.colour));
            box->setPalette(palette);
            m_shownColour[static_cast<std::size_t>(n)] = colour;
        }
    }
    m_statusPanel->setText(m_selection.statusText);
    BitBtn3->setVisible(m_selection.BitBtn3Visible);
    BitBtn1->setVisible(!m_selection.BitBtn3Visible);
    BitBtn4->setVisible(m_selection.BitBtn4Visible);
    BitBtn4->setText(m_selection.BitBtn4Caption);
    if (m_selection.Timer1Enabled && !m_timer1->isActive())
        m_timer1->start();
    else if (!m_selection.Timer1Enabled && m_timer1->isActive())
        m_timer1->stop();
}

void TForm6::CheckBox49Click(int number, bool checked)
{
    if (number < 1 || number > kSelectionBoxCount) return;
    takeStatusFormat();
    m_selection.userToggled(number, checked);
    showSelection();
}

void TForm6::CheckBox1MouseDown(int number, bool rightButton)
{
    if (number < 1 || number > kSelectionBoxCount) return;
    takeStatusFormat();
    m_selection.CheckBox1MouseDown(number, rightButton);
    showSelection();
}

void TForm6::CheckBox2MouseMove(int number)
{
    if (number < 1 || number > kSelectionBoxCount) return;
    takeStatusFormat();
    m_selection.CheckBox2MouseMove(number);
    m_statusPanel->setText(m_selection.statusText);
}

void TForm6::SpeedButton1Click()
{
    const QString path = m_dialogs->saveFileName(
        NumberSelection::weightListRequest(today(), SpeedButton1->toolTip()));
    if (path.isEmpty()) return;
    QString error;
    if (!m_selection.saveWeightList(path, &error)) m_dialogs->notify(error);
    showSelection();
}

void TForm6::SpeedButton2Click()
{
    const QString path = m_dialogs->openFileName(
        NumberSelection::weightListRequest(today(), SpeedButton2->toolTip()));
    if (path.isEmpty()) return;
    QString error;
    if (!m_selection.loadWeightList(path, &error)) m_dialogs->notify(error);
    showSelection();
}

void TForm6::BitBtn4Click()
{
    m_selection.BitBtn4Click();
    showSelection();
}

void TForm6::Timer1Timer()
{
    m_selection.Timer1Timer(*m_random);
    showSelection();
}

void TForm6::FormClose()
{
    m_selection.FormClose();
    showSelection();
}

void TForm6::done(int result)
{
    FormClose();
    QDialog::done(result);
}

bool TForm6::eventFilter(QObject* watched, QEvent* event)
{
    const int n = boxNumber(watched);
    if (n == 0) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const bool right = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        CheckBox1MouseDown(n, right);
        return right;  // a right press never toggles the box
    }
    case QEvent::Enter:
    case QEvent::MouseMove: CheckBox2MouseMove(n); break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm6::showEvent(QShowEvent* event)
{
    showSelection();
    QDialog::showEvent(event);
}

void TForm6::keyPressEvent(QKeyEvent* event)
{
    // OK stays the default button while "Rechnen" covers it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        !BitBtn1->isVisible()) {
        done(OkResult);
        return;
    }
    QDialog::keyPressEvent(event);
}

int TForm6::boxNumber(const QObject* object) const
{
    for (int n = 1; n <= kSelectionBoxCount; ++n)
        if (m_boxes[static_cast<std::size_t>(n)] == object) return n;
    return 0;
}

void TForm6::takeStatusFormat()
{
    m_selection.Panel1 = m_panel1->text();
}

QDate TForm6::today() const
{
    return m_clock ? m_clock->today() : QDate::currentDate();
}

}  // namespace kw
