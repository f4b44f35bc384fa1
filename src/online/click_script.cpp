#include "online/click_script.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "platform/settings_store.h"

namespace kw {

namespace {

const QString kYes = QStringLiteral("JA");
const QString kNo = QStringLiteral("NEIN");

QString yesNo(bool value)
{
    return value ? kYes : kNo;
}

QString numberPlaceholder(int k, int b)
{
    return QStringLiteral("[Z%1_%2]").arg(k).arg(b);
}

QString starPlaceholder(int star, int b)
{
    return QStringLiteral("[S%1_%2]").arg(star).arg(b);
}

// The values of one script's placeholders: the seven places of each of its tips
// (the five numbers and the two star numbers; empty without a tip) and the keywords.
using Placeholders = QHash<QString, QString>;

void addTip(Placeholders& values, int b, const QStringList& fields)
{
    for (int k = 1; k <= 5; ++k) values.insert(numberPlaceholder(k, b), fields.value(k - 1));
    values.insert(starPlaceholder(1, b), fields.value(5));
    values.insert(starPlaceholder(2, b), fields.value(6));
}

void addKeywords(Placeholders& values, const ScriptKeywords& keywords)
{
    values.insert(QStringLiteral("[DAUER]"), yesNo(keywords.longTerm));
    values.insert(QStringLiteral("[DIFR]"), yesNo(keywords.tuesday && keywords.friday));
    values.insert(QStringLiteral("[DI]"), yesNo(keywords.tuesday));
    values.insert(QStringLiteral("[FR]"), yesNo(keywords.friday));
    values.insert(QStringLiteral("[MELDUNGFERTIG]"), kScriptMessageReady);
    values.insert(QStringLiteral("[TIPPDATEI]"), keywords.tipFile);
}

// The longest placeholder, "[MELDUNGFERTIG]", with room to spare.
constexpr qsizetype kPlaceholderMaxLength = 20;

// The line with every placeholder replaced in one pass. What a value brings in is
// never read as a placeholder again: a tip that holds another tip's placeholder
// stays as it is, instead of making the script grow with every tip.
QString filledLine(const QString& line, const Placeholders& values)
{
    QString result;
    qsizetype from = 0;
    for (qsizetype open = line.indexOf(QLatin1Char('[')); open >= 0;
         open = line.indexOf(QLatin1Char('['), open + 1)) {
        const qsizetype close =
            QStringView(line).mid(open, kPlaceholderMaxLength).indexOf(QLatin1Char(']'));
        if (close < 0) continue;
        const auto value = values.constFind(line.mid(open, close + 1));
        if (value == values.constEnd()) continue;
        result += QStringView(line).mid(from, open - from);
        result += *value;
        from = open + close + 1;
        open = from - 1;
    }
    result += QStringView(line).mid(from);
    return result;
}

QStringList filledScript(const QStringList& templateLines, const Placeholders& values)
{
    QStringList script;
    script.reserve(templateLines.size());
    for (const QString& line : templateLines) script << filledLine(line, values);
    return script;
}

const QString kScriptValue = QStringLiteral("SternkugelScript");
const QString kZahl1Value = QStringLiteral("SternkugelZahl1");
const QString kText1Value = QStringLiteral("SternkugelText1");
const QString kZahl2Value = QStringLiteral("SternkugelZahl2");
const QString kText2Value = QStringLiteral("SternkugelText2");

}  // namespace

ScriptKeywords drawDaysFor(const QDate& today)
{
    ScriptKeywords keywords;
    const int day = today.dayOfWeek();
    const bool fridayDraw = day >= Qt::Tuesday && day <= Qt::Friday;
    keywords.friday = fridayDraw;
    keywords.tuesday = !fridayDraw;
    return keywords;
}

QString normaliseScriptLine(const QString& line)
{
    QString text = line;
    for (int i = 0; i < 3; ++i) text.replace(QStringLiteral("  "), QStringLiteral(" "));
    text.replace(QLatin1Char(' '), QLatin1Char(','));
    for (int i = 0; i < 2; ++i) text.replace(QStringLiteral("\t\t"), QStringLiteral("\t"));
    text.replace(QLatin1Char('\t'), QLatin1Char(','));
    return text;
}

QList<QStringList> fillClickScripts(const QStringList& templateLines, const QStringList& tipLines,
                                    const ScriptKeywords& keywords)
{
    QList<QStringList> scripts;
    Placeholders values;
    addKeywords(values, keywords);
    int b = 0;
    for (const QString& line : tipLines) {
        if (b == kScriptTips) {
            scripts << filledScript(templateLines, values);
            b = 0;
        }
        ++b;
        addTip(values, b, normaliseScriptLine(line).split(QLatin1Char(',')));
    }
    for (int t = b + 1; t <= kScriptTips; ++t) addTip(values, t, {});
    scripts << filledScript(templateLines, values);
    return scripts;
}

QString scriptFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("Script/");
}

QString defaultScriptPath(const QString& programFolder)
{
    return scriptFolder(programFolder) + QStringLiteral("DE_Lotto_de_Sternkugelpot.qks");
}

RobotParameters readRobotParameters(SettingsStore& settings, const QString& programFolder)
{
    RobotParameters parameters;
    settings.openKey(kRobotKey, true);
    const auto read = [&settings](const QString& name, QString& field) {
        if (const auto value = settings.readString(name)) field = *value;
    };
    parameters.script = defaultScriptPath(programFolder);
    read(kScriptValue, parameters.script);
    if (parameters.script.isEmpty()) parameters.script = defaultScriptPath(programFolder);
    read(kZahl1Value, parameters.zahl1);
    read(kText1Value, parameters.text1);
    read(kZahl2Value, parameters.zahl2);
    read(kText2Value, parameters.text2);
    return parameters;
}

void writeRobotParameters(SettingsStore& settings, const RobotParameters& parameters)
{
    if (!settings.openKey(kRobotKey, true)) return;
    settings.writeString(kScriptValue, parameters.script);
    settings.writeString(kZahl1Value, parameters.zahl1);
    settings.writeString(kText1Value, parameters.text1);
    settings.writeString(kZahl2Value, parameters.zahl2);
    settings.writeString(kText2Value, parameters.text2);
    settings.closeKey();
}

QString robotBesideProgram(const QString& programFolder)
{
    QString base = QDir::fromNativeSeparators(programFolder);
    if (!base.isEmpty() && !base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    const qsizetype maker = base.indexOf(QLatin1String("QUENDEL"), 0, Qt::CaseInsensitive);
    if (maker >= 0) base.truncate(base.indexOf(QLatin1Char('/'), maker) + 1);
    return base + QStringLiteral("Klicklauf/klicklauf.exe");
}

std::optional<QString> findRobot(SettingsStore& settings, const QString& programFolder)
{
    QString robot;
    if (settings.openKey(kRobotSettingsKey, false)) {
        const QString folder = QDir::fromNativeSeparators(
            settings.readString(QStringLiteral("Path")).value_or(QString()).trimmed());
        if (!folder.isEmpty()) robot = QDir::cleanPath(folder + QStringLiteral("/Klicklauf.exe"));
    }
    if (robot.isEmpty()) robot = robotBesideProgram(programFolder);
    if (!QFileInfo(robot).isFile()) return std::nullopt;
    return robot;
}

std::optional<QString> robotCommandLine(const QString& scriptPath,
                                        const RobotParameters& parameters, QString* error)
{
    const std::pair<QString, QString> arguments[] = {
        {QStringLiteral("Quendels Click-Script File"), QDir::toNativeSeparators(scriptPath)},
        {QStringLiteral("ZAHL1"), parameters.zahl1},
        {QStringLiteral("TEXT1"), parameters.text1},
        {QStringLiteral("ZAHL2"), parameters.zahl2},
        {QStringLiteral("TEXT2"), parameters.text2},
    };
    QString line = QStringLiteral("START");
    for (const auto& [label, value] : arguments) {
        const bool unsafe = value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n')) ||
                            value.contains(QLatin1Char('\r'));
        if (unsafe) {
            if (error)
                *error = label + QStringLiteral(
                                     ": Anführungszeichen und Zeilenumbrüche können "
                                     "Klicklauf nicht übergeben werden");
            return std::nullopt;
        }
        line += QStringLiteral(" \"") + value + QLatin1Char('"');
    }
    return line;
}

QString filledScriptPath(const QString& tipFolder, const QDate& today)
{
    return tipFolder + today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".qks");
}

}  // namespace kw
