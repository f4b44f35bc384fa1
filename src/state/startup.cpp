#include "state/startup.h"

#include <QFileInfo>

#include "draws/draw_file.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "state/data_folder.h"
#include "state/main_state.h"

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

    state.Home = dataFolder.isEmpty() ? dataFolderPath(services.appData, services.userDataLocation)
                                      : (dataFolder.endsWith(QLatin1Char('/')) ? dataFolder : dataFolder + QLatin1Char('/'));
    QString error;
    const bool folderReady = ensureFolder(state.Home, &error);
    if (!folderReady) services.dialogs.notify(error);

    state.ProgramFolder = services.programFolder;
    if (!state.ProgramFolder.isEmpty() && !state.ProgramFolder.endsWith(QLatin1Char('/')))
        state.ProgramFolder += QLatin1Char('/');
    state.SoundName = state.ProgramFolder + QStringLiteral("yippee.wav");
    state.LaufMax = 100000;
    state.sortieren = false;
    state.Berechnunglaeuft = false;
    return folderReady;
}

StartSettings loadStartSettings(MainState& state, Services& services)
{
    SettingsStore& settings = services.settings;
    StartSettings result;
    if (settings.openKey(kSettingsKey, true)) {
        if (settings.readInteger(QStringLiteral("Ansicht")) == std::optional<int>(1)) {
            state.listView = true;
            state.SpeedButton28Visible = true;
        }
        result.height = settings.readInteger(QStringLiteral("height"));
        result.width = settings.readInteger(QStringLiteral("width"));
        for (int n = 1; n <= kCheckBoxCount; ++n) {
            if (n == 21) continue;  // there is no CheckBox21
            if (const auto on = settings.readBool(QStringLiteral("Chekcbox%1").arg(n))) state.setCheckBox(n, *on);
        }
        state.setUpDownMaximum(6, state.checkBox(31) ? 7 : 5);
        for (int n = 1; n <= kUpDownCount; ++n)
            if (const auto position = settings.readInteger(QStringLiteral("UpDown%1").arg(n)))
                state.setUpDownPosition(n, *position);
        if (const auto host = settings.readString(QStringLiteral("ProxyHostEdit")))
            state.ProxyHostEdit = *host;
        if (const auto port = settings.readString(QStringLiteral("ProxyPortEdit")))
            state.ProxyPortEdit = *port;
        if (const auto start = settings.readDate(QStringLiteral("DateTimePicker2")))
            result.analysisStartRead = state.DateTimePicker2.setDate(*start);
        result.productPage = settings.readString(QStringLiteral("Produktseite")).value_or(QString());
        const QString links = settings.readString(QStringLiteral("Links")).value_or(QString());
        result.links = links.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        settings.closeKey();
    }
    state.sortieren = true;
    return result;
}

void saveStartSettings(const MainState& state, Services& services, std::optional<QSize> size)
{
    SettingsStore& settings = services.settings;
    if (!settings.openKey(kSettingsKey, true)) return;
    if (size) {
        settings.writeInteger(QStringLiteral("height"), size->height());
        settings.writeInteger(QStringLiteral("width"), size->width());
    }
    settings.writeInteger(QStringLiteral("Ansicht"), state.listView ? 1 : 0);
    for (int n = 1; n <= kCheckBoxCount; ++n)
        if (n != 21) settings.writeBool(QStringLiteral("Chekcbox%1").arg(n), state.checkBox(n));
    for (int n = 1; n <= kUpDownCount; ++n)
        settings.writeInteger(QStringLiteral("UpDown%1").arg(n), state.upDownPosition(n));
    settings.writeString(QStringLiteral("ProxyHostEdit"), state.ProxyHostEdit);
    settings.writeString(QStringLiteral("ProxyPortEdit"), state.ProxyPortEdit);
    settings.writeDate(QStringLiteral("DateTimePicker2"), state.DateTimePicker2.date());
    settings.closeKey();
}

void finishStartup(MainState& state, Services& services, bool analysisStartRead)
{
    const QDate today = services.clock.today();
    const std::optional<DayCount> saved =
        analysisStartRead ? std::optional<DayCount>(state.DateTimePicker2.date()) : std::nullopt;
    state.DateTimePicker2.setDate(startup::analysisStart(saved, today));

    state.LaufMax = state.upDownPosition(7) * 1000;
    if (state.ProxyHostEdit.isEmpty()) state.ProxyPortEdit = QStringLiteral("80");

    QString error;
    startup::seedDrawFile(state.ProgramFolder + state.ZahlenFile, state.drawFilePath(), &error);
    if (!error.isEmpty()) services.dialogs.notify(error);

    state.random.setSeed(services.clock.randomSeed());

    state.aktDatum = state.DateTimePicker2.date();
    state.DateTimePicker1.setDate(dayCountFromDate(today));
}

}  // namespace kw
