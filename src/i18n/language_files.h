#pragma once
// The language files in the program folder's "land": which languages there are,
// how their files are read, how a control's record is found in them, and the
// template that translators start from. Windows are visited by the interface;
// this side knows records and texts only.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kw {

struct Language {
    const char* menuItem;  // the object name of its menu item
    const char* caption;   // its German caption (UTF-8)
    const char* code;      // the file name ending
    int number;            // the saved value "Sprache"
};

// The nineteen languages in the order of the menu.
const std::array<Language, 19>& languages();
// The language saved as number, or nullptr (0: none was ever chosen).
const Language* languageByNumber(int number);
// The catalogue name of Qt's own texts for a language code ("cz" is Qt's "cs").
QString qtLanguageCode(const QString& code);

// The folder of the language files, beside the program: "<folder>/land".
QString languageFolder(const QString& programFolder);
inline const QString kBaseFileName = QStringLiteral("Kleinkugel.txt");

// The lines of a language file: a byte-order mark selects UTF-8 or UTF-16 (either
// order), without one the text is Windows-1252. nullopt when it cannot be read.
std::optional<QStringList> readLanguageLines(const QString& path);

// Lines by number: beyond the end the empty text, every line cut to 4096 characters.
class LineBuffer {
public:
    static constexpr int kMaxLineLength = 4096;
    LineBuffer() = default;
    explicit LineBuffer(QStringList lines) : m_lines(std::move(lines)) {}
    QString line(qsizetype index) const;
    qsizetype size() const { return m_lines.size(); }

private:
    QStringList m_lines;
};

struct RecordTexts {
    QString caption;
    QString hint;
    std::optional<int> charset;  // only from the base file, when its fifth line is a number
};

// Finds the record of a control from the current search position up to ten
// records further; a found record becomes the new position. Base and translation
// correspond by record number (five lines against two).
class RecordLookup {
public:
    static constexpr int kWindow = 11;
    RecordLookup(LineBuffer base, std::optional<LineBuffer> translation);
    std::optional<RecordTexts> find(const QString& owner, const QString& control);
    qsizetype position() const { return m_position; }

private:
    LineBuffer m_base;
    std::optional<LineBuffer> m_translation;
    qsizetype m_position = 0;
};

// What a control is for the language files.
enum class ControlKind {
    Window,
    MenuItem,
    Label,
    Panel,
    SpeedButton,
    Button,
    CheckBox,
    RadioButton,
    TabSheet,
    OptionGroup,
    Edit,
};

// The texts of one window or control as the interface holds them.
struct ControlTexts {
    QString owner;  // the window's name
    QString name;   // the control's name (a window's own: the window's name)
    ControlKind kind = ControlKind::Label;
    QString caption;
    QString hint;
    int tag = 0;
    bool visible = true;
    int charset = 1;
};

// Tag of the labels no language touches (banners, links).
inline constexpr int kUntranslatedTag = 8;
// Tag of labels that show values: their hints are translated, their captions not.
inline constexpr int kValueLabelTag = 1;

// The texts a control takes from its found record: nullopt leaves it unchanged.
struct TextChange {
    std::optional<QString> caption;
    QString hint;
    std::optional<int> charset;
};
std::optional<TextChange> changeFor(const ControlTexts& control, RecordLookup& lookup);

// The base file and its translation buffer as the template writer makes them.
struct LanguageTemplate {
    QStringList baseLines;
    QStringList translationLines;
};
// Whether control gets a record in a template, and the record's lines.
bool belongsInTemplate(const ControlTexts& control);
LanguageTemplate makeTemplate(const QList<ControlTexts>& controls);
// F in Windows-1252 with CR LF, F + ".trans" in UTF-16 LE with a byte-order mark.
bool writeTemplate(const QString& path, const LanguageTemplate& languageTemplate, QString* error);

// The files of one language beside the base file.
struct LanguagePaths {
    QString base;         // <land>/Kleinkugel.txt
    QString translation;  // base + "." + code
    QString options;      // <land>/Radio.txt.<code>
    QString messages;     // <land>/meldungen.txt.<code>
};
LanguagePaths languagePaths(const QString& baseFile, const QString& code);

}  // namespace kw
