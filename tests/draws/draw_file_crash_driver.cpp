// Changes a draw history step after step with the operations the window calls
// (entering, deleting, importing, downloading from a draw-data server on
// 127.0.0.1 that runs in this process), until it is killed. test_draw_file_crash
// kills it at random moments and checks what the DrawFile holds.
//   draw_file_crash_driver DATAFOLDER LOG SEED
// The log gets, written through to the disk before the step goes on:
//   start <md5>    the DrawFile's content when the driver began
//   begin <op> <md5>  a step begins; md5 of the content expected after it
//   done <md5>     the step has ended and the file holds that content
// A file that differs from the expected content ends the driver with status 3.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "draws/draw_download.h"
#include "draws/draw_file.h"
#include "draws/draw_maintenance.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "state/startup.h"
#include "support/draw_server.h"
#include "support/fakes.h"
#include "support/loopback_http_client.h"
#include "support/memory_settings_store.h"
#include "tips/text_file.h"

using namespace kw;
using namespace kw::test;

namespace {

QByteArray md5(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

QByteArray contentOf(const std::vector<DrawRecord>& records)
{
    QByteArray bytes;
    for (const DrawRecord& r : records) bytes += r.toBytes();
    return bytes;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

class Log {
public:
    explicit Log(const QString& path) : m_file(path) {}
    bool open() { return m_file.open(QIODevice::WriteOnly | QIODevice::Append); }
    void line(const QByteArray& text)
    {
        m_file.write(text + '\n');
        m_file.flush();
#ifdef Q_OS_UNIX
        ::fsync(m_file.handle());
#endif
    }

private:
    QFile m_file;
};

struct Driver {
    QString folder;
    QRandomGenerator random;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingSound sound;
    FixedClock clock;
    MemorySettingsStore settings;
    LoopbackHttpClient http;
    DrawServer server;
    Services services{dialogs,   shell,     sound,     clock, settings,
                      QString(), QString(), QString(), &http};
    MainState state;

    QString drawFile() const { return state.drawFilePath(); }
    std::vector<DrawRecord> stored() const
    {
        return DrawFile(drawFile()).readAll(nullptr).value_or(std::vector<DrawRecord>{});
    }
    int number() { return 1 + static_cast<int>(random.bounded(42)); }
    std::array<int, 5> fiveNumbers()
    {
        std::array<int, 5> numbers{};
        for (int i = 0; i < 5; ++i) {
            int n = number();
            while (std::find(numbers.begin(), numbers.begin() + i, n) != numbers.begin() + i)
                n = number();
            numbers[i] = n;
        }
        return numbers;
    }
    // A stored date, or one of the days after the newest.
    DayCount someDate(const std::vector<DrawRecord>& records)
    {
        if (!records.empty() && random.bounded(2) == 0)
            return records[random.bounded(static_cast<quint32>(records.size()))].datum;
        const DayCount newest =
            records.empty() ? dayCountFromDate(QDate(2024, 1, 1)) : records.back().datum;
        return newest + 1 + random.bounded(3);
    }

    std::vector<DrawRecord> enter(const std::vector<DrawRecord>& records)
    {
        const DayCount date = someDate(records);
        state.DateTimePicker1.setDate(date);
        DrawRecord typed;
        typed.datum = date;
        const auto numbers = fiveNumbers();
        for (int i = 0; i < 5; ++i) typed.setSlot(i + 1, numbers[i]);
        // What the entry stores, as the dialog's caller makes it from the proposal.
        DrawRecord entered = entryProposal(records, state.DateTimePicker1.date());
        entered.datum = date;
        for (int slot = 1; slot <= 5; ++slot) entered.setSlot(slot, typed.slot(slot));
        sortDrawNumbers(entered);
        m_step = [this, typed] {
            enterDraw(state, services, [typed](const DrawRecord&) { return typed; });
        };
        return withDrawStored(records, entered);
    }

    std::vector<DrawRecord> remove(const std::vector<DrawRecord>& records)
    {
        if (records.empty()) return enter(records);
        const DayCount date = records[random.bounded(static_cast<quint32>(records.size()))].datum;
        m_step = [this, date] {
            state.Datum1 = date;
            dialogs.yesNoAnswers = {true};
            deleteShownDraw(state, services);
        };
        return withoutDate(records, date);
    }

    std::vector<DrawRecord> import(const std::vector<DrawRecord>& records)
    {
        QStringList lines;
        const int count = 1 + static_cast<int>(random.bounded(4));
        for (int i = 0; i < count; ++i) {
            DrawRecord r;
            r.datum = someDate(records);
            const auto numbers = fiveNumbers();
            for (int s = 0; s < 5; ++s) r.setSlot(s + 1, numbers[s]);
            lines << exportLine(r);
        }
        const QString path = folder + QStringLiteral("/../import.txt");
        if (!writeTextLines(path, lines, nullptr)) std::exit(4);
        const bool replace = random.bounded(2) == 0;
        const DrawText text = parseDrawText(lines, state.SternenzahlMax);
        const ImportMerge merge =
            mergeImported(records, text.draws, replace && countDiffering(records, text.draws) > 0);
        m_step = [this, path, replace] {
            dialogs.fileAnswers = {path};
            dialogs.yesNoAnswers = {replace};
            importDraws(state, services);
        };
        return merge.added + merge.replaced > 0 ? merge.records : records;
    }

    std::vector<DrawRecord> download(const std::vector<DrawRecord>& records)
    {
        if (records.empty()) return enter(records);
        const DayCount day = std::floor(records.back().datum) + 1;
        std::vector<DrawRecord> expected = records;
        QByteArray body;
        DrawRecord last = records.back();
        const int lines = 1 + static_cast<int>(random.bounded(2));
        for (int i = 0; i < lines; ++i) {
            const auto numbers = fiveNumbers();
            QByteArray line = "x";
            for (int n : numbers) line += ',' + QByteArray::number(n);
            line += ",1234567";
            body += line + "\r\n";
            applyDrawLine(last, *parseDrawLine(QString::fromLatin1(line)), day);
            expected.push_back(last);
        }
        const QDate date = dateFromDayCount(day);
        server.byDate[date.toString(QStringLiteral("yyyyMMdd"))] = DrawServer::ok(body);
        m_step = [this, date] {
            clock.date = date;
            DrawDownload download(state, services);
            QEventLoop loop;
            QObject::connect(&download, &DrawDownload::finished, &loop, &QEventLoop::quit);
            download.start();
            if (download.running()) loop.exec();
        };
        return expected;
    }

    int run(Log& log)
    {
        QByteArray content = fileBytes(drawFile());
        log.line("start " + md5(content));
        for (;;) {
            const std::vector<DrawRecord> records = stored();
            std::vector<DrawRecord> expected;
            QByteArray op;
            switch (random.bounded(4)) {
            case 0: op = "enter", expected = enter(records); break;
            case 1: op = "delete", expected = remove(records); break;
            case 2: op = "import", expected = import(records); break;
            default: op = "download", expected = download(records); break;
            }
            const QByteArray wanted = md5(contentOf(expected));
            log.line("begin " + op + ' ' + wanted);
            m_step();
            const QByteArray got = md5(fileBytes(drawFile()));
            if (got != wanted) {
                log.line("mismatch " + op + ' ' + got);
                for (const QString& notice : dialogs.notices())
                    std::fprintf(stderr, "%s\n", qPrintable(notice));
                return 3;
            }
            log.line("done " + got);
        }
    }

private:
    std::function<void()> m_step;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: draw_file_crash_driver DATAFOLDER LOG SEED\n");
        return 2;
    }
    Driver driver;
    driver.folder = QString::fromLocal8Bit(argv[1]);
    driver.random.seed(QByteArray(argv[3]).toUInt());
    driver.clock.date = QDate(2030, 1, 1);
    if (!driver.server.listen()) return 2;
    // Nothing is fetched at start; the download steps name their server.
    driver.settings.openKey(kSettingsKey, true);
    driver.settings.writeString(kResultsFileValue, QString());
    driver.settings.writeString(kDrawServerValue, driver.server.address());
    driver.settings.closeKey();
    prepareState(driver.state, driver.services, driver.folder);
    const StartSettings saved = loadStartSettings(driver.state, driver.services);
    finishStartup(driver.state, driver.services, saved.analysisStartRead);
    Log log(QString::fromLocal8Bit(argv[2]));
    if (!log.open()) return 2;
    return driver.run(log);
}
