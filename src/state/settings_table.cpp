#include "state/settings_table.h"

#include <algorithm>

#include "draws/draw_download.h"
#include "generation/parameters.h"
#include "online/web_cart.h"
#include "platform/settings_store.h"
#include "state/main_state.h"
#include "tips/tip_operations.h"
#include "tips/tip_sheet.h"

namespace kw {

namespace {

// The stored spelling of the check boxes' values.
QString checkBoxName(int n)
{
    return QStringLiteral("Chekcbox%1").arg(n);
}

QString upDownName(int n)
{
    return QStringLiteral("UpDown%1").arg(n);
}

QString editName(int n)
{
    return QStringLiteral("Edit%1").arg(n);
}

// A value that lives in the state alone.
SettingsValue stateValue(const QString& name, SettingsKind kind, const QVariant& defaultValue,
                         LoadGroup group, std::function<QVariant(const MainState&)> get,
                         std::function<void(MainState&, const QVariant&)> set)
{
    return {name,
            kind,
            defaultValue,
            group,
            [get](const MainState& state, const StartSettings&) { return get(state); },
            [set](MainState& state, StartSettings&, const QVariant& v) { set(state, v); }};
}

// A text of the state, written and read as it is.
SettingsValue text(const QString& name, const QString& defaultText, LoadGroup group,
                   QString MainState::*field)
{
    return stateValue(
        name, SettingsKind::String, defaultText, group,
        [field](const MainState& s) { return QVariant(s.*field); },
        [field](MainState& s, const QVariant& v) { s.*field = v.toString(); });
}

// An address: read without the blanks around it.
SettingsValue address(const QString& name, const QString& defaultText, QString MainState::*field)
{
    return stateValue(
        name, SettingsKind::String, defaultText, LoadGroup::Ungrouped,
        [field](const MainState& s) { return QVariant(s.*field); },
        [field](MainState& s, const QVariant& v) { s.*field = v.toString().trimmed(); });
}

// An address set by hand in the store and never written; empty stands for the
// built-in one.
SettingsValue configured(const QString& name, const QString& builtIn, QString MainState::*field)
{
    SettingsValue value = stateValue(
        name, SettingsKind::String, builtIn, LoadGroup::Ungrouped,
        [field](const MainState& s) { return QVariant(s.*field); },
        [field, builtIn](MainState& s, const QVariant& v) {
            const QString text = v.toString().trimmed();
            s.*field = text.isEmpty() ? builtIn : text;
        });
    value.saved = false;
    return value;
}

// The window's height or width: no default (the window keeps its design size), and
// written only when the window gives it.
SettingsValue windowSize(const QString& name, std::optional<int> StartSettings::*field)
{
    return {
        name,
        SettingsKind::Integer,
        QVariant(),
        LoadGroup::View,
        [field](const MainState&, const StartSettings& window) {
            return (window.*field) ? QVariant(*(window.*field)) : QVariant();
        },
        [field](MainState&, StartSettings& read, const QVariant& v) { read.*field = v.toInt(); }};
}

// A text set by hand in the store and never written; empty stands for the window's
// built-in value.
SettingsValue readOnly(const QString& name, std::function<QVariant(const StartSettings&)> get,
                       std::function<void(StartSettings&, const QVariant&)> set)
{
    return {name,
            SettingsKind::String,
            QString(),
            LoadGroup::Ungrouped,
            [get](const MainState&, const StartSettings& read) { return get(read); },
            [set](MainState&, StartSettings& read, const QVariant& v) { set(read, v); },
            false};
}

std::vector<SettingsValue> buildTable()
{
    std::vector<SettingsValue> table;
    table.push_back(stateValue(
        QStringLiteral("Ansicht"), SettingsKind::Integer, 0, LoadGroup::View,
        [](const MainState& s) { return QVariant(s.listView ? 1 : 0); },
        [](MainState& s, const QVariant& v) {
            if (v.toInt() != 1) return;
            s.listView = true;
            s.SpeedButton28Visible = true;
            // The list view's row count goes beyond the sheet's twelve: the position of
            // UpDown8, read later, must not be cut to them.
            s.setUpDownMaximum(8, kListViewRowMaximum);
        }));
    for (int n = 1; n <= kCheckBoxCount; ++n) {
        if (n == 21) continue;  // there is no CheckBox21
        table.push_back(stateValue(
            checkBoxName(n), SettingsKind::Boolean, paramSpec(*checkBoxParam(n)).defaultValue != 0,
            LoadGroup::View, [n](const MainState& s) { return QVariant(s.checkBox(n)); },
            [n](MainState& s, const QVariant& v) { s.setCheckBox(n, v.toBool()); }));
    }
    table.push_back(windowSize(QStringLiteral("height"), &StartSettings::height));
    table.push_back(windowSize(QStringLiteral("width"), &StartSettings::width));
    table.push_back(stateValue(
        QStringLiteral("Sprache"), SettingsKind::Integer, 0, LoadGroup::View,
        [](const MainState& s) { return QVariant(s.Sprache); },
        [](MainState& s, const QVariant& v) { s.Sprache = v.toInt(); }));

    for (int n = 1; n <= 2; ++n) {
        table.push_back(stateValue(
            QStringLiteral("RadioGroup%1").arg(n), SettingsKind::Integer, 0, LoadGroup::RadioGroups,
            [n](const MainState& s) { return QVariant(s.radioGroup(n)); },
            [n](MainState& s, const QVariant& v) { s.setRadioGroup(n, v.toInt()); }));
    }

    // Positions outside an up-down's range are moved into it by the state.
    for (int n = 1; n <= kUpDownCount; ++n) {
        table.push_back(stateValue(
            upDownName(n), SettingsKind::Integer, upDownSpec(n).defaultValue, LoadGroup::Parameters,
            [n](const MainState& s) { return QVariant(s.upDownPosition(n)); },
            [n](MainState& s, const QVariant& v) { s.setUpDownPosition(n, v.toInt()); }));
    }
    table.push_back(text(QStringLiteral("Lottoportal"), QStringLiteral("Lottoland"),
                         LoadGroup::Parameters, &MainState::Lottoportal));
    table.push_back(stateValue(
        QStringLiteral("Zufallsvergleiche"), SettingsKind::Integer, kDefaultRandomRuns,
        LoadGroup::Parameters, [](const MainState& s) { return QVariant(s.randomRuns); },
        [](MainState& s, const QVariant& v) {
            s.randomRuns = std::clamp(v.toInt(), 1, kMaxRandomRuns);
        }));
    table.push_back(stateValue(
        QStringLiteral("Zufallsvergleich"), SettingsKind::Boolean, false, LoadGroup::Parameters,
        [](const MainState& s) { return QVariant(s.compareWithRandom); },
        [](MainState& s, const QVariant& v) { s.compareWithRandom = v.toBool(); }));
    // The chart's value axis from 0 ("Achse ab 0").
    table.push_back(stateValue(
        QStringLiteral("CheckBox41"), SettingsKind::Boolean, false, LoadGroup::Parameters,
        [](const MainState& s) { return QVariant(s.chart.axisFromZero()); },
        [](MainState& s, const QVariant& v) { s.chart.setAxisFromZero(v.toBool()); }));
    // The 84 tip cells in ascending field number, each through the sheet's validation.
    for (int edit = 1; edit <= TipSheet::kMaxEdit; ++edit) {
        if (TipSheet::rowOfEdit(edit) == 0) continue;
        table.push_back(stateValue(
            editName(edit), SettingsKind::String, QString(), LoadGroup::Parameters,
            [edit](const MainState& s) { return QVariant(s.sheet.cell(edit)); },
            [edit](MainState& s, const QVariant& v) { s.sheet.setCell(edit, v.toString()); }));
    }

    table.push_back(text(QStringLiteral("ProxyHostEdit"), QString(), LoadGroup::Proxy,
                         &MainState::ProxyHostEdit));
    table.push_back(text(QStringLiteral("ProxyPortEdit"), QStringLiteral("80"), LoadGroup::Proxy,
                         &MainState::ProxyPortEdit));

    // No default: a date that cannot be read leaves the start to startup::analysisStart(),
    // which puts the picker's minimum in its place.
    table.push_back({QStringLiteral("DateTimePicker2"), SettingsKind::Date, QVariant(),
                     LoadGroup::Ungrouped,
                     [](const MainState& s, const StartSettings&) {
                         return QVariant(s.DateTimePicker2.date());
                     },
                     [](MainState& s, StartSettings& read, const QVariant& v) {
                         read.analysisStartRead = s.DateTimePicker2.setDate(v.toDouble());
                     }});
    table.push_back(address(kDrawServerValue, QString(), &MainState::DrawServer));
    table.push_back(address(kQuotaServerValue, QString(), &MainState::QuotaServer));
    table.push_back(address(kResultsFileValue, kDefaultResultsFile, &MainState::Ergebnisdatei));
    table.push_back(address(kCartServerValue, QString(), &MainState::CartServer));
    table.push_back(stateValue(
        QStringLiteral("EinsatzJeTipp"), SettingsKind::Integer, 150, LoadGroup::Ungrouped,
        [](const MainState& s) { return QVariant(s.EinsatzJeTipp); },
        [](MainState& s, const QVariant& v) {
            s.EinsatzJeTipp = std::clamp(v.toInt(), 0, 100000);
        }));
    table.push_back(configured(kCartLinkValue, kDefaultCartLink, &MainState::CartLink));
    table.push_back(configured(kScriptServerValue, QString(), &MainState::ScriptServer));
    table.push_back(configured(kRobotInstallerValue, QString(), &MainState::RobotInstaller));
    table.push_back(readOnly(
        QStringLiteral("Produktseite"),
        [](const StartSettings& r) { return QVariant(r.productPage); },
        [](StartSettings& r, const QVariant& v) { r.productPage = v.toString(); }));
    table.push_back(readOnly(
        QStringLiteral("Links"),  // separated by "|"
        [](const StartSettings& r) { return QVariant(r.links.join(QLatin1Char('|'))); },
        [](StartSettings& r, const QVariant& v) {
            r.links = v.toString().split(QLatin1Char('|'), Qt::SkipEmptyParts);
        }));
    return table;
}

}  // namespace

bool isGuarded(LoadGroup group)
{
    return group == LoadGroup::View || group == LoadGroup::Parameters || group == LoadGroup::Proxy;
}

const std::vector<SettingsValue>& settingsTable()
{
    static const std::vector<SettingsValue> table = buildTable();
    return table;
}

std::optional<QVariant> readSettingsValue(const SettingsStore& store, const SettingsValue& value)
{
    const auto wrapped = [](const auto& read) {
        return read ? std::optional<QVariant>(QVariant(*read)) : std::nullopt;
    };
    switch (value.kind) {
    case SettingsKind::Boolean: return wrapped(store.readBool(value.name));
    case SettingsKind::Integer: return wrapped(store.readInteger(value.name));
    case SettingsKind::String: return wrapped(store.readString(value.name));
    case SettingsKind::Date: return wrapped(store.readDate(value.name));
    }
    return std::nullopt;
}

void writeSettingsValue(SettingsStore& store, const SettingsValue& value, const QVariant& data)
{
    switch (value.kind) {
    case SettingsKind::Boolean: store.writeBool(value.name, data.toBool()); break;
    case SettingsKind::Integer: store.writeInteger(value.name, data.toInt()); break;
    case SettingsKind::String: store.writeString(value.name, data.toString()); break;
    case SettingsKind::Date: store.writeDate(value.name, data.toDouble()); break;
    }
}

}  // namespace kw
