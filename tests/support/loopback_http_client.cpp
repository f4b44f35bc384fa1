#include "support/loopback_http_client.h"

#include <QHostAddress>
#include <QTimer>
#include <QUrl>

namespace kw::test {

namespace {

bool onLoopback(const QString& host)
{
    const QString name = host.trimmed().toLower();
    if (name == QStringLiteral("localhost")) return true;
    const QHostAddress address(name);
    return !address.isNull() && address.isLoopback();
}

class RefusedCall : public QObject, public HttpCall {
public:
    RefusedCall(std::function<void(const HttpResponse&)> done)
    {
        QTimer::singleShot(0, this, [done = std::move(done)] {
            HttpResponse response;
            response.outcome = HttpResponse::Outcome::ConnectionFailed;
            response.errorText = QStringLiteral("not on this machine, not sent by the tests");
            done(response);
        });
    }
};

}  // namespace

std::unique_ptr<HttpCall> LoopbackHttpClient::get(const HttpRequest& request,
                                                  std::function<void(const HttpResponse&)> done)
{
    const QString host = request.proxyHost.isEmpty() ? QUrl(request.url).host() : request.proxyHost;
    if (!host.isEmpty() && !onLoopback(host)) {
        refused << request.url;
        return std::make_unique<RefusedCall>(std::move(done));
    }
    return m_client.get(request, std::move(done));
}

}  // namespace kw::test
