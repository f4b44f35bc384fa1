#pragma once
// Scripted stand-ins for the platform seams: they answer from a script and
// record what the program asked for.
#include <QDate>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/sound.h"

namespace kw::test {

class ScriptedDialogs : public Dialogs {
public:
    // Answers given in order; an unscripted question answers No / cancel.
    QList<bool> yesNoAnswers;
    QList<std::optional<QString>> inputAnswers;
    QList<QString> fileAnswers;
    // What "the user" or the program does while a question waits for its answer.
    std::function<void(const QString& question)> whileAsking;

    struct Shown {
        QString kind;  // "question", "notice", "about", "input", "open", "save"
        QString text;
        QString caption;
        FileDialogRequest file;
    };
    QList<Shown> shown;
    QStringList inputDefaults;  // what each input box proposed
    int busyDepth = 0;
    int busyShown = 0;  // how often the hourglass was switched on

    bool askYesNo(const QString& text, const QString& caption) override;
    void notify(const QString& text, const QString& caption = {}) override;
    void about(const QString& text, const QString& caption) override
    {
        shown.append({QStringLiteral("about"), text, caption, {}});
    }
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& defaultText) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    void setBusy(bool busy) override
    {
        busyDepth += busy ? 1 : -1;
        busyShown += busy ? 1 : 0;
    }

    QStringList notices() const;
};

class RecordingShell : public Shell {
public:
    QStringList opened;
    QStringList edited;
    QStringList started;  // "program parameters"
    bool succeed = true;
    // What "the user" does in the editor before the program goes on.
    std::function<void(const QString& path)> whileEditing;
    // What the started program finds when it starts (the files it is given, say).
    std::function<void(const QString& program, const QString& parameters)> whileStarting;

    bool openUrl(const QString& urlOrPath, QString* error = nullptr) override;
    bool openInEditor(const QString& path, QString* error = nullptr) override;
    bool startProgram(const QString& program, const QString& parameters,
                      QString* error = nullptr) override;
};

class RecordingSound : public Sound {
public:
    QStringList played;
    void play(const QString& wavPath) override { played << wavPath; }
};

class FixedClock : public Clock {
public:
    QDate date = QDate(2026, 8, 23);
    std::uint64_t counter = 0x1234567890ull;
    std::uint32_t ticks = 4242;
    int slept = 0;

    QDate today() const override { return date; }
    std::uint64_t performanceCounter() const override { return counter; }
    std::uint32_t tickCount() const override { return ticks; }
    void sleep(int milliseconds) override { slept += milliseconds; }
};

}  // namespace kw::test
