// The main window's tips: the sheet and the list, tip files, the generation.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "draws/current_draw.h"
#include "draws/day_count.h"
#include "draws/draw_download.h"
#include "draws/draw_maintenance.h"
#include "evaluation/history_analysis.h"
#include "evaluation/sheet_evaluation.h"
#include "generation/lucky_number.h"
#include "generation/number_pool.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "printing/tip_printout.h"
#include "state/input_throttle.h"
#include "state/startup.h"
#include "stats/statistics.h"
#include "tips/tip_files.h"
#include "tips/tip_operations.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/dialog_windows.h"
#include "ui/number_selection_dialog.h"
#include "ui/parameter_page.h"
#include "ui/side_pages.h"
#include "ui/tip_list_view.h"
#include "ui/tip_page.h"
#include "ui/vertical_label.h"
#include "ui/zoom.h"

namespace kw {

void TForm1::bindTips()
{
    TipPage* page = m_tipPage;
    page->bindSheet(m_state.sheet);
    connect(page, &TipPage::cellTyped, this,
            [this](int edit, const QString& text) { m_state.enterCell(edit, text); });
    connect(page, &TipPage::cellLeft, this, &TForm1::Edit1Exit);
    connect(page, &TipPage::rowLabelClicked, this, &TForm1::Label30Click);
    connect(page->SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(page->SpeedButton7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
    connect(m_databasePage->SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    m_databasePage->SpeedButton5->setEnabled(true);
    connect(page->SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    connect(page->SpeedButton28, &QToolButton::clicked, this, &TForm1::SpeedButton28Click);
    connect(page->Standardansicht, &QPushButton::clicked, this, &TForm1::StandardansichtClick);
    connect(page->Listenansicht, &QPushButton::clicked, this, &TForm1::ListenansichtClick);
    auto* print = page->findChild<QPushButton*>(QStringLiteral("BitBtn7"));
    print->setEnabled(true);
    connect(print, &QPushButton::clicked, this, &TForm1::BitBtn7Click);
    auto* slip = page->findChild<QPushButton*>(QStringLiteral("SpeedButton27"));
    slip->setEnabled(true);
    connect(slip, &QPushButton::clicked, this, &TForm1::SpeedButton27Click);
    connect(page->UpDown8, &QSpinBox::valueChanged, this,
            [this](int value) { m_state.setUpDownPosition(8, value); });

    connect(&m_state, &MainState::drawChanged, this, &TForm1::showDraw);
    connect(&m_state, &MainState::listChanged, this, [this] { m_tipPage->showLists(m_state); });
    connect(&m_state, &MainState::viewChanged, this, [this] { m_tipPage->showLists(m_state); });
    connect(&m_state, &MainState::parameterChanged, this, [this] {
        showUpDown8();
        m_parameterPage->showState();
    });
}

void TForm1::showUpDown8()
{
    QSpinBox* rows = m_tipPage->UpDown8;
    const QSignalBlocker block(rows);
    rows->setRange(upDownSpec(8).minimum, m_state.upDownMaximum(8));
    rows->setValue(m_state.upDownPosition(8));
}

int TForm1::Komplettcheck()
{
    return kw::Komplettcheck(m_state, m_services.sound);
}

int TForm1::Listengewinncheck()
{
    return kw::Listengewinncheck(m_state, m_services.sound);
}

void TForm1::Edit1Exit(int)
{
    if (m_state.sortieren) Komplettcheck();
}

void TForm1::Label30Click(int row)
{
    m_state.sheet.toggleLock(row);
}

void TForm1::SpeedButton11Click()
{
    clearTips(m_state, m_services);
}

void TForm1::ListenansichtClick()
{
    showListView(m_state, m_services);
}

void TForm1::ListenansichtOhneClick()
{
    showListViewAppendingSheet(m_state, m_services);
}

void TForm1::StandardansichtClick()
{
    showStandardView(m_state);
}

void TForm1::SpeedButton28Click()
{
    editListExternally(m_state, m_services);
}

void TForm1::SpeedButton15Click()
{
    saveTips(m_state, m_services);
}

void TForm1::SpeedButton16Click()
{
    loadTips(m_state, m_services);
}

void TForm1::GewinnzahlenDblClick()
{
    saveTipsAndEdit(m_state, m_services);
}

void TForm1::BitBtn7Click()
{
    printTips(m_state, m_services);
}

void TForm1::SpeedButton27Click()
{
    m_form8->Memo1->setPlainText(writeSlipTipFile(m_state).join(QLatin1Char('\n')));
    m_form8->MaxZahl = kSlipHighestNumber;
    m_form8->TippanzahlMax = kSlipTipPositions;
    m_form8->MaxEuroZahl = m_state.SternenzahlMax;
    m_form8->schluessel = kSettingsKey;
    m_form8->Reportvorlage->setText(QStringLiteral("SK_Sachsen.fr3"));
    emit slipDialogOpened(m_form8);
    m_form8->exec();
}

void TForm1::bindGeneration()
{
    connect(m_tipPage->BitBtn4, &QPushButton::clicked, this, &TForm1::BrechnungStart);
    m_tipPage->BitBtn4->setEnabled(true);
    m_tipPage->BitBtn4->setToolTip(
        QStringLiteral("Starten Sie hier die Berechnung der Tippreihen."));
    auto* lucky = m_tipPage->findChild<QPushButton*>(QStringLiteral("SpeedButton13"));
    lucky->setEnabled(true);
    connect(lucky, &QPushButton::clicked, this, &TForm1::SpeedButton13Click);
    auto* menu = findChild<QAction*>(QStringLiteral("Berechnen1"));
    menu->setEnabled(true);
    connect(menu, &QAction::triggered, this, &TForm1::Berechnen1Click);
    for (int r = 1; r <= 12; ++r) {
        auto* edit = m_tipPage->findChild<QToolButton*>(QStringLiteral("Tipp%1Edit").arg(r));
        edit->setEnabled(true);
        const QByteArray slot = "Tipp" + QByteArray::number(r) + "EditClick";
        connect(edit, &QToolButton::clicked, this,
                [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
    }
    connect(&m_state, &MainState::runChanged, this,
            [this] { m_tipPage->BitBtn4->setText(startButtonCaption(m_state)); });
    connect(m_parameterPage, &ParameterPage::chartRequested, this, [this](const char* handler) {
        m_pages->setCurrentIndex(
            m_pages->indexOf(m_pages->findChild<QWidget*>(QStringLiteral("TabSheet5"))));
        QMetaObject::invokeMethod(this, handler);
    });
}

RunHooks TForm1::runHooks()
{
    RunHooks hooks;
    auto throttle = std::make_shared<InputThrottle>();
    hooks.eventsDue = [throttle] { return throttle->due(); };
    hooks.letEventsThrough = [throttle] { throttle->letInputThrough(); };
    hooks.showTipPage = [this] { m_pages->setCurrentIndex(0); };
    hooks.selectNumbers = [this](NumberPool& pool) {
        return m_form6->selectPoolNumbers(pool, m_state.messages);
    };
    return hooks;
}

void TForm1::BrechnungStart()
{
    if (historyOperationRunning(m_state)) return;  // its own runs are the analysis' business
    RunHooks hooks = runHooks();
    kw::BrechnungStart(m_state, m_services, hooks);
    closeIfAsked();
}

void TForm1::closeIfAsked()
{
    if (m_closeAfterRun && !m_state.run.running(Task::Generation) &&
        !historyOperationRunning(m_state)) {
        m_closeAfterRun = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TForm1::Berechnen1Click()
{
    Label28Click();
}

void TForm1::Label28Click()
{
    if (historyOperationRunning(m_state)) return;
    RunHooks hooks = runHooks();
    generationRun(m_state, m_services, hooks);
    closeIfAsked();
}

void TForm1::SpeedButton13Click()
{
    askLuckyNumber(m_state, m_services);
}

void TForm1::TippEdit(int row)
{
    m_form6->TippEdit(m_state.sheet, row, m_state.messages);
}

}  // namespace kw
