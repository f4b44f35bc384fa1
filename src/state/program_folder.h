#pragma once
// Where the program's own files are (sound, language files, slip templates, click
// scripts) and where its user guide is, in the build tree and when installed.
#include <QString>
#include <QStringList>

namespace kw {

// An installation keeps the executable in bin/ and the program folder's files in
// share/kugelwart/, the user guide in share/doc/kugelwart/ (the install rules use
// the same places).
inline constexpr auto kInstalledProgramFolder = "../share/kugelwart";
inline constexpr auto kUserGuideName = "README.md";
inline constexpr auto kInstalledUserGuideFolder = "../doc/kugelwart";

// The executable's folder when the program's files lie beside it (its "land"
// folder is there: the build tree, a copied folder); otherwise the installed
// program folder when there is one; else the executable's folder all the same.
// Without a trailing separator.
QString programFolderPath(const QString& executableFolder);

// Where the user guide may be, first choice first: beside the program's files
// (the build tree), then in the installed documentation.
QStringList userGuideCandidates(const QString& programFolder);
// The first candidate that exists; empty when there is none.
QString userGuidePath(const QString& programFolder);

}  // namespace kw
