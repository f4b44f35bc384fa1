#include "printing/tip_printout.h"

#include <cmath>

#include "draws/day_count.h"
#include "evaluation/sheet_evaluation.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "state/main_state.h"
#include "tips/integer_text.h"
#include "tips/shown_tips.h"
#include "tips/text_file.h"

namespace kw {

namespace {

constexpr int kTipNumbers = 5;

// "Tipp:  3   12   17   25   40" after the label; false with *error at a field
// that is no whole number.
bool appendTipLine(QStringList& lines, const QString& label, const QString& tipWord,
                   const std::array<QStringView, kTipNumbers>& fields, QString* error)
{
    QString line = label + tipWord + QStringLiteral(": ");
    for (int f = 0; f < kTipNumbers; ++f) {
        const auto number = parseInteger(fields[f]);
        if (!number) {
            *error = QStringLiteral("'%1' ist kein gültiger Integerwert").arg(fields[f]);
            return false;
        }
        if (f > 0) line += QStringLiteral("   ");
        line += QStringLiteral("%1").arg(*number, 2);
    }
    lines << line;
    return true;
}

}  // namespace

std::optional<QStringList> tipPrintoutLines(const MainState& state, QString* error)
{
    const MessageTable& m = state.messages;
    const QDate nextDraw = dateFromDayCount(std::floor(state.Datum1) + 1);
    QStringList lines{m.text(32) + nextDraw.toString(QStringLiteral("dd.MM.yyyy")),
                      QString(46, QLatin1Char('~')), QString()};
    const QString tipWord = m.text(28);
    std::array<QStringView, kTipNumbers> fields;
    if (listShown(state)) {
        QString collapsed;
        for (int i = 0; i < state.Gewinnzahlen.size(); ++i) {
            const RowEntries entries = splitListLine(state.Gewinnzahlen[i], collapsed);
            std::copy_n(entries.begin(), kTipNumbers, fields.begin());
            const QString label = QStringLiteral("%1. ").arg(i + 1, 3);
            if (!appendTipLine(lines, label, tipWord, fields, error)) return std::nullopt;
        }
    } else {
        std::array<QString, kTipNumbers> cells;
        for (int row = 1; row <= kTipRowCount; ++row) {
            if (state.sheet.cell(row, 1).isEmpty()) continue;
            for (int c = 0; c < kTipNumbers; ++c) {
                cells[c] = state.sheet.cell(row, c + 1);
                fields[c] = cells[c];
            }
            const QString label = QStringLiteral("%1. ").arg(row, 2);
            if (!appendTipLine(lines, label, tipWord, fields, error)) return std::nullopt;
        }
    }
    return lines;
}

void printTips(const MainState& state, Services& services)
{
    QString error;
    const auto lines = tipPrintoutLines(state, &error);
    const QString path = state.Home + QStringLiteral("Tipp.txt");
    if (!lines || !writeTextLines(path, *lines, &error) || !services.shell.openUrl(path, &error))
        services.dialogs.notify(error);
}

}  // namespace kw
