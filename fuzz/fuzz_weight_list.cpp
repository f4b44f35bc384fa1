// Weight lists (".qlw"): line n the weight of number n. Loaded into the selection
// dialog's boxes, written back as lines, and made into a number pool.
#include "fuzz_input.h"
#include "generation/number_pool.h"
#include "generation/number_selection.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::fileWith(fuzz::bytesOf(data, size), QStringLiteral("input.qlw"));
    NumberSelection selection;
    KW_FUZZ_CHECK(selection.loadWeightList(path, nullptr));
    const QStringList lines = selection.weightListLines();
    KW_FUZZ_CHECK(lines.size() == selection.MaxZahl);
    for (int n = 1; n <= selection.MaxZahl; ++n) {
        KW_FUZZ_CHECK(lines.at(n - 1).isEmpty() == !selection.box(n).checked);
        selection.statusFor(n);
    }
    NumberSelection again;
    again.applyWeightListLines(lines);
    KW_FUZZ_CHECK(again.weightListLines() == lines);

    NumberPool pool;
    if (selection.rebuildPool(pool, nullptr)) {
        KW_FUZZ_CHECK(pool.length() <= NumberPool::kCapacity);
        KW_FUZZ_CHECK(pool.PoolEnd == pool.length() - 1);
        for (int i = 0; i < pool.length(); ++i) {
            const int n = pool.entry(i);
            KW_FUZZ_CHECK(n >= 1 && n <= selection.MaxZahl && selection.box(n).checked);
        }
    }
    return 0;
}
