// The main window's "Rad / System erstellen": the wheel dialog with the stake per tip
// and the quotas of the win calculation; "Übernehmen" puts its rows into the sheet
// (as many as it has unlocked rows) or appends them to the tip list.
#include <QLineEdit>
#include <QPushButton>

#include "evaluation/odds.h"
#include "tips/tip_operations.h"
#include "ui/dialog_windows.h"
#include "ui/main_window.h"
#include "ui/tip_page.h"
#include "ui/wheel_dialog.h"

namespace kw {

void TForm1::bindWheel()
{
    auto* button = m_tipPage->findChild<QPushButton*>(QStringLiteral("RadErstellen"));
    button->setEnabled(true);
    connect(button, &QPushButton::clicked, this, &TForm1::RadErstellenClick);
}

void TForm1::RadErstellenClick()
{
    std::array<QString, kPrizeClasses> quotaTexts;
    for (int r = 1; r <= kPrizeClasses; ++r) quotaTexts[r - 1] = m_form9->quotaEdit(r)->text();
    WheelDialog dialog(this, m_state.messages, m_state.EinsatzJeTipp, hitQuotas(quotaTexts));
    emit wheelOpened(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.rows().empty()) return;
    const std::vector<TipRow>& rows = dialog.rows();
    if (takeRows(m_state, m_services.sound, rows, kMaxListRows) == RowsTaken::TooMany)
        m_services.dialogs.notify(m_state.messages.text(Message::WheelTooManyRows)
                                      .arg(static_cast<int>(rows.size()))
                                      .arg(kMaxListRows),
                                  m_state.messages.text(Message::WheelCaption));
}

}  // namespace kw
