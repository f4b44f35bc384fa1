#pragma once
// The text of a failed file operation: the file, then the system's reason.
#include <QDir>
#include <QFileDevice>
#include <QString>

namespace kw {

inline QString fileErrorText(const QString& path, const QString& reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

inline QString fileErrorText(const QFileDevice& file)
{
    return fileErrorText(file.fileName(), file.errorString());
}

}  // namespace kw
