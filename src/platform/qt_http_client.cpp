#include "platform/qt_http_client.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>

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

const QString kTimedOut = QStringLiteral("Operation timed out");

class QtHttpCall : public QObject, public HttpCall {
public:
    using Done = std::function<void(const HttpResponse&)>;

    // A request that is under way in reply.
    QtHttpCall(QNetworkReply* reply, const HttpRequest& request, Done done)
        : m_reply(reply), m_done(std::move(done)), m_readTimeout(request.readTimeout)
    {
        m_connectTimer.setSingleShot(true);
        m_readTimer.setSingleShot(true);
        connect(&m_connectTimer, &QTimer::timeout, this, &QtHttpCall::timedOut);
        connect(&m_readTimer, &QTimer::timeout, this, &QtHttpCall::timedOut);
        connect(reply, &QNetworkReply::requestSent, this, [this] {
            m_connectTimer.stop();
            m_readTimer.start(m_readTimeout);
        });
        connect(reply, &QNetworkReply::redirected, this,
                [this, connectTimeout = request.connectTimeout] {
                    m_readTimer.stop();
                    m_connectTimer.start(connectTimeout);
                });
        // Anything from the server shows the connection stands.
        const auto heard = [this] {
            m_connectTimer.stop();
            m_readTimer.start(m_readTimeout);
        };
        connect(reply, &QNetworkReply::metaDataChanged, this, heard);
        connect(reply, &QNetworkReply::readyRead, this, heard);
        connect(reply, &QNetworkReply::downloadProgress, this, heard);
        connect(reply, &QNetworkReply::finished, this, &QtHttpCall::finished);
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

    void finished()
    {
        QNetworkReply* reply = m_reply;
        if (!reply) return;
        m_connectTimer.stop();
        m_readTimer.stop();
        HttpResponse response;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        response.statusCode = status.isValid() ? status.toInt() : 0;
        if (response.statusCode != 0) {
            const QString reason =
                reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            response.statusLine = QString::number(response.statusCode);
            if (!reason.isEmpty()) response.statusLine += QLatin1Char(' ') + reason;
        }
        if (reply->isOpen()) response.body = reply->readAll();
        response.lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
        const QNetworkReply::NetworkError error = reply->error();
        if (m_timedOut)
            response.errorText = kTimedOut;
        else if (error != QNetworkReply::NoError)
            response.errorText = reply->errorString();

        if (!m_timedOut && error == QNetworkReply::NoError)
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
    int m_readTimeout = 0;
    bool m_timedOut = false;
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
