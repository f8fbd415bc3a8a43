#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Hears what the game plays through a PulseAudio null sink.

    soundcheck.py sounds DIR              test sounds, each of its own pitch
    soundcheck.py record RAW              records the sink's monitor (PULSE_SERVER)
    soundcheck.py click [--gap S] [--key K] X Y ...   presses at screen points; prints the times
    soundcheck.py check RAW EVENTS        checks the cues against the events
    soundcheck.py latency RAW PRESSES     press to hit-sound onset, median and max

The test sounds tell the cues apart by pitch: the music opens with a 700 Hz
marker and goes on at 400 Hz, the end sound is 1100 Hz, and the hit opens
with a 2600 Hz crack before its 1700 Hz tail, so every start of a hit shows.
Times are CLOCK_REALTIME nanoseconds throughout, so that the presses and the
recording are on one clock: RAW.start holds the time of the recording's first
sample, taken as the earliest arrival of any chunk less the samples before it.
"""

import array
import math
import os
import statistics
import subprocess
import sys
import time
import wave

RATE = 8000  # recording: mono, 16 bits
MARKER, MUSIC, END, CRACK, TAIL = 700, 400, 1100, 2600, 1700
WINDOW = 160  # 20 ms
HOP = 80  # 10 ms
PRESENT = 1500.0  # amplitude of a tone that is sounding (tones are at ~9000)
ABSENT = 500.0


def tone_samples(parts, rate=44100, amplitude=0.3):
    samples = array.array("h")
    for freq, secs in parts:
        count = int(rate * secs)
        for i in range(count):
            # 2 ms ramps keep the joins from clicking across every band.
            ramp = min(1.0, i / (0.002 * rate), (count - i) / (0.002 * rate))
            samples.append(int(32767 * amplitude * ramp * math.sin(2 * math.pi * freq * i / rate)))
    return samples


def write_wave(path, samples, rate=44100):
    stereo = array.array("h")
    for s in samples:
        stereo.extend((s, s))
    with wave.open(path, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(stereo.tobytes())


def make_sounds(folder):
    write_wave(os.path.join(folder, "doa.wav"), tone_samples([(END, 3.0)]))
    write_wave(os.path.join(folder, "Smash.wav"), tone_samples([(CRACK, 0.06), (TAIL, 0.9)]))
    music_wav = os.path.join(folder, "music.wav")
    write_wave(music_wav, tone_samples([(MARKER, 0.25), (MUSIC, 1.75)]))
    subprocess.run(["lame", "--quiet", "-b", "128", music_wav, os.path.join(folder, "d3l.mp3")],
                   check=True)
    os.remove(music_wav)


def record(raw_path):
    parec = subprocess.Popen(
        ["parec", "-d", "game.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
         "--channels=1", "--latency-msec=5"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    start = None
    received = 0
    with open(raw_path, "wb") as out:
        while True:
            chunk = os.read(parec.stdout.fileno(), 4096)
            now = time.time_ns()
            if not chunk:
                break
            out.write(chunk)
            out.flush()
            received += len(chunk) // 2
            first = now - received * 1_000_000_000 // RATE
            if start is None or first < start:
                start = first
                with open(raw_path + ".start", "w") as mark:
                    mark.write(f"{start}\n")


def click(points):
    """Presses at each point in turn, `--gap` seconds apart (0.12 unless
    given); `--key NAME` first presses that key."""
    gap = 0.12
    if points[:1] == ["--gap"]:
        gap = float(points[1])
        points = points[2:]
    import ctypes
    x11 = ctypes.CDLL("libX11.so.6")
    xtst = ctypes.CDLL("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    if not display:
        sys.exit("no display")
    if points[:1] == ["--key"]:
        x11.XStringToKeysym.restype = ctypes.c_ulong
        code = x11.XKeysymToKeycode(display, ctypes.c_ulong(x11.XStringToKeysym(points[1].encode())))
        xtst.XTestFakeKeyEvent(display, code, 1, 0)
        x11.XSync(display, 0)
        print("key", time.time_ns(), flush=True)
        xtst.XTestFakeKeyEvent(display, code, 0, 0)
        x11.XSync(display, 0)
        points = points[2:]
    for i in range(0, len(points), 2):
        if i:
            # Far enough apart for each hit's crack to be heard on its own.
            time.sleep(gap)
        xtst.XTestFakeMotionEvent(display, -1, int(points[i]), int(points[i + 1]), 0)
        x11.XSync(display, 0)
        xtst.XTestFakeButtonEvent(display, 1, 1, 0)
        x11.XSync(display, 0)
        print("press", time.time_ns(), flush=True)
        xtst.XTestFakeButtonEvent(display, 1, 0, 0)
        x11.XSync(display, 0)
    x11.XCloseDisplay(display)


class Recording:
    def __init__(self, raw_path):
        with open(raw_path, "rb") as raw:
            self.samples = array.array("h", raw.read())
        with open(raw_path + ".start") as mark:
            self.start = int(mark.read())
        self.hann = [0.5 - 0.5 * math.cos(2 * math.pi * i / WINDOW) for i in range(WINDOW)]
        self.cache = {}

    def at(self, t_ns):
        return (t_ns - self.start) * RATE // 1_000_000_000

    def time_of(self, index):
        return self.start + index * 1_000_000_000 // RATE

    def level(self, freq):
        """Amplitude of `freq` in each 20 ms window, one window every 10 ms."""
        if freq not in self.cache:
            coeff = 2 * math.cos(2 * math.pi * freq / RATE)
            levels = []
            for begin in range(0, len(self.samples) - WINDOW, HOP):
                s1 = s2 = 0.0
                for i in range(WINDOW):
                    s0 = self.samples[begin + i] * self.hann[i] + coeff * s1 - s2
                    s2, s1 = s1, s0
                power = s1 * s1 + s2 * s2 - coeff * s1 * s2
                levels.append(4 * math.sqrt(max(power, 0.0)) / WINDOW)
            self.cache[freq] = levels
        return self.cache[freq]

    def window_time(self, k):
        # The window's end: a sound found in it began no later than this, so
        # delays measured to it err long, by at most the window.
        return self.time_of(k * HOP + WINDOW)

    def onsets(self, freq, after=0, before=None):
        """Times at which `freq` starts sounding."""
        found, quiet = [], True
        for k, value in enumerate(self.level(freq)):
            t = self.window_time(k)
            if value >= PRESENT and quiet and t >= after and (before is None or t < before):
                found.append(t)
            if value >= PRESENT:
                quiet = False
            elif value < ABSENT:
                quiet = True
        return found

    def loudest(self, freq, after, before):
        values = [v for k, v in enumerate(self.level(freq)) if after <= self.window_time(k) < before]
        return max(values, default=0.0)

    def rms(self, after, before):
        part = self.samples[max(0, self.at(after)):max(0, self.at(before))]
        return math.sqrt(sum(s * s for s in part) / len(part)) if part else 0.0


def ms(ns):
    return ns / 1e6


class Checks:
    def __init__(self):
        self.failed = 0

    def expect(self, ok, what):
        print(("ok:   " if ok else "FAIL: ") + what)
        self.failed += 0 if ok else 1


def check(raw_path, events_path):
    rec = Recording(raw_path)
    events = {}
    presses = []
    with open(events_path) as f:
        for line in f:
            name, value = line.split()[-2:]
            if name == "press":
                presses.append(int(value))
            else:
                events[name] = int(value)
    s = 1_000_000_000
    c = Checks()
    title, start, stop, start2, stop2 = (events[k] for k in ("title", "start", "stop", "start2", "stop2"))
    last = rec.time_of(len(rec.samples))
    c.expect(last > stop2 + s, f"the recording covers the run ({ms(last - stop2):.0f} ms past the end)")

    level = rec.rms(title, start)
    c.expect(level < 30, f"silence on the title screen (RMS {level:.1f} over {ms(start - title):.0f} ms)")

    markers = rec.onsets(MARKER, after=start, before=stop)
    first = markers[0] - start if markers else None
    c.expect(first is not None and first < 1.0 * s,
             "the music starts with the countdown"
             + (f" ({ms(first):.0f} ms after START!!)" if first is not None else " (never)"))
    gaps = [b - a for a, b in zip(markers, markers[1:])]
    c.expect(len(gaps) >= 2 and all(1.7 * s < g < 2.4 * s for g in gaps),
             f"the music comes round from its start every 2 s (gaps {[round(ms(g)) for g in gaps]} ms)")
    c.expect(rec.loudest(MUSIC, start + s, stop) > PRESENT, "the music plays between its markers")

    after_stop = max(rec.loudest(MUSIC, stop + s // 2, start2), rec.loudest(MARKER, stop + s // 2, start2))
    c.expect(after_stop < ABSENT, f"the music stops at the stop (level {after_stop:.0f} afterwards)")
    ends = rec.onsets(END, after=stop, before=start2)
    c.expect(len(ends) == 1 and ends[0] - stop < s,
             "the end sound follows the stop" + (f" ({ms(ends[0] - stop):.0f} ms after)" if ends else ""))

    # The end sound lasts 3 s; the new start came well before that.
    cut = rec.loudest(END, start2 + s * 3 // 10, min(ends[0] + s * 3 if ends else start2 + s, stop2))
    c.expect(start2 - stop < s * 2, f"the second start came {ms(start2 - stop):.0f} ms after the stop")
    c.expect(cut < ABSENT, f"a new start cuts the end sound off (level {cut:.0f} afterwards)")
    again = rec.onsets(MARKER, after=start2, before=stop2)
    c.expect(bool(again) and again[0] - start2 < s, "the music starts again with the second game")

    game_presses = [p for p in presses if start < p < stop]
    hits = rec.onsets(CRACK, after=start, before=stop + s // 10)
    c.expect(len(hits) >= 3, f"hits sound ({len(hits)} onsets for {len(game_presses)} presses)")
    close = [b - a for a, b in zip(hits, hits[1:]) if b - a < s * 7 // 10]
    c.expect(bool(close), "a quick second hit starts its sound again while the first still rings"
             + (f" ({ms(close[0]):.0f} ms apart)" if close else ""))
    slide_presses = [p for p in presses if stop <= p < stop + s // 5]
    late = rec.onsets(CRACK, after=stop + s // 10, before=start2)
    c.expect(len(slide_presses) >= 1, f"{len(slide_presses)} presses on moles during the stop slide")
    c.expect(not late, f"no hit sound during the stop slide ({len(late)} heard)")
    return 1 if c.failed else 0


def latency(raw_path, presses_path):
    rec = Recording(raw_path)
    with open(presses_path) as f:
        presses = [int(line.split()[-1]) for line in f if line.strip()]
    s = 1_000_000_000
    delays = []
    # Each onset belongs to the last press before it, if that came within
    # a quarter of a second. The onset is known to a window's step: a press
    # up to 10 ms after it may still be its cause, with a delay taken as 0.
    step = HOP * s // RATE
    for onset in rec.onsets(CRACK):
        before = [p for p in presses if p <= onset + step]
        if before and onset - before[-1] < s // 4:
            delays.append(max(0, onset - before[-1]))
    if not delays:
        print(f"hits=0 presses={len(presses)} median_ms=n/a max_ms=n/a")
        return 1
    print(f"hits={len(delays)} presses={len(presses)} "
          f"median_ms={ms(statistics.median(delays)):.1f} max_ms={ms(max(delays)):.1f}")
    return 0


def main(args):
    if args[:1] == ["sounds"]:
        make_sounds(args[1])
    elif args[:1] == ["record"]:
        record(args[1])
    elif args[:1] == ["click"]:
        click(args[1:])
    elif args[:1] == ["check"]:
        return check(args[1], args[2])
    elif args[:1] == ["latency"]:
        return latency(args[1], args[2])
    else:
        sys.exit(__doc__)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
