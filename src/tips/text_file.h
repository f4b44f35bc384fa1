#pragma once
// The program's text files: Windows-1252, CR LF, no byte-order mark, on every
// platform, so that files move between machines unchanged.
#include <QStringList>
#include <optional>

namespace kw {

// The lines of a file (CR LF, LF or CR ends); nullopt with "file: reason" on failure.
std::optional<QStringList> readTextLines(const QString& path, QString* error);
// Writes every line followed by CR LF through a temporary copy.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error);

}  // namespace kw
