#include "platform/qt/QtSound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

bool QtSound::play(const QString& file) {
    if (!QFileInfo(file).isFile()) return false;
    // Without an audio output there is nothing to play on; the caller notes it.
    if (QMediaDevices::audioOutputs().isEmpty()) return false;
    if (!m_effect) m_effect = std::make_unique<QSoundEffect>();
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(file));
    m_effect->play(); // starts once the file is loaded; play() does not wait for it
    return true;
}
