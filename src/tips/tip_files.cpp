#include "tips/tip_files.h"

#include <QDir>
#include <cmath>

#include "draws/current_draw.h"
#include "evaluation/sheet_evaluation.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "state/main_state.h"
#include "tips/shown_tips.h"
#include "tips/text_file.h"
#include "tips/tip_operations.h"

namespace kw {

namespace {

const QString kTipExtension = QStringLiteral("qlt");

// Sets a shared dialog's filter and extension for one operation and puts the
// previous ones back afterwards.
class DialogSetting {
public:
    DialogSetting(FileDialogRequest& dialog, const QString& filter)
        : m_dialog(dialog), m_filter(dialog.filter), m_extension(dialog.defaultExtension)
    {
        dialog.filter = filter;
        dialog.defaultExtension = kTipExtension;
    }
    ~DialogSetting()
    {
        m_dialog.filter = m_filter;
        m_dialog.defaultExtension = m_extension;
    }
    DialogSetting(const DialogSetting&) = delete;
    DialogSetting& operator=(const DialogSetting&) = delete;

private:
    FileDialogRequest& m_dialog;
    QString m_filter;
    QString m_extension;
};

// The folder is made when missing; should that fail, the dialog still lets the
// user choose another one, and writing there reports its own error.
QString preparedTipFolder(const MainState& state)
{
    const QString folder = tipFolder(state);
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

QString tipFileProposedName(DayCount endDate)
{
    return dateFromDayCount(std::floor(endDate) + 7).toString(QStringLiteral("yyyyMMdd")) +
           QLatin1Char('.') + kTipExtension;
}

QString tipFolder(const MainState& state)
{
    return state.Home + QStringLiteral("Tipps/");
}

QStringList sheetFileLines(const TipSheet& sheet)
{
    QStringList lines;
    for (int r = 1; r <= kTipRowCount; ++r) {
        if (sheet.cell(r, 1).isEmpty()) continue;
        QStringList fields;
        for (int c = 1; c <= 7; ++c) fields << sheet.cell(r, c);
        lines << fields.join(QLatin1Char(','));
    }
    return lines;
}

QStringList sheetFiveNumberLines(const TipSheet& sheet)
{
    QStringList lines;
    for (int r = 1; r <= kTipRowCount; ++r) {
        if (sheet.cell(r, 1).isEmpty()) continue;
        QStringList numbers;
        for (int c = 1; c <= 5; ++c) numbers << sheet.cell(r, c);
        lines << numbers.join(QLatin1Char(','));
    }
    return lines;
}

QStringList writeSlipTipFile(const MainState& state)
{
    const QStringList lines =
        listShown(state) ? state.Gewinnzahlen : sheetFiveNumberLines(state.sheet);
    const QString path =
        preparedTipFolder(state) + tipFileProposedName(state.DateTimePicker1.date());
    writeTextLines(path, lines, nullptr);
    return lines;
}

std::array<QString, 7> splitSheetLine(const QString& line)
{
    std::array<QString, 7> columns;
    qsizetype start = 0;
    int column = 0;
    for (; column < 6; ++column) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0) break;
        columns[column] = line.mid(start, comma - start);
        start = comma + 1;
    }
    columns[6] = line.mid(start);
    return columns;
}

QStringList normaliseListLines(const QStringList& lines)
{
    QStringList result;
    result.reserve(lines.size());
    for (const QString& line : lines) {
        QString text = line.trimmed();
        for (int i = 0; i < 4; ++i) text.replace(QStringLiteral("  "), QStringLiteral(" "));
        text.replace(QLatin1Char(' '), QLatin1Char(','));
        text.replace(QLatin1Char(','), QLatin1Char('\t'));
        result << text;
    }
    return result;
}

bool saveTips(MainState& state, Services& services)
{
    FileDialogRequest& dialog = state.SaveDialog1;
    dialog.initialFolder = preparedTipFolder(state);
    const DialogSetting setting(dialog, QStringLiteral("Tippdatei (*.qlt)"));
    dialog.proposedName = tipFileProposedName(state.DateTimePicker1.date());
    const QString path = services.dialogs.saveFileName(dialog);
    if (path.isEmpty()) return false;
    dialog.proposedName = path;
    QString error;
    const QStringList lines = shownTipLines(state);
    if (writeTextLines(path, lines, &error)) return true;
    services.dialogs.notify(error);
    return false;
}

void loadTips(MainState& state, Services& services)
{
    FileDialogRequest& dialog = state.OpenDialog1;
    {
        dialog.initialFolder = preparedTipFolder(state);
        dialog.proposedName = state.SaveDialog1.proposedName;
        const DialogSetting setting(dialog, QStringLiteral("Tippdatei (*.qlt);;Textdatei (*.txt)"));
        const QString path = services.dialogs.openFileName(dialog);
        if (!path.isEmpty()) {
            dialog.proposedName = path;
            // The file is read before anything is cleared: a file that cannot be
            // read leaves the tips as they were.
            QString error;
            const auto lines = readTextLines(path, &error);
            if (!lines) {
                services.dialogs.notify(error);
                return;
            }
            if (listShown(state)) {
                state.Gewinnzahlen = normaliseListLines(*lines);
                state.notifyListChanged();
                Listengewinncheck(state, services.sound);
            } else {
                clearTips(state, services);
                for (int r = 1; r <= kTipRowCount; ++r) {
                    const QString line = r <= lines->size() ? lines->at(r - 1) : QString();
                    const auto columns = splitSheetLine(line);
                    for (int c = 1; c <= 7; ++c) state.sheet.setCell(r, c, columns[c - 1]);
                }
            }
        }
    }
    selectDrawForDate(state, services);
}

void saveTipsAndEdit(MainState& state, Services& services)
{
    // Only a file just written shows the list; after a cancel there is nothing to open.
    if (!saveTips(state, services)) return;
    QString error;
    if (!services.shell.openInEditor(state.SaveDialog1.proposedName, &error))
        services.dialogs.notify(error);
}

}  // namespace kw
