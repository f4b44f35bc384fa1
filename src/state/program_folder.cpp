#include "state/program_folder.h"

#include <QDir>
#include <QFileInfo>

namespace kw {

QString programFolderPath(const QString& executableFolder)
{
    const QDir beside(executableFolder);
    if (beside.exists(QStringLiteral("land"))) return executableFolder;
    const QString installed =
        QDir::cleanPath(beside.filePath(QLatin1String(kInstalledProgramFolder)));
    if (QFileInfo(installed).isDir()) return installed;
    return executableFolder;
}

QStringList userGuideCandidates(const QString& programFolder)
{
    if (programFolder.isEmpty()) return {};
    const QDir folder(programFolder);
    return {QDir::cleanPath(folder.filePath(QLatin1String(kUserGuideName))),
            QDir::cleanPath(folder.filePath(QLatin1String(kInstalledUserGuideFolder) +
                                            QLatin1Char('/') + QLatin1String(kUserGuideName)))};
}

QString userGuidePath(const QString& programFolder)
{
    for (const QString& candidate : userGuideCandidates(programFolder))
        if (QFileInfo(candidate).isFile()) return candidate;
    return {};
}

}  // namespace kw
