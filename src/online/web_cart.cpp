#include "online/web_cart.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include "platform/dialogs.h"
#include "platform/http_client.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "state/atomic_write.h"
#include "state/internet_request.h"
#include "state/main_state.h"
#include "tips/shown_tips.h"

namespace kw {

namespace {

const QString kGame = QStringLiteral("KleinPL");
const QString kCartPath = QStringLiteral("/lotto/lotto.asp");
const QString kMessageMark = QStringLiteral("Mitteilung");
const QString kMessageFile = QStringLiteral("Meldung.htm");
const QString kListFiller = QStringLiteral(",,,,,");
const QString kEmptyRow = QStringLiteral(",,,,");
const QString kThreeTabs = QStringLiteral("\t\t\t");

QString box(int number)
{
    return QStringLiteral("[KASTEN%1]").arg(number);
}

// A box's content as the link carries it: numbers and commas stay as they are,
// anything else a line may hold is percent-encoded, so that it cannot end the query.
QString linkText(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, ","));
}

bool isLink(const QString& text)
{
    static const QRegularExpression link(QStringLiteral("^https?://[^\\s]+$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return link.match(text).hasMatch();
}

QString decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder codePage("windows-1252");
    return codePage.isValid() ? QString(codePage(bytes)) : QString::fromLatin1(bytes);
}

// The text of an HTML answer: scripts, styles and comments dropped, line-breaking
// elements made line ends, every other tag taken out, entities read.
QString pageText(const QString& html)
{
    QString text = html;
    using RE = QRegularExpression;
    const auto options = RE::CaseInsensitiveOption | RE::DotMatchesEverythingOption;
    text.remove(RE(QStringLiteral("<(script|style)\\b.*?(</\\1\\s*>|$)"), options));
    text.remove(RE(QStringLiteral("<!--.*?(-->|$)"), options));
    text.replace(RE(QStringLiteral("<(br|/p|/div|/tr|/li|/h[1-6]|/title)\\b[^>]*>"), options),
                 QStringLiteral("\n"));
    text.remove(RE(QStringLiteral("<[^>]*(>|$)"), options));

    QString result;
    static const RE entity(QStringLiteral("&(#[0-9]{1,7}|#x[0-9a-f]{1,6}|[a-z]{2,6});"),
                           RE::CaseInsensitiveOption);
    qsizetype from = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        result += text.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString name = match.captured(1).toLower();
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x")))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt();
        else if (name == QLatin1String("amp"))
            code = '&';
        else if (name == QLatin1String("lt"))
            code = '<';
        else if (name == QLatin1String("gt"))
            code = '>';
        else if (name == QLatin1String("quot"))
            code = '"';
        else if (name == QLatin1String("nbsp"))
            code = ' ';
        const bool valid = code >= 0x20 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (valid)
            result += QString::fromUcs4(&code, 1);
        else if (code == 0)
            result += match.captured(0);  // an entity this page does not know stays as written
    }
    result += text.mid(from);

    QStringList lines;
    for (const QString& line : result.split(QLatin1Char('\n'))) {
        const QString trimmed = line.simplified();
        if (trimmed.isEmpty() && (lines.isEmpty() || lines.last().isEmpty())) continue;
        lines << trimmed;
    }
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

CartTips cartTips(const MainState& state)
{
    CartTips tips;
    tips.list = listShown(state);
    tips.lines = state.Gewinnzahlen;
    tips.rowCount = state.upDownPosition(8);
    for (int r = 1; r <= kCartBatch; ++r) {
        QStringList numbers;
        for (int c = 1; c <= 5; ++c) numbers << state.sheet.cell(r, c);
        tips.rows[r - 1] = numbers.join(QLatin1Char(','));
    }
    return tips;
}

int cartTipCount(const CartTips& tips)
{
    return tips.list ? int(tips.lines.size()) : tips.rowCount;
}

QString cartRequestUrl(const QString& server, const QString& portal, int tipCount)
{
    QString base = withScheme(server);
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return base + kCartPath + QStringLiteral("?Spiel=") + kGame + QStringLiteral("&Wo=") +
           linkText(portal) + QStringLiteral("&Tipps=") + QString::number(tipCount);
}

QString replaceFirst(const QString& text, const QString& placeholder, const QString& value)
{
    const qsizetype at = text.indexOf(placeholder);
    if (at < 0) return text;
    QString result = text;
    result.replace(at, placeholder.size(), value);
    return result;
}

QString cartBoxText(const QString& line)
{
    QString text = line;
    const qsizetype run = text.indexOf(kThreeTabs);
    if (run >= 0) {
        const qsizetype after = run + kThreeTabs.size();
        const bool starFollows = after < text.size() && text.at(after) != QLatin1Char('\t');
        text.replace(run, kThreeTabs.size(), starFollows ? QStringLiteral("\t") : QString());
    }
    text.replace(QLatin1Char('\t'), QLatin1Char(','));
    return text;
}

QStringList fillCartLinks(const QString& linkTemplate, const CartTips& tips)
{
    QStringList links;
    if (!tips.list) {
        QString link = replaceFirst(linkTemplate, QStringLiteral("Tipps=[Anzahl]"),
                                    QStringLiteral("Tipps=") + QString::number(tips.rowCount));
        for (int r = 1; r <= kCartBatch; ++r) {
            const QString& row = tips.rows[r - 1];
            link = replaceFirst(link, box(r), linkText(row.isEmpty() ? kEmptyRow : row));
        }
        links << link;
        return links;
    }
    const qsizetype count = tips.lines.size();
    for (qsizetype i = 0; i < count;) {
        const qsizetype batch = std::min<qsizetype>(kCartBatch, count - i);
        QString link =
            replaceFirst(linkTemplate, QStringLiteral("[Anzahl]"), QString::number(batch));
        for (int j = 1; j <= kCartBatch; ++j, ++i) {
            const QString content = i < count ? cartBoxText(tips.lines[i]) : kListFiller;
            link = replaceFirst(link, box(j), linkText(content));
        }
        links << link;
    }
    return links;
}

CartAnswer readCartAnswer(const HttpResponse& response, const MessageTable& messages)
{
    CartAnswer answer;
    if (!response.answered()) {
        answer.reason = QStringLiteral("Warenkorb-Server: ") + response.errorText;
        return answer;
    }
    if (response.statusCode >= 400) {
        if (decoded(response.body).contains(kMessageMark)) {
            answer.kind = CartAnswer::Kind::Message;
            answer.page = messagePage(response.body);
        } else {
            answer.reason = QStringLiteral("Warenkorb-Server: ") + response.statusLine;
        }
        return answer;
    }
    const QString link = decoded(response.body).trimmed();
    if (!isLink(link)) {
        answer.reason = messages.text(Message::NoCartAddress);
        return answer;
    }
    answer.kind = CartAnswer::Kind::Template;
    answer.linkTemplate = link;
    return answer;
}

QByteArray messagePage(const QByteArray& answer)
{
    const QString text = pageText(decoded(answer));
    QString page = QStringLiteral(
        "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\">\r\n"
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
        "style-src 'unsafe-inline'\">\r\n"
        "<title>Mitteilung</title></head>\r\n<body>\r\n"
        "<div style=\"white-space: pre-wrap; font-family: sans-serif\">");
    page += text.toHtmlEscaped();
    page += QStringLiteral("</div>\r\n</body></html>\r\n");
    return page.toUtf8();
}

CartTransfer::CartTransfer(MainState& state, Services& services, QObject* parent)
    : QObject(parent), m_state(state), m_services(services)
{
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &CartTransfer::openNext);
}

CartTransfer::~CartTransfer() = default;

void CartTransfer::start()
{
    if (m_running) return;
    m_tips = cartTips(m_state);
    m_links.clear();
    m_opened.clear();
    m_running = true;
    emit runningChanged(true);

    const QString server = m_state.CartServer.trimmed();
    if (server.isEmpty()) {
        fill(QString(), true);
        return;
    }
    QString error;
    auto request = internetRequest(
        m_state, cartRequestUrl(server, m_state.Lottoportal, cartTipCount(m_tips)), &error);
    if (!request) {
        m_services.dialogs.notify(error);
        finish();
        return;
    }
    if (!m_services.http) {
        fill(QString(), true);
        return;
    }
    request->totalTimeout = m_state.dayAnswerDeadline;
    request->maxBodyBytes = kCartAnswerMaxBytes;
    m_call = m_services.http->get(*request, [this](const HttpResponse& r) { answered(r); });
}

void CartTransfer::cancel()
{
    if (!m_running) return;
    m_call.reset();
    m_pause.stop();
    m_links.clear();
    finish();
}

void CartTransfer::answered(const HttpResponse& response)
{
    const CartAnswer answer = readCartAnswer(response, m_state.messages);
    m_call.reset();  // the connection is closed
    switch (answer.kind) {
    case CartAnswer::Kind::Message: showMessage(answer.page); return;
    case CartAnswer::Kind::Template: fill(answer.linkTemplate, false); return;
    case CartAnswer::Kind::Fallback:
        m_state.setStatusText(0, answer.reason);
        fill(QString(), true);
        return;
    }
}

void CartTransfer::showMessage(const QByteArray& page)
{
    const QString path = m_state.Home + kMessageFile;
    QString error;
    if (!writeFileAtomically(path, page, &error) || !m_services.shell.openUrl(path, &error))
        m_services.dialogs.notify(error);
    finish();
}

void CartTransfer::fill(const QString& linkTemplate, bool fallback)
{
    if (fallback) {
        // The fallback carries no tips: one link leads to the portal.
        const QString link = m_state.CartLink.trimmed();
        m_links = QStringList{link.isEmpty() ? kDefaultCartLink : link};
    } else {
        m_links = fillCartLinks(linkTemplate, m_tips);
    }
    openNext();
}

void CartTransfer::openNext()
{
    if (m_links.isEmpty()) {
        finish();
        return;
    }
    const QString link = m_links.takeFirst();
    QString error;
    if (!m_services.shell.openUrl(link, &error)) {
        m_services.dialogs.notify(error);
        m_links.clear();
        finish();
        return;
    }
    m_opened << link;
    if (m_tips.list) {
        m_state.setStatusText(1, kCartCheckStatus);
        if (afterListLink) afterListLink();
    } else {
        m_state.setStatusText(1, m_state.messages.text(kCartStatusEntry));
    }
    if (m_links.isEmpty()) {
        finish();
        return;
    }
    m_pause.start(pause);
}

void CartTransfer::finish()
{
    if (!m_running) return;
    m_running = false;
    emit runningChanged(false);
}

}  // namespace kw
