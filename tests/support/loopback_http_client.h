#pragma once
// The program's HTTP client for tests, held to this machine: a request to any
// host but the loopback (directly or through the proxy) is not sent; it fails as
// a connection that could not be made, and is recorded.
#include <QStringList>

#include "platform/qt_http_client.h"

namespace kw::test {

class LoopbackHttpClient : public HttpClient {
public:
    QStringList refused;  // the URLs not sent

    std::unique_ptr<HttpCall> get(const HttpRequest& request,
                                  std::function<void(const HttpResponse&)> done) override;

private:
    QtHttpClient m_client;
};

}  // namespace kw::test
