#pragma once
// A MainState on the scripted services, started as the program starts it, and a
// draw history laid into its DataFolder beforehand.
#include <QDir>
#include <QTest>
#include <vector>

#include "draws/draw_file.h"
#include "state/main_state.h"
#include "state/startup.h"
#include "support/draw_records.h"
#include "support/services_fixture.h"

namespace kw::test {

struct StateFixture : ServicesFixture {
    // The DataFolder start-up makes in the temporary APPDATA, and its DrawFile.
    QString dataFolder() const
    {
        return appData.filePath(QStringLiteral("KugelwartKK")) + QLatin1Char('/');
    }
    QString drawFile() const { return dataFolder() + QStringLiteral("ZahlenKK.dat"); }

    void writeDraws(const std::vector<DrawRecord>& draws)
    {
        QDir().mkpath(dataFolder());
        QVERIFY(DrawFile(drawFile()).replace(draws, nullptr));
    }

    // The first step of start-up: DataFolder, formats, end date, run flags.
    void prepare(MainState& state)
    {
        Services s = services();
        prepareState(state, s);
    }
    // Start-up as the main window runs it before it is shown: the first step, the
    // settings, then analysis dates, seed history and random seed.
    void start(MainState& state)
    {
        Services s = services();
        prepareState(state, s);
        const StartSettings saved = loadStartSettings(state, s);
        finishStartup(state, s, saved.analysisStartRead);
    }
};

}  // namespace kw::test
