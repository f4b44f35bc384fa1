#include "tips/tip_operations.h"

#include <QFileInfo>

#include "evaluation/sheet_evaluation.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "state/main_state.h"
#include "tips/shown_tips.h"
#include "tips/text_file.h"

namespace kw {

namespace {

QString sheetRowLine(const TipSheet& sheet, int row, bool withStars)
{
    QStringList fields;
    for (int c = 1; c <= 5; ++c) fields << sheet.cell(row, c);
    QString line = fields.join(QLatin1Char('\t'));
    if (withStars)
        line +=
            QStringLiteral("\t\t\t") + sheet.cell(row, 6) + QLatin1Char('\t') + sheet.cell(row, 7);
    return line;
}

void appendSheetRows(MainState& state, bool withStars)
{
    for (int r = 1; r <= kTipRowCount; ++r)
        if (!state.sheet.cell(r, 1).isEmpty())
            state.Gewinnzahlen << sheetRowLine(state.sheet, r, withStars);
}

void setListShown(MainState& state, bool shown)
{
    state.listView = shown;
    state.SpeedButton28Visible = shown;
    state.notifyViewChanged();
}

}  // namespace

void clearTips(MainState& state, Services& services)
{
    const MessageTable& m = state.messages;
    if (state.run.goingOn(Task::Generation) && !services.dialogs.askYesNo(m.text(71), m.text(72)))
        return;
    if (listShown(state)) {
        state.Gewinnzahlen.clear();
        state.Gewinne.clear();
        state.notifyListChanged();
        return;
    }
    clearUnlockedRows(state);
}

void clearUnlockedRows(MainState& state)
{
    TipSheet& sheet = state.sheet;
    for (int r = 1; r <= kTipRowCount; ++r) {
        if (sheet.isLocked(r)) continue;
        for (int c = 1; c <= 7; ++c) {
            sheet.setCell(r, c, QString());
            sheet.setHit(TipSheet::editNumber(r, c), false);
        }
        sheet.setResult(r, {});
    }
}

void showListView(MainState& state, Services& services)
{
    state.setParameterMaximum(Param::RowCount, kListViewRowMaximum);
    setListShown(state, true);
    const MessageTable& m = state.messages;
    if (services.dialogs.askYesNo(m.text(65), m.text(66))) {
        if (services.dialogs.askYesNo(m.text(67), m.text(68))) state.Gewinnzahlen.clear();
        appendSheetRows(state, false);
    }
    Listengewinncheck(state, services.sound);
}

void showListViewAppendingSheet(MainState& state, Services& services)
{
    setListShown(state, true);
    appendSheetRows(state, true);
    Listengewinncheck(state, services.sound);
}

void showStandardView(MainState& state)
{
    state.setParameterMaximum(Param::RowCount, 12);
    setListShown(state, false);
}

RowsTaken takeRows(MainState& state, Sound& sound, const std::vector<std::array<int, 5>>& rows,
                   int listMaximum)
{
    TipSheet& sheet = state.sheet;
    int unlocked = 0;
    for (int r = 1; r <= kTipRowCount; ++r) unlocked += sheet.isLocked(r) ? 0 : 1;
    if (static_cast<int>(rows.size()) <= unlocked) {
        if (listShown(state)) showStandardView(state);
        clearUnlockedRows(state);
        int r = 1;
        for (const auto& row : rows) {
            while (sheet.isLocked(r)) ++r;
            for (int c = 0; c < 5; ++c) sheet.setCell(r, c + 1, QString::number(row[c]));
            ++r;
        }
        Komplettcheck(state, sound);
        return RowsTaken::Sheet;
    }
    if (state.Gewinnzahlen.size() + static_cast<qsizetype>(rows.size()) > listMaximum)
        return RowsTaken::TooMany;
    for (const auto& row : rows) {
        QStringList fields;
        for (int n : row) fields << QString::number(n);
        state.Gewinnzahlen << fields.join(QLatin1Char('\t'));
    }
    state.setParameterMaximum(Param::RowCount, kListViewRowMaximum);
    setListShown(state, true);
    state.notifyListChanged();
    Listengewinncheck(state, sound);
    return RowsTaken::List;
}

void editListExternally(MainState& state, Services& services)
{
    const QString path = listTextFile(state);
    QString error;
    if (!writeTextLines(path, state.Gewinnzahlen, &error)) {
        services.dialogs.notify(error);
        return;
    }
    if (!services.shell.openInEditor(path, &error)) services.dialogs.notify(error);
    const MessageTable& m = state.messages;
    if (!services.dialogs.askYesNo(m.text(74), m.text(75))) return;
    const auto lines = readTextLines(path, &error);
    if (!lines) {
        services.dialogs.notify(error);
        return;
    }
    state.Gewinnzahlen = *lines;
    state.notifyListChanged();
}

QString listTextFile(const MainState& state)
{
    return state.Home + QStringLiteral("gewinnzahlen.txt");
}

QString listCopyFile(const MainState& state)
{
    return state.Home + QStringLiteral("gewinnzahlen.qlt");
}

void loadListAtStart(MainState& state, Services& services)
{
    // The list is there in either view: the standard view hides it, and the
    // next switch to the list view shows it again.
    if (QFileInfo::exists(listTextFile(state))) {
        QString error;
        if (const auto lines = readTextLines(listTextFile(state), &error))
            state.Gewinnzahlen = *lines;
        else
            services.dialogs.notify(error);
    }
    if (listShown(state)) Listengewinncheck(state, services.sound);
}

bool saveListFiles(const MainState& state, QString* error)
{
    if (state.Gewinnzahlen.isEmpty()) return true;
    return writeTextLines(listTextFile(state), state.Gewinnzahlen, error) &&
           writeTextLines(listCopyFile(state), state.Gewinnzahlen, error);
}

}  // namespace kw
