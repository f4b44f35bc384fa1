#pragma once
// Keeping the draw history by hand: entering or correcting a draw, deleting the
// shown one, exporting the history as text and merging draws from a text file.
// Every change rewrites the whole DrawFile through a complete temporary copy.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "draws/draw_record.h"
#include "i18n/message_table.h"

namespace kw {

class MainState;
struct Services;

// 23 March 2012: the date the entry proposes for an empty history.
inline constexpr DayCount kEmptyHistoryProposal = 40991.0;

// The record the entry dialog starts from: the draw of the date, else the last
// draw; for an empty history 23.03.2012 with the slots 1, 2, 3, 4, 5, 6, 1, 2.
DrawRecord entryProposal(const std::vector<DrawRecord>& records, DayCount date);
// Slots 1..5 in ascending order.
void sortDrawNumbers(DrawRecord& record);
// The record in date order: before the first record on or after its date, every
// old record of that date left out; last when every record is older.
std::vector<DrawRecord> withDrawStored(const std::vector<DrawRecord>& records,
                                       const DrawRecord& record);
// Every record whose date differs from date.
std::vector<DrawRecord> withoutDate(const std::vector<DrawRecord>& records, DayCount date);

// "20240105,3,11,19,27,40,0,0": the date, slots 1..5, slots 7 and 8.
QString exportLine(const DrawRecord& record);

// One line of a draw text file, read. Accepted shapes:
//   20240105,3,11,19,27,40,0,0   the export (the two star slots may be missing)
//   2024-01-05,3,11,19,27,40     the published history
//   17,05.01.2024,3,11,19,27,40  a running number, the date, the numbers
//   17. 05.01.2024 3,11,19,27,40
struct ImportedLine {
    std::optional<DrawRecord> record;  // the date, slots 1..5 in the line's order, stars
    bool hasStars = false;             // slots 7 and 8 came from the line
    QString error;                     // why the line was rejected
};
// The reasons are the table's texts.
ImportedLine parseImportLine(const QString& line, int starMaximum,
                             const MessageTable& messages = MessageTable::german());

// What merging a file's draws into the history comes to.
struct ImportMerge {
    std::vector<DrawRecord> records;  // the new history
    int added = 0;
    int replaced = 0;
    int unchanged = 0;
    int kept = 0;  // differing draws whose stored numbers were kept
};
struct ImportedDraw {
    DrawRecord record;
    bool hasStars = false;
};
// Merges by date: new dates are added; a stored date whose numbers (and stars,
// where the file has them) differ is replaced only when replaceDiffering.
// A replaced record keeps its stored bytes that the file does not carry.
ImportMerge mergeImported(const std::vector<DrawRecord>& stored,
                          const std::vector<ImportedDraw>& imported, bool replaceDiffering);
// How many imported draws differ from what is stored for their date.
int countDiffering(const std::vector<DrawRecord>& stored,
                   const std::vector<ImportedDraw>& imported);

// The draws of a draw text file's lines: a column header may open it, empty lines
// are passed over, draws dated before earliest are left out quietly. A line that
// cannot be read, or whose date an earlier line had, is rejected and counted.
struct DrawText {
    std::vector<ImportedDraw> draws;
    int rejected = 0;
    QString firstRejected;  // Zeile 5: "<line>" (why)
};
DrawText parseDrawText(const QStringList& lines, int starMaximum, DayCount earliest = 0,
                       const MessageTable& messages = MessageTable::german());

// Entry, deletion and import do nothing while a download runs (it appends to the
// DrawFile meanwhile), nor while the tip search or an analysis walks the history. Each rereads the
// DrawFile right before rewriting it, after any dialog or question.

// BitBtn8Click: edit is the entry dialog, started with the proposal; it returns
// the dialog's date and eight positions, or nothing when it was aborted.
using DrawEntryDialog = std::function<std::optional<DrawRecord>(const DrawRecord& proposal)>;
void enterDraw(MainState& state, Services& services, const DrawEntryDialog& edit);
// BitBtn4Click: after a Yes to a question naming the CurrentDraw, deletes every
// record of its date.
void deleteShownDraw(MainState& state, Services& services);
// BitBtn3Click: writes the history as text to a file the user chooses.
void exportDraws(MainState& state, Services& services);
// Import of a draw text file into the history (the export's counterpart).
void importDraws(MainState& state, Services& services);

}  // namespace kw
