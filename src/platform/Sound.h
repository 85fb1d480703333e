#pragma once

#include <QString>

// Plays a wave file without waiting for it to end; false when it cannot (no audio output).
class Sound {
public:
    virtual ~Sound() = default;
    virtual bool play(const QString& file) = 0;
};

// The activity log's line for a sound that could not be played.
inline QString SoundNotPlayedText(const QString& file) {
    return QStringLiteral("Sound not played (no audio output): ") + file;
}
