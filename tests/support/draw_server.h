#pragma once
// A small HTTP server on 127.0.0.1 for the tests, standing in for the draw-data
// server: it answers each GET from a table (by the Datum of the query, or by the
// path), and records every request with its headers.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <functional>
#include <utility>

class QTcpSocket;

namespace kw::test {

class DrawServer : public QObject {
    Q_OBJECT
public:
    struct Answer {
        enum class Mode {
            Complete,  // the whole answer
            Silent,    // takes the request and never answers
            BreakOff,  // promises the whole body, sends its first half, closes
            Trickle,   // the status and headers at once, then the body in four pieces, delay ms
                       // apart
            HangUp,    // takes the request and closes without a word
            Stream,    // a body of size bytes, the body repeated, made as the connection takes it
            Endless,   // the status and headers, then the body every delay ms until the client
                       // goes; no length is announced
            Loop,      // a redirect to the very address asked for
        };
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        QList<std::pair<QByteArray, QByteArray>> headers;  // sent besides the usual ones
        int delay = 0;  // ms before the answer starts (Trickle: between its pieces)
        Mode mode = Mode::Complete;
        qint64 size = 0;  // Stream: the body's length
    };
    static Answer ok(const QByteArray& body);
    static Answer status(int code, const QByteArray& reason);
    static Answer redirect(const QByteArray& location);
    static Answer silent();
    static Answer brokenOff(const QByteArray& body);
    static Answer stream(const QByteArray& pattern, qint64 size);
    static Answer endless(const QByteArray& piece, int delay);
    static Answer redirectLoop();

    struct Request {
        QByteArray target;  // as sent: path and query, or the whole URL to a proxy
        QByteArray path;
        QString datum;                         // the Datum of the query
        QMap<QByteArray, QByteArray> headers;  // names in lower case
    };

    DrawServer();
    ~DrawServer() override;
    bool listen();
    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    QString address() const;  // "http://127.0.0.1:port"

    QMap<QString, Answer> byDate;     // answers for the Datum of the query
    QMap<QByteArray, Answer> byPath;  // answers for other paths, looked at first
    Answer otherwise;                 // everything else: 200 with an empty body
    QList<Request> requests;
    qint64 bodyBytesSent = 0;                       // of every answer, as the system took them
    std::function<void(const Request&)> onRequest;  // called as each request arrives

    QStringList requestedDates() const;

private:
    void accept();
    void read(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Answer& answer, const Request& request);
    void stream(QTcpSocket* socket, const Answer& answer);

    QTcpServer m_server;
    QMap<QTcpSocket*, QByteArray> m_pending;
};

}  // namespace kw::test
