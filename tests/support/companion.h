#pragma once
// Runs the command-line companion kugelwart-cli on a fixture's DataFolder with
// default settings (and the sheet rows given, saved), as a user would from a shell.
#include <QProcess>
#include <QTemporaryDir>

#include "platform/ini_settings_store.h"
#include "support/state_fixture.h"

namespace kw::test {

struct Companion {
    int exitCode = -1;
    QByteArray output;
    QStringList lines;  // the output's non-empty lines
    QByteArray errors;
};

inline Companion runCompanion(const StateFixture& f, const QStringList& arguments,
                              const QList<QStringList>& sheet = {})
{
    QTemporaryDir config;
    if (!sheet.isEmpty()) {
        IniSettingsStore settings(config.filePath(QStringLiteral("Quendel/Kleinkugel.ini")));
        settings.openKey(kSettingsKey, true);
        for (int r = 0; r < sheet.size(); ++r)
            for (int c = 0; c < sheet[r].size(); ++c)
                settings.writeString(
                    QStringLiteral("Edit%1").arg(TipSheet::editNumber(r + 1, c + 1)), sheet[r][c]);
        settings.closeKey();
    }
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("APPDATA"), f.appData.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    cli.setProcessEnvironment(env);
    cli.start(qEnvironmentVariable("KUGELWART_BIN") + QStringLiteral("/kugelwart-cli"), arguments);
    Companion result;
    if (!cli.waitForFinished(30000)) return result;
    result.exitCode = cli.exitCode();
    result.output = cli.readAllStandardOutput();
    result.lines = QString::fromUtf8(result.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    result.errors = cli.readAllStandardError();
    return result;
}

}  // namespace kw::test
