// The web-cart service's answer (a link template, or a message page with a status
// from 400 on), and the template filled with tips: the part after a line "%%" as
// the list's lines, and its first twelve lines as the sheet's rows.
#include "fuzz_input.h"
#include "online/web_cart.h"
#include "platform/http_client.h"

using namespace kw;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [answerBytes, tipBytes] = fuzz::splitInput(fuzz::bytesOf(data, size));
    const QStringList tipLines = QString::fromUtf8(tipBytes).split(QLatin1Char('\n'));

    HttpResponse response;
    response.outcome = HttpResponse::Outcome::Answered;
    response.body = answerBytes;
    for (int status : {200, 404}) {
        response.statusCode = status;
        response.statusLine = QString::number(status);
        const CartAnswer answer = readCartAnswer(response);
        if (answer.kind == CartAnswer::Kind::Message) KW_FUZZ_CHECK(!answer.page.isEmpty());
        if (answer.kind != CartAnswer::Kind::Template) continue;
        KW_FUZZ_CHECK(status < 400);

        CartTips list;
        list.list = true;
        list.lines = tipLines;
        const QStringList links = fillCartLinks(answer.linkTemplate, list);
        KW_FUZZ_CHECK(links.size() == (tipLines.size() + kCartBatch - 1) / kCartBatch);

        CartTips sheet;
        sheet.rowCount = int(tipLines.size());
        for (int r = 0; r < kCartBatch && r < tipLines.size(); ++r)
            sheet.rows[r] = cartBoxText(tipLines[r]);
        KW_FUZZ_CHECK(fillCartLinks(answer.linkTemplate, sheet).size() == 1);
    }
    messagePage(answerBytes);
    return 0;
}
