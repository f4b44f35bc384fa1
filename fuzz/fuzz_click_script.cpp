// Click-script templates (".qks", from the program folder or the script server)
// filled with the tips of a tip file: the template, then after a line "%%" the
// tip file, both read as the program's text files.
#include "fuzz_input.h"
#include "online/click_script.h"
#include "tips/text_file.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [templateBytes, tipBytes] = fuzz::splitInput(fuzz::bytesOf(data, size));
    const auto templateLines =
        readTextLines(fuzz::fileWith(templateBytes, QStringLiteral("input.qks")), nullptr);
    const auto tipLines =
        readTextLines(fuzz::fileWith(tipBytes, QStringLiteral("input.qlt")), nullptr);
    KW_FUZZ_CHECK(templateLines && tipLines);

    ScriptKeywords keywords = drawDaysFor(QDate(2026, 8, 25));
    keywords.tipFile = fuzz::scratchPath(QStringLiteral("input.qlt"));
    const QList<QStringList> scripts = fillClickScripts(*templateLines, *tipLines, keywords);
    const qsizetype expected =
        std::max<qsizetype>(1, (tipLines->size() + kScriptTips - 1) / kScriptTips);
    KW_FUZZ_CHECK(scripts.size() == expected);
    for (const QStringList& script : scripts) KW_FUZZ_CHECK(script.size() == templateLines->size());
    return 0;
}
