#include "support/draw_server.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

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
    QTimer::singleShot(reply.mode == Answer::Mode::Trickle ? 0 : reply.delay, this,
                       [this, alive, reply] {
                           if (alive) answer(alive, reply);
                       });
}

void DrawServer::answer(QTcpSocket* socket, const Answer& a)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + a.reason + "\r\n";
    head += "Content-Type: text/plain\r\n";
    head += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
    head += "Connection: close\r\n";
    for (const auto& [name, value] : a.headers) head += name + ": " + value + "\r\n";
    head += "\r\n";
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
    default: socket->write(head + a.body); socket->disconnectFromHost();
    }
}

}  // namespace kw::test
