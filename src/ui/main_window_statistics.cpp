// The main window's statistics: the chart buttons and the frequency history.
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "draws/current_draw.h"
#include "draws/day_count.h"
#include "draws/draw_download.h"
#include "draws/draw_maintenance.h"
#include "evaluation/sheet_evaluation.h"
#include "generation/lucky_number.h"
#include "generation/number_pool.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "state/input_throttle.h"
#include "state/startup.h"
#include "stats/statistics.h"
#include "tips/tip_files.h"
#include "tips/tip_operations.h"
#include "ui/chart_view.h"
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

void TForm1::bindStatistics()
{
    ChartPage* chart = m_chartPage;
    DatabasePage* db = m_databasePage;
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(250);
    connect(m_timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(chart->SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(chart->SpeedButton9, &QPushButton::clicked, this, &TForm1::SpeedButton9Click);
    connect(chart->Button9, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(chart->Button10, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(chart->Button11, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(chart->Button12, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(chart->SpeedButton30, &QPushButton::clicked, this, &TForm1::SpeedButton30Click);
    connect(chart->SpeedButton29, &QPushButton::clicked, this, &TForm1::SpeedButton29Click);
    connect(chart->BitBtn20, &QToolButton::clicked, this, &TForm1::BitBtn20Click);
    connect(chart->BitBtn21, &QToolButton::clicked, this, &TForm1::BitBtn21Click);
    connect(chart->UpDown21, &QSpinBox::valueChanged, this,
            [this](int n) { m_state.UpDown21 = n; });
    connect(chart->CheckBox41, &QCheckBox::toggled, this,
            [this](bool on) { m_state.chart.setAxisFromZero(on); });
    const auto showAxisOption = [this] {
        const QSignalBlocker block(m_chartPage->CheckBox41);
        m_chartPage->CheckBox41->setChecked(m_state.chart.axisFromZero());
    };
    connect(&m_state.chart, &ChartData::changed, this, showAxisOption);
    showAxisOption();
    connect(chart->Button21, &QPushButton::clicked, this, &TForm1::Button21Click);
    connect(db->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(db->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(db->Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(db->Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(db->Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    auto* tipDistribution = m_tipPage->findChild<QPushButton*>(QStringLiteral("Button6"));
    tipDistribution->setEnabled(true);
    connect(tipDistribution, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(&m_state, &MainState::chartPageRequested, this, [this] {
        m_pages->setCurrentIndex(
            m_pages->indexOf(m_pages->findChild<QWidget*>(QStringLiteral("TabSheet5"))));
    });
}

void TForm1::SpeedButton2Click()
{
    frequencyChart(m_state, m_services);
}

void TForm1::Button5Click()
{
    overdueChart(m_state, m_services);
}

void TForm1::SpeedButton9Click()
{
    sumsChart(m_state, m_services);
}

void TForm1::Button2Click()
{
    runChart(m_state, m_services, RunLength::Pairs);
}

void TForm1::Button3Click()
{
    runChart(m_state, m_services, RunLength::Triples);
}

void TForm1::Button4Click()
{
    runChart(m_state, m_services, RunLength::Quadruples);
}

void TForm1::SpeedButton30Click()
{
    pairsWithChart(m_state, m_services);
}

void TForm1::SpeedButton29Click()
{
    nextPairsWithChart(m_state, m_services);
}

void TForm1::Button8Click()
{
    extraNumberChart(m_state, m_services);
}

void TForm1::Button6Click()
{
    tipDistributionChart(m_state, m_services);
}

void TForm1::BitBtn20Click()
{
    startFrequencyHistory(m_state);
    m_timer1->start();
}

void TForm1::BitBtn21Click()
{
    m_timer1->stop();
    stopFrequencyHistory(m_state);
}

void TForm1::Timer1Timer()
{
    if (!frequencyHistoryTick(m_state, m_services)) m_timer1->stop();
}

void TForm1::Button21Click()
{
    const MessageTable& m = m_state.messages;
    FileDialogRequest request;
    request.title = m.text(Message::ChartSaveCaption);
    request.initialFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    request.filter = m.text(Message::ChartSaveFilter);
    request.defaultExtension = QStringLiteral("png");
    request.proposedName = QStringLiteral("Diagramm.png");
    const QString path = m_services.dialogs.saveFileName(request);
    if (path.isEmpty()) return;
    QString error;
    if (!m_chartPage->Chart1->savePicture(path, &error)) {
        m_services.dialogs.notify(m.text(Message::ChartNotSaved).arg(error));
        return;
    }
    m_state.setStatusText(1, m.text(Message::ChartSaved).arg(QDir::toNativeSeparators(path)));
}

}  // namespace kw
