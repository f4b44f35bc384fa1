// The main window's looks back over the history: the tip search and the two
// historic analyses, each stopped by a second click on its button.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "evaluation/history_analysis.h"
#include "evaluation/tip_search.h"
#include "ui/main_window.h"
#include "ui/side_pages.h"
#include "ui/tip_page.h"

namespace kw {

namespace {

// The property that holds a button's caption while nothing runs (the language's).
constexpr char kRestCaption[] = "restCaption";

}  // namespace

void TForm1::bindAnalyses()
{
    auto* search = m_tipPage->findChild<QPushButton*>(QStringLiteral("SpeedButton4"));
    search->setToolTip(
        QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"));
    connect(search, &QPushButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(m_databasePage->BitBtn9, &QPushButton::clicked, this, &TForm1::BitBtn9Click);
    connect(m_databasePage->BitBtn19, &QPushButton::clicked, this, &TForm1::BitBtn19Click);
    connect(m_databasePage->Zufallsvergleich, &QCheckBox::toggled, this,
            [this](bool on) { m_state.compareWithRandom = on; });
    keepRestCaptions();
    connect(&m_state, &MainState::runChanged, this, &TForm1::showAnalyses);
    connect(&m_state, &MainState::downloadChanged, this, &TForm1::showAnalyses);
    showAnalyses();
}

void TForm1::showAnalyses()
{
    {
        const QSignalBlocker block(m_databasePage->Zufallsvergleich);
        m_databasePage->Zufallsvergleich->setChecked(m_state.compareWithRandom);
    }
    const std::pair<QPushButton*, HistoryOperation> buttons[] = {
        {m_tipPage->findChild<QPushButton*>(QStringLiteral("SpeedButton4")),
         HistoryOperation::TipSearch},
        {m_databasePage->BitBtn9, HistoryOperation::ParameterAnalysis},
        {m_databasePage->BitBtn19, HistoryOperation::DatabaseAnalysis},
    };
    for (const auto& [button, operation] : buttons) {
        button->setText(
            historyButtonCaption(m_state, operation, button->property(kRestCaption).toString()));
        button->setEnabled(historyButtonEnabled(m_state, operation));
    }
    // The user's own generation waits until the history has been walked.
    const bool idle = !historyOperationRunning(m_state);
    m_tipPage->BitBtn4->setEnabled(idle);
    findChild<QAction*>(QStringLiteral("Berechnen1"))->setEnabled(idle);
    // The win calculation's modal dialog would hold a run until closed.
    m_tipPage->findChild<QPushButton*>(QStringLiteral("auswertung"))
        ->setEnabled(idle && !m_state.run.running(Task::Generation));
    // So would the wheel's, and its rows would change the tips under the run.
    m_tipPage->findChild<QPushButton*>(QStringLiteral("RadErstellen"))
        ->setEnabled(idle && !m_state.run.running(Task::Generation));
}

void TForm1::keepRestCaptions()
{
    // Called while the buttons show their captions at rest: at start, and when a
    // language has just been applied (which gives them their rest captions again).
    for (QPushButton* button : {m_tipPage->findChild<QPushButton*>(QStringLiteral("SpeedButton4")),
                                m_databasePage->BitBtn9, m_databasePage->BitBtn19})
        button->setProperty(kRestCaption, button->text());
    m_state.Tippsberechnen = m_tipPage->BitBtn4->text();
}

void TForm1::SpeedButton4Click()
{
    RunHooks hooks = runHooks();
    searchTips(m_state, m_services, hooks);
    closeIfAsked();
}

void TForm1::BitBtn9Click()
{
    RunHooks hooks = runHooks();
    const int randomRuns = m_state.compareWithRandom ? m_state.randomRuns : 0;
    if (const auto report = analyseParameters(m_state, m_services, hooks, randomRuns))
        showAnalysisReport(m_state, m_services, *report);
    closeIfAsked();
}

void TForm1::BitBtn19Click()
{
    RunHooks hooks = runHooks();
    if (const auto report = analyseDatabase(m_state, m_services, hooks))
        showAnalysisReport(m_state, m_services, *report);
    closeIfAsked();
}

}  // namespace kw
