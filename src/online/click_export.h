#pragma once
// OnlineTippClick: the shown tips into a tip file, the robot located, its parameters
// chosen, the click scripts filled, saved and handed to the robot one after the
// other; and the update of a local script template from the maker's script server.
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "online/click_script.h"

namespace kw {

class HttpCall;
class HttpClient;
class MainState;
struct HttpResponse;
struct Services;

inline const QString kRobotInstallQuestion = QStringLiteral("Quendels Klicklauf installieren?");
inline const QString kRobotInstallCaption = QStringLiteral("Klicklauf jetzt installieren?");
inline const QString kScriptContinue =
    QStringLiteral("Klicken Sie OK wenn es weitergehen kann. Click OK if it can continue!");

// The tip file the export writes: the tip folder + the end date plus seven days as
// "yyyyMMdd.qlt".
QString clickTipFilePath(const MainState& state);
// Its lines: the list view's lines, else each sheet row whose first cell is filled as
// its five numbers joined by ",".
QStringList clickTipLines(const MainState& state);
// The scripts the export fills from the template file for these tips on today (the
// tip file named as the export names it); nullopt with the reason when the template
// cannot be read.
std::optional<QList<QStringList>> clickScriptsFor(const MainState& state,
                                                  const QString& templatePath,
                                                  const QStringList& tipLines, const QDate& today,
                                                  QString* error);

// Shows the chooser modally with the parameters; true when it ends with OK.
using ChooseScript = std::function<bool(RobotParameters& parameters)>;
// OnlineTippClick, with the chooser as choose.
void exportClickScripts(MainState& state, Services& services, const ChooseScript& choose);

// The server's copy of a template: server + "/scripts/" + its file name + ".txt".
QString scriptTemplateUrl(const QString& server, const QString& scriptPath);
// Whether an answer replaces the local template: a complete answer with status 200
// whose last-modified time is later than that of the local file, which exists.
bool templateIsNewer(const HttpResponse& response, const QString& localPath);

// Brings a local template up to date from the script server in the background of
// the event loop; any failure leaves the local file as it is.
class ScriptTemplateUpdate : public QObject {
    Q_OBJECT
public:
    explicit ScriptTemplateUpdate(QObject* parent = nullptr);
    ~ScriptTemplateUpdate() override;

    // finished() follows at once when no server is set or there is no network.
    void start(HttpClient* http, const QString& server, const QString& scriptPath);
    // Abandons the request; finished() follows.
    void cancel();
    bool running() const { return m_call != nullptr; }

signals:
    void finished(bool updated);

private:
    std::unique_ptr<HttpCall> m_call;
    QString m_path;
};

}  // namespace kw
