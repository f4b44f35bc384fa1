#include "state/startup.h"

#include <QFileInfo>

#include "draws/draw_file.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "state/atomic_write.h"
#include "state/data_folder.h"
#include "state/main_state.h"
#include "state/settings_table.h"

namespace kw {

namespace startup {

int sternenzahlMaxFor(const QDate& today)
{
    return today < QDate(2014, 10, 4) ? 8 : 10;
}

DayCount analysisStart(std::optional<DayCount> saved, const QDate& today)
{
    DayCount start = kFirstAnalysisDay;
    if (saved && *saved >= kFirstAnalysisDay) start = *saved;
    if (start > dayCountFromDate(today) - 7) start = kFirstAnalysisDay;
    return start;
}

bool seedDrawFile(const QString& seedPath, const QString& targetPath, QString* error)
{
    if (QFileInfo::exists(targetPath) || !QFileInfo(seedPath).isFile()) return false;
    const auto records = DrawFile(seedPath).readAll(error);
    if (!records) return false;
    return DrawFile(targetPath).replace(*records, error);
}

}  // namespace startup

bool prepareState(MainState& state, Services& services, const QString& dataFolder)
{
    const QDate today = services.clock.today();
    state.SternenzahlMax = startup::sternenzahlMaxFor(today);
    state.sheet.setStarMaximum(state.SternenzahlMax);
    state.dfb = dayCountFromDate(today);

    state.Home =
        dataFolder.isEmpty()
            ? dataFolderPath(services.appData, services.userDataLocation)
            : (dataFolder.endsWith(QLatin1Char('/')) ? dataFolder : dataFolder + QLatin1Char('/'));
    QString error;
    const bool folderReady = ensureFolder(state.Home, &error);
    if (!folderReady) services.dialogs.notify(error);
    for (const QString& name :
         {state.ZahlenFile, QStringLiteral("gewinnzahlen.txt"), QStringLiteral("gewinnzahlen.qlt")})
        removeLeftoverCopies(state.Home + name);

    state.ProgramFolder = services.programFolder;
    if (!state.ProgramFolder.isEmpty() && !state.ProgramFolder.endsWith(QLatin1Char('/')))
        state.ProgramFolder += QLatin1Char('/');
    state.SoundName = state.ProgramFolder + QStringLiteral("yippee.wav");
    state.sortieren = false;
    state.Berechnunglaeuft = false;
    return folderReady;
}

namespace {

// Reads the values of one group in table order into the state.
void readGroup(const SettingsStore& settings, LoadGroup group, MainState& state,
               StartSettings& read)
{
    const bool guarded = isGuarded(group);
    for (const SettingsValue& value : settingsTable()) {
        if (value.group != group || (guarded && !settings.valueExists(value.name))) continue;
        if (const auto stored = readSettingsValue(settings, value)) {
            value.set(state, read, *stored);
        } else if (guarded) {
            return;  // the wrong kind ends the group; the values before it stay applied
        } else if (value.defaultValue.isValid()) {
            value.set(state, read, value.defaultValue);
        }
    }
}

}  // namespace

StartSettings loadStartSettings(MainState& state, Services& services)
{
    SettingsStore& settings = services.settings;
    StartSettings result;
    if (!settings.openKey(kSettingsKey, true)) {
        state.sortieren = true;
        return result;
    }
    state.Sprache = 0;
    readGroup(settings, LoadGroup::View, state, result);
    // Before the up-downs are read, so that a saved 6 or 7 is kept with CheckBox31.
    state.setUpDownMaximum(6, state.checkBox(31) ? 7 : 5);
    readGroup(settings, LoadGroup::RadioGroups, state, result);
    // The tip cells are read while sortieren is false: no evaluation runs yet.
    readGroup(settings, LoadGroup::Parameters, state, result);
    state.sortieren = true;
    readGroup(settings, LoadGroup::Proxy, state, result);
    readGroup(settings, LoadGroup::Ungrouped, state, result);
    settings.closeKey();
    return result;
}

void saveStartSettings(const MainState& state, Services& services, std::optional<QSize> size)
{
    SettingsStore& settings = services.settings;
    if (!settings.openKey(kSettingsKey, true)) return;
    StartSettings window;
    if (size) {
        window.height = size->height();
        window.width = size->width();
    }
    for (const SettingsValue& value : settingsTable()) {
        if (!value.saved) continue;
        const QVariant data = value.get(state, window);
        if (data.isValid()) writeSettingsValue(settings, value, data);
    }
    settings.closeKey();
}

void createHistoryForDownload(MainState& state, Services& services)
{
    if (state.DrawServer.trimmed().isEmpty() && state.Ergebnisdatei.trimmed().isEmpty()) return;
    const DrawFile file(state.drawFilePath());
    QString error;
    if (!file.exists() && !file.createEmpty(&error)) services.dialogs.notify(error);
}

void finishStartup(MainState& state, Services& services, bool analysisStartRead)
{
    const QDate today = services.clock.today();
    const std::optional<DayCount> saved =
        analysisStartRead ? std::optional<DayCount>(state.DateTimePicker2.date()) : std::nullopt;
    state.DateTimePicker2.setDate(startup::analysisStart(saved, today));

    if (state.ProxyHostEdit.isEmpty()) state.ProxyPortEdit = QStringLiteral("80");

    QString error;
    startup::seedDrawFile(state.ProgramFolder + state.ZahlenFile, state.drawFilePath(), &error);
    if (!error.isEmpty()) services.dialogs.notify(error);

    state.random.setSeed(services.clock.randomSeed());

    state.aktDatum = state.DateTimePicker2.date();
    state.DateTimePicker1.setDate(dayCountFromDate(today));
}

}  // namespace kw
