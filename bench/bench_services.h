#pragma once
// Platform seams that stay quiet, for benchmarks without a window.
#include <cstdio>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/sound.h"

namespace kw::bench {

struct QuietDialogs : Dialogs {
    bool askYesNo(const QString&, const QString&) override { return false; }
    void notify(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
    void setBusy(bool) override {}
};
struct NoShell : Shell {
    bool openUrl(const QString&, QString*) override { return false; }
    bool openInEditor(const QString&, QString*) override { return false; }
    bool startProgram(const QString&, const QString&, QString*) override { return false; }
};
struct NoSound : Sound {
    void play(const QString&) override {}
};
struct FixedClock : Clock {
    QDate today() const override { return QDate(2026, 8, 23); }
    std::uint64_t performanceCounter() const override { return 1; }
    std::uint32_t tickCount() const override { return 1; }
    void sleep(int) override {}
};
struct NoSettings : SettingsStore {
    bool keyExists(const QString&) const override { return false; }
    bool openKey(const QString&, bool) override { return false; }
    void closeKey() override {}
    bool valueExists(const QString&) const override { return false; }
    std::optional<bool> readBool(const QString&) const override { return {}; }
    std::optional<int> readInteger(const QString&) const override { return {}; }
    std::optional<QString> readString(const QString&) const override { return {}; }
    std::optional<double> readDate(const QString&) const override { return {}; }
    void writeBool(const QString&, bool) override {}
    void writeInteger(const QString&, int) override {}
    void writeString(const QString&, const QString&) override {}
    void writeDate(const QString&, double) override {}
};

struct QuietServices {
    QuietDialogs dialogs;
    NoShell shell;
    NoSound sound;
    FixedClock clock;
    NoSettings settings;
    Services services{dialogs, shell, sound, clock, settings, {}, {}, {}};
};

}  // namespace kw::bench
