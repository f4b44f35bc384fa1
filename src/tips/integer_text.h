#pragma once
// Reading a whole number from a cell or field as the program always has:
// optional leading blanks, an optional sign, decimal digits, nothing after them,
// within 32 bits. Anything else is no integer.
#include <QStringView>
#include <optional>

namespace kw {

std::optional<int> parseInteger(QStringView text);

}  // namespace kw
