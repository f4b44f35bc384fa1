// The quota server's answer for the win calculation: the stake and the twelve
// classes' quotas, read in a German and an English locale and multiplied out.
#include <QLocale>
#include <algorithm>

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
        // An answer is taken only with a ";" and at least one quota that can be read
        // (one that cannot shows "-").
        KW_FUZZ_CHECK(!table || body.contains(QLatin1Char(';')));
        if (!table) continue;
        KW_FUZZ_CHECK(std::any_of(table->quotas.begin(), table->quotas.end(),
                                  [](const QString& q) { return q != QStringLiteral("-"); }));
        RowTexts counts;
        for (int i = 0; i < kPrizeClasses; ++i) counts[i] = QString::number(i % 3);
        computeWinnings(counts, table->quotas, locale);
        // The dialog's fields may be edited: the quotas as counts too.
        computeWinnings(table->quotas, table->quotas, locale);
    }
    return 0;
}
