#pragma once
// A GET request with the settings of "Internet-Optionen": the proxy (its port read
// only when a host is set), the program's user agent and accept headers, the
// time-outs and the redirect limit. Every request to a server starts here.
#include <QString>
#include <optional>

#include "platform/http_client.h"

namespace kw {

class MainState;

inline constexpr int kRequestRedirects = 15;

// nullopt with *error set when the proxy port is no number.
std::optional<HttpRequest> internetRequest(const MainState& state, const QString& url,
                                           QString* error);
// The address, trimmed, with "http://" in front when it names no scheme.
QString withScheme(const QString& address);

}  // namespace kw
