#include "state/atomic_write.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "state/file_error.h"

namespace kw {

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // A short write is not always reported by write() itself (a file size limit, a
    // full disk): the copy must have its full size before it may take the name.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        file.size() != bytes.size()) {
        if (error) *error = fileErrorText(file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = fileErrorText(file);
        return false;
    }
    return true;
}

void removeLeftoverCopies(const QString& path)
{
    const QFileInfo file(path);
    const QRegularExpression copy(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    QDir folder = file.dir();
    for (const QString& name :
         folder.entryList({file.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        if (copy.match(name).hasMatch()) folder.remove(name);
}

}  // namespace kw
