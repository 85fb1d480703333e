#!/usr/bin/env python3
"""Writes shutdown.wav, TimeWard's own time-out sound: two falling tones, 0.8 s, 22050 Hz mono.

Run it again only to change the sound; the generated file is kept in the repository."""
import math
import struct
import sys
import wave

RATE = 22050


def tone(freq, seconds, volume=0.45):
    n = int(RATE * seconds)
    fade = int(RATE * 0.02)
    for i in range(n):
        env = min(1.0, i / fade, (n - i) / fade)
        yield volume * env * math.sin(2 * math.pi * freq * i / RATE)


def main(path):
    samples = list(tone(880, 0.35)) + [0.0] * int(RATE * 0.05) + list(tone(660, 0.4))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s * 32767)) for s in samples))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "shutdown.wav")
