#pragma once
// The platform seams as scripted fakes, with a temporary APPDATA and program
// folder: what every test that runs the program's operations starts from.
#include <QTemporaryDir>

#include "platform/services.h"
#include "state/startup.h"
#include "support/fakes.h"
#include "support/loopback_http_client.h"
#include "support/memory_settings_store.h"

namespace kw::test {

struct ServicesFixture {
    QTemporaryDir appData;
    QTemporaryDir program;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingSound sound;
    FixedClock clock;
    MemorySettingsStore settings;
    LoopbackHttpClient http;

    // No results file unless a test names one: the built-in address is not on this machine.
    ServicesFixture()
    {
        settings.openKey(kSettingsKey, true);
        settings.writeString(kResultsFileValue, QString());
        settings.closeKey();
    }

    Services services()
    {
        return {dialogs,        shell,     sound,          clock, settings,
                appData.path(), QString(), program.path(), &http};
    }
};

}  // namespace kw::test
