#pragma once
// The HTTP client over QtNetwork: one network manager per proxy setting, one
// cookie jar shared by all of them.
#include <QObject>
#include <map>
#include <memory>
#include <utility>

#include "platform/http_client.h"

class QNetworkAccessManager;
class QNetworkCookieJar;

namespace kw {

class QtHttpClient : public QObject, public HttpClient {
    Q_OBJECT
public:
    explicit QtHttpClient(QObject* parent = nullptr);
    ~QtHttpClient() override;

    std::unique_ptr<HttpCall> get(const HttpRequest& request,
                                  std::function<void(const HttpResponse&)> done) override;

private:
    QNetworkAccessManager* managerFor(const QString& proxyHost, int proxyPort);

    QNetworkCookieJar* m_cookies;
    std::map<std::pair<QString, int>, std::unique_ptr<QNetworkAccessManager>> m_managers;
};

}  // namespace kw
