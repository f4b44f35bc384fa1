// The stored settings: an ini file of any content, read through the settings store
// and the settings table as the program starts, then saved and read once more; the
// slip printing's values, with a few tips placed by the geometry they give.
#include "fuzz_input.h"
#include "generation/parameters.h"
#include "platform/ini_settings_store.h"
#include "platform/services.h"
#include "printing/slip_settings.h"
#include "slip_canvas.h"
#include "state/main_state.h"
#include "state/startup.h"
#include "support/fakes.h"

using namespace kw;

namespace {

// The settings file of that path behind the services start-up uses.
struct SettingsFile {
    explicit SettingsFile(const QString& path) : store(path) {}
    IniSettingsStore store;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    test::RecordingSound sound;
    test::FixedClock clock;
    Services services{dialogs, shell, sound, clock, store, {}, {}, {}};
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainState state;
    {
        SettingsFile file(fuzz::fileWith(fuzz::bytesOf(data, size), QStringLiteral("input.ini")));
        loadStartSettings(state, file.services);
    }
    for (int n = 1; n <= kUpDownCount; ++n) {
        KW_FUZZ_CHECK(state.upDownPosition(n) >= state.upDownMinimum(n));
        KW_FUZZ_CHECK(state.upDownPosition(n) <= state.upDownMaximum(n));
    }

    {
        SettingsFile file(fuzz::scratchPath(QStringLiteral("input.ini")));
        SlipSettings slip;
        readSlipSettings(file.store, kSettingsKey, slip);
        if (const auto geometry = slipGeometry(slip, nullptr)) {
            SlipPlacing placing;
            placing.geometry = *geometry;
            placing.cross = slip.cross;
            placing.fontSize = slip.fontSize;
            fuzz::AnySlip canvas;
            placeTips({QStringLiteral("1,2,3,4,5,6,7"), QStringLiteral("38,39,40,41,42,10,1")},
                      placing, canvas, file.dialogs);
        }
    }

    const QString copy = fuzz::scratchPath(QStringLiteral("copy.ini"));
    QFile::remove(copy);
    {
        SettingsFile file(copy);
        saveStartSettings(state, file.services, QSize(800, 600));
    }
    MainState again;
    SettingsFile file(copy);
    loadStartSettings(again, file.services);
    return 0;
}
