#include "state/startup.h"

#include "draws/draw_download.h"

#include <QFileInfo>

#include "draws/draw_file.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "state/atomic_write.h"
#include "state/data_folder.h"
#include "state/main_state.h"
#include "tips/tip_operations.h"

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
    for (const QString& name : {state.ZahlenFile, QStringLiteral("gewinnzahlen.txt"),
                                QStringLiteral("gewinnzahlen.qlt")})
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

// The values of one guarded group: a value that is there but cannot be read as
// its kind ends the group; the values read before it stay applied.
class GuardedGroup {
public:
    explicit GuardedGroup(SettingsStore& settings) : m_settings(settings) {}
    std::optional<int> integer(const QString& name) { return read(name, &SettingsStore::readInteger); }
    std::optional<bool> boolean(const QString& name) { return read(name, &SettingsStore::readBool); }
    std::optional<QString> string(const QString& name) { return read(name, &SettingsStore::readString); }

private:
    template <typename T>
    std::optional<T> read(const QString& name, std::optional<T> (SettingsStore::*reader)(const QString&) const)
    {
        if (m_ended || !m_settings.valueExists(name)) return std::nullopt;
        std::optional<T> value = (m_settings.*reader)(name);
        m_ended = !value;
        return value;
    }

    SettingsStore& m_settings;
    bool m_ended = false;
};

QString checkBoxName(int n) { return QStringLiteral("Chekcbox%1").arg(n); }  // the stored spelling
QString upDownName(int n) { return QStringLiteral("UpDown%1").arg(n); }
QString editName(int n) { return QStringLiteral("Edit%1").arg(n); }

// The 84 tip cells in ascending field number.
QList<int> tipCells()
{
    QList<int> cells;
    for (int edit = 1; edit <= TipSheet::kMaxEdit; ++edit)
        if (TipSheet::rowOfEdit(edit) != 0) cells << edit;
    return cells;
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
    {
        GuardedGroup a(settings);
        if (a.integer(QStringLiteral("Ansicht")) == std::optional<int>(1)) {
            state.listView = true;
            state.SpeedButton28Visible = true;
            // The list view's row count goes beyond the sheet's twelve; the
            // position read below must not be cut to them.
            state.setUpDownMaximum(8, kListViewRowMaximum);
        }
        for (int n = 1; n <= kCheckBoxCount; ++n) {
            if (n == 21) continue;  // there is no CheckBox21
            if (const auto on = a.boolean(checkBoxName(n))) state.setCheckBox(n, *on);
        }
        state.setUpDownMaximum(6, state.checkBox(31) ? 7 : 5);
        result.height = a.integer(QStringLiteral("height"));
        result.width = a.integer(QStringLiteral("width"));
        state.Sprache = 0;
        if (const auto language = a.integer(QStringLiteral("Sprache"))) state.Sprache = *language;
    }
    // Outside the groups a value of the wrong kind keeps the design value.
    for (int n = 1; n <= 2; ++n)
        if (const auto item = settings.readInteger(QStringLiteral("RadioGroup%1").arg(n)))
            state.setRadioGroup(n, *item);
    {
        GuardedGroup b(settings);
        for (int n = 1; n <= kUpDownCount; ++n)
            if (const auto position = b.integer(upDownName(n))) state.setUpDownPosition(n, *position);
        if (const auto portal = b.string(QStringLiteral("Lottoportal"))) state.Lottoportal = *portal;
        for (int edit : tipCells())
            if (const auto text = b.string(editName(edit))) state.sheet.setCell(edit, *text);
    }
    state.sortieren = true;
    {
        GuardedGroup c(settings);
        if (const auto host = c.string(QStringLiteral("ProxyHostEdit"))) state.ProxyHostEdit = *host;
        if (const auto port = c.string(QStringLiteral("ProxyPortEdit"))) state.ProxyPortEdit = *port;
    }
    if (const auto start = settings.readDate(QStringLiteral("DateTimePicker2")))
        result.analysisStartRead = state.DateTimePicker2.setDate(*start);
    state.DrawServer = settings.readString(kDrawServerValue).value_or(QString()).trimmed();
    state.Ergebnisdatei =
        settings.readString(kResultsFileValue).value_or(kDefaultResultsFile).trimmed();
    result.productPage = settings.readString(QStringLiteral("Produktseite")).value_or(QString());
    const QString links = settings.readString(QStringLiteral("Links")).value_or(QString());
    result.links = links.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    settings.closeKey();
    return result;
}

void saveStartSettings(const MainState& state, Services& services, std::optional<QSize> size)
{
    SettingsStore& settings = services.settings;
    if (!settings.openKey(kSettingsKey, true)) return;
    for (int n = 1; n <= kCheckBoxCount; ++n)
        if (n != 21) settings.writeBool(checkBoxName(n), state.checkBox(n));
    if (size) {
        settings.writeInteger(QStringLiteral("height"), size->height());
        settings.writeInteger(QStringLiteral("width"), size->width());
    }
    settings.writeInteger(QStringLiteral("Ansicht"), state.listView ? 1 : 0);
    settings.writeInteger(QStringLiteral("Sprache"), state.Sprache);
    for (int n = 1; n <= 2; ++n) settings.writeInteger(QStringLiteral("RadioGroup%1").arg(n), state.radioGroup(n));
    for (int n = 1; n <= kUpDownCount; ++n) settings.writeInteger(upDownName(n), state.upDownPosition(n));
    settings.writeString(QStringLiteral("Lottoportal"), state.Lottoportal);
    for (int edit : tipCells()) settings.writeString(editName(edit), state.sheet.cell(edit));
    settings.writeString(QStringLiteral("ProxyHostEdit"), state.ProxyHostEdit);
    settings.writeString(QStringLiteral("ProxyPortEdit"), state.ProxyPortEdit);
    settings.writeDate(QStringLiteral("DateTimePicker2"), state.DateTimePicker2.date());
    settings.writeString(kDrawServerValue, state.DrawServer);
    settings.writeString(kResultsFileValue, state.Ergebnisdatei);
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
