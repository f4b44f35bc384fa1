#include "support/fakes.h"

namespace kw::test {

bool ScriptedDialogs::askYesNo(const QString& text, const QString& caption)
{
    shown.append({QStringLiteral("question"), text, caption, {}});
    if (whileAsking) whileAsking(text);
    return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
}

void ScriptedDialogs::notify(const QString& text, const QString& caption)
{
    shown.append({QStringLiteral("notice"), text, caption, {}});
}

std::optional<QString> ScriptedDialogs::inputText(const QString& title, const QString& prompt,
                                                  const QString& defaultText)
{
    shown.append({QStringLiteral("input"), prompt, title, {}});
    inputDefaults << defaultText;
    return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.takeFirst();
}

QString ScriptedDialogs::openFileName(const FileDialogRequest& request)
{
    shown.append({QStringLiteral("open"), {}, request.title, request});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedDialogs::saveFileName(const FileDialogRequest& request)
{
    shown.append({QStringLiteral("save"), {}, request.title, request});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QStringList ScriptedDialogs::notices() const
{
    QStringList texts;
    for (const Shown& s : shown)
        if (s.kind == QLatin1String("notice")) texts << s.text;
    return texts;
}

bool RecordingShell::openUrl(const QString& urlOrPath, QString* error)
{
    opened << urlOrPath;
    if (!succeed && error) *error = QStringLiteral("refused: ") + urlOrPath;
    return succeed;
}

bool RecordingShell::openInEditor(const QString& path, QString* error)
{
    edited << path;
    if (whileEditing) whileEditing(path);
    if (!succeed && error) *error = QStringLiteral("refused: ") + path;
    return succeed;
}

bool RecordingShell::startProgram(const QString& program, const QString& parameters, QString* error)
{
    started << program + QLatin1Char(' ') + parameters;
    if (whileStarting) whileStarting(program, parameters);
    if (!succeed && error) *error = QStringLiteral("refused: ") + program;
    return succeed;
}

}  // namespace kw::test
