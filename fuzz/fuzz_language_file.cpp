// Language files in any encoding (a byte-order mark for UTF-8 or UTF-16, else
// Windows-1252): a base file and its translation, the part after a line "%%",
// looked up control by control as the windows take their texts; the same lines
// also as a message table.
#include "fuzz_input.h"
#include "i18n/language_files.h"
#include "i18n/message_table.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [baseBytes, translationBytes] = fuzz::splitInput(fuzz::bytesOf(data, size));
    const auto base =
        readLanguageLines(fuzz::fileWith(baseBytes, QStringLiteral("Kleinkugel.txt")));
    KW_FUZZ_CHECK(base.has_value());
    std::optional<LineBuffer> translation;
    if (!translationBytes.isEmpty()) {
        const auto lines = readLanguageLines(
            fuzz::fileWith(translationBytes, QStringLiteral("Kleinkugel.txt.en")));
        KW_FUZZ_CHECK(lines.has_value());
        translation = LineBuffer(*lines);
    }

    // The controls in the order of the base file's records, as the windows visit them.
    const LineBuffer buffer(*base);
    RecordLookup lookup(buffer, translation);
    for (qsizetype first = 0; first < buffer.size(); first += 5) {
        ControlTexts control;
        control.owner = buffer.line(first).trimmed();
        control.name = buffer.line(first + 1).trimmed();
        control.kind = static_cast<ControlKind>((first / 5) % 11);
        control.tag = static_cast<int>((first / 5) % 3);
        const auto change = changeFor(control, lookup);
        if (change && change->caption)
            KW_FUZZ_CHECK(change->caption->size() <= LineBuffer::kMaxLineLength);
        if (change) KW_FUZZ_CHECK(change->hint.size() <= LineBuffer::kMaxLineLength);
        KW_FUZZ_CHECK(lookup.position() <= first / 5);
    }
    lookup.find(QStringLiteral("TForm1"), QStringLiteral("Label1"));

    MessageTable messages;
    messages.replaceAll(*base);
    for (int i = -1; i <= messages.size(); ++i)
        KW_FUZZ_CHECK(messages.text(i).size() <= MessageTable::kMaxEntryLength);
    return 0;
}
