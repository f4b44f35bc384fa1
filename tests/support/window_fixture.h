#pragma once
// A main window on scripted fakes, with a temporary APPDATA and program folder,
// and helpers to lay a draw history into its DataFolder before it starts.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "draws/draw_file.h"
#include "generation/random_generator.h"
#include "state/startup.h"
#include "support/draw_records.h"
#include "support/fakes.h"
#include "support/loopback_http_client.h"
#include "support/memory_settings_store.h"
#include "ui/main_window.h"

namespace kw::test {

// One draw a day from first to last, five different numbers from the program's
// generator with the given seed.
inline std::vector<DrawRecord> randomHistory(QDate first, QDate last, std::uint32_t seed)
{
    RandomGenerator random;
    random.setSeed(seed);
    std::vector<DrawRecord> draws;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        DrawRecord r = makeDraw(day, {});
        int placed = 0;
        while (placed < 5) {
            const int n = 1 + random.random(42);
            bool taken = false;
            for (int s = 1; s <= placed; ++s) taken = taken || r.slot(s) == n;
            if (!taken) r.setSlot(++placed, n);
        }
        draws.push_back(r);
    }
    return draws;
}

struct WindowFixture {
    QTemporaryDir appData;
    QTemporaryDir program;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingSound sound;
    FixedClock clock;
    MemorySettingsStore settings;
    LoopbackHttpClient http;

    // No results file unless a test names one: the built-in address is not on this machine.
    WindowFixture()
    {
        settings.openKey(kSettingsKey, true);
        settings.writeString(kResultsFileValue, QString());
        settings.closeKey();
    }

    Services services()
    {
        return {dialogs, shell, sound, clock, settings, appData.path(), QString(), program.path(), &http};
    }
    QString dataFolder() const { return appData.filePath(QStringLiteral("KugelwartKK")) + QLatin1Char('/'); }
    QString drawFile() const { return dataFolder() + QStringLiteral("ZahlenKK.dat"); }

    void writeDraws(const std::vector<DrawRecord>& draws)
    {
        QDir().mkpath(dataFolder());
        QVERIFY(DrawFile(drawFile()).replace(draws, nullptr));
    }
    std::unique_ptr<TForm1> window() { return std::make_unique<TForm1>(services()); }
    // A window on screen after its first show has run.
    std::unique_ptr<TForm1> shownWindow()
    {
        auto w = window();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qWarning("window not exposed");
        QCoreApplication::processEvents();
        return w;
    }
};

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found) qWarning("no control %s", name);
    return found;
}

}  // namespace kw::test
