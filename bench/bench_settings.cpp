// Start-up's read and the close's write of the settings through the real ini store
// and the settings table, on a settings file that holds many values the program
// does not know (left there by other programs or older versions) beside its own.
//   bench_settings [STRAYS [FILE]]
// STRAYS: how many values the program does not know (default 200000); FILE: where the
// settings file is made and left behind (default: a temporary folder).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_services.h"
#include "platform/ini_settings_store.h"
#include "state/main_state.h"
#include "state/startup.h"

namespace {

// The program's values as a close writes them, then the strays beside them in the
// same key (QSettings writes the key as the section [SOFTWARE], its values as
// "Quendel\Kleinkugel\name").
bool writeSettingsFile(const QString& path, int strays)
{
    {
        kw::IniSettingsStore store(path);
        kw::bench::QuietServices quiet;
        kw::Services services{quiet.dialogs, quiet.shell, quiet.sound, quiet.clock,
                              store,         QString(),   QString(),   QString()};
        kw::MainState state;
        kw::saveStartSettings(state, services, QSize(900, 700));
    }
    QFile file(path);
    if (!file.open(QIODevice::Append)) return false;
    QByteArray lines;
    lines.reserve(strays * 32);
    for (int i = 0; i < strays; ++i)
        lines += "Quendel\\Kleinkugel\\Fremdwert" + QByteArray::number(i) + "=" +
                 QByteArray::number(i * 7) + "\n";
    return file.write(lines) == lines.size();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int strays = argc > 1 ? QByteArray(argv[1]).toInt() : 200000;
    QTemporaryDir dir;
    const QString path =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("Kleinkugel.ini"));
    QFile::remove(path);
    if (!writeSettingsFile(path, strays)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("settings file: %d stray values, %lld bytes\n", strays,
                static_cast<long long>(QFileInfo(path).size()));

    kw::bench::QuietServices quiet;
    QElapsedTimer timer;
    timer.start();
    kw::IniSettingsStore store(path);
    kw::Services services{quiet.dialogs, quiet.shell, quiet.sound, quiet.clock,
                          store,         QString(),   QString(),   QString()};
    kw::MainState state;
    const kw::StartSettings read = kw::loadStartSettings(state, services);
    const double readMs = timer.nsecsElapsed() / 1e6;
    std::printf("start-up read: %.0f ms (window %dx%d)\n", readMs, read.width.value_or(0),
                read.height.value_or(0));

    state.setUpDownPosition(1, state.upDownPosition(1) == 50 ? 51 : 50);  // something changed
    timer.restart();
    kw::saveStartSettings(state, services, QSize(901, 701));
    const double writeMs = timer.nsecsElapsed() / 1e6;
    std::printf("close write: %.0f ms\n", writeMs);
    std::printf("settings file after: %lld bytes\n",
                static_cast<long long>(QFileInfo(path).size()));
    return 0;
}
