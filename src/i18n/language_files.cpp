#include "i18n/language_files.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include "state/atomic_write.h"

namespace kw {

namespace {

constexpr int kBaseRecordLines = 5;
constexpr int kTranslationRecordLines = 2;

QStringList splitLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the final line end
    return lines;
}

// A caption "is a number" when it reads as a floating-point value, in the
// German form ("1,5") or the plain one ("1.5").
bool isNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return false;
    bool ok = false;
    QLocale(QLocale::German).toDouble(trimmed, &ok);
    if (!ok) QLocale::c().toDouble(trimmed, &ok);
    return ok;
}

}  // namespace

const std::array<Language, 19>& languages()
{
    static const std::array<Language, 19> table = {{
        {"Deutsch1", "Deutsch", "de", 1},         {"Englich1", "Englisch", "en", 2},
        {"Franz1", "Französisch", "fr", 3},       {"Spanisch1", "Spanisch", "es", 4},
        {"Italenisch1", "Italienisch", "it", 5},  {"Russisch1", "Russisch", "ru", 6},
        {"rkisch1", "Türkisch", "tr", 7},         {"Niederlndisch1", "Niederländisch", "nl", 8},
        {"Polnisch1", "Polnisch", "pl", 9},       {"schechisch1", "Tschechisch", "cz", 10},
        {"Slowakisch1", "Slowakisch", "sk", 16},  {"Ungarisch1", "Ungarisch", "hu", 11},
        {"Grischisch1", "Griechisch", "gr", 12},  {"Schwedisch1", "Schwedisch", "se", 13},
        {"Norwegisch1", "Norwegisch", "nor", 14}, {"Finnisch1", "Finnisch", "fi", 17},
        {"Dnisch1", "Dänisch", "dae", 15},        {"Portugisisch1", "Portugiesisch", "pt", 18},
        {"Chinese1", "Chinese", "cn", 19},
    }};
    return table;
}

const Language* languageByNumber(int number)
{
    for (const Language& language : languages()) {
        if (language.number == number) return &language;
    }
    return nullptr;
}

QString qtLanguageCode(const QString& code)
{
    static const QHash<QString, QString> differing = {
        {QStringLiteral("cz"), QStringLiteral("cs")},
        {QStringLiteral("gr"), QStringLiteral("el")},
        {QStringLiteral("se"), QStringLiteral("sv")},
        {QStringLiteral("nor"), QStringLiteral("nb")},
        {QStringLiteral("dae"), QStringLiteral("da")},
        {QStringLiteral("pt"), QStringLiteral("pt_PT")},
        {QStringLiteral("cn"), QStringLiteral("zh_CN")},
    };
    return differing.value(code, code);
}

QString languageFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("land"));
}

std::optional<QStringList> readLanguageLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (const auto encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decode(*encoding);  // the byte-order mark is skipped
        return splitLines(decode(bytes));
    }
    QStringDecoder decode("windows-1252");
    return splitLines(decode.isValid() ? QString(decode(bytes)) : QString::fromLatin1(bytes));
}

QString LineBuffer::line(qsizetype index) const
{
    if (index < 0 || index >= m_lines.size()) return {};
    return m_lines.at(index).left(kMaxLineLength);
}

RecordLookup::RecordLookup(LineBuffer base, std::optional<LineBuffer> translation)
    : m_base(std::move(base)), m_translation(std::move(translation))
{
}

std::optional<RecordTexts> RecordLookup::find(const QString& owner, const QString& control)
{
    for (qsizetype record = m_position; record < m_position + kWindow; ++record) {
        const qsizetype first = record * kBaseRecordLines;
        if (first >= m_base.size()) break;  // past the last record
        if (m_base.line(first).trimmed() != owner || m_base.line(first + 1).trimmed() != control)
            continue;
        RecordTexts texts;
        if (m_translation) {
            texts.caption = m_translation->line(record * kTranslationRecordLines);
            texts.hint = m_translation->line(record * kTranslationRecordLines + 1);
        } else {
            texts.caption = m_base.line(first + 2);
            texts.hint = m_base.line(first + 3);
        }
        bool ok = false;
        const int charset = m_base.line(first + 4).trimmed().toInt(&ok);
        if (ok) texts.charset = charset;
        m_position = record;
        return texts;
    }
    return std::nullopt;
}

std::optional<TextChange> changeFor(const ControlTexts& control, RecordLookup& lookup)
{
    const std::optional<RecordTexts> found = lookup.find(control.owner, control.name);
    if (!found || control.tag == kUntranslatedTag) return std::nullopt;
    TextChange change;
    const bool takesCaption = control.kind != ControlKind::Edit &&
                              (control.kind != ControlKind::Label || control.tag == 0);
    if (takesCaption) change.caption = found->caption;
    change.hint = found->hint;
    if (control.kind != ControlKind::MenuItem) change.charset = found->charset;
    return change;
}

bool belongsInTemplate(const ControlTexts& control)
{
    const bool hasText = !control.caption.isEmpty() || !control.hint.isEmpty();
    switch (control.kind) {
    case ControlKind::MenuItem: return control.visible;
    case ControlKind::Label: return hasText && control.tag == 0 && !isNumber(control.caption);
    case ControlKind::CheckBox: return hasText && !isNumber(control.caption);
    case ControlKind::RadioButton:
    case ControlKind::TabSheet:
    case ControlKind::OptionGroup: return true;
    case ControlKind::Edit: return !control.hint.isEmpty() && !isNumber(control.hint);
    case ControlKind::Window:
    case ControlKind::Panel:
    case ControlKind::SpeedButton:
    case ControlKind::Button: return hasText;
    }
    return false;
}

LanguageTemplate makeTemplate(const QList<ControlTexts>& controls)
{
    LanguageTemplate result;
    for (const ControlTexts& control : controls) {
        if (!belongsInTemplate(control)) continue;
        const QString caption = control.kind == ControlKind::Edit ? control.hint : control.caption;
        const QString charset = control.kind == ControlKind::MenuItem
                                    ? QStringLiteral("1")
                                    : QString::number(control.charset);
        result.baseLines << control.owner << control.name << caption << control.hint << charset;
        result.translationLines << caption << control.hint;
    }
    return result;
}

bool writeTemplate(const QString& path, const LanguageTemplate& languageTemplate, QString* error)
{
    QString base;
    for (const QString& line : languageTemplate.baseLines) base += line + QStringLiteral("\r\n");
    QStringEncoder codePage("windows-1252");
    if (!writeFileAtomically(path, codePage(base), error)) return false;

    QString translation;
    for (const QString& line : languageTemplate.translationLines)
        translation += line + QStringLiteral("\r\n");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    return writeFileAtomically(path + QStringLiteral(".trans"), utf16(translation), error);
}

LanguagePaths languagePaths(const QString& baseFile, const QString& code)
{
    const QString folder = QFileInfo(baseFile).path();
    return {baseFile, baseFile + QLatin1Char('.') + code,
            QDir(folder).filePath(QStringLiteral("Radio.txt.") + code),
            QDir(folder).filePath(QStringLiteral("meldungen.txt.") + code)};
}

}  // namespace kw
