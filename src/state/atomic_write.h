#pragma once
// Replacing a file's content without a moment in which the file is missing or
// half written: a complete temporary copy takes the file's name.
#include <QByteArray>
#include <QString>

namespace kw {

// False with "file: reason" in *error; the old file is then unchanged.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace kw
