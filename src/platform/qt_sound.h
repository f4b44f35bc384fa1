#pragma once
// WAV playback through QSoundEffect; one effect, so a new play replaces the last.
#include <QObject>
#include <memory>

#include "platform/sound.h"

class QSoundEffect;

namespace kw {

class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void play(const QString& wavPath) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

}  // namespace kw
