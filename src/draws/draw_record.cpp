#include "draws/draw_record.h"

#include <QtEndian>
#include <cstring>

namespace kw {

void DrawRecord::setSlot(int i, int value)
{
    if (i >= 1 && i <= kSlots) zahlen[i - 1] = static_cast<std::uint8_t>(value);
}

void DrawRecord::writeTo(char* out) const
{
    quint64 bits;
    static_assert(sizeof bits == sizeof datum);
    std::memcpy(&bits, &datum, sizeof bits);
    qToLittleEndian(bits, out);
    std::memcpy(out + 8, zahlen.data(), zahlen.size());
    std::memcpy(out + 16, ziffern.data(), ziffern.size());
    std::memcpy(out + 23, reserved.data(), reserved.size());
}

DrawRecord DrawRecord::readFrom(const char* in)
{
    DrawRecord r;
    const quint64 bits = qFromLittleEndian<quint64>(in);
    std::memcpy(&r.datum, &bits, sizeof bits);
    std::memcpy(r.zahlen.data(), in + 8, r.zahlen.size());
    std::memcpy(r.ziffern.data(), in + 16, r.ziffern.size());
    std::memcpy(r.reserved.data(), in + 23, r.reserved.size());
    return r;
}

QByteArray DrawRecord::toBytes() const
{
    QByteArray bytes(kSize, '\0');
    writeTo(bytes.data());
    return bytes;
}

}  // namespace kw
