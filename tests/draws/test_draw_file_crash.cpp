// A program killed at any moment while it enters, deletes, imports or downloads
// draws leaves a DrawFile that holds the history before or after the step it was
// killed in: never a mixture, never a missing file. The driver runs the steps
// (see draw_file_crash_driver.cpp); this test kills it with SIGKILL at random
// moments, one hundred times on the same DataFolder.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "draws/draw_file.h"
#include "support/draw_records.h"

using namespace kw;

namespace {

QByteArray md5(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// What the log says the file may hold now: the content after the last step that
// ended, and the one expected after the step under way, if one was.
struct Allowed {
    QByteArray before;
    QByteArray after;  // empty: no step was under way
    QByteArray step;
    int steps = 0;  // steps that ended
};

Allowed allowedStates(const QByteArray& log)
{
    Allowed allowed;
    for (const QByteArray& line : log.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields[0] == "start" && fields.size() == 2) {
            allowed.before = fields[1];
        } else if (fields[0] == "begin" && fields.size() == 3) {
            allowed.step = fields[1];
            allowed.after = fields[2];
        } else if (fields[0] == "done" && fields.size() == 2) {
            allowed.before = fields[1];
            allowed.after.clear();
            ++allowed.steps;
        }
    }
    return allowed;
}

}  // namespace

class TestDrawFileCrash : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandomMoments()
    {
        const quint32 seed = qEnvironmentVariableIsSet("KUGELWART_CRASH_SEED")
                                 ? qEnvironmentVariableIntValue("KUGELWART_CRASH_SEED")
                                 : QRandomGenerator::global()->generate();
        qInfo("seed %u (repeat with KUGELWART_CRASH_SEED=%u)", seed, seed);
        QRandomGenerator random(seed);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("KugelwartKK"));
        QVERIFY(QDir().mkpath(folder));
        const QString drawFile = folder + QStringLiteral("/ZahlenKK.dat");
        // Three years of draws, about the size of the real history.
        std::vector<DrawRecord> history;
        for (QDate d(2021, 1, 1); d < QDate(2024, 1, 1); d = d.addDays(1))
            history.push_back(test::makeDraw(d, {d.day(), 33, 34, 35, d.month() + 20}));
        QVERIFY(DrawFile(drawFile).replace(history, nullptr));

        int steps = 0;
        int killedInStep = 0;
        for (int kill = 0; kill < 100; ++kill) {
            const QString log = dir.filePath(QStringLiteral("log%1.txt").arg(kill));
            QProcess driver;
            driver.setWorkingDirectory(dir.path());
            driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            driver.start(QStringLiteral(KUGELWART_CRASH_DRIVER),
                         {folder, log, QString::number(random.generate())});
            QVERIFY2(driver.waitForStarted(), qPrintable(driver.errorString()));
            // The moment of the kill is counted from the driver's first step on.
            QVERIFY(QTest::qWaitFor([&] { return QFile(log).size() > 0; }, 10000));
            const int delay = static_cast<int>(random.bounded(120));
            QThread::msleep(static_cast<unsigned long>(delay));
            QVERIFY2(driver.state() == QProcess::Running,
                     qPrintable(QStringLiteral("the driver ended by itself (kill %1, status %2)")
                                    .arg(kill)
                                    .arg(driver.exitCode())));
            driver.kill();
            QVERIFY(driver.waitForFinished());

            QFile logFile(log);
            QVERIFY(logFile.open(QIODevice::ReadOnly));
            const Allowed allowed = allowedStates(logFile.readAll());
            QVERIFY2(!allowed.before.isEmpty(), qPrintable(QStringLiteral("kill %1").arg(kill)));
            QFile file(drawFile);
            QVERIFY2(file.open(QIODevice::ReadOnly),
                     qPrintable(QStringLiteral("kill %1: no DrawFile").arg(kill)));
            const QByteArray bytes = file.readAll();
            const QByteArray held = md5(bytes);
            QVERIFY2(held == allowed.before || held == allowed.after,
                     qPrintable(QStringLiteral("kill %1 after %2 ms in %3: %4 bytes, neither the "
                                               "state before nor after the step")
                                    .arg(kill)
                                    .arg(delay)
                                    .arg(QString::fromLatin1(allowed.step))
                                    .arg(bytes.size())));
            QCOMPARE(bytes.size() % DrawRecord::kSize, 0);
            steps += allowed.steps;
            if (!allowed.after.isEmpty()) ++killedInStep;
        }
        qInfo("%d steps ended, %d kills during a step", steps, killedInStep);
        QVERIFY(killedInStep > 0);
    }
};

QTEST_GUILESS_MAIN(TestDrawFileCrash)
#include "test_draw_file_crash.moc"
