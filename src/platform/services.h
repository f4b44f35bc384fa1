#pragma once
// The platform seams the program runs on, handed to the windows at start.
// main() passes the real ones; tests pass scripted fakes.
#include <QString>

namespace kw {

class Clock;
class Dialogs;
class HttpClient;
class SettingsStore;
class Shell;
class Sound;

struct Services {
    Dialogs& dialogs;
    Shell& shell;
    Sound& sound;
    Clock& clock;
    SettingsStore& settings;
    QString appData;             // the APPDATA variable; empty when not set
    QString userDataLocation;    // the platform's per-user data folder
    QString programFolder;       // the executable's folder
    HttpClient* http = nullptr;  // nullptr: no network (nothing is downloaded)
};

}  // namespace kw
