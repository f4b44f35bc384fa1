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
#include "online/web_cart.h"
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
#include "ui/number_selection_dialog.h"
#include "ui/parameter_page.h"
#include "ui/side_pages.h"
#include "ui/tip_list_view.h"
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
    bindAnalyses();
    FormCreate();
    createDialogs();
    bindWinCalculation();
    bindOdds();
    bindWheel();
    bindOnline();
    bindLanguage();
    bindDrawTable();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    m_cart.reset();      // nothing more is opened
    m_download.reset();  // a request under way is cancelled
    // The pages go before the state they mirror, and say nothing to a window
    // that is already half gone.
    m_tipPage->disconnect(this);
    m_pages->disconnect(this);
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
        item->setEnabled(false);
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

    QMenu* help = named(bar->addMenu(QStringLiteral("&Hilfe")), "Hilfe1");
    auto* about = menuAction(this, "UeberKugelwart1", QStringLiteral("Ü&ber Kugelwart"));
    connect(about, &QAction::triggered, this, &TForm1::UeberKugelwart1Click);
    help->addAction(about);
    auto* guide =
        menuAction(this, "Anleitung1", QStringLiteral("&Anleitung"), QKeySequence(Qt::Key_F1));
    connect(guide, &QAction::triggered, this, &TForm1::Anleitung1Click);
    help->addAction(guide);
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

    connect(m_chartPage->DateTimePicker2, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { m_state.DateTimePicker2.setDate(dayCountFromDate(d)); });
    connect(m_databasePage->DateTimePicker1, &QDateEdit::dateChanged, this,
            [this](const QDate& d) { m_state.DateTimePicker1.setDate(dayCountFromDate(d)); });
    connect(m_internetPage->ProxyHostEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.ProxyHostEdit = text; });
    connect(m_internetPage->ProxyPortEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.ProxyPortEdit = text; });
    connect(m_internetPage->Lottoportal, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { m_state.Lottoportal = text; });
    connect(m_internetPage->DrawServerEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.DrawServer = text; });
    connect(m_internetPage->QuotaServerEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.QuotaServer = text; });
    connect(m_internetPage->CartServerEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_state.CartServer = text; });
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
    m_form5 = new TForm5(this, m_state.random, m_services.dialogs,
                         ticketHistoryPath(m_services.userDataLocation));
    m_form5->showOptionItems(m_state.messages);
    m_form6 = new TForm6(this);
    m_form6->attach(m_state.random, m_services.dialogs, m_services.clock);
    m_form8 = new TForm8(this, m_services);
    m_form9 = new TForm9(this, m_state, m_services.http);
    m_qksForm = new TQKSForm(this, m_state, m_services.dialogs, m_services.http);
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
    if (portal->findText(m_state.Lottoportal) < 0 && !m_state.Lottoportal.isEmpty())
        portal->addItem(m_state.Lottoportal);
    portal->setCurrentText(m_state.Lottoportal);
    m_internetPage->DrawServerEdit->setText(m_state.DrawServer);
    m_internetPage->QuotaServerEdit->setText(m_state.QuotaServer);
    m_internetPage->CartServerEdit->setText(m_state.CartServer);
    m_internetPage->ErgebnisdateiEdit->setText(m_state.Ergebnisdatei);
    showDownload();
}

void TForm1::FormShow()
{
    // Runs once the window is on screen: the saved language is applied, the
    // CurrentDraw for today is selected and evaluated, the chart shows the number
    // distribution, then the draws since the newest stored one are fetched.
    createHistoryForDownload(m_state, m_services);
    SpracheSetzen();
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
    // The win calculation may be open (closing from outside while it is modal):
    // it goes first, with a quota load under way.
    if (m_form9 && m_form9->isVisible()) m_form9->reject();
    // No link of the web cart opens after the window has closed.
    if (m_cart) m_cart->cancel();
    if (m_qksForm && m_qksForm->isVisible()) m_qksForm->reject();
    if (m_state.run.running(Task::Generation) || historyOperationRunning(m_state)) {
        // The run is still on the stack: stop it first, close when it has ended.
        for (Task task : {Task::Generation, Task::Analysis, Task::Search})
            m_state.run.requestStop(task);
        m_state.notifyRunChanged();
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
