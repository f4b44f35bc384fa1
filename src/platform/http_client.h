#pragma once
// HTTP GET into memory, the one way the program talks to its servers (draw data,
// quotas, web cart, scripts). Requests run in the background of the event loop:
// the answer comes later through a callback, and the window stays responsive.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

namespace kw {

struct HttpRequest {
    QString url;
    QString proxyHost;  // empty: no proxy
    int proxyPort = 80;
    int connectTimeout = 5000;  // ms until the request has gone out to the server
    int readTimeout = 5000;     // ms of silence allowed once it has
    int maxRedirects = 15;
    QByteArray userAgent;
    QByteArray accept;
    bool cookies = true;      // keep cookies the servers set and send them back
    int totalTimeout = 0;     // ms the whole request may take, answer included; 0: no limit
    qint64 maxBodyBytes = 0;  // an answer larger than this is not read on; 0: no limit
    // Called from the event loop with the bytes of the body received so far; it must not
    // destroy the call.
    std::function<void(qint64 received)> progress;
};

struct HttpResponse {
    enum class Outcome {
        Answered,          // a complete answer, whatever its status
        ConnectionFailed,  // no answer at all: host not found, refused, nothing in time
        BrokenOff,         // an answer began but never came to its end, or too many redirects
        TooLarge,          // the body grew past maxBodyBytes; what came is dropped
    };
    Outcome outcome = Outcome::ConnectionFailed;
    int statusCode = 0;  // 0 when no status arrived
    QString statusLine;  // "200 OK"
    QByteArray body;
    QDateTime lastModified;  // UTC; invalid when the server sent none
    QString errorText;       // why it failed, in the network layer's words

    bool answered() const { return outcome == Outcome::Answered; }
};

// A request under way. Destroying it cancels the request; its callback is then never called.
class HttpCall {
public:
    virtual ~HttpCall() = default;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Starts a GET. done runs once, later, from the event loop (never from within
    // get()); it may destroy the call it belongs to.
    virtual std::unique_ptr<HttpCall> get(const HttpRequest& request,
                                          std::function<void(const HttpResponse&)> done) = 0;
};

}  // namespace kw
