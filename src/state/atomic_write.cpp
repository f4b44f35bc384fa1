#include "state/atomic_write.h"

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

}  // namespace kw
