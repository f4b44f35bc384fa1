// The main window's "Chancen berechnen": the odds of the shown tips, with a progress
// dialog and its cancel while a long list is counted, shown in the odds dialog and
// written to "Chancen.txt" in the DataFolder.
#include <QDir>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

#include "evaluation/odds.h"
#include "state/input_throttle.h"
#include "tips/text_file.h"
#include "ui/dialog_windows.h"
#include "ui/main_window.h"
#include "ui/odds_dialog.h"
#include "ui/tip_page.h"

namespace kw {

void TForm1::bindOdds()
{
    auto* button = m_tipPage->findChild<QPushButton*>(QStringLiteral("ChancenBerechnen"));
    button->setEnabled(true);
    connect(button, &QPushButton::clicked, this, &TForm1::ChancenBerechnenClick);
}

void TForm1::ChancenBerechnenClick()
{
    const MessageTable& messages = m_state.messages;
    int skipped = 0;
    const std::vector<TipRow> rows = shownTipRows(m_state, &skipped);
    if (rows.empty()) {
        m_services.dialogs.notify(messages.text(Message::OddsNoTips),
                                  messages.text(Message::OddsCaption));
        return;
    }
    std::array<QString, kPrizeClasses> quotaTexts;
    for (int r = 1; r <= kPrizeClasses; ++r) quotaTexts[r - 1] = m_form9->quotaEdit(r)->text();
    const HitQuotas quotas = hitQuotas(quotaTexts);
    const bool averageQuotas = quotas == averageHitQuotas();
    const double stake = m_state.EinsatzJeTipp / 100.0;

    QProgressDialog progressDialog(messages.text(Message::OddsProgress), QString(), 0, kAllDraws,
                                   this);
    progressDialog.setWindowTitle(messages.text(Message::OddsCaption));
    progressDialog.setWindowModality(Qt::WindowModal);
    progressDialog.setMinimumDuration(300);
    progressDialog.setValue(0);
    InputThrottle throttle;
    OddsProgress progress;
    progress.due = [&throttle] { return throttle.due(); };
    progress.report = [&](int done) {
        progressDialog.setValue(done);
        throttle.letInputThrough();
        return !progressDialog.wasCanceled();
    };
    const auto tips = tipOdds(rows, quotas, stake, progress);
    progressDialog.reset();
    if (!tips) return;
    const OddsFigures random = randomOdds(tips->rows, quotas, stake);

    const QString path = QDir(m_state.Home).filePath(QStringLiteral("Chancen.txt"));
    QString error;
    const bool written = writeTextLines(
        path, oddsReportLines(*tips, random, skipped, averageQuotas, messages), &error);
    const QString savedNote =
        written ? messages.text(Message::OddsSaved).arg(QDir::toNativeSeparators(path))
                : messages.text(Message::OddsNotSaved).arg(error);
    OddsDialog dialog(this);
    dialog.fill(*tips, random, oddsNotes(*tips, skipped, averageQuotas, messages), savedNote,
                messages);
    emit oddsOpened(&dialog);
    dialog.exec();
}

}  // namespace kw
