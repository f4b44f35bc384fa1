#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "draws/current_draw.h"
#include "draws/day_count.h"
#include "draws/draw_download.h"
#include "draws/draw_maintenance.h"
#include "evaluation/sheet_evaluation.h"
#include "generation/lucky_number.h"
#include "stats/statistics.h"
#include "generation/number_pool.h"
#include "ui/number_selection_dialog.h"
#include "ui/parameter_page.h"
#include "tips/tip_files.h"
#include "tips/tip_operations.h"
#include "ui/tip_list_view.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "state/input_throttle.h"
#include "state/startup.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/dialog_windows.h"
#include "ui/side_pages.h"
#include "ui/tip_page.h"
#include "ui/vertical_label.h"
#include "ui/zoom.h"

namespace kw {

namespace {

const QString kCaption = QStringLiteral("Quendels Kugelwart  für Kleinkugel Polen");

// A tab sheet that shows its page in a frameless scroll area: when the window is smaller
// than the scaled page needs, the page scrolls instead of forcing the window larger.
// The page is made inside it, so that its controls follow the sheet in the window's list.
template <typename Page, typename... Args>
Page* addPage(QTabWidget* pages, const char* sheetName, const QString& caption, Args&&... args)
{
    auto* area = named(new QScrollArea(pages), sheetName);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    pages->addTab(area, caption);
    auto* page = new Page(area, std::forward<Args>(args)...);
    area->setWidget(page);
    return page;
}

QAction* menuAction(QWidget* owner, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {})
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    owner->addAction(action);
    ControlList::record(action, owner);
    return action;
}

}  // namespace

TForm1::TForm1(Services services, QWidget* parent) : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("TForm1"));
    new ControlList(this);
    setWindowTitle(kCaption);
    resize(kDesignWidth, kDesignHeight);
    buildMenu();
    buildPages();
    buildStatusBar();
    connect(&m_state, &MainState::statusChanged, this, [this](int panel, const QString& text) {
        if (panel >= 0 && panel < kStatusPanels) m_statusPanels[panel]->setText(text);
    });
    qApp->installEventFilter(this);
    bindTips();
    bindStatistics();
    bindGeneration();
    bindMaintenance();
    bindDownload();
    FormCreate();
    createDialogs();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    m_download.reset();  // a request under way is cancelled
    // The pages go before the state they mirror, and say nothing to a window
    // that is already half gone.
    m_tipPage->disconnect(this);
    delete m_pages;
}

QString TForm1::defaultProductPage()
{
    return QStringLiteral("https://www.lotto.pl/mini-lotto");
}

QStringList TForm1::defaultLinks()
{
    return {QStringLiteral("https://www.lotto.pl/mini-lotto/wyniki-i-wygrane"),
            QStringLiteral("https://www.lotto.pl/mini-lotto"),
            QStringLiteral("https://www.check-dein-spiel.de")};
}

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto* download = menuAction(this, "Aktualisieren1", QStringLiteral("&Ziehungsdaten laden"),
                                QKeySequence(Qt::CTRL | Qt::Key_A));
    auto* generate = menuAction(this, "Berechnen1", QStringLiteral("&Berechnen"),
                                QKeySequence(Qt::CTRL | Qt::Key_R));
    download->setEnabled(false);
    generate->setEnabled(false);
    bar->addAction(download);
    bar->addAction(generate);

    QMenu* language = named(bar->addMenu(QStringLiteral("Sprache/&Language")), "SpracheLanguage1");
    const std::pair<const char*, const char*> languages[] = {
        {"Deutsch1", "Deutsch"},        {"Englich1", "Englisch"},
        {"Franz1", "Französisch"},      {"Spanisch1", "Spanisch"},
        {"Italenisch1", "Italienisch"}, {"Russisch1", "Russisch"},
        {"rkisch1", "Türkisch"},        {"Niederlndisch1", "Niederländisch"},
        {"Polnisch1", "Polnisch"},      {"schechisch1", "Tschechisch"},
        {"Slowakisch1", "Slowakisch"},  {"Ungarisch1", "Ungarisch"},
        {"Grischisch1", "Griechisch"},  {"Schwedisch1", "Schwedisch"},
        {"Norwegisch1", "Norwegisch"},  {"Finnisch1", "Finnisch"},
        {"Dnisch1", "Dänisch"},         {"Portugisisch1", "Portugiesisch"},
        {"Chinese1", "Chinese"},
    };
    for (const auto& [name, caption] : languages) {
        auto* item = menuAction(this, name, QString::fromUtf8(caption));
        item->setCheckable(true);
        item->setEnabled(false);  // the language files come with the translations
        language->addAction(item);
    }
    language->addSeparator();
    auto* saveTemplate = menuAction(this, "Dateispeichern1", QStringLiteral("Datei &speichern"));
    saveTemplate->setEnabled(false);
    language->addAction(saveTemplate);

    auto* submit = menuAction(this, "Abgeben1", QStringLiteral("&Abgeben"),
                              QKeySequence(Qt::CTRL | Qt::Key_G));
    submit->setVisible(false);
    submit->setEnabled(false);
    bar->addAction(submit);
    auto* close = menuAction(this, "Schlieen1", QStringLiteral("&Schließen"));
    connect(close, &QAction::triggered, this, &TForm1::Schlieen1Click);
    bar->addAction(close);
}

void TForm1::buildPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_tipPage = addPage<TipPage>(m_pages, "TabSheet1", QStringLiteral("Tipp-Übersicht"));
    addPage<QWidget>(m_pages, "TabSheet2", QStringLiteral("Zahlen der letzten Ziehung"));
    m_parameterPage =
        addPage<ParameterPage>(m_pages, "TabSheet6", QStringLiteral("Parameter"), m_state);
    m_chartPage =
        addPage<ChartPage>(m_pages, "TabSheet5", QStringLiteral("Diagramm"), m_state.chart);
    m_databasePage = addPage<DatabasePage>(m_pages, "TabSheet4", QStringLiteral("Datenbank"));
    m_internetPage = addPage<InternetPage>(m_pages, "TabSheet3",
                                           QStringLiteral("Internet-Optionen"), defaultLinks());
    m_pages->setTabVisible(1, false);
    setCentralWidget(m_pages);

    connect(m_tipPage->Label43, &VerticalLabel::clicked, this, &TForm1::Label43Click);
    connect(m_tipPage->Label44, &VerticalLabel::clicked, this, &TForm1::Label43Click);
    connect(m_internetPage, &InternetPage::linkClicked, this, &TForm1::Label52Click);

    connect(m_chartPage->DateTimePicker2, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        m_state.DateTimePicker2.setDate(dayCountFromDate(d));
    });
    connect(m_databasePage->DateTimePicker1, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        m_state.DateTimePicker1.setDate(dayCountFromDate(d));
    });
    connect(m_internetPage->ProxyHostEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.ProxyHostEdit = text; });
    connect(m_internetPage->ProxyPortEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.ProxyPortEdit = text; });
    connect(m_internetPage->Lottoportal, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { m_state.Lottoportal = text; });
    connect(m_internetPage->DrawServerEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.DrawServer = text; });
    connect(m_internetPage->ErgebnisdateiEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.Ergebnisdatei = text; });
}

void TForm1::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[kStatusPanels] = {150, 50};
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel, i == kStatusPanels - 1 ? 1 : 0);
        m_statusPanels[i] = panel;
    }
}

void TForm1::createDialogs()
{
    m_form3 = new TForm3(this, m_services.dialogs);
    m_form5 = new TForm5(this);
    m_form6 = new TForm6(this);
    m_form6->attach(m_state.random, m_services.dialogs, m_services.clock);
    m_form8 = new TForm8(this);
    m_form9 = new TForm9(this);
    m_qksForm = new TQKSForm(this);
}

void TForm1::FormCreate()
{
    Groesse = 0;
    prepareState(m_state, m_services);

    Groesse = height();
    const StartSettings saved = loadStartSettings(m_state, m_services);
    // A stored size never makes the window smaller than usable or larger than the screen.
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize(8000, 4000);
    if (saved.height) resize(width(), std::clamp(*saved.height, 240, std::max(240, room.height())));
    if (saved.width) resize(std::clamp(*saved.width, 320, std::max(320, room.width())), height());
    FormResize();
    m_productPage = saved.productPage.isEmpty() ? defaultProductPage() : saved.productPage;
    if (!saved.links.isEmpty()) {
        for (int i = 0; i < m_internetPage->linkLabels.size() && i < saved.links.size(); ++i)
            m_internetPage->linkLabels[i]->setText(saved.links[i]);
    }

    finishStartup(m_state, m_services, saved.analysisStartRead);
    loadListAtStart(m_state, m_services);
    showState();
}

void TForm1::bindTips()
{
    TipPage* page = m_tipPage;
    page->bindSheet(m_state.sheet);
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

void TForm1::bindGeneration()
{
    connect(m_tipPage->BitBtn4, &QPushButton::clicked, this, &TForm1::BrechnungStart);
    m_tipPage->BitBtn4->setEnabled(true);
    m_tipPage->BitBtn4->setToolTip(QStringLiteral("Starten Sie hier die Berechnung der Tippreihen."));
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
        connect(edit, &QToolButton::clicked, this, [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
    }
    connect(&m_state, &MainState::runChanged, this,
            [this] { m_tipPage->BitBtn4->setText(startButtonCaption(m_state)); });
    connect(m_parameterPage, &ParameterPage::chartRequested, this, [this](const char* handler) {
        m_pages->setCurrentIndex(m_pages->indexOf(m_pages->findChild<QWidget*>(QStringLiteral("TabSheet5"))));
        QMetaObject::invokeMethod(this, handler);
    });
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

RunHooks TForm1::runHooks()
{
    RunHooks hooks;
    auto throttle = std::make_shared<InputThrottle>();
    hooks.eventsDue = [throttle] { return throttle->due(); };
    hooks.letEventsThrough = [throttle] { throttle->letInputThrough(); };
    hooks.showTipPage = [this] { m_pages->setCurrentIndex(0); };
    hooks.selectNumbers = [this](NumberPool& pool) { return m_form6->selectPoolNumbers(pool, m_state.messages); };
    return hooks;
}

void TForm1::BrechnungStart()
{
    RunHooks hooks = runHooks();
    kw::BrechnungStart(m_state, m_services, hooks);
    closeIfAsked();
}

void TForm1::closeIfAsked()
{
    if (m_closeAfterRun && !m_state.run.running(Task::Generation)) {
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
    connect(chart->UpDown21, &QSpinBox::valueChanged, this, [this](int n) { m_state.UpDown21 = n; });
    connect(db->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(db->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(db->Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(db->Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(db->Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    auto* tipDistribution = m_tipPage->findChild<QPushButton*>(QStringLiteral("Button6"));
    tipDistribution->setEnabled(true);
    connect(tipDistribution, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(&m_state, &MainState::chartPageRequested, this,
            [this] { m_pages->setCurrentIndex(m_pages->indexOf(m_pages->findChild<QWidget*>(QStringLiteral("TabSheet5")))); });
}

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

void TForm1::showUpDown8()
{
    QSpinBox* rows = m_tipPage->UpDown8;
    const QSignalBlocker block(rows);
    rows->setRange(upDownSpec(8).minimum, m_state.upDownMaximum(8));
    rows->setValue(m_state.upDownPosition(8));
}

void TForm1::showState()
{
    showDraw();
    showUpDown8();
    m_tipPage->showLists(m_state);
    const QSignalBlocker block1(m_databasePage->DateTimePicker1);
    const QSignalBlocker block2(m_chartPage->DateTimePicker2);
    m_databasePage->DateTimePicker1->setDate(dateFromDayCount(m_state.DateTimePicker1.date()));
    m_chartPage->DateTimePicker2->setDate(dateFromDayCount(m_state.DateTimePicker2.date()));
    m_internetPage->ProxyHostEdit->setText(m_state.ProxyHostEdit);
    m_internetPage->ProxyPortEdit->setText(m_state.ProxyPortEdit);
    QComboBox* portal = m_internetPage->Lottoportal;
    if (portal->findText(m_state.Lottoportal) < 0 && !m_state.Lottoportal.isEmpty()) portal->addItem(m_state.Lottoportal);
    portal->setCurrentText(m_state.Lottoportal);
    m_internetPage->DrawServerEdit->setText(m_state.DrawServer);
    m_internetPage->ErgebnisdateiEdit->setText(m_state.Ergebnisdatei);
    showDownload();
}

void TForm1::FormShow()
{
    // Runs once the window is on screen. The language switch joins here; the
    // CurrentDraw for today is selected and evaluated, the chart shows the number
    // distribution, then the draws since the newest stored one are fetched.
    createHistoryForDownload(m_state, m_services);
    SpeedButton5Click();
    SpeedButton2Click();
    KugelwartClick();
}

void TForm1::FormResize()
{
    const int h = height();
    if (h == Groesse) return;
    if (Groesse > 0) {
        const double factor = static_cast<double>(h) / Groesse;
        applyZoom(m_pages, zoomOf(m_pages) * factor);
        for (QWidget* dialog : {static_cast<QWidget*>(m_form6), static_cast<QWidget*>(m_form5),
                                static_cast<QWidget*>(m_form9)}) {
            if (!dialog) break;
            applyZoom(dialog, zoomOf(dialog) * factor);
        }
    }
    Groesse = h;
}

void TForm1::FormClose()
{
    std::optional<QSize> size;
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        size = QSize(width(), height());
    saveStartSettings(m_state, m_services, size);
    QString error;
    if (!saveListFiles(m_state, &error)) m_services.dialogs.notify(error);
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
}

void TForm1::showDownload()
{
    const bool idle = !m_state.run.running(Task::Download);
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

void TForm1::Schlieen1Click()
{
    close();
}

void TForm1::Label43Click()
{
    openAddress(m_productPage);
}

void TForm1::Label52Click(const QString& address)
{
    openAddress(address);
}

void TForm1::openAddress(const QString& address)
{
    QString error;
    if (!m_services.shell.openUrl(address, &error)) m_services.dialogs.notify(error);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    QMetaObject::invokeMethod(this, &TForm1::FormShow, Qt::QueuedConnection);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_state.run.running(Task::Generation)) {
        // The run is still on the stack: stop it first, close when it has ended.
        m_state.run.requestStop(Task::Generation);
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this && !widget->toolTip().isEmpty())
            m_state.setStatusText(1, widget->toolTip());
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kw
