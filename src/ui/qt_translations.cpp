#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace kw {

namespace {

// The one catalogue of Qt's texts that is installed; the application owns it.
QPointer<QTranslator> installed;

}  // namespace

bool loadQtTranslations(const QString& languageCode)
{
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    // "qt_<code>" gathers the catalogues of Qt's modules (qtbase, qtmultimedia, ...).
    if (languageCode.isEmpty() ||
        !translator->load(QStringLiteral("qt_") + languageCode,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

}  // namespace kw
