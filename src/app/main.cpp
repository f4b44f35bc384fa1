// Kugelwart: starts the main window on the real platform.
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include "platform/desktop_shell.h"
#include "platform/ini_settings_store.h"
#include "platform/qt_http_client.h"
#include "platform/qt_sound.h"
#include "platform/system_clock.h"
#include "state/program_folder.h"
#include "ui/main_window.h"
#include "ui/program_icon.h"
#include "ui/qt_translations.h"
#include "ui/widget_dialogs.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendels Kleinkugel"));
    QApplication::setApplicationVersion(QStringLiteral(KUGELWART_VERSION));
    QApplication::setWindowIcon(kw::programIcon());
    // The desktop matches the windows to the menu entry kugelwart.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("kugelwart"));
    // The interface is German; without a locale of the user's own (C / POSIX),
    // dates and weekdays follow it too.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Qt's own buttons and dialogs speak the interface's language too.
    kw::loadQtTranslations(QStringLiteral("de"));

    kw::WidgetDialogs dialogs;
    kw::DesktopShell shell;
    kw::QtSound sound;
    kw::SystemClock clock;
    kw::QtHttpClient http;
    kw::IniSettingsStore settings(kw::IniSettingsStore::defaultFilePath());
    kw::Services services{dialogs,
                          shell,
                          sound,
                          clock,
                          settings,
                          qEnvironmentVariable("APPDATA"),
                          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          kw::programFolderPath(QCoreApplication::applicationDirPath()),
                          &http};

    kw::TForm1 window(services);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
