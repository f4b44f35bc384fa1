// The main window's language menu: switching among the nineteen languages from
// the files in "land", and writing the template that translators start from.
#include <QAction>
#include <QDir>

#include "draws/current_draw.h"
#include "i18n/language_files.h"
#include "platform/dialogs.h"
#include "ui/dialog_windows.h"
#include "ui/language_texts.h"
#include "ui/main_window.h"
#include "ui/number_selection_dialog.h"
#include "ui/parameter_page.h"
#include "ui/portal_dialog.h"
#include "ui/qt_translations.h"
#include "ui/script_chooser_dialog.h"
#include "ui/slip_dialog.h"
#include "ui/win_calculation_dialog.h"

namespace kw {

void TForm1::bindLanguage()
{
    for (const Language& language : languages()) {
        auto* item = findChild<QAction*>(QLatin1String(language.menuItem));
        item->setEnabled(true);
        const QByteArray slot = QByteArray(language.menuItem) + "Click";
        connect(item, &QAction::triggered, this,
                [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
    }
    auto* saveTemplate = findChild<QAction*>(QStringLiteral("Dateispeichern1"));
    saveTemplate->setEnabled(true);
    connect(saveTemplate, &QAction::triggered, this, &TForm1::Dateispeichern1Click);
}

QList<QWidget*> TForm1::languageWindows() const
{
    return {const_cast<TForm1*>(this), m_form3, m_form5, m_form6, m_form8, m_form9, m_qksForm};
}

QString TForm1::languageBaseFile() const
{
    return languageFolder(m_services.programFolder) + QLatin1Char('/') + kBaseFileName;
}

void TForm1::SpracheSetzen()
{
    if (const Language* language = languageByNumber(m_state.Sprache))
        QMetaObject::invokeMethod(this, (QByteArray(language->menuItem) + "Click").constData());
    SpeedButton5Click();
    SpeedButton2Click();
}

void TForm1::switchLanguage(int number)
{
    const Language* chosen = languageByNumber(number);
    for (const Language& language : languages())
        findChild<QAction*>(QLatin1String(language.menuItem))->setChecked(&language == chosen);
    const QString code = QString::fromLatin1(chosen->code);
    if (!DateiLaden1Click(languageBaseFile(), code)) {
        m_state.setStatusText(
            0, m_state.messages.text(Message::LanguageFileMissing) +
                   QDir::toNativeSeparators(languagePaths(languageBaseFile(), code).translation));
    }
    m_state.Sprache = number;
}

bool TForm1::DateiLaden1Click(const QString& baseFile, const QString& code)
{
    const LanguagePaths paths = languagePaths(baseFile, code);
    const std::optional<QStringList> translation = readLanguageLines(paths.translation);
    const std::optional<QStringList> base =
        translation ? readLanguageLines(paths.base) : std::nullopt;
    if (!base) return false;

    RecordLookup lookup{LineBuffer(*base), LineBuffer(*translation)};
    applyTexts(languageWindows(), lookup);
    if (const auto options = readLanguageLines(paths.options))
        m_parameterPage->setOptionItems(*options);
    if (const auto messages = readLanguageLines(paths.messages))
        m_state.messages.replaceAll(*messages);
    loadQtTranslations(qtLanguageCode(code));

    // The texts the windows compose follow the new language at once.
    keepRestCaptions();
    m_form5->showOptionItems(m_state.messages);
    composeDigitSum(m_state);
    showDraw();
    showDrawTable();
    m_state.notifyRunChanged();
    return true;
}

void TForm1::Dateispeichern1Click()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Textdatei (*.txt)");
    request.defaultExtension = QStringLiteral("txt");
    const QString path = m_services.dialogs.saveFileName(request);
    if (path.isEmpty()) return;
    QString error;
    if (!writeTemplate(path, makeTemplate(collectTexts(languageWindows())), &error))
        m_services.dialogs.notify(error);
}

// clang-format off
void TForm1::Deutsch1Click() { switchLanguage(1); }
void TForm1::Englich1Click() { switchLanguage(2); }
void TForm1::Franz1Click() { switchLanguage(3); }
void TForm1::Spanisch1Click() { switchLanguage(4); }
void TForm1::Italenisch1Click() { switchLanguage(5); }
void TForm1::Russisch1Click() { switchLanguage(6); }
void TForm1::rkisch1Click() { switchLanguage(7); }
void TForm1::Niederlndisch1Click() { switchLanguage(8); }
void TForm1::Polnisch1Click() { switchLanguage(9); }
void TForm1::schechisch1Click() { switchLanguage(10); }
void TForm1::Ungarisch1Click() { switchLanguage(11); }
void TForm1::Grischisch1Click() { switchLanguage(12); }
void TForm1::Schwedisch1Click() { switchLanguage(13); }
void TForm1::Norwegisch1Click() { switchLanguage(14); }
void TForm1::Dnisch1Click() { switchLanguage(15); }
void TForm1::Slowakisch1Click() { switchLanguage(16); }
void TForm1::Finnisch1Click() { switchLanguage(17); }
void TForm1::Portugisisch1Click() { switchLanguage(18); }
void TForm1::Chinese1Click() { switchLanguage(19); }
// clang-format on

}  // namespace kw
