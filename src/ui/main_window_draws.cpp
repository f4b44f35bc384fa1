// The main window's draw history: the CurrentDraw, the download and the
// maintenance of the DrawFile by hand.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include "draws/current_draw.h"
#include "draws/day_count.h"
#include "draws/draw_download.h"
#include "draws/draw_file.h"
#include "draws/draw_maintenance.h"
#include "evaluation/history_analysis.h"
#include "evaluation/sheet_evaluation.h"
#include "generation/lucky_number.h"
#include "generation/number_pool.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "state/input_throttle.h"
#include "state/startup.h"
#include "stats/statistics.h"
#include "tips/tip_files.h"
#include "tips/tip_operations.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/dialog_windows.h"
#include "ui/draw_table.h"
#include "ui/number_selection_dialog.h"
#include "ui/parameter_page.h"
#include "ui/side_pages.h"
#include "ui/tip_list_view.h"
#include "ui/tip_page.h"
#include "ui/vertical_label.h"
#include "ui/zoom.h"

namespace kw {

void TForm1::showDraw()
{
    m_tipPage->Label35->setText(m_state.Label35);
    m_tipPage->Label13->setText(m_state.Label13);
    m_databasePage->Label29->setText(m_state.Label29);
    const QSignalBlocker block(m_databasePage->DateTimePicker1);
    m_databasePage->DateTimePicker1->setDate(dateFromDayCount(m_state.DateTimePicker1.date()));
    const QSignalBlocker block21(m_chartPage->UpDown21);
    m_chartPage->UpDown21->setValue(m_state.UpDown21);
    m_chartPage->BitBtn20->setVisible(!m_state.historyRunning);
    m_chartPage->BitBtn21->setVisible(m_state.historyRunning);
}

void TForm1::SpeedButton5Click()
{
    selectDrawForDate(m_state, m_services);
}

void TForm1::SpeedButton6Click()
{
    showPreviousDraw(m_state, m_services);
}

void TForm1::SpeedButton7Click()
{
    showNextDraw(m_state, m_services);
}

void TForm1::bindDownload()
{
    m_download = std::make_unique<DrawDownload>(m_state, m_services);
    connect(m_databasePage->BitBtn1, &QPushButton::clicked, this, &TForm1::KugelwartClick);
    connect(m_tipPage->SpeedButton10, &QToolButton::clicked, this, &TForm1::KugelwartClick);
    connect(m_databasePage->SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    connect(m_databasePage->BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    auto* menu = findChild<QAction*>(QStringLiteral("Aktualisieren1"));
    connect(menu, &QAction::triggered, this, &TForm1::Aktualisieren1Click);
    connect(&m_state, &MainState::downloadChanged, this, &TForm1::showDownload);
    connect(&m_state, &MainState::runChanged, this, &TForm1::showDownload);
}

void TForm1::showDownload()
{
    // The tip search and the analyses read the history as it was when they began.
    const bool idle = !m_state.run.running(Task::Download) && !historyOperationRunning(m_state);
    m_databasePage->BitBtn1->setEnabled(idle);
    m_tipPage->SpeedButton10->setEnabled(idle);
    m_databasePage->BitBtn2->setEnabled(idle);
    findChild<QAction*>(QStringLiteral("Aktualisieren1"))->setEnabled(idle);
    // The download appends to the DrawFile: nothing else changes it meanwhile.
    for (QPushButton* maintenance :
         {m_databasePage->BitBtn8, m_databasePage->BitBtn6, m_databasePage->BitBtn10})
        maintenance->setEnabled(idle);
    m_databasePage->SpeedButton8->setVisible(m_state.run.goingOn(Task::Download));
}

void TForm1::KugelwartClick()
{
    m_download->start();
}

void TForm1::Aktualisieren1Click()
{
    KugelwartClick();
}

void TForm1::BitBtn2Click()
{
    m_download->rebuild();
}

void TForm1::SpeedButton8Click()
{
    m_download->stop();
}

void TForm1::bindMaintenance()
{
    DatabasePage* db = m_databasePage;
    connect(db->BitBtn8, &QPushButton::clicked, this, &TForm1::BitBtn8Click);
    connect(db->BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(db->BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(db->BitBtn10, &QPushButton::clicked, this, &TForm1::BitBtn10Click);
    for (const char* name : {"SpeedButton15", "SpeedButton16"}) {
        auto* button = m_tipPage->findChild<QToolButton*>(QLatin1String(name));
        button->setEnabled(true);
        const QByteArray slot = QByteArray(name) + "Click";
        connect(button, &QToolButton::clicked, this,
                [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
    }
    connect(m_tipPage->Gewinnzahlen, &TipListView::listDoubleClicked, this,
            &TForm1::GewinnzahlenDblClick);
}

void TForm1::BitBtn8Click()
{
    enterDraw(m_state, m_services, [this](const DrawRecord& proposal) -> std::optional<DrawRecord> {
        TForm3 dialog(this, m_services.dialogs);  // a fresh dialog for each entry
        dialog.preset(proposal, m_state.SternenzahlMax);
        emit drawEntryDialogOpened(&dialog);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.entered();
    });
}

void TForm1::BitBtn4Click()
{
    deleteShownDraw(m_state, m_services);
}

void TForm1::BitBtn3Click()
{
    exportDraws(m_state, m_services);
}

void TForm1::BitBtn10Click()
{
    importDraws(m_state, m_services);
}

void TForm1::bindDrawTable()
{
    DatabasePage* db = m_databasePage;
    // Every change of the DrawFile (entry, deletion, import, download) ends in a
    // new selection. The file read is cached while unchanged, and the rows are
    // built again only when the records differ from those shown.
    connect(&m_state, &MainState::drawChanged, this, &TForm1::showDrawTable);
    // The newest draw's age follows the day whenever the page comes up.
    connect(m_pages, &QTabWidget::currentChanged, this, &TForm1::showDrawTable);
    connect(db->Edit120, &QLineEdit::textChanged, this, &TForm1::Edit120Change);
    connect(db->StringGrid3, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { StringGrid3DblClick(index.row()); });
    showDrawTable();
}

void TForm1::showDrawTable()
{
    const DrawFile file(m_state.drawFilePath());
    QString error;
    // A file that cannot be read leaves the table as it was: the operations say why.
    DrawHistory records =
        file.exists() ? file.readShared(&error) : std::make_shared<const std::vector<DrawRecord>>();
    if (!records) return;
    m_databasePage->showDraws(records, m_services.clock.today(), m_state.messages);
}

void TForm1::Edit120Change()
{
    showDrawTable();
}

void TForm1::StringGrid3DblClick(int row)
{
    const DayCount date = m_databasePage->drawTable->dateAt(row);
    if (date > 0) selectDrawOn(m_state, m_services, date);
}

}  // namespace kw
