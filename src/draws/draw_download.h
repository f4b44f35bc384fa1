#pragma once
// Fetching the missing draws from the draw-data server, one request per day from
// the day after the newest stored draw up to today, each answer line appended to
// the DrawFile as it comes; and rebuilding the history from scratch. The requests
// run in the background of the event loop; at the end the CurrentDraw is
// selected anew and the tips are evaluated.
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
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

// nullopt when field 0 or one of the numbers cannot be read, or a number is not 1..42.
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

inline constexpr int kDrawRequestRedirects = 15;

class DrawDownload : public QObject {
    Q_OBJECT
public:
    DrawDownload(MainState& state, Services& services, QObject* parent = nullptr);
    // Cancels a request under way; what is stored stays.
    ~DrawDownload() override;

    // KugelwartClick. Does nothing while a download runs.
    void start();
    // BitBtn2Click: after a Yes, deletes the DrawFile and downloads it anew.
    void rebuild();
    // SpeedButton8Click: the day under way is completed, no further day is asked for.
    void stop();
    bool running() const { return m_running; }

signals:
    // The download has ended and the tips are evaluated.
    void finished();

private:
    void requestNextDay();
    void answered(const HttpResponse& response);
    void handle(const HttpResponse& response);
    bool storeLines(const QString& body);
    void finish();

    MainState& m_state;
    Services& m_services;
    std::unique_ptr<HttpCall> m_call;
    std::optional<HttpResponse> m_heldAnswer;  // came while a generation run was active
    DrawRecord m_record;                       // the record read or written last
    bool m_running = false;
    bool m_stored = false;
};

}  // namespace kw
