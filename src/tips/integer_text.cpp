#include "tips/integer_text.h"

#include <limits>

namespace kw {

std::optional<int> parseInteger(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n) return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace kw
