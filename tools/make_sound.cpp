// Writes the program's success sound: a short rising three-note chime,
// 16-bit mono PCM at 22050 Hz, as a RIFF/WAVE file.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(v & 0xff);
    out.push_back(v >> 8);
}

void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xff);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
        return 2;
    }
    const int rate = 22050;
    const double pi = 3.14159265358979323846;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};  // C5 E5 G5 C6
    const double noteSeconds = 0.11;
    std::vector<std::int16_t> samples;
    for (int n = 0; n < 4; ++n) {
        const double length = n == 3 ? 0.35 : noteSeconds;
        const int count = static_cast<int>(length * rate);
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double attack = std::fmin(1.0, t / 0.008);
            const double decay = std::exp(-t * (n == 3 ? 7.0 : 14.0));
            const double tone =
                std::sin(2 * pi * notes[n] * t) + 0.3 * std::sin(4 * pi * notes[n] * t);
            samples.push_back(static_cast<std::int16_t>(9000.0 * attack * decay * tone));
        }
    }
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<unsigned char> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, dataBytes);
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));

    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
