#include "draws/draw_download.h"

#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "evaluation/sheet_evaluation.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/file_error.h"
#include "state/main_state.h"
#include "tips/integer_text.h"

namespace kw {

namespace {

const QString kNoServer = QStringLiteral("Kein Ziehungsdaten-Server eingestellt");
const QString kNoConnection = QStringLiteral("Keine Verbindung zum Ziehungsdaten-Server");
const QString kBrokenOff = QStringLiteral("Verbindung zum Ziehungsdaten-Server abgebrochen");

}  // namespace

std::optional<DrawLine> parseDrawLine(QStringView line)
{
    qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0) return std::nullopt;
    DrawLine parsed;
    for (int& number : parsed.numbers) {
        const qsizetype start = comma + 1;
        comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0) return std::nullopt;
        const auto value = parseInteger(line.sliced(start, comma - start).trimmed());
        // A number outside the game is as unreadable as one that is no number.
        if (!value || *value < 1 || *value > 42) return std::nullopt;
        number = *value;
    }
    const QStringView digits = line.sliced(comma + 1);
    for (qsizetype i = 0; i < digits.size() && parsed.digitCount < 7; ++i) {
        const char16_t c = digits[i].unicode();
        if (c < u'0' || c > u'9') break;
        parsed.digits[parsed.digitCount++] = c - u'0';
    }
    return parsed;
}

QStringList answerLines(const QString& body)
{
    if (body.isEmpty()) return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = body.split(lineBreak);
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void applyDrawLine(DrawRecord& record, const DrawLine& line, DayCount date)
{
    for (int i = 0; i < 5; ++i) record.setSlot(i + 1, line.numbers[i]);
    for (int i = 6; i <= DrawRecord::kSlots; ++i) record.setSlot(i, 0);
    for (int i = 0; i < line.digitCount; ++i)
        record.ziffern[i] = static_cast<std::uint8_t>(line.digits[i]);
    record.reserved = {};
    record.datum = date;
}

QString drawRequestUrl(const QString& server, const QDate& day)
{
    QString base = server.trimmed();
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    if (!base.contains(QStringLiteral("://"))) base.prepend(QStringLiteral("http://"));
    return base + QStringLiteral("/lotto/lottopl.asp?Programm=KleinkugelPL&Datum=") +
           day.toString(QStringLiteral("yyyyMMdd"));
}

DrawDownload::DrawDownload(MainState& state, Services& services, QObject* parent)
    : QObject(parent), m_state(state), m_services(services)
{
    // An answer that arrived during a generation run is taken up once the run has ended.
    connect(&m_state, &MainState::runChanged, this, [this] {
        if (m_heldAnswer && !m_state.Berechnunglaeuft)
            QTimer::singleShot(0, this, [this] {
                if (!m_heldAnswer || m_state.Berechnunglaeuft) return;
                const HttpResponse response = *m_heldAnswer;
                m_heldAnswer.reset();
                handle(response);
            });
    });
}

DrawDownload::~DrawDownload() = default;

void DrawDownload::start()
{
    if (m_running) return;
    m_running = true;
    m_stored = false;
    m_state.downloadRunning = true;
    m_state.SpeedButton8Visible = true;
    m_state.notifyDownloadChanged();

    const DrawFile file(m_state.drawFilePath());
    QString error;
    std::optional<std::vector<DrawRecord>> records;
    if (file.exists())
        records = file.readAll(&error);
    else if (file.createEmpty(&error))
        records.emplace();
    if (!records) {
        m_services.dialogs.notify(error);
        finish();
        return;
    }
    m_record = records->empty() ? DrawRecord{} : records->back();
    DatePickerValue& day = m_state.DateTimePicker1;
    if (!(m_record.datum > 0 && day.setDate(m_record.datum))) day.setDate(day.minimum());
    day.setDate(day.date() + 1);
    m_state.aktDatum = day.date();
    m_state.notifyDrawChanged();
    requestNextDay();
}

void DrawDownload::rebuild()
{
    if (m_running) return;
    const MessageTable& m = m_state.messages;
    const QString date =
        dateFromDayCount(m_state.DateTimePicker1.date()).toString(QStringLiteral("dd.MM.yyyy"));
    if (!m_services.dialogs.askYesNo(m.text(3) + date + m.text(4), m.text(5))) return;
    QFile file(m_state.drawFilePath());
    if (file.exists() && !file.remove()) {
        m_services.dialogs.notify(fileErrorText(file));
        return;
    }
    start();
}

void DrawDownload::stop()
{
    m_state.SpeedButton8Visible = false;
    m_state.notifyDownloadChanged();
}

void DrawDownload::requestNextDay()
{
    const QDate day = dateFromDayCount(m_state.DateTimePicker1.date());
    if (!m_state.SpeedButton8Visible || !day.isValid() || day > m_services.clock.today()) {
        finish();
        return;
    }
    if (m_state.DrawServer.trimmed().isEmpty() || !m_services.http) {
        m_state.setStatusText(0, kNoServer);
        finish();
        return;
    }
    const auto port = parseInteger(m_state.ProxyPortEdit);
    if (!port) {
        m_services.dialogs.notify(
            QStringLiteral("'%1' ist kein gültiger Integerwert").arg(m_state.ProxyPortEdit));
        finish();
        return;
    }
    HttpRequest request;
    request.url = drawRequestUrl(m_state.DrawServer, day);
    request.proxyHost = m_state.ProxyHostEdit.trimmed();
    request.proxyPort = *port;
    request.connectTimeout = m_state.downloadTimeout;
    request.readTimeout = m_state.downloadTimeout;
    request.maxRedirects = kDrawRequestRedirects;
    request.userAgent = QByteArrayLiteral("Kugelwart");
    request.accept = QByteArrayLiteral("text/html, */*");
    request.cookies = true;
    m_state.setStatusText(0, QStringLiteral("Loading"));
    m_call =
        m_services.http->get(request, [this](const HttpResponse& response) { answered(response); });
}

void DrawDownload::answered(const HttpResponse& response)
{
    m_call.reset();
    if (m_state.Berechnunglaeuft) {
        m_heldAnswer = response;
        return;
    }
    handle(response);
}

void DrawDownload::handle(const HttpResponse& response)
{
    m_state.setStatusText(1, m_state.messages.text(2));
    if (!response.answered()) {
        // Without a connection every further day would fail the same way, each after
        // its time-out: the download ends, and the next one starts at this day again.
        const bool none = response.outcome == HttpResponse::Outcome::ConnectionFailed;
        QString status = none ? kNoConnection : kBrokenOff;
        if (!response.errorText.isEmpty())
            status += QStringLiteral(" (") + response.errorText + QLatin1Char(')');
        m_state.setStatusText(0, status);
        finish();
        return;
    }
    m_state.setStatusText(0, response.statusLine);
    if (response.statusCode < 400 && !storeLines(QString::fromUtf8(response.body))) {
        finish();
        return;
    }
    DatePickerValue& day = m_state.DateTimePicker1;
    day.setDate(day.date() + 1);
    m_state.notifyDrawChanged();
    // The next day is asked for from the event loop, so that a click on stop gets in between.
    QTimer::singleShot(0, this, &DrawDownload::requestNextDay);
}

bool DrawDownload::storeLines(const QString& body)
{
    const DrawFile file(m_state.drawFilePath());
    for (const QString& line : answerLines(body)) {
        m_state.Datum1 = m_state.DateTimePicker1.date();
        const auto parsed = parseDrawLine(line);
        if (!parsed) {
            m_services.dialogs.notify(QStringLiteral("Fehler:") + body);
            return false;
        }
        applyDrawLine(m_record, *parsed, m_state.Datum1);
        m_state.Label29 = drawDateText(m_state.Datum1) + QStringLiteral("   ");
        // Each record goes to disk as it comes: whatever ends the download, what
        // came before it stays.
        QString error;
        if (!file.append({m_record}, &error)) {
            m_services.dialogs.notify(error);
            return false;
        }
        m_stored = true;
        m_state.aktDatum = m_record.datum;
        m_state.notifyDrawChanged();
    }
    return true;
}

void DrawDownload::finish()
{
    m_call.reset();
    m_heldAnswer.reset();
    m_running = false;
    m_state.downloadRunning = false;
    m_state.SpeedButton8Visible = false;
    m_state.Label35 = m_state.Label29;
    m_state.notifyDownloadChanged();
    m_state.notifyDrawChanged();

    selectDrawForDate(m_state, m_services);
    m_state.Gewinn = Komplettcheck(m_state, m_services.sound);
    if (m_state.listView) m_state.Gewinn = Listengewinncheck(m_state, m_services.sound);
    if (m_state.Gewinn >= 200 && m_state.listView && m_stored) m_state.requestWinCalculation();
    emit finished();
}

}  // namespace kw
