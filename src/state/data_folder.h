#pragma once
// Where the user's data lives, and making sure the folder is there.
#include <QString>

namespace kw {

inline constexpr auto kDataFolderName = "KugelwartKK";

// appData + "KugelwartKK/" when appData is set (a separator is added when it lacks
// one); otherwise userDataLocation + "/KugelwartKK/". Always ends with a separator.
QString dataFolderPath(const QString& appData, const QString& userDataLocation);

// Creates the folder and its parents when missing; false with "folder: reason".
bool ensureFolder(const QString& path, QString* error);

}  // namespace kw
