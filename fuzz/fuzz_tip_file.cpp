// Tip files as "Tipps laden" reads them: into the sheet (the standard view's seven
// comma-separated columns) and into the list view (free text: blanks, commas or
// TABs between the numbers), each then evaluated against a draw; and as the slip
// printing's number list, placed on a slip.
#include "evaluation/sheet_evaluation.h"
#include "fuzz_input.h"
#include "platform/sound.h"
#include "printing/slip_layout.h"
#include "slip_canvas.h"
#include "state/main_state.h"
#include "support/fakes.h"
#include "tips/integer_text.h"
#include "tips/text_file.h"
#include "tips/tip_files.h"
#include "tips/tip_sheet.h"

using namespace kw;

namespace {

class Silence : public Sound {
public:
    void play(const QString&) override {}
};

void drawn(MainState& state)
{
    state.sortieren = true;
    const int numbers[] = {0, 3, 11, 19, 27, 40, 0, 2, 7};
    for (int i = 1; i <= 8; ++i) state.Zahl[i] = numbers[i];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto lines = readTextLines(fuzz::fileWith(fuzz::bytesOf(data, size)), nullptr);
    KW_FUZZ_CHECK(lines.has_value());
    Silence sound;

    MainState sheetState;
    drawn(sheetState);
    for (int r = 1; r <= kTipRowCount; ++r) {
        const auto columns = splitSheetLine(r <= lines->size() ? lines->at(r - 1) : QString());
        for (int c = 1; c <= 7; ++c) {
            sheetState.sheet.setCell(r, c, columns[c - 1]);
            const QString cell = sheetState.sheet.cell(r, c);
            if (cell.isEmpty()) continue;
            const auto value = parseInteger(cell);
            const int maximum = c <= 5 ? kHighestNumber : sheetState.sheet.starMaximum();
            KW_FUZZ_CHECK(value && *value >= 1 && *value <= maximum);
        }
    }
    Komplettcheck(sheetState, sound);

    MainState listState;
    drawn(listState);
    listState.listView = true;
    listState.Gewinnzahlen = normaliseListLines(*lines);
    KW_FUZZ_CHECK(listState.Gewinnzahlen.size() == lines->size());
    for (const QString& line : listState.Gewinnzahlen)
        KW_FUZZ_CHECK(!line.contains(QLatin1Char(' ')) && !line.contains(QLatin1Char(',')));
    Listengewinncheck(listState, sound);

    const QStringList slipLines = normaliseSlipList(*lines);
    for (const QString& line : slipLines) tipLineNumbers(line);
    fuzz::AnySlip canvas;
    test::ScriptedDialogs dialogs;
    SlipPlacing placing;
    placing.firstSlipOnly = false;
    placeTips(slipLines, placing, canvas, dialogs);
    return 0;
}
