#pragma once
// Plays a WAV file without waiting; a new request replaces one still playing.
// Where there is no audio device, playing does nothing and is no error.
#include <QString>

namespace kw {

class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& wavPath) = 0;
};

}  // namespace kw
