#include "printing/slip_settings.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <variant>

#include "platform/settings_store.h"

namespace kw {

namespace {

using Field =
    std::variant<bool SlipSettings::*, int SlipSettings::*, QString SlipSettings::*,
                 std::optional<QString> SlipSettings::*, std::optional<int> SlipSettings::*>;

struct SlipValue {
    QString name;
    Field field;
};

// In the order the dialog writes them; the check boxes come separately.
const std::vector<SlipValue>& slipValues()
{
    static const std::vector<SlipValue> values = {
        {QStringLiteral("AnfangTop"), &SlipSettings::firstTop},
        {QStringLiteral("Anfangleft"), &SlipSettings::firstLeft},
        {QStringLiteral("Hoehe"), &SlipSettings::fieldHeight},
        {QStringLiteral("Breite"), &SlipSettings::fieldWidth},
        {QStringLiteral("BlockTop"), &SlipSettings::blockTop},
        {QStringLiteral("BlockLeft"), &SlipSettings::blockLeft},
        {QStringLiteral("EuroLeft"), &SlipSettings::starIndent},
        {QStringLiteral("EuroTop"), &SlipSettings::starDistance},
        {QStringLiteral("BlockZeilen"), &SlipSettings::rowsPerBlock},
        {QStringLiteral("BlockSpalten"), &SlipSettings::numbersPerRow},
        {QStringLiteral("EuroBreit"), &SlipSettings::starFieldWidth},
        {QStringLiteral("EuroHoch"), &SlipSettings::starFieldHeight},
        {QStringLiteral("EuroZeilen"), &SlipSettings::starRows},
        {QStringLiteral("EuroSpalten"), &SlipSettings::starColumns},
        {QStringLiteral("Zeilen"), &SlipSettings::blockRows},
        {QStringLiteral("Spalten"), &SlipSettings::blockColumns},
        {QStringLiteral("Reportvorlage"), &SlipSettings::templateName},
        {QStringLiteral("BackImage"), &SlipSettings::picture},
        {QStringLiteral("Zeichen"), &SlipSettings::cross},
        {QStringLiteral("FontSize"), &SlipSettings::fontSize},
        {QStringLiteral("PaperSize"), &SlipSettings::paperSize},
        {QStringLiteral("PaperHeight"), &SlipSettings::paperHeight},
        {QStringLiteral("PaperWidth"), &SlipSettings::paperWidth},
        {QStringLiteral("PaperOr"), &SlipSettings::paperOrientation},
    };
    return values;
}

QString checkBoxName(int n)
{
    return QStringLiteral("Checkbox%1").arg(n);
}

int inRange(const QString& name, int value)
{
    for (const SlipIntegerRange& range : slipIntegerRanges())
        if (range.name == name) return std::clamp(value, range.minimum, range.maximum);
    return value;
}

void readValue(const SettingsStore& store, const SlipValue& value, SlipSettings& settings)
{
    std::visit(
        [&](auto member) {
            using Member = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Member, int> ||
                          std::is_same_v<Member, std::optional<int>>) {
                if (const auto read = store.readInteger(value.name))
                    settings.*member = inRange(value.name, *read);
            } else if constexpr (std::is_same_v<Member, bool>) {
                if (const auto read = store.readBool(value.name)) settings.*member = *read;
            } else {
                if (const auto read = store.readString(value.name)) settings.*member = *read;
            }
        },
        value.field);
}

void writeValue(SettingsStore& store, const SlipValue& value, const SlipSettings& settings)
{
    std::visit(
        [&](auto member) {
            const auto& data = settings.*member;
            using Member = std::remove_cvref_t<decltype(data)>;
            if constexpr (std::is_same_v<Member, int>) {
                store.writeInteger(value.name, data);
            } else if constexpr (std::is_same_v<Member, bool>) {
                store.writeBool(value.name, data);
            } else if constexpr (std::is_same_v<Member, QString>) {
                store.writeString(value.name, data);
            } else if constexpr (std::is_same_v<Member, std::optional<int>>) {
                if (data) store.writeInteger(value.name, *data);
            } else {
                if (data) store.writeString(value.name, *data);
            }
        },
        value.field);
}

// The file name as it stands, else the file of that name in the folder.
QString fileOrInFolder(const QString& name, const QString& folder)
{
    if (name.isEmpty()) return {};
    if (QFileInfo(name).isFile()) return name;
    const QString inFolder = QDir(folder).filePath(name);
    return QFileInfo(inFolder).isFile() ? inFolder : QString();
}

}  // namespace

const std::vector<SlipIntegerRange>& slipIntegerRanges()
{
    static const std::vector<SlipIntegerRange> ranges = {
        {QStringLiteral("EuroLeft"), -1000, 1000}, {QStringLiteral("EuroTop"), -1000, 1000},
        {QStringLiteral("BlockZeilen"), 1, 50},    {QStringLiteral("BlockSpalten"), 1, 50},
        {QStringLiteral("EuroZeilen"), 1, 11},     {QStringLiteral("EuroSpalten"), 1, 11},
        {QStringLiteral("Zeilen"), 1, 10},         {QStringLiteral("Spalten"), 1, 10},
        {QStringLiteral("FontSize"), 3, 16},
    };
    return ranges;
}

QString slipSettingsKey(const QString& callerKey)
{
    return callerKey + QStringLiteral("\\druck");
}

bool readSlipSettings(SettingsStore& store, const QString& callerKey, SlipSettings& settings)
{
    const QString key = slipSettingsKey(callerKey);
    if (!store.keyExists(key) || !store.openKey(key, false)) return false;
    for (int n = 1; n <= 4; ++n)
        if (const auto read = store.readBool(checkBoxName(n)))
            settings.checkBoxes[static_cast<std::size_t>(n - 1)] = *read;
    for (const SlipValue& value : slipValues()) readValue(store, value, settings);
    if (store.valueExists(QStringLiteral("Reportvorlage")) && settings.templateName.isEmpty())
        settings.templateName = kSlipTemplateFallback;
    store.closeKey();
    return true;
}

void writeSlipSettings(SettingsStore& store, const QString& callerKey, const SlipSettings& settings)
{
    if (!store.openKey(slipSettingsKey(callerKey), true)) return;
    for (int n = 1; n <= 4; ++n)
        store.writeBool(checkBoxName(n), settings.checkBoxes[static_cast<std::size_t>(n - 1)]);
    for (const SlipValue& value : slipValues()) writeValue(store, value, settings);
    store.closeKey();
}

std::optional<SlipGeometry> slipGeometry(const SlipSettings& settings, QString* error)
{
    SlipGeometry geometry;
    double starWidth = 0, starHeight = 0;
    const std::pair<const QString*, double*> fields[] = {
        {&settings.firstTop, &geometry.firstTop},
        {&settings.firstLeft, &geometry.firstLeft},
        {&settings.fieldHeight, &geometry.fieldHeight},
        {&settings.fieldWidth, &geometry.fieldWidth},
        {&settings.blockTop, &geometry.blockTop},
        {&settings.blockLeft, &geometry.blockLeft},
        // The star block's fields move nothing in this game, but are numbers all the same.
        {&settings.starFieldWidth, &starWidth},
        {&settings.starFieldHeight, &starHeight},
    };
    for (const auto& [text, target] : fields) {
        const auto value = parseDecimal(*text);
        if (!value) {
            if (error) *error = notADecimalMessage(*text);
            return std::nullopt;
        }
        *target = *value;
    }
    geometry.numbersPerRow = settings.numbersPerRow;
    geometry.blockColumns = settings.blockColumns;
    geometry.blockRows = settings.blockRows;
    return geometry;
}

QString slipTemplatePath(const QString& name, const QString& programFolder)
{
    if (const QString found = fileOrInFolder(name, programFolder); !found.isEmpty()) return found;
    const QString fallback = QDir(programFolder).filePath(kSlipTemplateFallback);
    return QFileInfo(fallback).isFile() ? fallback : QString();
}

QString slipPicturePath(const QString& name, const QString& programFolder)
{
    return fileOrInFolder(name, programFolder);
}

}  // namespace kw
