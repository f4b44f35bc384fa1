// Report templates (".fr3"): XML with pages, text objects and a background picture
// as hex. A template that loads is saved and loaded again.
#include "fuzz_input.h"
#include "platform/report/report.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::fileWith(fuzz::bytesOf(data, size), QStringLiteral("input.fr3"));
    Report report;
    QString error;
    if (!report.load(path, &error)) {
        KW_FUZZ_CHECK(!error.isEmpty());
        KW_FUZZ_CHECK(report.pages().empty());
        return 0;
    }
    for (ReportPage& page : report.pages()) {
        page.pageLayout();
        for (const ReportText& text : page.texts) {
            // The reader refuses a font height of 0 or beyond 1000 pixels.
            KW_FUZZ_CHECK(text.fontPixels >= 1 && text.fontPixels <= 1000);
            text.fontSize();
            KW_FUZZ_CHECK(page.text(text.name) != nullptr);
        }
    }
    const QString copy = fuzz::scratchPath(QStringLiteral("copy.fr3"));
    KW_FUZZ_CHECK(report.save(copy, &error));
    Report again;
    KW_FUZZ_CHECK(again.load(copy, &error));
    KW_FUZZ_CHECK(again.pages().size() == report.pages().size());
    return 0;
}
