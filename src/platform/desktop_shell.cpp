#include "platform/desktop_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QUrl>

namespace kw {

namespace {

bool refused(QString* error, const QString& text)
{
    if (error) *error = text;
    return false;
}

QUrl urlFor(const QString& urlOrPath)
{
    const QUrl url(urlOrPath, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1) return url;  // "C:" is a drive, not a scheme
    return QUrl::fromLocalFile(QFileInfo(urlOrPath).absoluteFilePath());
}

}  // namespace

bool DesktopShell::openUrl(const QString& urlOrPath, QString* error)
{
    if (urlOrPath.trimmed().isEmpty()) return refused(error, QStringLiteral("Keine Adresse"));
    if (!QDesktopServices::openUrl(urlFor(urlOrPath)))
        return refused(error, QStringLiteral("Kann nicht geöffnet werden: ") + urlOrPath);
    return true;
}

bool DesktopShell::openInEditor(const QString& path, QString* error)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString editor = env.value(QStringLiteral("VISUAL"));
    if (editor.isEmpty()) editor = env.value(QStringLiteral("EDITOR"));
    if (editor.isEmpty()) return openUrl(path, error);
#ifdef Q_OS_WIN
    QStringList command = QProcess::splitCommand(editor);
    const QString program = command.takeFirst();
    command << path;
#else
    // As git does: the shell reads the editor's command line, quotes and all.
    const QString program = QStringLiteral("/bin/sh");
    const QStringList command{QStringLiteral("-c"), editor + QStringLiteral(" \"$@\""),
                              QStringLiteral("sh"), path};
#endif
    if (!QProcess::startDetached(program, command))
        return refused(error, QStringLiteral("Editor kann nicht gestartet werden: ") + editor);
    return true;
}

bool DesktopShell::startProgram(const QString& program, const QString& parameters, QString* error)
{
    if (!QProcess::startDetached(program, QProcess::splitCommand(parameters)))
        return refused(error, QStringLiteral("Programm kann nicht gestartet werden: ") + program);
    return true;
}

}  // namespace kw
