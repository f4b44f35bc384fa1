#pragma once
// The start of the program up to the main window being shown, apart from what
// the window itself does (sizes, controls): folders, seed history, flags,
// analysis dates, the random seed.
#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "draws/day_count.h"

namespace kw {

class MainState;
struct Services;

namespace startup {

// 8 before 4 October 2014, else 10.
int sternenzahlMaxFor(const QDate& today);
// The analysis start kept at start: the saved date, or the minimum when none could
// be read; and the minimum again when it lies within the last week.
DayCount analysisStart(std::optional<DayCount> saved, const QDate& today);
// Copies the whole records of seedPath to targetPath when targetPath is missing and
// seedPath exists. True when a copy was made; false with *error set on failure.
bool seedDrawFile(const QString& seedPath, const QString& targetPath, QString* error);

}  // namespace startup

// Formats, star maximum, end date, DataFolder, sound file, run flags. False when the
// DataFolder cannot be created (reported through the dialogs); start goes on.
// A given dataFolder is used as the DataFolder itself.
bool prepareState(MainState& state, Services& services, const QString& dataFolder = {});
// What start-up reads from the settings besides the state itself.
struct StartSettings {
    bool analysisStartRead = false;
    std::optional<int> height;
    std::optional<int> width;
    QString productPage;  // empty: the built-in address
    QStringList links;    // empty: the built-in addresses
};
inline const QString kSettingsKey = QStringLiteral("\\SOFTWARE\\Quendel\\Kleinkugel");
// The address of the draw-data server, e.g. "http://host:port".
inline const QString kDrawServerValue = QStringLiteral("Ziehungsdatenserver");
// The address of the quota server the win calculation asks for a draw's quotas.
inline const QString kQuotaServerValue = QStringLiteral("Quotenserver");
// The address of a complete results file, fetched when no draw-data server is set.
inline const QString kResultsFileValue = QStringLiteral("Ergebnisdatei");
// The address of the web-cart service; empty: the cart link is opened at once.
inline const QString kCartServerValue = QStringLiteral("Warenkorbserver");
// The link opened when the web-cart service gives no template.
inline const QString kCartLinkValue = QStringLiteral("Warenkorblink");
// The address the click-script templates are brought up to date from.
inline const QString kScriptServerValue = QStringLiteral("Scriptserver");
// The download address of the web robot's installer.
inline const QString kRobotInstallerValue = QStringLiteral("Klicklaufinstallation");

// Reads the main window's values, as the settings table (state/settings_table.h)
// names them, group by group: the first guarded group, UpDown6's maximum by
// CheckBox31, the radio groups, the second guarded group (tip cells while sortieren
// is still false), sortieren, the proxy, then the analysis start and the addresses.
// Positions are clamped into their ranges.
StartSettings loadStartSettings(MainState& state, Services& services);
// Writes every value of the settings table but the read-only ones, in table order
// (the size only when given).
void saveStartSettings(const MainState& state, Services& services, std::optional<QSize> size);
// At the first show, before the CurrentDraw is selected: a missing DrawFile is
// created empty when a draw source is set, so that a first start does not ask
// for the draws it is about to fetch itself.
void createHistoryForDownload(MainState& state, Services& services);
// Analysis dates, run budget, proxy port, seed history, random seed, working date.
void finishStartup(MainState& state, Services& services, bool analysisStartRead);

}  // namespace kw
