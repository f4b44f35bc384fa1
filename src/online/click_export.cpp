#include "online/click_export.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/http_client.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "state/atomic_write.h"
#include "state/file_error.h"
#include "state/internet_request.h"
#include "state/main_state.h"
#include "tips/shown_tips.h"
#include "tips/text_file.h"
#include "tips/tip_files.h"

namespace kw {

namespace {

constexpr qint64 kTemplateMaxBytes = 1024 * 1024;
constexpr int kTemplateDeadline = 15000;

}  // namespace

QString clickTipFilePath(const MainState& state)
{
    return tipFolder(state) + tipFileProposedName(state.DateTimePicker1.date());
}

QStringList clickTipLines(const MainState& state)
{
    if (listShown(state)) return state.Gewinnzahlen;
    QStringList lines;
    for (int r = 1; r <= kTipRowCount; ++r) {
        if (state.sheet.cell(r, 1).isEmpty()) continue;
        QStringList numbers;
        for (int c = 1; c <= 5; ++c) numbers << state.sheet.cell(r, c);
        lines << numbers.join(QLatin1Char(','));
    }
    return lines;
}

std::optional<QList<QStringList>> clickScriptsFor(const MainState& state,
                                                  const QString& templatePath,
                                                  const QStringList& tipLines, const QDate& today,
                                                  QString* error)
{
    const auto scriptTemplate = readTextLines(templatePath, error);
    if (!scriptTemplate) return std::nullopt;
    ScriptKeywords keywords = drawDaysFor(today);
    keywords.tipFile = QDir::toNativeSeparators(clickTipFilePath(state));
    return fillClickScripts(*scriptTemplate, tipLines, keywords);
}

void exportClickScripts(MainState& state, Services& services, const ChooseScript& choose)
{
    QString error;
    const QString tipFile = clickTipFilePath(state);
    QDir().mkpath(tipFolder(state));
    if (!writeTextLines(tipFile, clickTipLines(state), &error)) {
        services.dialogs.notify(error);
        return;
    }
    state.SaveDialog1.proposedName = tipFile;

    const auto robot = findRobot(services.settings, state.ProgramFolder);
    if (!robot) {
        if (!services.dialogs.askYesNo(kRobotInstallQuestion, kRobotInstallCaption)) return;
        if (state.RobotInstaller.trimmed().isEmpty()) {
            services.dialogs.notify(
                QStringLiteral("Keine Download-Adresse für Klicklauf eingestellt (Einstellungswert "
                               "\u201EKlicklaufinstallation\u201C)"));
        } else if (!services.shell.openUrl(state.RobotInstaller.trimmed(), &error)) {
            services.dialogs.notify(error);
        }
        return;
    }

    RobotParameters parameters = readRobotParameters(services.settings, state.ProgramFolder);
    const bool chosen = choose(parameters);
    if (!chosen) return;
    writeRobotParameters(services.settings, parameters);
    if (!QFileInfo(parameters.script).isFile()) {
        services.dialogs.notify(
            fileErrorText(parameters.script, QStringLiteral("Datei nicht gefunden")));
        return;
    }

    // The tip file as written is what the scripts carry.
    const auto tipLines = readTextLines(tipFile, &error);
    const QDate today = services.clock.today();
    const auto scripts = tipLines
                             ? clickScriptsFor(state, parameters.script, *tipLines, today, &error)
                             : std::nullopt;
    const QString scriptPath = filledScriptPath(tipFolder(state), today);
    const auto commandLine =
        scripts ? robotCommandLine(scriptPath, parameters, &error) : std::nullopt;
    if (!commandLine) {
        services.dialogs.notify(error);
        return;
    }
    for (qsizetype i = 0; i < scripts->size(); ++i) {
        if (i > 0) services.dialogs.notify(kScriptContinue);
        if (!writeTextLines(scriptPath, scripts->at(i), &error) ||
            !services.shell.startProgram(*robot, *commandLine, &error)) {
            services.dialogs.notify(error);
            return;
        }
    }
}

QString scriptTemplateUrl(const QString& server, const QString& scriptPath)
{
    QString base = withScheme(server);
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    const QString name = QFileInfo(QDir::fromNativeSeparators(scriptPath)).fileName();
    return base + QStringLiteral("/scripts/") + QString::fromLatin1(QUrl::toPercentEncoding(name)) +
           QStringLiteral(".txt");
}

bool templateIsNewer(const HttpResponse& response, const QString& localPath)
{
    if (!response.answered() || response.statusCode != 200) return false;
    const QFileInfo local(localPath);
    if (!local.isFile() || !response.lastModified.isValid()) return false;
    return response.lastModified > local.lastModified();
}

ScriptTemplateUpdate::ScriptTemplateUpdate(QObject* parent) : QObject(parent) {}

ScriptTemplateUpdate::~ScriptTemplateUpdate() = default;

void ScriptTemplateUpdate::start(HttpClient* http, const QString& server, const QString& scriptPath)
{
    if (running()) return;
    m_path = scriptPath;
    const QString name = QFileInfo(QDir::fromNativeSeparators(scriptPath)).fileName();
    if (!http || server.trimmed().isEmpty() || name.isEmpty()) {
        QTimer::singleShot(0, this, [this] { emit finished(false); });
        return;
    }
    HttpRequest request;
    request.url = scriptTemplateUrl(server, scriptPath);
    request.userAgent = QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");
    request.accept = QByteArrayLiteral("text/html, */*");
    request.totalTimeout = kTemplateDeadline;
    request.maxBodyBytes = kTemplateMaxBytes;
    request.maxRedirects = kRequestRedirects;
    m_call = http->get(request, [this](const HttpResponse& response) {
        m_call.reset();
        bool updated = false;
        if (templateIsNewer(response, m_path))
            updated = writeFileAtomically(m_path, response.body, nullptr);
        emit finished(updated);
    });
}

void ScriptTemplateUpdate::cancel()
{
    if (!m_call) return;
    m_call.reset();
    emit finished(false);
}

}  // namespace kw
