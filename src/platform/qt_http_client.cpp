#include "platform/qt_http_client.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace kw {

namespace {

// An error that only reports the status the server answered with: the answer itself came complete.
bool reportsStatusOnly(QNetworkReply::NetworkError error)
{
    const int code = error;
    return error == QNetworkReply::ProxyAuthenticationRequiredError ||
           (code >= QNetworkReply::ContentAccessDenied &&
            code <= QNetworkReply::UnknownContentError) ||
           error == QNetworkReply::ProtocolInvalidOperationError ||
           (code >= QNetworkReply::InternalServerError &&
            code <= QNetworkReply::UnknownServerError);
}

constexpr qint64 kMaxBuffer = 1024 * 1024;
const QString kTimedOut = QStringLiteral("Operation timed out");
const QString kTooLarge = QStringLiteral("Answer larger than %1 bytes");

class QtHttpCall : public QObject, public HttpCall {
public:
    using Done = std::function<void(const HttpResponse&)>;

    // A request that is under way in reply.
    QtHttpCall(QNetworkReply* reply, const HttpRequest& request, Done done)
        : m_reply(reply),
          m_done(std::move(done)),
          m_progress(request.progress),
          m_readTimeout(request.readTimeout),
          m_maxBody(request.maxBodyBytes)
    {
        m_connectTimer.setSingleShot(true);
        m_readTimer.setSingleShot(true);
        m_deadline.setSingleShot(true);
        connect(&m_connectTimer, &QTimer::timeout, this, &QtHttpCall::timedOut);
        connect(&m_readTimer, &QTimer::timeout, this, &QtHttpCall::timedOut);
        // However slowly a server keeps talking, the request ends in time.
        connect(&m_deadline, &QTimer::timeout, this, &QtHttpCall::timedOut);
        if (request.totalTimeout > 0) m_deadline.start(request.totalTimeout);
        connect(reply, &QNetworkReply::requestSent, this, [this] {
            m_connectTimer.stop();
            m_readTimer.start(m_readTimeout);
        });
        connect(reply, &QNetworkReply::redirected, this,
                [this, connectTimeout = request.connectTimeout] {
                    m_body.clear();  // the answer comes from the new address
                    m_readTimer.stop();
                    m_connectTimer.start(connectTimeout);
                });
        // Anything from the server shows the connection stands.
        const auto heard = [this] {
            m_connectTimer.stop();
            m_readTimer.start(m_readTimeout);
        };
        connect(reply, &QNetworkReply::metaDataChanged, this, heard);
        connect(reply, &QNetworkReply::readyRead, this, [this, heard] {
            heard();
            take();
        });
        connect(reply, &QNetworkReply::downloadProgress, this, heard);
        connect(reply, &QNetworkReply::finished, this, &QtHttpCall::finished);
        // The network layer buffers no more than the limit ahead of what is taken: a
        // server sending faster than the event loop takes cannot fill the memory.
        if (m_maxBody > 0) reply->setReadBufferSize(std::min<qint64>(m_maxBody + 1, kMaxBuffer));
        m_connectTimer.start(request.connectTimeout);
    }

    // A request that could not even be started: it fails from the event loop.
    QtHttpCall(const QString& error, Done done) : m_done(std::move(done))
    {
        QTimer::singleShot(0, this, [this, error] {
            HttpResponse response;
            response.errorText = error;
            report(response);
        });
    }

    ~QtHttpCall() override
    {
        if (m_reply) {
            m_reply->disconnect(this);
            m_reply->abort();
            m_reply->deleteLater();
        }
    }

private:
    void timedOut()
    {
        m_timedOut = true;
        if (m_reply) m_reply->abort();
    }

    // The body is taken as it comes, so that its size is known before it is all there:
    // past the limit nothing more is kept, and the request ends from the event loop.
    void take()
    {
        if (!m_reply || m_tooLarge) return;
        m_body += m_reply->readAll();
        if (m_maxBody > 0 && m_body.size() > m_maxBody) {
            m_tooLarge = true;
            m_body.clear();
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_reply) m_reply->abort();
                },
                Qt::QueuedConnection);
            return;
        }
        if (m_progress) m_progress(m_body.size());
    }

    void finished()
    {
        QNetworkReply* reply = m_reply;
        if (!reply) return;
        m_connectTimer.stop();
        m_readTimer.stop();
        m_deadline.stop();
        if (reply->isOpen()) take();
        HttpResponse response;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        response.statusCode = status.isValid() ? status.toInt() : 0;
        if (response.statusCode != 0) {
            const QString reason =
                reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            response.statusLine = QString::number(response.statusCode);
            if (!reason.isEmpty()) response.statusLine += QLatin1Char(' ') + reason;
        }
        response.body = std::move(m_body);
        response.lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
        const QNetworkReply::NetworkError error = reply->error();
        if (m_tooLarge)
            response.errorText = kTooLarge.arg(m_maxBody);
        else if (m_timedOut)
            response.errorText = kTimedOut;
        else if (error != QNetworkReply::NoError)
            response.errorText = reply->errorString();

        if (m_tooLarge) {
            response.outcome = HttpResponse::Outcome::TooLarge;
            response.body.clear();
        } else if (!m_timedOut && error == QNetworkReply::NoError)
            response.outcome = HttpResponse::Outcome::Answered;
        else if (response.statusCode == 0)
            response.outcome = HttpResponse::Outcome::ConnectionFailed;
        else if (!m_timedOut && reportsStatusOnly(error))
            response.outcome = HttpResponse::Outcome::Answered;
        else
            response.outcome = HttpResponse::Outcome::BrokenOff;

        reply->disconnect(this);
        reply->deleteLater();
        m_reply = nullptr;
        report(response);
    }

    // The callback may destroy this call: nothing of it is touched afterwards.
    void report(const HttpResponse& response)
    {
        Done done = std::move(m_done);
        m_done = nullptr;
        if (done) done(response);
    }

    QPointer<QNetworkReply> m_reply;
    Done m_done;
    QTimer m_connectTimer;
    QTimer m_readTimer;
    QTimer m_deadline;
    std::function<void(qint64)> m_progress;
    QByteArray m_body;
    int m_readTimeout = 0;
    qint64 m_maxBody = 0;
    bool m_timedOut = false;
    bool m_tooLarge = false;
};

}  // namespace

QtHttpClient::QtHttpClient(QObject* parent)
    : QObject(parent), m_cookies(new QNetworkCookieJar(this))
{
}

QtHttpClient::~QtHttpClient() = default;

QNetworkAccessManager* QtHttpClient::managerFor(const QString& proxyHost, int proxyPort)
{
    auto& manager = m_managers[{proxyHost, proxyHost.isEmpty() ? 0 : proxyPort}];
    if (!manager) {
        manager = std::make_unique<QNetworkAccessManager>();
        manager->setProxy(proxyHost.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy)
                                              : QNetworkProxy(QNetworkProxy::HttpProxy, proxyHost,
                                                              static_cast<quint16>(proxyPort)));
        // The jar is shared: the manager must not take it along when it goes.
        manager->setCookieJar(m_cookies);
        m_cookies->setParent(this);
    }
    return manager.get();
}

std::unique_ptr<HttpCall> QtHttpClient::get(const HttpRequest& request,
                                            std::function<void(const HttpResponse&)> done)
{
    const QUrl url(request.url);
    if (!url.isValid() || url.host().isEmpty())
        return std::make_unique<QtHttpCall>(QStringLiteral("Invalid URL \"%1\"").arg(request.url),
                                            std::move(done));
    if (!request.proxyHost.isEmpty() && (request.proxyPort < 1 || request.proxyPort > 65535))
        return std::make_unique<QtHttpCall>(
            QStringLiteral("Invalid proxy port %1").arg(request.proxyPort), std::move(done));

    QNetworkRequest networkRequest(url);
    if (request.maxRedirects > 0) {
        networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                    QNetworkRequest::NoLessSafeRedirectPolicy);
        networkRequest.setMaximumRedirectsAllowed(request.maxRedirects);
    } else {
        networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                    QNetworkRequest::ManualRedirectPolicy);
    }
    if (!request.userAgent.isEmpty())
        networkRequest.setHeader(QNetworkRequest::UserAgentHeader, request.userAgent);
    if (!request.accept.isEmpty()) networkRequest.setRawHeader("Accept", request.accept);
    const auto cookies = request.cookies ? QNetworkRequest::Automatic : QNetworkRequest::Manual;
    networkRequest.setAttribute(QNetworkRequest::CookieLoadControlAttribute, cookies);
    networkRequest.setAttribute(QNetworkRequest::CookieSaveControlAttribute, cookies);
    // The answer is wanted as it is, from the server itself.
    networkRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                                QNetworkRequest::AlwaysNetwork);

    QNetworkReply* reply = managerFor(request.proxyHost, request.proxyPort)->get(networkRequest);
    return std::make_unique<QtHttpCall>(reply, request, std::move(done));
}

}  // namespace kw
