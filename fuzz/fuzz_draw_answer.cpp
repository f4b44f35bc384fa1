// The draw-data server's answer to one day's request: its lines, each read as a
// draw line and written into a record.
#include <set>

#include "draws/draw_download.h"
#include "fuzz_input.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The download reads the answer as UTF-8.
    const QString body = QString::fromUtf8(fuzz::bytesOf(data, size));
    for (const QString& line : answerLines(body)) {
        const auto draw = parseDrawLine(line);
        if (!draw) continue;
        std::set<int> seen;
        for (int n : draw->numbers) {
            KW_FUZZ_CHECK(n >= 1 && n <= 42);
            KW_FUZZ_CHECK(seen.insert(n).second);
        }
        KW_FUZZ_CHECK(draw->digitCount >= 0 && draw->digitCount <= 7);
        for (int i = 0; i < draw->digitCount; ++i)
            KW_FUZZ_CHECK(draw->digits[i] >= 0 && draw->digits[i] <= 9);
        DrawRecord record;
        applyDrawLine(record, *draw, 45000);
        for (int i = 1; i <= 5; ++i) KW_FUZZ_CHECK(record.slot(i) == draw->numbers[i - 1]);
    }
    return 0;
}
