// The settings table walked as a whole: whatever value it names is written at close,
// read back at start and kept to its group's rules, with no test to extend.
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "platform/services.h"
#include "state/main_state.h"
#include "state/settings_table.h"
#include "state/startup.h"
#include "support/fakes.h"
#include "support/memory_settings_store.h"

using namespace kw;
using namespace kw::test;

namespace {

using StoredKind = MemorySettingsStore::Kind;

StoredKind storedKind(SettingsKind kind)
{
    switch (kind) {
    case SettingsKind::Boolean:
    case SettingsKind::Integer: return StoredKind::Integer;
    case SettingsKind::String: return StoredKind::String;
    case SettingsKind::Date: return StoredKind::Date;
    }
    return StoredKind::Integer;
}

// Values to try in place of original, distinct from one value to the next where the
// kind allows it; texts are numbers, so that tip cells take them too.
QList<QVariant> candidates(const SettingsValue& value, int index, const QVariant& original)
{
    switch (value.kind) {
    case SettingsKind::Boolean: return {!original.toBool()};
    case SettingsKind::Integer:
        if (!original.isValid()) return {700 + index};
        return {original.toInt() + 1, original.toInt() - 1};
    case SettingsKind::String:
        return {QString::number(1 + index % 42), QString::number(1 + index % 10)};
    case SettingsKind::Date: return {original.toDouble() + 400 + index};
    }
    return {};
}

struct Fixture {
    QTemporaryDir appData;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingSound sound;
    FixedClock clock;
    MemorySettingsStore settings;
    Services services{dialogs, shell, sound, clock, settings, appData.path(), QString(), QString()};

    // What the window had at close: every value of the table other than its default.
    MainState before;
    StartSettings window;

    StartSettings load(MainState& state)
    {
        prepareState(state, services);
        return loadStartSettings(state, services);
    }

    // Sets every value of the table in before and window to a value other than its
    // default, saves them as the window does at close and writes the read-only
    // values by hand. An error names a value no other value sticks to.
    QString saveOtherValues()
    {
        const auto& table = settingsTable();
        for (int i = 0; i < int(table.size()); ++i) {
            const SettingsValue& value = table[i];
            const QVariant original = value.get(before, window);
            bool changed = false;
            for (const QVariant& candidate : candidates(value, i, original)) {
                value.set(before, window, candidate);
                const QVariant now = value.get(before, window);
                changed = now.isValid() && now != original && now != value.defaultValue;
                if (changed) break;
            }
            if (!changed) return value.name + QStringLiteral(": no other value sticks");
        }
        if (!window.height || !window.width) return QStringLiteral("no window size");
        saveStartSettings(before, services, QSize(*window.width, *window.height));
        settings.openKey(kSettingsKey, false);
        for (const SettingsValue& value : table) {
            if (value.saved) continue;
            if (settings.mainValue(value.name)) return value.name + QStringLiteral(": saved");
            writeSettingsValue(settings, value, value.get(before, window));
        }
        return {};
    }
};

}  // namespace

class TestSettingsTable : public QObject {
    Q_OBJECT
private slots:
    // The table's order is the load order, and a name stands for one value only
    // (names are case-insensitive).
    void namesAreUniqueAndGroupsInLoadOrder()
    {
        QSet<QString> names;
        LoadGroup group = LoadGroup::View;
        for (const SettingsValue& value : settingsTable()) {
            QVERIFY2(!names.contains(value.name.toLower()), qPrintable(value.name));
            names << value.name.toLower();
            QVERIFY2(value.group >= group, qPrintable(value.name + " out of load order"));
            group = value.group;
            QVERIFY2(value.get && value.set, qPrintable(value.name));
        }
        QVERIFY(names.contains(QStringLiteral("chekcbox31")));
        QVERIFY(!names.contains(QStringLiteral("chekcbox21")));  // there is no CheckBox21
    }

    // A start with nothing stored gives every value its default.
    void emptyStoreGivesTheDefaults()
    {
        Fixture f;
        f.settings.keys.clear();
        MainState state;
        const StartSettings read = f.load(state);
        for (const SettingsValue& value : settingsTable()) {
            if (!value.defaultValue.isValid()) continue;
            QVERIFY2(value.get(state, read) == value.defaultValue,
                     qPrintable(value.name + ": " + value.get(state, read).toString()));
        }
        QVERIFY(!read.height && !read.width);
        QVERIFY(!read.analysisStartRead);
    }

    // Every value the table names is written at close with its kind and read back at
    // the next start into an equal state; read-only values are read, never written.
    void everyValueComesBack()
    {
        Fixture f;
        const QString error = f.saveOtherValues();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const SettingsValue& value : settingsTable()) {
            const MemorySettingsStore::Value* stored = f.settings.mainValue(value.name);
            QVERIFY2(stored, qPrintable(value.name + " not in the store"));
            QVERIFY2(stored->kind == storedKind(value.kind), qPrintable(value.name));
        }

        MainState after;
        const StartSettings read = f.load(after);
        for (const SettingsValue& value : settingsTable()) {
            const QVariant expected = value.get(f.before, f.window);
            QVERIFY2(value.get(after, read) == expected,
                     qPrintable(value.name + ": " + value.get(after, read).toString() +
                                " instead of " + expected.toString()));
        }
        QVERIFY(read.analysisStartRead);
    }

    // A value of the wrong kind in a guarded group ends that group: the values before
    // it are applied, it and the rest keep what a fresh state holds. Outside the
    // groups it gets its default (or keeps the fresh value when it has none). Every
    // other value is read as usual.
    void wrongKindEndsOnlyItsGroup_data()
    {
        QTest::addColumn<int>("index");
        const auto& table = settingsTable();
        for (int i = 0; i < int(table.size()); ++i) QTest::newRow(qPrintable(table[i].name)) << i;
    }
    void wrongKindEndsOnlyItsGroup()
    {
        QFETCH(int, index);
        const auto& table = settingsTable();
        const SettingsValue& wrong = table[index];
        Fixture f;
        const QString error = f.saveOtherValues();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        if (wrong.kind == SettingsKind::Date)
            f.settings.writeString(wrong.name, QStringLiteral("01.06.2026"));
        else
            f.settings.writeDate(wrong.name, 1.0);

        MainState after;
        const StartSettings read = f.load(after);
        const MainState fresh;
        const StartSettings none;
        for (int i = 0; i < int(table.size()); ++i) {
            const SettingsValue& value = table[i];
            QVariant expected = value.get(f.before, f.window);
            if (value.group == wrong.group && i >= index && isGuarded(wrong.group))
                expected = value.get(fresh, none);
            else if (i == index && value.defaultValue.isValid())
                expected = value.defaultValue;
            else if (i == index)
                expected = value.get(fresh, none);
            QVERIFY2(value.get(after, read) == expected,
                     qPrintable(value.name + ": " + value.get(after, read).toString() +
                                " instead of " + expected.toString()));
        }
        QVERIFY(after.sortieren);
    }
};

QTEST_GUILESS_MAIN(TestSettingsTable)
#include "test_settings_table.moc"
