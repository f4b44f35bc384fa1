#include "state/data_folder.h"

#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "state/file_error.h"

namespace kw {

namespace {

QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('/');
    return path;
}

}  // namespace

QString dataFolderPath(const QString& appData, const QString& userDataLocation)
{
    const QString base = appData.isEmpty() ? userDataLocation : appData;
    return withSeparator(withSeparator(base) + QLatin1String(kDataFolderName));
}

bool ensureFolder(const QString& path, QString* error)
{
    if (QFileInfo(path).isDir()) return true;
    std::error_code code;
    std::filesystem::create_directories(std::filesystem::path(path.toStdString()), code);
    if (!code && QFileInfo(path).isDir()) return true;
    if (error) {
        const QString reason = code ? QString::fromLocal8Bit(code.message())
                                    : QStringLiteral("Der Ordner kann nicht angelegt werden");
        *error = fileErrorText(path, reason);
    }
    return false;
}

}  // namespace kw
