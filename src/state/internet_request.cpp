#include "state/internet_request.h"

#include "state/main_state.h"
#include "tips/integer_text.h"

namespace kw {

std::optional<HttpRequest> internetRequest(const MainState& state, const QString& url,
                                           QString* error)
{
    HttpRequest request;
    request.url = url;
    request.proxyHost = state.ProxyHostEdit.trimmed();
    if (!request.proxyHost.isEmpty()) {
        const auto port = parseInteger(state.ProxyPortEdit);
        if (!port) {
            if (error)
                *error = QStringLiteral("Proxy-Port: '%1' ist kein gültiger Integerwert")
                             .arg(state.ProxyPortEdit);
            return std::nullopt;
        }
        request.proxyPort = *port;
    }
    request.connectTimeout = state.downloadTimeout;
    request.readTimeout = state.downloadTimeout;
    request.maxRedirects = kRequestRedirects;
    request.userAgent = QByteArrayLiteral("Kugelwart");
    request.accept = QByteArrayLiteral("text/html, */*");
    request.cookies = true;
    return request;
}

QString withScheme(const QString& address)
{
    QString base = address.trimmed();
    if (!base.isEmpty() && !base.contains(QStringLiteral("://")))
        base.prepend(QStringLiteral("http://"));
    return base;
}

}  // namespace kw
