#include "evaluation/win_calculation.h"

#include <algorithm>
#include <cmath>

#include "platform/http_client.h"
#include "state/internet_request.h"
#include "state/main_state.h"
#include "tips/integer_text.h"

namespace kw {

namespace {

// A quota answer is a line of a few hundred characters.
constexpr qint64 kQuotaAnswerMaxBytes = 64 * 1024;

const QString kNotANumber = QStringLiteral("-");

// The texts keep their argument as "%s", where a language file puts it too.
QString withArgument(QString format, const QString& argument)
{
    const qsizetype at = format.indexOf(QLatin1String("%s"));
    if (at >= 0) format.replace(at, 2, argument);
    return format;
}

// The next field up to its ";", which goes with it; without a ";" the rest.
QString takeField(QString& rest)
{
    const qsizetype semicolon = rest.indexOf(QLatin1Char(';'));
    QString field = semicolon < 0 ? rest : rest.left(semicolon);
    rest.remove(0, semicolon < 0 ? rest.size() : semicolon + 1);
    return field;
}

QString quotaText(QString field, const QLocale& locale)
{
    field = field.trimmed();
    for (int i = 0; i < 3; ++i) {
        const qsizetype dot = field.indexOf(QLatin1Char('.'));
        if (dot >= 0) field.remove(dot, 1);
    }
    const qsizetype blank = field.indexOf(QLatin1Char(' '));
    if (blank >= 0) field.truncate(blank);
    if (field == QLatin1String("unbesetzt")) field = QStringLiteral("0");
    const auto quota = readDecimal(field, locale);
    return quota ? decimalText(*quota, 9, 2, locale) : kNotANumber;
}

}  // namespace

std::array<PrizeClass, kPrizeClasses> prizeClasses(DayCount date)
{
    std::array<PrizeClass, kPrizeClasses> classes{{
        {QStringLiteral("2 + E"), 2, 1, QStringLiteral("1:35"), QStringLiteral("8")},
        {QStringLiteral("1 + E + E"), 1, 2, QStringLiteral("1:80"), QStringLiteral("10")},
        {QStringLiteral("3"), 3, 0, QStringLiteral("1:399"), QStringLiteral("15")},
        {QStringLiteral("2 + E + E"), 2, 2, QStringLiteral("1:418"), QStringLiteral("15")},
        {QStringLiteral("3 + E"), 3, 1, QStringLiteral("1:499"), QStringLiteral("20")},
        {QStringLiteral("3 + E + E"), 3, 2, QStringLiteral("1:5992"), QStringLiteral("50")},
        {QStringLiteral("4"), 4, 0, QStringLiteral("1:17.578"), QStringLiteral("100")},
        {QStringLiteral("4 + E"), 4, 1, QStringLiteral("1:21.972"), QStringLiteral("200")},
        {QStringLiteral("4 + E + E"), 4, 2, QStringLiteral("1 : 263.668"), QStringLiteral("5000")},
        {QStringLiteral("5"), 5, 0, QStringLiteral("1 : 3.955.019"), QStringLiteral("50000")},
        {QStringLiteral("5 + E"), 5, 1, QStringLiteral("1 : 4.943.773"), QStringLiteral("250000")},
        {QStringLiteral("5 + E + E"), 5, 2, QStringLiteral("1 : 59.325.280"),
         QStringLiteral("10000000")},
    }};
    PrizeClass& fourth = classes[3];
    PrizeClass& fifth = classes[4];
    if (std::floor(date) < kExtraClassesSwapDay) {
        fourth.label = QStringLiteral("2 + S + S");
        fifth.label = QStringLiteral("3 + S");
    } else {
        fourth.label = QStringLiteral("3 + E");
        fourth.hits = 3;
        fourth.extraClass = 1;
        fifth.label = QStringLiteral("2 + E + E");
        fifth.hits = 2;
        fifth.extraClass = 2;
    }
    return classes;
}

RowTexts classCountTexts(const ClassCounts& counts, DayCount date)
{
    RowTexts texts;
    const auto classes = prizeClasses(date);
    for (int r = 0; r < kPrizeClasses; ++r) {
        const PrizeClass& c = classes[r];
        texts[r] = QString::number(counts.at(c.hits).at(c.extraClass));
    }
    return texts;
}

QString decimalText(double value, int precision, int decimals, const QLocale& locale)
{
    const double rounded = QString::number(value, 'e', precision - 1).toDouble();
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (std::fabs(rounded) >= std::pow(10.0, precision))
        return plain.toString(rounded, 'E', precision - 1);
    return plain.toString(rounded, 'f', decimals);
}

std::optional<double> readDecimal(const QString& text, const QLocale& locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

Winnings computeWinnings(const RowTexts& counts, const RowTexts& quotas, const QLocale& locale)
{
    Winnings shown;
    double total = 0;
    bool totalKnown = true;
    for (int r = 0; r < kPrizeClasses; ++r) {
        const auto count = parseInteger(counts[r]);
        shown.quotaEnabled[r] = count && *count > 0;
        const auto quota = readDecimal(quotas[r], locale);
        const double sum = count && quota ? *quota * *count : NAN;
        shown.sums[r] = std::isfinite(sum) ? decimalText(sum, 7, 2, locale) : kNotANumber;
        // The total adds what the sums show, as rounded.
        if (const auto shownSum = readDecimal(shown.sums[r], locale))
            total += *shownSum;
        else if (!count || *count != 0)
            totalKnown = false;
    }
    shown.total =
        totalKnown && std::isfinite(total) ? decimalText(total, 9, 2, locale) : kNotANumber;
    return shown;
}

QString quotaRequestUrl(const QString& server, DayCount date)
{
    QString base = withScheme(server);
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return base + QStringLiteral("/zahlen/lotto_neu.asp?Programm=Sternkugel&Datum=") +
           dateFromDayCount(date).toString(QStringLiteral("yyyyMMdd"));
}

std::optional<QuotaTable> parseQuotaBody(const QString& body, const QuotaTexts& texts,
                                         const QLocale& locale)
{
    if (!body.contains(QLatin1Char(';'))) return std::nullopt;
    QString rest = body;
    rest.remove(0, rest.indexOf(QLatin1Char(',')) + 1);  // no ",": nothing
    takeField(rest);
    QuotaTable table;
    const auto stake = readDecimal(takeField(rest).trimmed(), locale);
    table.caption =
        stake ? withArgument(texts.stake, decimalText(*stake, 9, 0, locale)) : texts.stakeUnknown;
    // The fields begin with the top class, the bottom row of the dialog.
    for (int i = 0; i < kPrizeClasses; ++i)
        table.quotas[kPrizeClasses - 1 - i] = quotaText(takeField(rest), locale);
    // An answer without a single quota is none (a server's error page, say): the quotas
    // shown stay as they are.
    if (std::all_of(table.quotas.begin(), table.quotas.end(),
                    [](const QString& q) { return q == kNotANumber; }))
        return std::nullopt;
    return table;
}

QuotaLoad::QuotaLoad(QObject* parent) : QObject(parent) {}

QuotaLoad::~QuotaLoad() = default;

void QuotaLoad::start(HttpClient* http, const MainState& state, DayCount date,
                      const QuotaTexts& texts, const QLocale& locale)
{
    if (running()) return;
    m_date = date;
    m_texts = texts;
    m_locale = locale;
    if (state.QuotaServer.trimmed().isEmpty()) {
        fail(state.messages.text(Message::NoQuotaServer));
        return;
    }
    QString error;
    auto request = internetRequest(state, quotaRequestUrl(state.QuotaServer, date), &error);
    if (!request) {
        fail(error);
        return;
    }
    if (!http) {
        fail(QStringLiteral("Failed : 0"));
        return;
    }
    request->totalTimeout = state.dayAnswerDeadline;
    request->maxBodyBytes = kQuotaAnswerMaxBytes;
    emit statusChanged(0, QStringLiteral("Loading"));
    m_call = http->get(*request, [this](const HttpResponse& r) { answered(r); });
}

void QuotaLoad::cancel()
{
    if (!m_call) return;
    m_call.reset();
    emit finished();
}

void QuotaLoad::fail(const QString& status)
{
    emit statusChanged(0, status);
    emit statusChanged(1, m_texts.notLoaded);
    emit finished();
}

void QuotaLoad::answered(const HttpResponse& response)
{
    m_call.reset();
    if (!response.answered() || response.statusCode >= 400) {
        // The status line is "404 Not Found"; without an answer the network layer says why.
        QString reason = response.statusLine.section(QLatin1Char(' '), 1);
        if (!response.answered() && !response.errorText.isEmpty()) reason = response.errorText;
        fail(QStringLiteral("Failed : %1 %2").arg(response.statusCode).arg(reason));
        return;
    }
    emit statusChanged(0, QStringLiteral("Received %1 bytes").arg(response.body.size()));
    emit statusChanged(1, m_texts.noWarranty);
    const auto table = parseQuotaBody(QString::fromUtf8(response.body), m_texts, m_locale);
    if (!table) {
        emit statusChanged(1, m_texts.notLoaded);
        emit finished();
        return;
    }
    emit captionChanged(table->caption);
    emit quotasLoaded(table->quotas);
    emit statusChanged(0, m_texts.withoutWarranty);
    emit statusChanged(1, withArgument(m_texts.loaded, dateFromDayCount(m_date).toString(
                                                           QStringLiteral("dd.MM.yy"))));
    emit finished();
}

}  // namespace kw
