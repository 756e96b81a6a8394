#!/usr/bin/env python3
"""Finds which of the game's samples sounds in a recording of the sound server's output.

    sample_probe.py RECORDING.raw SOUND_DIR [--from-frame N]

RECORDING is raw signed 16-bit little-endian mono at 22050 Hz (parecord --raw). Prints
"silent" when nothing is heard from frame N on; otherwise "NAME FRAME SCORE" for the sample
that matches best at the first sound: its file name, the frame where it begins and the
median over 10 ms windows of the normalised correlation (1.0 is a perfect copy). The server
resamples on the way, so a true match scores a little under 1.
"""
import argparse
import array
import math
import os
import sys
import wave

RATE_HZ = 22050
# Compared in windows of 10 ms over the first half second of each sample. A fresh stream on a busy
# machine may stumble in its first milliseconds (a dropped or repeated buffer), so each window
# finds its own best alignment near where it should be, and the score is the median window's.
WINDOW_FRAMES = 220
COMPARED_FRAMES = 11025
# How far a window may have slipped from its place: two mixing buffers either way.
SLIP_FRAMES = 512
# Where a sound counts as begun: a tenth of its own loudest frame.
ONSET_SHARE = 0.1


def read_raw(path):
    data = array.array("h")
    with open(path, "rb") as f:
        data.frombytes(f.read())
    if sys.byteorder != "little":
        data.byteswap()
    return data


def read_wav(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1 or w.getframerate() != RATE_HZ:
            raise SystemExit(f"{path}: expected 16-bit mono at {RATE_HZ} Hz")
        data = array.array("h")
        data.frombytes(w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        data.byteswap()
    return data


def onset(frames, start, threshold):
    for i in range(start, len(frames)):
        if abs(frames[i]) >= threshold:
            return i
    return None


def correlation(a, a_start, b, length):
    dot = energy_a = energy_b = 0.0
    for i in range(length):
        x = a[a_start + i]
        y = b[i]
        dot += x * y
        energy_a += x * x
        energy_b += y * y
    if energy_a == 0 or energy_b == 0:
        return 0.0
    return dot / math.sqrt(energy_a * energy_b)


def window_score(recording, at, window):
    best = 0.0
    for slip in range(-SLIP_FRAMES, SLIP_FRAMES + 1):
        start = at + slip
        if 0 <= start and start + len(window) <= len(recording):
            best = max(best, correlation(recording, start, window, len(window)))
    return best


def best_match(recording, heard_at, sample):
    """The median over the sample's windows of how well each is found near its place."""
    sample_start = onset(sample, 0, ONSET_SHARE * max(abs(v) for v in sample))
    length = min(COMPARED_FRAMES, len(sample) - sample_start)
    scores = []
    for offset in range(0, length - WINDOW_FRAMES + 1, WINDOW_FRAMES):
        window = sample[sample_start + offset:sample_start + offset + WINDOW_FRAMES]
        if max(abs(v) for v in window) == 0:
            continue  # a pause between notes tells nothing
        scores.append(window_score(recording, heard_at + offset, window))
    scores.sort()
    return (scores[len(scores) // 2] if scores else 0.0), heard_at


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("recording")
    parser.add_argument("sound_dir")
    parser.add_argument("--from-frame", type=int, default=0)
    args = parser.parse_args()

    recording = read_raw(args.recording)
    samples = {name: read_wav(os.path.join(args.sound_dir, name))
               for name in sorted(os.listdir(args.sound_dir)) if name.endswith(".wav")}
    quietest_peak = min(max(abs(v) for v in s) for s in samples.values())
    heard_at = onset(recording, args.from_frame, ONSET_SHARE * quietest_peak)
    if heard_at is None:
        print("silent")
        return
    scores = {name: best_match(recording, heard_at, s) for name, s in samples.items()}
    name, (score, at) = max(scores.items(), key=lambda item: item[1][0])
    print(f"{name} {at} {score:.3f}")


if __name__ == "__main__":
    main()
