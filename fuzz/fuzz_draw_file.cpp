// The binary draw history: any bytes, read as records and counted the way the
// statistics count them; also the ticket history, which has the same record size.
#include "draws/draw_file.h"
#include "draws/draw_maintenance.h"
#include "fuzz_input.h"
#include "online/ticket_number.h"
#include "stats/draw_counts.h"

using namespace kw;

namespace {

// Records compared by their bytes: a date slot may hold a NaN.
bool sameRecords(const std::vector<DrawRecord>& a, const std::vector<DrawRecord>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].toBytes() != b[i].toBytes()) return false;
    return true;
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
    const std::vector<DrawRecord> records = DrawFile::parse(bytes);
    KW_FUZZ_CHECK(records.size() == size / DrawRecord::kSize);

    const QString path = fuzz::fileWith(bytes);
    const auto read = DrawFile(path).readAll(nullptr);
    KW_FUZZ_CHECK(read && sameRecords(*read, records));
    const DrawHistory shared = DrawFile(path).readShared(nullptr);
    KW_FUZZ_CHECK(shared && sameRecords(*shared, records));
    const bool ordered = inDateOrder(shared);

    for (const DrawWindow window : {DrawWindow{-1e300, 1e300, true}, DrawWindow{40000, 46000}}) {
        countFrequencies(records, window);
        overdueCounts(records, window, ordered);
        countSums(records, window);
        for (int length : {2, 3, 4}) countRuns(records, window, length);
        countPairs(records, window);
        extraNumberOverdue(records, window, 10);
    }
    for (const DrawRecord& record : records) {
        const int sum = drawSum(record);
        KW_FUZZ_CHECK(sum >= 0 && sum <= 5 * 255);
        exportLine(record);  // the export writes every record
    }

    const auto tickets = readTicketHistory(path, nullptr);
    KW_FUZZ_CHECK(tickets && tickets->size() == records.size());
    ticketSearchText({1, 2, 3, 4, 5, 6, 7}, *tickets);
    if (!tickets->empty()) {
        const TicketDraw& first = tickets->front();
        TicketDigits digits{};
        for (int i = 0; i < 7; ++i) digits[i] = first.spiel77[i];
        ticketSearchText(digits, *tickets);
        for (int level = 1; level <= 4; ++level) ticketDrawn(digits, first, level);
    }
    return 0;
}
