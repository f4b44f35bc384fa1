#pragma once
// Click scripts for the maker's web robot ("Klicklauf"): a ".qks" template whose
// placeholders are filled with the tips, twelve tips per script, and the robot's
// command line. The robot and its script language are not part of this program.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kw {

class SettingsStore;

inline constexpr int kScriptTips = 12;
inline const QString kScriptMessageReady =
    QStringLiteral("Please check the numbers, then you are ready to play.");

// The submission settings the keywords come from.
struct ScriptKeywords {
    bool longTerm = false;  // "Dauerspiel?"
    bool tuesday = false;
    bool friday = false;
    QString tipFile;  // the full path of the tip file
};
// The draw days by today's weekday: Tuesday to Friday the Friday draw, Saturday to
// Monday the Tuesday draw.
ScriptKeywords drawDaysFor(const QDate& today);

// A tip-file line made comma-separated: runs of blanks and of TABs collapsed, blanks
// and TABs made ",".
QString normaliseScriptLine(const QString& line);
// One script per twelve lines of the tip file (one script also for none): "[Zk_b]"
// number k of tip b, "[S1_b]", "[S2_b]" its star numbers, empty for positions without a
// tip; then the keywords. Every occurrence of a placeholder is replaced.
QList<QStringList> fillClickScripts(const QStringList& templateLines, const QStringList& tipLines,
                                    const ScriptKeywords& keywords);

// The robot's parameters (the chooser's fields), kept under kRobotKey.
struct RobotParameters {
    QString script;
    QString zahl1 = QStringLiteral("0");
    QString text1 = QStringLiteral("Login");
    QString zahl2 = QStringLiteral("0");
    QString text2 = QStringLiteral("Passwort");
};
inline const QString kRobotKey = QStringLiteral("\\SOFTWARE\\Quendel\\Klickbote");
inline const QString kRobotSettingsKey = QStringLiteral("\\SOFTWARE\\Quendel\\Klickbote\\Settings");
// programFolder + "Script/" (programFolder with its trailing separator).
QString scriptFolder(const QString& programFolder);
QString defaultScriptPath(const QString& programFolder);
// Opens (creates) kRobotKey and reads the five values; a missing script path gives
// the default. The store's current key is then kRobotKey.
RobotParameters readRobotParameters(SettingsStore& settings, const QString& programFolder);
void writeRobotParameters(SettingsStore& settings, const RobotParameters& parameters);

// The robot's executable: the "Path" of kRobotSettingsKey + "/Klicklauf.exe" when the
// store has the key; otherwise the program folder cut after a folder whose name holds
// "Quendel" (any case) + "Klicklauf/klicklauf.exe". nullopt when the file is not there.
std::optional<QString> findRobot(SettingsStore& settings, const QString& programFolder);
// Where the program-folder rule looks for the robot.
QString robotBesideProgram(const QString& programFolder);

// START "script" "ZAHL1" "TEXT1" "ZAHL2" "TEXT2". nullopt with the reason when a value
// holds a quotation mark or a line break, which would change the arguments the robot
// receives.
std::optional<QString> robotCommandLine(const QString& scriptPath,
                                        const RobotParameters& parameters, QString* error);

// The filled script: tip folder + today as "yyyyMMdd" + ".qks".
QString filledScriptPath(const QString& tipFolder, const QDate& today);

}  // namespace kw
