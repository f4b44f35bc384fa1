// kugelwart-cli: the program's generation and statistics without windows, on
// the same DataFolder, settings and code as the window.
//
//   kugelwart-cli generate [options]      one generated row per line, then the status
//   kugelwart-cli stats KIND [N] [options] "x y" per bar, "min max", then the caption
//   kugelwart-cli print [options]         the lines of the printout "Tipp.txt"
//   kugelwart-cli evaluate [options]      one result line per row, then "h c count"
//   kugelwart-cli analyse parameters|database [options]
//                                         the lines of the analysis report "Test.txt"
//   kugelwart-cli slip [--list FILE] [--template FILE] --pdf OUT.pdf
//                                         the tips as crosses on slips, one page each
//   kugelwart-cli script --template FILE  the filled click scripts, "----" between two
//   kugelwart-cli odds [--list FILE]      the odds of the tips, as "Chancen.txt" holds them
//   kugelwart-cli wheel --numbers a,b,... --guarantee T --if M [--seconds S] [--seed N]
//                                         a wheel's rows, "Reihen: N", the proof, the bound
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "evaluation/history_analysis.h"
#include "evaluation/odds.h"
#include "evaluation/sheet_evaluation.h"
#include "evaluation/wheel.h"
#include "generation/generation_run.h"
#include "online/click_export.h"
#include "platform/dialogs.h"
#include "platform/ini_settings_store.h"
#include "platform/report/report_painter.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/system_clock.h"
#include "printing/slip_report.h"
#include "printing/tip_printout.h"
#include "state/main_state.h"
#include "state/program_folder.h"
#include "state/startup.h"
#include "stats/statistics.h"
#include "tips/integer_text.h"
#include "tips/text_file.h"
#include "tips/tip_files.h"
#include "tips/tip_operations.h"

namespace {

constexpr int kUsage = 2;
constexpr int kFailed = 1;

const char* const kHelp =
    "usage: kugelwart-cli generate [options]\n"
    "       kugelwart-cli stats KIND [N] [options]\n"
    "       kugelwart-cli print [--list FILE] [--date YYYY-MM-DD] [options]\n"
    "       kugelwart-cli evaluate [--date YYYY-MM-DD] [--list FILE] [options]\n"
    "       kugelwart-cli analyse parameters [--baseline K] [options]\n"
    "       kugelwart-cli analyse database [--threshold T] [options]\n"
    "       kugelwart-cli slip [--list FILE] [--template FILE] --pdf OUT.pdf [options]\n"
    "       kugelwart-cli script --template FILE [--list FILE] [--today YYYY-MM-DD]\n"
    "       kugelwart-cli odds [--list FILE] [options]\n"
    "       kugelwart-cli wheel --numbers a,b,c,... --guarantee T --if M [--seconds S]\n"
    "                           [--seed N]\n"
    "       kugelwart-cli --version\n"
    "KIND: frequency, overdue, sums, pairs, triples, quadruples, pairs-with N (1..42), extra\n"
    "evaluate: the saved sheet, or the tip list in FILE, against the draw on or after the\n"
    "  date (else the last draw): per sheet row the numbers (* marks a hit), TAB, the hits,\n"
    "  TAB, the sum; per list line the numbers, TAB, the hits; then \"h c count\" for every\n"
    "  hit class counted\n"
    "options:\n"
    "  --data-folder DIR   the folder holding ZahlenKK.dat (default: the program's DataFolder)\n"
    "  --seed N            seed of the random generator (default: from the clock)\n"
    "  --rows N            rows to generate (default: the saved count)\n"
    "  --start YYYY-MM-DD  start of the analysis window\n"
    "  --end YYYY-MM-DD    end of the analysis window; selects the last draw\n"
    "  --set NAME=VALUE    a parameter by its control name, e.g. UpDown1=60, CheckBox18=0\n"
    "  --list FILE         run as the list view with the tip list in FILE\n"
    "  --date YYYY-MM-DD   print, evaluate: the draw on or after that date, else the last\n"
    "                      (default: the draw for today, or for --end)\n"
    "  --threshold T       analyse database: the hits that count as a find (default 5)\n"
    "  --baseline K        analyse parameters: compare with K runs of random tips (1..10000)\n"
    "analyse runs the historic analysis from the --end date on, the parameters' with\n"
    "--seed as the lucky number; every question is answered Yes. It prints the report\n"
    "that the window writes to Test.txt.\n"
    "slip places the saved sheet's tips, or the list in FILE, as crosses on slips as the\n"
    "  positioning dialog \"Positionierung des Scheindruckes\" would print them: with its\n"
    "  saved geometry, or the geometry read from the template (--template, else the saved\n"
    "  one, else schein.fr3 in the program folder); every slip is one page of OUT.pdf\n"
    "script fills the click-script template FILE with the shown tips (or the tip list in\n"
    "  --list FILE) as the export for the web robot does, twelve tips per script, the draw\n"
    "  day by the weekday of --today (default: today), and prints each script, a line\n"
    "  \"----\" between two. It writes no file and starts nothing.\n"
    "odds counts the saved sheet's tips, or the list in FILE, against all 850668 draws\n"
    "  and prints the lines \"Ziehungen: N\", \"5 Richtige: N\", \"4 Richtige: N\",\n"
    "  \"3 Richtige: N\" (the best row has exactly that many hits), \"Gewinn: N\" and\n"
    "  \"unter 2 Richtigen: N\", then the table beside random tips, with the average\n"
    "  quotas and the saved stake per tip. It writes no file.\n"
    "wheel builds rows of five of the 6 to 24 given numbers (1..42) such that, when M of\n"
    "  them are drawn, some row has at least T of them (2 <= T <= M <= 5); it searches for\n"
    "  S seconds (default 5) or until no smaller wheel can exist, with the seed N\n"
    "  (default 1), then checks every case and prints one row per line, \"Reihen: N\",\n"
    "  \"Garantie gepr\xC3\xBC"
    "ft: K F\xC3\xA4lle\" (or the case no row meets, with exit status 1)\n"
    "  and \"Schranke: L\", the least number of rows any such wheel needs.\n";

// Messages go to standard error; questions are answered No (or Yes when told so),
// input is cancelled (or answered as told).
class ConsoleDialogs : public kw::Dialogs {
public:
    bool askYesNo(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "%s (%s)\n", qPrintable(text), answerYes ? "Ja" : "Nein");
        return answerYes;
    }
    void notify(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        ++notices;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override
    {
        return input;
    }
    QString openFileName(const kw::FileDialogRequest&) override { return {}; }
    QString saveFileName(const kw::FileDialogRequest&) override { return {}; }
    void setBusy(bool) override {}
    int notices = 0;
    bool answerYes = false;
    std::optional<QString> input;
};

class NoShell : public kw::Shell {
public:
    bool openUrl(const QString&, QString* error) override { return refuse(error); }
    bool openInEditor(const QString&, QString* error) override { return refuse(error); }
    bool startProgram(const QString&, const QString&, QString* error) override
    {
        return refuse(error);
    }

private:
    static bool refuse(QString* error)
    {
        if (error) *error = QStringLiteral("nicht ohne Fenster");
        return false;
    }
};

class Silence : public kw::Sound {
public:
    void play(const QString&) override {}
};

int fail(int code, const QString& message)
{
    std::fprintf(stderr, "kugelwart-cli: %s\n", qPrintable(message));
    if (code == kUsage) std::fputs(kHelp, stderr);
    return code;
}

std::optional<kw::DayCount> parseDate(const QString& text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) return std::nullopt;
    return kw::dayCountFromDate(date);
}

// "UpDownN=V" or "CheckBoxN=0/1", changed as on the page: the parameters tied to
// it follow. False when the name or value is unknown.
bool applySetting(kw::MainState& state, const QString& assignment)
{
    const qsizetype eq = assignment.indexOf(QLatin1Char('='));
    if (eq < 0) return false;
    const QString name = assignment.left(eq);
    const auto value = kw::parseInteger(assignment.mid(eq + 1));
    if (!value) return false;
    const auto number = [&name](const char* prefix) -> std::optional<int> {
        if (!name.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return std::nullopt;
        return kw::parseInteger(QStringView(name).mid(qsizetype(qstrlen(prefix))));
    };
    std::optional<kw::Param> param;
    if (const auto n = number("UpDown"); n && *n >= 1 && *n <= kw::kUpDownCount)
        param = kw::upDownParam(*n);
    else if (const auto box = number("CheckBox"); box)
        param = kw::checkBoxParam(*box);
    if (!param) return false;
    if (*param == kw::Param::RowCount) state.setParameterMaximum(*param, kw::kMaxListRows);
    state.setParameter(*param, kw::paramSpec(*param).isCheckBox() ? *value != 0 : *value);
    return true;
}

void printRow(QTextStream& out, const QStringList& numbers)
{
    out << numbers.join(QLatin1Char(' ')) << '\n';
}

// What the window shows of the last evaluation: each sheet row's cells (hits marked),
// hit count and sum, or each list line's numbers and result; then the class counts.
void printEvaluation(QTextStream& out, const kw::MainState& state)
{
    if (state.listView) {
        QString collapsed;
        for (qsizetype i = 0; i < state.Gewinnzahlen.size(); ++i) {
            const kw::RowEntries fields = kw::splitListLine(state.Gewinnzahlen[i], collapsed);
            QStringList numbers;
            for (int f = 0; f < 5; ++f) numbers << fields[f].toString();
            out << numbers.join(QLatin1Char(' ')) << '\t' << state.Gewinne.value(i) << '\n';
        }
    } else {
        const kw::TipSheet& sheet = state.sheet;
        for (int r = 1; r <= kw::kTipRowCount; ++r) {
            QStringList cells;
            for (int c = 1; c <= 5; ++c) {
                const QString cell = sheet.cell(r, c);
                cells << (cell.isEmpty() ? QStringLiteral("-") : cell) +
                             (sheet.isHit(kw::TipSheet::editNumber(r, c)) ? QStringLiteral("*")
                                                                          : QString());
            }
            out << cells.join(QLatin1Char(' ')) << '\t' << sheet.result(r).hits << '\t'
                << sheet.result(r).sum << '\n';
        }
    }
    for (int h = 0; h < static_cast<int>(state.Statistik.size()); ++h)
        for (int c = 0; c < 3; ++c)
            if (state.Statistik[h][c] != 0)
                out << h << ' ' << c << ' ' << state.Statistik[h][c] << '\n';
}

// The tips on slips as "Drucken" in the positioning dialog prints them, without
// questions, into a PDF file.
int printSlips(kw::MainState& state, kw::Services& services, const QString& listFile,
               const QString& templateFile, const QString& pdfFile)
{
    QString error;
    QStringList tips;
    if (listFile.isEmpty()) {
        tips = kw::sheetFiveNumberLines(state.sheet);
    } else {
        const auto lines = kw::readTextLines(listFile, &error);
        if (!lines) return fail(kFailed, error);
        tips = *lines;
    }
    tips = kw::normaliseSlipList(tips);
    if (tips.join(QString()).trimmed().isEmpty()) return fail(kFailed, QStringLiteral("no tips"));

    // The window opens the dialog with this template; the saved one replaces it.
    kw::SlipSettings settings;
    settings.templateName = QStringLiteral("SK_Sachsen.fr3");
    const bool stored = kw::readSlipSettings(services.settings, kw::kSettingsKey, settings);
    if (!templateFile.isEmpty()) {
        if (!QFileInfo(templateFile).isFile())
            return fail(kFailed, QStringLiteral("no template %1").arg(templateFile));
        settings.templateName = templateFile;
    }
    kw::SlipReport slip;
    const QString problem =
        slip.load(settings.templateName, settings.picture, services.programFolder);
    if (!problem.isEmpty()) return fail(kFailed, problem);

    kw::SlipPlacing placing;
    placing.cross = settings.cross;
    placing.fontSize = settings.fontSize;
    if (stored) {
        const auto geometry = kw::slipGeometry(settings, &error);
        if (!geometry) return fail(kFailed, error);
        placing.geometry = *geometry;
        slip.applyPaper(settings);
        slip.report().prepare();
    } else {
        QString missing;
        const auto points = slip.calibration(&missing);
        if (!points)
            return fail(kFailed, QStringLiteral("Fehler kann Feld %1 nicht finden").arg(missing));
        kw::SlipGeometry counts;
        counts.numbersPerRow = settings.numbersPerRow;
        counts.blockColumns = settings.blockColumns;
        counts.blockRows = settings.blockRows;
        placing.geometry = kw::calibratedGeometry(*points, counts, settings.rowsPerBlock);
    }
    const auto pages = kw::allSlipPages(slip, tips, placing, services.dialogs);
    if (!pages) return kFailed;
    if (!kw::writePdf(pdfFile, *pages, &error)) return fail(kFailed, error);
    QTextStream(stdout) << pages->size() << '\n';
    return 0;
}

// What OnlineTippClick fills for the shown tips (or the list in listFile): the tip
// file named by the end date of the CurrentDraw, when there is a draw history.
int printScripts(kw::MainState& state, kw::Services& services, const QString& templateFile,
                 const QString& listFile, const QDate& today)
{
    QString error;
    if (kw::DrawFile(state.drawFilePath()).exists()) kw::selectDrawForDate(state, services);
    if (!listFile.isEmpty()) {
        const auto lines = kw::readTextLines(listFile, &error);
        if (!lines) return fail(kFailed, error);
        state.Gewinnzahlen = kw::normaliseListLines(*lines);
        state.listView = true;
    } else if (state.listView && QFileInfo::exists(kw::listTextFile(state))) {
        const auto lines = kw::readTextLines(kw::listTextFile(state), &error);
        if (!lines) return fail(kFailed, error);
        state.Gewinnzahlen = *lines;
    }
    const auto scripts =
        kw::clickScriptsFor(state, templateFile, kw::clickTipLines(state), today, &error);
    if (!scripts) return fail(kFailed, error);
    QTextStream out(stdout);
    for (qsizetype i = 0; i < scripts->size(); ++i) {
        if (i > 0) out << "----\n";
        for (const QString& line : scripts->at(i)) out << line << '\n';
    }
    return 0;
}

// The odds of the saved sheet's rows, or of the list in listFile; no draw history needed.
int printOdds(kw::MainState& state, const QString& listFile)
{
    if (!listFile.isEmpty()) {
        QString error;
        const auto lines = kw::readTextLines(listFile, &error);
        if (!lines) return fail(kFailed, error);
        state.Gewinnzahlen = kw::normaliseListLines(*lines);
        state.listView = true;
    }
    int skipped = 0;
    const std::vector<kw::TipRow> rows = kw::shownTipRows(state, &skipped);
    const kw::HitQuotas quotas = kw::averageHitQuotas();
    const double stake = state.EinsatzJeTipp / 100.0;
    const auto tips = kw::tipOdds(rows, quotas, stake);
    const kw::OddsFigures random = kw::randomOdds(tips->rows, quotas, stake);
    QTextStream out(stdout);
    for (const QString& line : kw::oddsReportLines(*tips, random, skipped, true, state.messages))
        out << line << '\n';
    return 0;
}

// The wheel of the given numbers; needs neither the DataFolder nor the settings.
int printWheel(QStringList args)
{
    std::vector<int> numbers;
    std::optional<int> hits, drawn;
    double seconds = 5;
    std::uint64_t seed = 1;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        static const QStringList known{QStringLiteral("--numbers"), QStringLiteral("--guarantee"),
                                       QStringLiteral("--if"), QStringLiteral("--seconds"),
                                       QStringLiteral("--seed")};
        if (!known.contains(option))
            return fail(kUsage, QStringLiteral("unknown option '%1'").arg(option));
        if (args.isEmpty()) return fail(kUsage, QStringLiteral("%1 needs a value").arg(option));
        const QString value = args.takeFirst();
        if (option == QLatin1String("--numbers")) {
            numbers.clear();
            for (const QString& field : value.split(QLatin1Char(','))) {
                const auto n = kw::parseInteger(field.trimmed());
                if (!n) return fail(kUsage, QStringLiteral("'%1' is not a number").arg(field));
                numbers.push_back(*n);
            }
        } else if (option == QLatin1String("--guarantee") || option == QLatin1String("--if")) {
            const auto n = kw::parseInteger(value);
            if (!n) return fail(kUsage, QStringLiteral("%1 needs a whole number").arg(option));
            (option == QLatin1String("--if") ? drawn : hits) = *n;
        } else if (option == QLatin1String("--seconds")) {
            bool ok = false;
            seconds = value.toDouble(&ok);
            if (!ok || seconds <= 0 || seconds > 3600)
                return fail(kUsage, QStringLiteral("--seconds needs a time above 0, at most 3600"));
        } else if (option == QLatin1String("--seed")) {
            const auto n = kw::parseInteger(value);
            if (!n) return fail(kUsage, QStringLiteral("--seed needs a whole number"));
            seed = static_cast<std::uint64_t>(*n);
        } else {
            return fail(kUsage, QStringLiteral("unknown option '%1'").arg(option));
        }
    }
    if (numbers.empty()) return fail(kUsage, QStringLiteral("wheel needs --numbers"));
    if (!hits || !drawn)
        return fail(kUsage, QStringLiteral("wheel needs --guarantee T and --if M"));
    const kw::WheelGuarantee guarantee{*hits, *drawn};
    const QString problem = kw::wheelInputError(numbers, guarantee);
    if (!problem.isEmpty()) return fail(kUsage, problem);

    kw::WheelLimits limits;
    limits.seconds = seconds;
    limits.seed = seed;
    const kw::WheelResult wheel = kw::buildWheel(numbers, guarantee, limits);
    const kw::WheelProof proof = kw::proveWheel(numbers, wheel.rows, guarantee);
    QTextStream out(stdout);
    for (const kw::TipRow& row : wheel.rows) {
        QStringList fields;
        for (int n : row) fields << QString::number(n);
        printRow(out, fields);
    }
    out << "Reihen: " << wheel.rows.size() << '\n';
    if (proof.holds) {
        out << QStringLiteral("Garantie gepr\u00FCft: %1 F\u00E4lle").arg(proof.cases) << '\n';
    } else {
        QStringList drawnNumbers;
        for (int n : proof.failingCase) drawnNumbers << QString::number(n);
        out << QStringLiteral("Garantie verletzt: gezogen %1, keine Reihe hat %2 davon")
                   .arg(drawnNumbers.join(QLatin1Char(' ')))
                   .arg(guarantee.hits)
            << '\n';
    }
    out << "Schranke: " << kw::wheelLowerBound(static_cast<int>(numbers.size()), guarantee) << '\n';
    return proof.holds ? 0 : kFailed;
}

}  // namespace

int main(int argc, char** argv)
{
    // The slip's PDF paints text, which needs Qt Gui's fonts; no display is needed.
    const bool slip = argc > 1 && qstrcmp(argv[1], "slip") == 0;
    if (slip && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        slip ? std::make_unique<QGuiApplication>(argc, argv)
             : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("Quendels Kleinkugel"));
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help")) {
        std::fputs(kHelp, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? kUsage : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        std::puts("kugelwart-cli " KUGELWART_VERSION);
        return 0;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("wheel")) return printWheel(args);
    QString kind;
    int pairsWith = 0;
    if (command == QLatin1String("stats")) {
        if (args.isEmpty() || args.first().startsWith(QLatin1String("--")))
            return fail(kUsage, QStringLiteral("stats needs a KIND"));
        kind = args.takeFirst();
        if (kind == QLatin1String("pairs-with")) {
            const auto n = args.isEmpty() ? std::nullopt : kw::parseInteger(args.takeFirst());
            if (!n || *n < 1 || *n > 42)
                return fail(kUsage, QStringLiteral("pairs-with needs a number 1..42"));
            pairsWith = *n;
        }
    } else if (command == QLatin1String("analyse")) {
        kind = args.isEmpty() ? QString() : args.takeFirst();
        if (kind != QLatin1String("parameters") && kind != QLatin1String("database"))
            return fail(kUsage, QStringLiteral("analyse needs parameters or database"));
    } else if (command != QLatin1String("generate") && command != QLatin1String("print") &&
               command != QLatin1String("evaluate") && command != QLatin1String("slip") &&
               command != QLatin1String("script") && command != QLatin1String("odds")) {
        return fail(kUsage, QStringLiteral("unknown command '%1'").arg(command));
    }

    QString dataFolder, listFile, templateFile, pdfFile;
    std::optional<QDate> today;
    std::optional<std::uint32_t> seed;
    std::optional<int> rows;
    std::optional<kw::DayCount> start, end, drawDate;
    std::optional<QString> threshold;
    int baseline = 0;
    QStringList settings;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        static const QStringList known{
            QStringLiteral("--data-folder"), QStringLiteral("--seed"),
            QStringLiteral("--rows"),        QStringLiteral("--start"),
            QStringLiteral("--end"),         QStringLiteral("--set"),
            QStringLiteral("--list"),        QStringLiteral("--template"),
            QStringLiteral("--pdf"),         QStringLiteral("--threshold"),
            QStringLiteral("--baseline"),    QStringLiteral("--today"),
            QStringLiteral("--date")};
        if (!known.contains(option))
            return fail(kUsage, QStringLiteral("unknown option '%1'").arg(option));
        if (args.isEmpty()) return fail(kUsage, QStringLiteral("%1 needs a value").arg(option));
        const QString value = args.takeFirst();
        if (option == QLatin1String("--data-folder")) {
            dataFolder = value;
        } else if (option == QLatin1String("--seed")) {
            const auto n = kw::parseInteger(value);
            if (!n) return fail(kUsage, QStringLiteral("--seed needs a whole number"));
            seed = static_cast<std::uint32_t>(*n);
        } else if (option == QLatin1String("--rows")) {
            rows = kw::parseInteger(value);
            if (!rows || *rows < 1 || *rows > kw::kMaxListRows)
                return fail(kUsage, QStringLiteral("--rows needs 1..6500"));
        } else if (option == QLatin1String("--start") || option == QLatin1String("--end")) {
            const auto date = parseDate(value);
            if (!date)
                return fail(kUsage, QStringLiteral("%1 needs a date YYYY-MM-DD").arg(option));
            (option == QLatin1String("--start") ? start : end) = date;
        } else if (option == QLatin1String("--set")) {
            settings << value;
        } else if (option == QLatin1String("--list") && command != QLatin1String("stats")) {
            listFile = value;
        } else if (option == QLatin1String("--template") && command == QLatin1String("slip")) {
            templateFile = value;
        } else if (option == QLatin1String("--pdf") && command == QLatin1String("slip")) {
            pdfFile = value;
        } else if (option == QLatin1String("--threshold") && kind == QLatin1String("database")) {
            if (!kw::parseInteger(value))
                return fail(kUsage, QStringLiteral("--threshold needs a whole number"));
            threshold = value;
        } else if (option == QLatin1String("--baseline") && kind == QLatin1String("parameters")) {
            const auto runs = kw::parseInteger(value);
            if (!runs || *runs < 1 || *runs > kw::kMaxRandomRuns)
                return fail(kUsage, QStringLiteral("--baseline needs 1..10000"));
            baseline = *runs;
        } else if (option == QLatin1String("--template") && command == QLatin1String("script")) {
            templateFile = value;
        } else if (option == QLatin1String("--today") && command == QLatin1String("script")) {
            today = QDate::fromString(value, Qt::ISODate);
            if (!today->isValid())
                return fail(kUsage, QStringLiteral("--today needs a date YYYY-MM-DD"));
        } else if (option == QLatin1String("--date") &&
                   (command == QLatin1String("print") || command == QLatin1String("evaluate"))) {
            drawDate = parseDate(value);
            if (!drawDate) return fail(kUsage, QStringLiteral("--date needs a date YYYY-MM-DD"));
        } else {
            return fail(kUsage, QStringLiteral("unknown option '%1'").arg(option));
        }
    }

    if (command == QLatin1String("slip") && pdfFile.isEmpty())
        return fail(kUsage, QStringLiteral("slip needs --pdf OUT.pdf"));
    if (command == QLatin1String("generate") && rows && *rows > kw::kTipRowCount &&
        listFile.isEmpty())
        return fail(kUsage, QStringLiteral("--rows above 12 needs --list FILE: the sheet holds "
                                           "twelve rows, a tip list up to 6500"));

    ConsoleDialogs dialogs;
    NoShell shell;
    Silence sound;
    kw::SystemClock clock;
    kw::IniSettingsStore store(kw::IniSettingsStore::defaultFilePath());
    kw::Services services{dialogs,
                          shell,
                          sound,
                          clock,
                          store,
                          qEnvironmentVariable("APPDATA"),
                          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          kw::programFolderPath(QCoreApplication::applicationDirPath())};
    kw::MainState state;
    if (!kw::prepareState(state, services, dataFolder)) return kFailed;
    const kw::StartSettings saved = kw::loadStartSettings(state, services);
    kw::finishStartup(state, services, saved.analysisStartRead);
    if (command == QLatin1String("slip"))
        return printSlips(state, services, listFile, templateFile, pdfFile);
    if (command == QLatin1String("script")) {
        if (templateFile.isEmpty())
            return fail(kUsage, QStringLiteral("script needs --template FILE"));
        return printScripts(state, services, templateFile, listFile, today.value_or(clock.today()));
    }
    if (command == QLatin1String("odds")) return printOdds(state, listFile);
    if (!kw::DrawFile(state.drawFilePath()).exists())
        return fail(kFailed, QStringLiteral("no draw history at %1").arg(state.drawFilePath()));
    QString error;
    if (!kw::DrawFile(state.drawFilePath()).readAll(&error)) return fail(kFailed, error);

    // As the window's first show: the CurrentDraw for today, whose date ends the window.
    kw::selectDrawForDate(state, services);
    for (const QString& assignment : std::as_const(settings))
        if (!applySetting(state, assignment))
            return fail(kUsage, QStringLiteral("cannot set '%1'").arg(assignment));
    if (start && !state.DateTimePicker2.setDate(*start))
        return fail(kUsage, QStringLiteral("--start before 2018-01-01"));
    if (end && !state.DateTimePicker1.setDate(*end))
        return fail(kUsage, QStringLiteral("--end before 2018-01-01"));
    if (seed) state.random.setSeed(*seed);

    QTextStream out(stdout);
    if (command == QLatin1String("stats")) {
        state.UpDown21 = pairsWith;
        if (kind == QLatin1String("frequency"))
            kw::frequencyChart(state, services);
        else if (kind == QLatin1String("overdue"))
            kw::overdueChart(state, services);
        else if (kind == QLatin1String("sums"))
            kw::sumsChart(state, services);
        else if (kind == QLatin1String("pairs"))
            kw::runChart(state, services, kw::RunLength::Pairs);
        else if (kind == QLatin1String("triples"))
            kw::runChart(state, services, kw::RunLength::Triples);
        else if (kind == QLatin1String("quadruples"))
            kw::runChart(state, services, kw::RunLength::Quadruples);
        else if (kind == QLatin1String("pairs-with"))
            kw::pairsWithChart(state, services);
        else if (kind == QLatin1String("extra"))
            kw::extraNumberChart(state, services);
        else
            return fail(kUsage, QStringLiteral("unknown statistic '%1'").arg(kind));
        for (const kw::ChartPoint& p : state.chart.points()) out << p.x << ' ' << p.y << '\n';
        out << state.chart.minimum() << ' ' << state.chart.maximum() << '\n'
            << state.chart.title() << '\n';
        return 0;
    }

    if (!listFile.isEmpty()) {
        const auto lines = kw::readTextLines(listFile, &error);
        if (!lines) return fail(kFailed, error);
        state.Gewinnzahlen = kw::normaliseListLines(*lines);
        state.listView = true;
        state.setParameterMaximum(kw::Param::RowCount, kw::kMaxListRows);
    }

    if (command == QLatin1String("print")) {
        if (drawDate) {
            if (!state.DateTimePicker1.setDate(*drawDate))
                return fail(kUsage, QStringLiteral("--date before 2018-01-01"));
            kw::selectDrawForDate(state, services);
        }
        const auto lines = kw::tipPrintoutLines(state, &error);
        if (!lines) return fail(kFailed, error);
        for (const QString& line : *lines) out << line << '\n';
        return 0;
    }

    if (command == QLatin1String("evaluate")) {
        if (drawDate && !state.DateTimePicker1.setDate(*drawDate))
            return fail(kUsage, QStringLiteral("--date before 2018-01-01"));
        // The counts are those of this evaluation alone (the list's evaluation leaves
        // the counts of 0 and 6 hits as it finds them).
        for (auto& row : state.Statistik) row.fill(0);
        const int notices = dialogs.notices;
        kw::selectDrawForDate(state, services);  // selecting the draw evaluates the tips
        printEvaluation(out, state);
        return dialogs.notices > notices ? kFailed : 0;
    }

    kw::RunHooks hooks;  // no window: nothing to let through, no selection dialog
    if (rows) {
        const int maximum = state.parameterMaximum(kw::Param::RowCount);
        state.setParameterMaximum(kw::Param::RowCount, std::max(maximum, *rows));
        state.setParameter(kw::Param::RowCount, *rows);
    }
    const int notices = dialogs.notices;
    if (command == QLatin1String("analyse")) {
        dialogs.answerYes = true;
        std::optional<QStringList> report;
        if (kind == QLatin1String("parameters")) {
            // The lucky number's question offers the seed, which the answer keeps.
            report = kw::analyseParameters(state, services, hooks, baseline);
        } else {
            dialogs.input = threshold.value_or(QStringLiteral("5"));
            report = kw::analyseDatabase(state, services, hooks);
        }
        if (!report) return fail(kFailed, QStringLiteral("no report"));
        for (const QString& line : *report) out << line << '\n';
        return dialogs.notices > notices ? kFailed : 0;
    }
    const qsizetype before = state.Gewinnzahlen.size();
    kw::BrechnungStart(state, services, hooks);
    int printed = 0;
    if (listFile.isEmpty()) {
        for (int r = 1; r <= kw::kTipRowCount; ++r) {
            if (state.sheet.cell(r, 1).isEmpty()) continue;
            QStringList numbers;
            for (int c = 1; c <= 5; ++c) numbers << state.sheet.cell(r, c);
            printRow(out, numbers);
            printed += state.sheet.cell(r, 1) != QLatin1String("0");  // an exhausted row is 0
        }
    } else {
        printed = static_cast<int>(state.Gewinnzahlen.size() - before);
        QString collapsed;
        for (qsizetype i = before; i < state.Gewinnzahlen.size(); ++i) {
            const kw::RowEntries fields = kw::splitListLine(state.Gewinnzahlen[i], collapsed);
            QStringList numbers;
            for (int f = 0; f < 5; ++f) numbers << fields[f].toString();
            printRow(out, numbers);
        }
    }
    out << state.statusText(1) << '\n';
    out.flush();
    if (printed == 0)
        return fail(kFailed, QStringLiteral("no row was generated: no candidate met the "
                                            "parameters within the attempts"));
    return dialogs.notices > notices ? kFailed : 0;
}
