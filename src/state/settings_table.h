#pragma once
// Every value the main window keeps in the settings, in one table: its name, kind,
// default and place in the load order, and where it lives in the state. Reading at
// start and writing at close both walk this table.
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

#include "state/startup.h"

namespace kw {

class MainState;
class SettingsStore;

// Boolean is stored as the integer 0 or 1, a date as the 8-byte day count.
enum class SettingsKind { Boolean, Integer, String, Date };

// The groups in load order. In a guarded group a missing value is passed over and the
// first value of the wrong kind ends the group: the values before it stay applied, the
// rest keep what the state holds. Outside them (the radio groups, the values after the
// groups) a value that is missing or of the wrong kind gets its default, if it has one.
enum class LoadGroup {
    View,         // guarded: the view, the check boxes, the window size, the language
    RadioGroups,  // the two "Eurozahlen Option" groups
    Parameters,   // guarded: the up-downs, the portal, the tip cells
    Proxy,        // guarded
    Ungrouped,    // the analysis start and the internet addresses
};
bool isGuarded(LoadGroup group);

struct SettingsValue {
    using Get = std::function<QVariant(const MainState&, const StartSettings&)>;
    using Set = std::function<void(MainState&, StartSettings&, const QVariant&)>;

    QString name;
    SettingsKind kind;
    QVariant defaultValue;  // invalid: none, the value stays as it is
    LoadGroup group;
    // The value to write (invalid: nothing to write) and how a value read is applied.
    // The window's size comes in and goes out through the StartSettings.
    Get get;
    Set set;
    bool saved = true;  // false: read only, set by hand in the store
};

// In load order, the groups one after the other; saving writes in the same order.
const std::vector<SettingsValue>& settingsTable();

// A value of the table as its kind from the store; nullopt when missing or of another kind.
std::optional<QVariant> readSettingsValue(const SettingsStore& store, const SettingsValue& value);
void writeSettingsValue(SettingsStore& store, const SettingsValue& value, const QVariant& data);

}  // namespace kw
