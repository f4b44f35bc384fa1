#pragma once
// Fetching the missing draws: from the draw-data server, one request per day from
// the day after the newest stored draw up to today, each day's answer appended to
// the DrawFile as it comes; or, when no such server is set, as one complete results
// file merged into the history by date. Also rebuilding the history from scratch.
// The requests run in the background of the event loop; at the end the newest draw
// is selected and the tips are evaluated.
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "draws/draw_record.h"
#include "platform/http_client.h"

namespace kw {

class MainState;
struct Services;

// One line of the server's answer: field 0 up to the first comma (not used), five
// numbers each followed by a comma (blanks around them ignored), then a digit field.
struct DrawLine {
    std::array<int, 5> numbers{};
    std::array<int, 7> digits{};
    int digitCount = 0;  // single digits at the start of the digit field, at most 7
};

// nullopt when field 0 or one of the numbers cannot be read, a number is not 1..42
// or stands twice.
// Reading the digits stops quietly at the first character that is not one.
std::optional<DrawLine> parseDrawLine(QStringView line);
// The answer's lines: none for an empty body; a line break at the very end adds none,
// an empty line between two others counts.
QStringList answerLines(const QString& body);
// Writes the line into the record for the date: the numbers into slots 1 to 5, the
// digits read into Ziffern (the others keep theirs), slots 6 to 8 and the rest 0.
void applyDrawLine(DrawRecord& record, const DrawLine& line, DayCount date);
// The request for one day: server (with its scheme; "http://" when it has none) +
// "/lotto/lottopl.asp?Programm=KleinkugelPL&Datum=yyyymmdd".
QString drawRequestUrl(const QString& server, const QDate& day);

// What a server may send: a day's answer holds a draw or two; the results file
// holds every draw since the game began: some thousands of lines of about 30
// bytes, well under a megabyte, so the limit leaves room for decades to come.
// Past its limit an answer is abandoned as it comes: nothing more is read.
inline constexpr qint64 kDayAnswerMaxBytes = 4096;
inline constexpr int kDayAnswerMaxLines = 10;
inline constexpr qint64 kResultsFileMaxBytes = 4 * 1024 * 1024;
// How much of an unreadable answer its message shows.
inline constexpr int kShownAnswerLength = 200;

// The address of the published Mini Lotto results ("N,DD.MM.YYYY,a,b,c,d,e"), used
// when the settings name none.
inline const QString kDefaultResultsFile =
    QStringLiteral("https://www.wynikilotto.net.pl/download/mini_lotto.csv");

class DrawDownload : public QObject {
    Q_OBJECT
public:
    DrawDownload(MainState& state, Services& services, QObject* parent = nullptr);
    // Cancels a request under way; what is stored stays.
    ~DrawDownload() override;

    // KugelwartClick. Does nothing while a download, a generation run, the tip
    // search, an analysis or a change of the DrawFile by hand is under way.
    void start();
    // BitBtn2Click: after a Yes, deletes the DrawFile and downloads it anew.
    void rebuild();
    // SpeedButton8Click: the request under way is abandoned (nothing of it is stored)
    // and the download ends.
    void stop();
    bool running() const;

signals:
    // The download has ended and the tips are evaluated.
    void finished();

private:
    void requestNextDay();
    void requestResultsFile();
    std::optional<HttpRequest> request(const QString& url);
    void answered(const HttpResponse& response);
    void takeDay(const HttpResponse& response);
    void takeResultsFile(const HttpResponse& response);
    bool storeLines(const QStringList& lines, const QString& body);
    // A generation run, the tip search or an analysis.
    bool generating() const;
    // Runs the step now, or once such a run has ended: the run must not see the
    // CurrentDraw or the tips change under it.
    void whenNoRun(std::function<void()> step);
    void fail(const QString& status);
    void finish();

    MainState& m_state;
    Services& m_services;
    std::unique_ptr<HttpCall> m_call;
    std::function<void()> m_deferred;  // held while a generation run is active
    DrawRecord m_record;               // the record read or written last
    DayCount m_day = 0;                // the day asked for; nothing but the download moves it
    bool m_resultsFile = false;        // the source is the results file, not the server
    bool m_stored = false;
    QString m_failure;      // why the download ended early, for the status bar
    QString m_finalStatus;  // the last answer's status line
};

}  // namespace kw
