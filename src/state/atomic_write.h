#pragma once
// Replacing a file's content without a moment in which the file is missing or
// half written: a complete temporary copy takes the file's name.
#include <QByteArray>
#include <QString>

namespace kw {

// False with "file: reason" in *error; the old file is then unchanged.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);
// Deletes the temporary copies (the file's name, a dot and six letters or digits)
// that writes of path killed before their end left beside it.
void removeLeftoverCopies(const QString& path);

}  // namespace kw
