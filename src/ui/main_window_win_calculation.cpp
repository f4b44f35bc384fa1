// The main window's win calculation: the button on the tip page, and the dialog
// after a download that brought new draws to a winning tip list.
#include <QPushButton>

#include "ui/dialog_windows.h"
#include "ui/main_window.h"
#include "ui/tip_page.h"

namespace kw {

void TForm1::bindWinCalculation()
{
    auto* button = m_tipPage->findChild<QPushButton*>(QStringLiteral("auswertung"));
    connect(button, &QPushButton::clicked, this, &TForm1::auswertungClick);
    // From the event loop: the download has ended and said its last status first.
    connect(&m_state, &MainState::winCalculationRequested, this, &TForm1::auswertungClick,
            Qt::QueuedConnection);
}

void TForm1::auswertungClick()
{
    m_form9->prepare(m_state.Statistik, m_state.DateTimePicker1.date());
    // A download that ends while the dialog is open brings its counts into it.
    if (m_form9->isVisible()) return;
    emit winCalculationOpened(m_form9);
    m_form9->exec();
}

}  // namespace kw
