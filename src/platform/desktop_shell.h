#pragma once
// The shell on a desktop: URLs and files through the desktop's opener (xdg-open
// on Linux), the editor from $VISUAL or $EDITOR, programs started detached.
#include "platform/shell.h"

namespace kw {

class DesktopShell : public Shell {
public:
    bool openUrl(const QString& urlOrPath, QString* error = nullptr) override;
    bool openInEditor(const QString& path, QString* error = nullptr) override;
    bool startProgram(const QString& program, const QString& parameters,
                      QString* error = nullptr) override;
};

}  // namespace kw
