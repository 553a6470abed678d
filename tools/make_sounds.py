#!/usr/bin/env python3
"""Writes the till's three sounds into sounds/ as 16-bit mono PCM WAV files.

8002.wav  key click in item maintenance: a soft, very short tick
8003.wav  void or emptied basket: a short descending two-tone
8004.wav  item added or sale done: a short bright blip

The output is the same on every run, so the files can be regenerated and
compared. Usage: tools/make_sounds.py [output folder]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050


def tone(freq, seconds, level, attack=0.004, decay=None, glide_to=None):
    """One sine tone with a short attack and an exponential (or linear) fade.

    `decay` is the time constant of the exponential fade in seconds; without
    it the tone fades out linearly over its last 40 ms. `glide_to` bends the
    pitch smoothly to that frequency over the tone's length. A quiet second
    harmonic gives the tone some body without making it harsh.
    """
    count = int(RATE * seconds)
    out = []
    phase = 0.0
    for i in range(count):
        t = i / RATE
        f = freq if glide_to is None else freq + (glide_to - freq) * (i / count)
        phase += 2 * math.pi * f / RATE
        env = min(1.0, t / attack) if attack > 0 else 1.0
        if decay is not None:
            env *= math.exp(-t / decay)
        tail = seconds - t
        if tail < 0.04:
            env *= tail / 0.04
        out.append(level * env * (math.sin(phase) + 0.18 * math.sin(2 * phase)))
    return out


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def click():
    body = tone(900, 0.03, 0.30, attack=0.001, decay=0.006)
    tick = tone(2000, 0.03, 0.12, attack=0.0005, decay=0.003)
    return [a + b for a, b in zip(body, tick)]


def void():
    return (tone(660, 0.11, 0.35, decay=0.09) + silence(0.01)
            + tone(440, 0.13, 0.35, decay=0.10))


def blip():
    return tone(1318.5, 0.09, 0.33, attack=0.002, decay=0.04, glide_to=1568.0)


def write(path, samples):
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sounds")
    folder = sys.argv[1] if len(sys.argv) > 1 else root
    os.makedirs(folder, exist_ok=True)
    for number, samples in ((8002, click()), (8003, void()), (8004, blip())):
        write(os.path.join(folder, "%d.wav" % number), samples)


if __name__ == "__main__":
    main()
