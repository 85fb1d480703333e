#pragma once

#include <QString>

// Plays a wave file without waiting for it to end.
class Sound {
public:
    virtual ~Sound() = default;
    virtual bool play(const QString& file) = 0;
};
