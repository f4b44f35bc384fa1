// Draw text files: the complete results file the download fetches (UTF-8) and the
// files "Import aus Text" reads (the program's text files), merged into a small
// history. An imported draw, exported, reads back as the same draw.
#include "draws/draw_download.h"
#include "draws/draw_maintenance.h"
#include "fuzz_input.h"
#include "tips/text_file.h"

using namespace kw;

namespace {

void take(const QStringList& lines)
{
    // 10 stars, the history from 1 January 2010 on: the program's settings today.
    const DrawText text = parseDrawText(lines, 10, 40179);
    KW_FUZZ_CHECK(text.rejected >= 0 && text.rejected <= lines.size());
    for (const ImportedDraw& draw : text.draws) {
        const DrawRecord& record = draw.record;
        KW_FUZZ_CHECK(record.datum >= 40179);
        for (int i = 1; i <= 5; ++i) KW_FUZZ_CHECK(record.slot(i) >= 1 && record.slot(i) <= 42);
        KW_FUZZ_CHECK(record.slot(7) <= 10 && record.slot(8) <= 10);
        const ImportedLine again = parseImportLine(exportLine(record), 10);
        KW_FUZZ_CHECK(again.record && *again.record == record);
    }
    DrawRecord stored;
    stored.datum = 45000;
    for (int i = 1; i <= 5; ++i) stored.setSlot(i, i * 7);
    const std::vector<DrawRecord> history{stored};
    for (bool replace : {false, true}) {
        const ImportMerge merge = mergeImported(history, text.draws, replace);
        KW_FUZZ_CHECK(merge.records.size() >= history.size());
    }
    countDiffering(history, text.draws);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    take(answerLines(QString::fromUtf8(bytes)));
    if (const auto lines = readTextLines(fuzz::fileWith(bytes), nullptr)) take(*lines);
    return 0;
}
