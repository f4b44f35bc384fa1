// The main window's menu "Hilfe": the about box (version, licence, where the draws
// come from and where the data lives) and the user guide, opened by the desktop.
#include <QDir>

#include "i18n/message_table.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "state/program_folder.h"
#include "ui/main_window.h"

namespace kw {

void TForm1::UeberKugelwart1Click()
{
    const MessageTable& messages = m_state.messages;
    QString source;
    if (!m_state.DrawServer.trimmed().isEmpty())
        source = messages.text(Message::AboutDrawServer).arg(m_state.DrawServer.trimmed());
    else if (!m_state.Ergebnisdatei.trimmed().isEmpty())
        source = messages.text(Message::AboutResultsFile).arg(m_state.Ergebnisdatei.trimmed());
    else
        source = messages.text(Message::DownloadNoSource);
    const QStringList lines{
        windowTitle(),
        messages.text(Message::AboutVersion).arg(QStringLiteral(KUGELWART_VERSION)),
        QString(),
        messages.text(Message::AboutLicence),
        QString(),
        source,
        messages.text(Message::AboutDataFolder).arg(QDir::toNativeSeparators(m_state.Home)),
        messages.text(Message::AboutProgramFolder)
            .arg(QDir::toNativeSeparators(m_state.ProgramFolder)),
    };
    m_services.dialogs.about(lines.join(QLatin1Char('\n')), messages.text(Message::AboutCaption));
}

void TForm1::Anleitung1Click()
{
    const QString guide = userGuidePath(m_state.ProgramFolder);
    if (guide.isEmpty()) {
        const QStringList searched = userGuideCandidates(m_state.ProgramFolder);
        m_services.dialogs.notify(
            m_state.messages.text(Message::GuideMissing)
                .arg(QDir::toNativeSeparators(searched.join(QStringLiteral(", ")))));
        return;
    }
    openAddress(guide);
}

}  // namespace kw
