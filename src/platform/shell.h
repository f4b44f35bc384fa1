#pragma once
// The desktop around the program: the browser, the text editor, other programs.
// Each call returns false and sets *error when the platform refused it.
#include <QString>

namespace kw {

class Shell {
public:
    virtual ~Shell() = default;
    // A URL or file with the user's default application.
    virtual bool openUrl(const QString& urlOrPath, QString* error = nullptr) = 0;
    // A text file in the user's editor.
    virtual bool openInEditor(const QString& path, QString* error = nullptr) = 0;
    // Starts a program with a parameter string, without waiting for it.
    virtual bool startProgram(const QString& program, const QString& parameters,
                              QString* error = nullptr) = 0;
};

}  // namespace kw
