#pragma once

#include "platform/Sound.h"

#include <memory>

class QSoundEffect;

// Plays a wave file without waiting for it; a new sound replaces one still playing. False
// where there is no audio output to play on.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    bool play(const QString& file) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};
