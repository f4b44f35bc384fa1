#include "support/draw_server.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>
#include <memory>

namespace kw::test {

DrawServer::Answer DrawServer::ok(const QByteArray& body)
{
    Answer a;
    a.body = body;
    return a;
}

DrawServer::Answer DrawServer::status(int code, const QByteArray& reason)
{
    Answer a;
    a.status = code;
    a.reason = reason;
    a.body = reason;
    return a;
}

DrawServer::Answer DrawServer::redirect(const QByteArray& location)
{
    Answer a = status(302, "Found");
    a.headers << std::pair{QByteArrayLiteral("Location"), location};
    return a;
}

DrawServer::Answer DrawServer::silent()
{
    Answer a;
    a.mode = Answer::Mode::Silent;
    return a;
}

DrawServer::Answer DrawServer::brokenOff(const QByteArray& body)
{
    Answer a = ok(body);
    a.mode = Answer::Mode::BreakOff;
    return a;
}

DrawServer::Answer DrawServer::stream(const QByteArray& pattern, qint64 size)
{
    Answer a = ok(pattern);
    a.mode = Answer::Mode::Stream;
    a.size = size;
    return a;
}

DrawServer::Answer DrawServer::endless(const QByteArray& piece, int delay)
{
    Answer a = ok(piece);
    a.mode = Answer::Mode::Endless;
    a.delay = delay;
    return a;
}

DrawServer::Answer DrawServer::redirectLoop()
{
    Answer a = status(302, "Found");
    a.mode = Answer::Mode::Loop;
    return a;
}

DrawServer::DrawServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &DrawServer::accept);
}

DrawServer::~DrawServer()
{
    // The open connections go with the server; they say nothing on the way.
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) socket->disconnect(this);
}

bool DrawServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost);
}

QString DrawServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

QStringList DrawServer::requestedDates() const
{
    QStringList dates;
    for (const Request& r : requests) dates << r.datum;
    return dates;
}

void DrawServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        m_pending.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void DrawServer::read(QTcpSocket* socket)
{
    if (!m_pending.contains(socket)) return;  // answered already
    QByteArray& buffer = m_pending[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    m_pending.remove(socket);

    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.target = first.value(1);
    const QUrl url =
        request.target.startsWith('/')
            ? QUrl(QStringLiteral("http://127.0.0.1") + QString::fromLatin1(request.target))
            : QUrl(QString::fromLatin1(request.target));
    request.path = url.path().toLatin1();
    request.datum = QUrlQuery(url).queryItemValue(QStringLiteral("Datum"));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    requests << request;
    const Answer reply = byPath.contains(request.path)    ? byPath.value(request.path)
                         : byDate.contains(request.datum) ? byDate.value(request.datum)
                                                          : otherwise;
    if (onRequest) onRequest(request);
    if (reply.mode == Answer::Mode::Silent) return;
    QPointer<QTcpSocket> alive(socket);
    const bool later = reply.mode != Answer::Mode::Trickle && reply.mode != Answer::Mode::Endless;
    QTimer::singleShot(later ? reply.delay : 0, this, [this, alive, reply, request] {
        if (alive) answer(alive, reply, request);
    });
}

void DrawServer::answer(QTcpSocket* socket, const Answer& a, const Request& request)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + a.reason + "\r\n";
    head += "Content-Type: text/plain\r\n";
    if (a.mode != Answer::Mode::Endless)
        head += "Content-Length: " +
                QByteArray::number(a.mode == Answer::Mode::Stream ? a.size : a.body.size()) +
                "\r\n";
    head += "Connection: close\r\n";
    for (const auto& [name, value] : a.headers) head += name + ": " + value + "\r\n";
    if (a.mode == Answer::Mode::Loop) head += "Location: " + request.target + "\r\n";
    head += "\r\n";
    connect(socket, &QTcpSocket::bytesWritten, this, [this](qint64 n) { bodyBytesSent += n; });
    bodyBytesSent -= head.size();
    switch (a.mode) {
    case Answer::Mode::BreakOff:
        socket->write(head + a.body.left(a.body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        return;
    case Answer::Mode::Trickle: {
        socket->write(head);
        const qsizetype piece = (a.body.size() + 3) / 4;
        for (int i = 0; i < 4; ++i) {
            QPointer<QTcpSocket> alive(socket);
            QTimer::singleShot(a.delay * (i + 1), this, [alive, a, piece, i] {
                if (!alive) return;
                alive->write(a.body.mid(i * piece, piece));
                if (i == 3) alive->disconnectFromHost();
            });
        }
        return;
    }
    case Answer::Mode::HangUp: socket->disconnectFromHost(); return;
    case Answer::Mode::Stream:
        socket->write(head);
        stream(socket, a);
        return;
    case Answer::Mode::Endless: {
        socket->write(head);
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket, a] { socket->write(a.body); });
        timer->start(a.delay);
        return;
    }
    default: socket->write(head + a.body); socket->disconnectFromHost();
    }
}

void DrawServer::stream(QTcpSocket* socket, const Answer& a)
{
    // Never more than a few pieces wait in the socket: the body is made as it goes.
    const QByteArray piece = a.body.repeated(64 * 1024 / std::max<qsizetype>(a.body.size(), 1) + 1);
    auto left = std::make_shared<qint64>(a.size);
    const auto more = [socket, piece, left] {
        while (*left > 0 && socket->bytesToWrite() < 4 * piece.size()) {
            const qint64 n = std::min<qint64>(*left, piece.size());
            socket->write(piece.constData(), n);
            *left -= n;
        }
        if (*left == 0 && socket->bytesToWrite() == 0) socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}

}  // namespace kw::test
