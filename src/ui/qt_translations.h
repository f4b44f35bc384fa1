#pragma once
// Qt's own texts (standard buttons, file dialogs, context menus) in the interface
// language, from the translations that come with Qt.
#include <QString>

namespace kw {

// Installs Qt's catalogue for the language code ("de", "pl", ...) in the
// application, replacing the one installed before. False when there is no
// catalogue for the code: Qt's texts are then its built-in English ones.
bool loadQtTranslations(const QString& languageCode);

}  // namespace kw
