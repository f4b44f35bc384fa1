// The quota server's answer for the win calculation: the stake and the twelve
// classes' quotas, read in a German and an English locale and multiplied out.
#include <QLocale>

#include "evaluation/win_calculation.h"
#include "fuzz_input.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The load reads the answer as UTF-8.
    const QString body = QString::fromUtf8(fuzz::bytesOf(data, size));
    const QuotaTexts texts;
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        const auto table = parseQuotaBody(body, texts, locale);
        KW_FUZZ_CHECK(table.has_value() == body.contains(QLatin1Char(';')));
        if (!table) continue;
        RowTexts counts;
        for (int i = 0; i < kPrizeClasses; ++i) counts[i] = QString::number(i % 3);
        computeWinnings(counts, table->quotas, locale);
        // The dialog's fields may be edited: the quotas as counts too.
        computeWinnings(table->quotas, table->quotas, locale);
    }
    return 0;
}
