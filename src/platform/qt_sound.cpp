#include "platform/qt_sound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kw {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const QString& wavPath)
{
    if (!QFileInfo(wavPath).isFile() || QMediaDevices::audioOutputs().isEmpty()) return;
    if (!m_effect) m_effect = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(wavPath);
    if (m_effect->source() != source) m_effect->setSource(source);
    m_effect->stop();
    m_effect->play();
}

}  // namespace kw
