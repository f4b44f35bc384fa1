#include "draws/draw_download.h"

#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "draws/draw_maintenance.h"
#include "evaluation/sheet_evaluation.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/file_error.h"
#include "state/internet_request.h"
#include "state/main_state.h"
#include "stats/statistics.h"
#include "tips/integer_text.h"
#include "tips/shown_tips.h"

namespace kw {

namespace {

QString shortDate(DayCount day)
{
    return dateFromDayCount(day).toString(QStringLiteral("dd.MM.yyyy"));
}

// "(reason)" after a failure's text, when the network layer gave one.
QString reasonOf(const HttpResponse& response)
{
    const QString reason = response.answered() || response.errorText.isEmpty() ? response.statusLine
                                                                               : response.errorText;
    return reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')');
}

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
        // A number outside the game, or one drawn twice, is as unreadable as one
        // that is no number.
        if (!value || *value < 1 || *value > 42) return std::nullopt;
        if (std::find(parsed.numbers.begin(), &number, *value) != &number) return std::nullopt;
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
    QString base = withScheme(server);
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return base + QStringLiteral("/lotto/lottopl.asp?Programm=KleinkugelPL&Datum=") +
           day.toString(QStringLiteral("yyyyMMdd"));
}

DrawDownload::DrawDownload(MainState& state, Services& services, QObject* parent)
    : QObject(parent), m_state(state), m_services(services)
{
    // What waited for a generation run is taken up once the run has ended.
    connect(&m_state, &MainState::runChanged, this, [this] {
        if (m_deferred && !generating())
            QTimer::singleShot(0, this, [this] {
                if (!m_deferred || generating()) return;
                std::function<void()> step = std::move(m_deferred);
                m_deferred = nullptr;
                step();
            });
    });
}

DrawDownload::~DrawDownload() = default;

bool DrawDownload::running() const
{
    return m_state.run.running(Task::Download);
}

bool DrawDownload::generating() const
{
    // The tip search and the analyses walk the history and the CurrentDraw as well.
    return m_state.run.running(Task::Generation) || m_state.run.running(Task::Analysis) ||
           m_state.run.running(Task::Search);
}

void DrawDownload::start()
{
    if (running() || generating() || m_state.drawMaintenanceOpen) return;
    m_stored = false;
    m_failure.clear();
    m_finalStatus.clear();
    m_state.run.start(Task::Download);
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
    // The download keeps its own day: the pickers show it, but what the user does
    // with them meanwhile never decides which day is asked for or stored.
    DatePickerValue& picker = m_state.DateTimePicker1;
    m_day = m_record.datum > 0 && m_record.datum >= picker.minimum() ? m_record.datum
                                                                     : picker.minimum();
    m_day = std::floor(m_day) + 1;
    picker.setDate(m_day);
    m_state.aktDatum = m_day;
    m_state.notifyDrawChanged();

    if (!m_state.DrawServer.trimmed().isEmpty()) {
        m_resultsFile = false;
        requestNextDay();
    } else if (!m_state.Ergebnisdatei.trimmed().isEmpty()) {
        m_resultsFile = true;
        requestResultsFile();
    } else {
        fail(m_state.messages.text(Message::DownloadNoSource));
    }
}

void DrawDownload::rebuild()
{
    if (running() || generating() || m_state.drawMaintenanceOpen) return;
    const MessageTable& m = m_state.messages;
    const QString date = shortDate(m_state.DateTimePicker1.date());
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
    if (!running()) return;
    m_state.run.requestStop(Task::Download);
    m_state.notifyDownloadChanged();
    m_call.reset();
    m_deferred = nullptr;
    whenNoRun([this] { finish(); });
}

std::optional<HttpRequest> DrawDownload::request(const QString& url)
{
    QString error;
    auto request = internetRequest(m_state, url, &error);
    if (!request) m_services.dialogs.notify(error);
    return request;
}

void DrawDownload::requestNextDay()
{
    const QDate day = dateFromDayCount(m_day);
    if (m_state.run.stopRequested(Task::Download) || !day.isValid() ||
        day > m_services.clock.today()) {
        finish();
        return;
    }
    if (!m_services.http) {
        fail(m_state.messages.text(Message::DownloadNoConnection));
        return;
    }
    auto request = this->request(drawRequestUrl(m_state.DrawServer, day));
    if (!request) {
        finish();
        return;
    }
    request->totalTimeout = m_state.dayAnswerDeadline;
    request->maxBodyBytes = kDayAnswerMaxBytes;
    m_state.setStatusText(0, QStringLiteral("Loading"));
    m_call = m_services.http->get(*request, [this](const HttpResponse& r) { answered(r); });
}

void DrawDownload::requestResultsFile()
{
    // The newest stored draw is today's: there is nothing to ask for.
    const QDate day = dateFromDayCount(m_day);
    if (!day.isValid() || day > m_services.clock.today()) {
        finish();
        return;
    }
    const QString address = withScheme(m_state.Ergebnisdatei);
    if (!m_services.http) {
        fail(m_state.messages.text(Message::ResultsFileNotLoaded) + address);
        return;
    }
    auto request = this->request(address);
    if (!request) {
        finish();
        return;
    }
    request->totalTimeout = m_state.resultsFileDeadline;
    request->maxBodyBytes = kResultsFileMaxBytes;
    request->progress = [this](qint64 received) {
        m_state.setStatusText(0, QStringLiteral("Loading %1 KB").arg(received / 1024));
    };
    m_state.setStatusText(0, QStringLiteral("Loading"));
    m_call = m_services.http->get(*request, [this](const HttpResponse& r) { answered(r); });
}

void DrawDownload::answered(const HttpResponse& response)
{
    m_call.reset();
    whenNoRun([this, response] {
        if (m_resultsFile)
            takeResultsFile(response);
        else
            takeDay(response);
    });
}

void DrawDownload::whenNoRun(std::function<void()> step)
{
    if (generating())
        m_deferred = std::move(step);
    else
        step();
}

void DrawDownload::takeDay(const HttpResponse& response)
{
    m_state.setStatusText(1, m_state.messages.text(2));
    const QString day = shortDate(m_day);
    switch (response.outcome) {
    case HttpResponse::Outcome::Answered: break;
    case HttpResponse::Outcome::TooLarge:
        fail(m_state.messages.text(Message::DownloadTooLarge).arg(day).arg(kDayAnswerMaxBytes));
        return;
    case HttpResponse::Outcome::ConnectionFailed:
        // Without a connection every further day would fail the same way, each after
        // its time-out: the download ends, and the next one starts at this day again.
        fail(m_state.messages.text(Message::DownloadNoConnection) + QLatin1Char(' ') +
             withScheme(m_state.DrawServer) + reasonOf(response));
        return;
    case HttpResponse::Outcome::BrokenOff:
        fail(m_state.messages.text(Message::DownloadBrokenOff) + QLatin1Char(' ') +
             withScheme(m_state.DrawServer) + reasonOf(response));
        return;
    }
    m_state.setStatusText(0, response.statusLine);
    m_finalStatus = response.statusLine;
    if (response.statusCode < 400) {
        const QString body = QString::fromUtf8(response.body);
        const QStringList lines = answerLines(body);
        if (lines.size() > kDayAnswerMaxLines) {
            fail(m_state.messages.text(Message::DownloadTooManyLines).arg(day).arg(lines.size()));
            return;
        }
        if (!storeLines(lines, body)) {
            finish();
            return;
        }
    }
    m_day += 1;
    m_state.DateTimePicker1.setDate(m_day);
    m_state.notifyDrawChanged();
    // The next day is asked for from the event loop, so that a click on stop gets in between.
    QTimer::singleShot(0, this, &DrawDownload::requestNextDay);
}

bool DrawDownload::storeLines(const QStringList& lines, const QString& body)
{
    // The day's draws go to disk in one write: a program ended meanwhile leaves the
    // day stored whole or not at all, and the next start asks for it again.
    std::vector<DrawRecord> records;
    qsizetype unreadable = -1;
    m_state.Datum1 = m_day;
    for (qsizetype i = 0; i < lines.size() && unreadable < 0; ++i) {
        if (const auto parsed = parseDrawLine(lines[i])) {
            applyDrawLine(m_record, *parsed, m_day);
            records.push_back(m_record);
        } else {
            unreadable = i;
        }
    }
    if (!records.empty()) {
        QString error;
        if (!DrawFile(m_state.drawFilePath()).append(records, &error)) {
            m_services.dialogs.notify(error);
            return false;
        }
        m_stored = true;
        m_state.Label29 = drawDateText(m_day) + QStringLiteral("   ");
        m_state.aktDatum = m_day;
        m_state.notifyDrawChanged();
    }
    if (unreadable >= 0) {
        // The answer is shown as it came, but never more of it than fits a message.
        QString shown = body.left(kShownAnswerLength);
        if (body.size() > kShownAnswerLength) shown += QStringLiteral("\u2026");
        m_services.dialogs.notify(QStringLiteral("Fehler:") + shown);
        m_failure = m_state.messages.text(Message::DownloadUnreadable)
                        .arg(shortDate(m_day))
                        .arg(unreadable + 1);
        return false;
    }
    return true;
}

void DrawDownload::takeResultsFile(const HttpResponse& response)
{
    const QString address = withScheme(m_state.Ergebnisdatei);
    if (response.outcome == HttpResponse::Outcome::TooLarge) {
        fail(m_state.messages.text(Message::ResultsFileTooLarge)
                 .arg(address)
                 .arg(kResultsFileMaxBytes / (1024 * 1024)));
        return;
    }
    if (!response.answered() || response.statusCode >= 400) {
        fail(m_state.messages.text(Message::ResultsFileNotLoaded) + address + reasonOf(response));
        return;
    }
    m_state.setStatusText(0, response.statusLine);
    m_finalStatus = response.statusLine;
    // The program's history begins where its analysis window can begin.
    const DrawText text =
        parseDrawText(answerLines(QString::fromUtf8(response.body)), m_state.SternenzahlMax,
                      m_state.DateTimePicker1.minimum(), m_state.messages);
    const DrawFile file(m_state.drawFilePath());
    QString error;
    const auto stored = file.readAll(&error);
    if (!stored) {
        m_services.dialogs.notify(error);
        finish();
        return;
    }
    // Draws that differ from the file's are kept: a correction by hand is not
    // overwritten without a question, and an automatic download asks none.
    const ImportMerge merge = mergeImported(*stored, text.draws, false);
    if (merge.added > 0 && !file.replace(merge.records, &error)) {
        m_services.dialogs.notify(error);
        finish();
        return;
    }
    m_stored = merge.added > 0;
    QString summary = m_state.messages.text(Message::ResultsFileSummary).arg(merge.added);
    if (merge.kept > 0) summary += m_state.messages.text(Message::ResultsFileKept).arg(merge.kept);
    if (text.rejected > 0)
        summary += m_state.messages.text(Message::ResultsFileRejected)
                       .arg(text.rejected)
                       .arg(text.firstRejected);
    m_state.setStatusText(1, summary);
    finish();
}

void DrawDownload::fail(const QString& status)
{
    m_failure = status;
    finish();
}

void DrawDownload::finish()
{
    m_call.reset();
    m_deferred = nullptr;
    m_state.run.end(Task::Download);
    m_state.Label35 = m_state.Label29;
    m_state.notifyDownloadChanged();
    m_state.notifyDrawChanged();

    selectNewestDraw(m_state, m_services);
    m_state.Gewinn = Komplettcheck(m_state, m_services.sound);
    if (listShown(m_state)) m_state.Gewinn = Listengewinncheck(m_state, m_services.sound);
    if (m_state.Gewinn >= 200 && listShown(m_state) && m_stored) m_state.requestWinCalculation();
    if (m_stored) recountFrequencyChart(m_state, m_services);
    // Said last, so that nothing of the evaluation or the chart covers it.
    if (!m_finalStatus.isEmpty()) m_state.setStatusText(0, m_finalStatus);
    if (!m_failure.isEmpty()) {
        m_state.setStatusText(0, m_failure);
        // A history still empty although a source is set: the user learns where
        // draws come from.
        QString error;
        const auto records = DrawFile(m_state.drawFilePath()).readShared(&error);
        if (m_failure != m_state.messages.text(Message::DownloadNoSource) && records &&
            records->empty())
            m_services.dialogs.notify(m_state.messages.text(Message::NoDrawsLoaded) +
                                          QLatin1Char('\n') + m_failure + QStringLiteral("\n\n") +
                                          m_state.messages.text(Message::WhereDrawsComeFrom),
                                      m_state.messages.text(Message::DownloadCaption));
    }
    emit finished();
}

}  // namespace kw
