#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the game's three sound files from nothing but arithmetic.

    python3 make_sounds.py [output folder]      (default: this script's folder)

d3l.mp3    the background music, a chiptune loop of 24 bars that runs
           straight from its last beat back into its first
Smash.wav  the hit, a short thump-and-crack with an instant attack
doa.wav    the end of a game, a rising arpeggio landing on a bright chord

Everything is synthesised here with the standard library; Debian's `lame`
encodes the music. The output is the same on every run (the noise comes from
a seeded generator), so regenerated files differ only if this script does.
Check the result with `sox <file> -n stats`.
"""

import array
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile
import wave

RATE = 44100

# ---------------------------------------------------------------- notes ----

NOTE_STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def frequency(name):
    """'C5', 'F#3', 'Bb4' to hertz (A4 = 440)."""
    letter, rest = name[0], name[1:]
    step = NOTE_STEPS[letter]
    while rest and rest[0] in "#b":
        step += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    midi = 12 * (int(rest) + 1) + step
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


def parse_line(text):
    """A line of slots, one per grid step: a note starts a note, '-' holds the
    one before, '.' is silence. Returns (first slot, slot count, note) triples."""
    notes = []
    for slot, token in enumerate(text.split()):
        if token == "-":
            start, length, name = notes[-1]
            notes[-1] = (start, length + 1, name)
        elif token != ".":
            notes.append((slot, 1, token))
    return notes


# ----------------------------------------------------------- oscillators ----


def poly_blep(t, dt):
    """Smooths the jump of a pulse wave over one sample so that it does not
    alias into a harsh buzz."""
    if t < dt:
        x = t / dt
        return x + x - x * x - 1.0
    if t > 1.0 - dt:
        x = (t - 1.0) / dt
        return x * x + x + x + 1.0
    return 0.0


def pulse_wave(freq_at, count, duty):
    """A band-limited pulse wave of the given duty cycle, its frequency
    sampled per sample from freq_at(i), with its DC offset removed."""
    out = array.array("d", bytes(8 * count))
    phase = 0.0
    offset = 2.0 * duty - 1.0
    for i in range(count):
        dt = freq_at(i) / RATE
        value = 1.0 if phase < duty else -1.0
        value += poly_blep(phase, dt)
        value -= poly_blep((phase - duty) % 1.0, dt)
        out[i] = value - offset
        phase += dt
        if phase >= 1.0:
            phase -= 1.0
    return out


def triangle_wave(freq, count):
    out = array.array("d", bytes(8 * count))
    phase = 0.0
    dt = freq / RATE
    for i in range(count):
        out[i] = 4.0 * abs(phase - 0.5) - 1.0
        phase += dt
        if phase >= 1.0:
            phase -= 1.0
    return out


def envelope(count, attack, decay, sustain, release, gate):
    """Attack, decay to the sustain level, hold until `gate` samples, then
    release; all times in samples."""
    out = array.array("d", bytes(8 * count))
    level_at_gate = None
    for i in range(count):
        if i < gate:
            if i < attack:
                level = i / attack
            elif i < attack + decay:
                level = 1.0 - (1.0 - sustain) * (i - attack) / decay
            else:
                level = sustain
        else:
            if level_at_gate is None:
                level_at_gate = out[i - 1] if i > 0 else 0.0
            level = level_at_gate * max(0.0, 1.0 - (i - gate) / release)
        out[i] = level
    return out


def seconds(s):
    return int(round(s * RATE))


# ----------------------------------------------------------- the mixing ----


class LoopBuffer:
    """A mono mix whose end joins its start: what sounds past the end (a
    release, a cymbal tail) is added at the start, so the loop has no seam."""

    def __init__(self, count, wrap):
        self.samples = array.array("d", bytes(8 * count))
        self.wrap = wrap

    def add(self, start, sound, gain):
        n = len(self.samples)
        for i, value in enumerate(sound):
            j = start + i
            if j >= n:
                if not self.wrap:
                    break
                j %= n
            self.samples[j] += value * gain


def lead_note(freq, length, gate, duty, vibrato):
    count = length + seconds(0.05)

    def freq_at(i):
        if vibrato and i > seconds(0.15):
            depth = min(1.0, (i - seconds(0.15)) / seconds(0.2)) * 0.25
            return freq * 2.0 ** (depth * math.sin(2 * math.pi * 5.5 * i / RATE) / 12.0)
        return freq

    tone = pulse_wave(freq_at, count, duty)
    env = envelope(count, seconds(0.004), seconds(0.09), 0.65, seconds(0.05), gate)
    return [t * e for t, e in zip(tone, env)]


def bass_note(freq, length):
    count = length + seconds(0.03)
    tone = triangle_wave(freq, count)
    env = envelope(count, seconds(0.003), seconds(0.05), 0.85, seconds(0.025),
                   int(length * 0.85))
    return [t * e for t, e in zip(tone, env)]


def kick(rng):
    count = seconds(0.16)
    out = []
    phase = 0.0
    for i in range(count):
        t = i / RATE
        freq = 45.0 + 110.0 * math.exp(-t / 0.025)
        phase += freq / RATE
        body = math.sin(2 * math.pi * phase) * math.exp(-t / 0.07)
        click = (rng.random() * 2 - 1) * math.exp(-t / 0.002) * 0.3
        fade = min(1.0, (count - i) / seconds(0.01))
        out.append((body + click) * fade)
    return out


def filtered_noise(rng, count, decay, brightness):
    """White noise through a one-pole high-pass (brightness near 1 keeps only
    the hiss), with an exponential decay."""
    out = []
    previous_in = previous_out = 0.0
    for i in range(count):
        white = rng.random() * 2 - 1
        high = brightness * (previous_out + white - previous_in)
        previous_in, previous_out = white, high
        fade = min(1.0, (count - i) / seconds(0.005))
        out.append(high * math.exp(-i / RATE / decay) * fade)
    return out


def snare(rng):
    count = seconds(0.18)
    noise = filtered_noise(rng, count, 0.045, 0.7)
    tone = [math.sin(2 * math.pi * 185.0 * i / RATE) * math.exp(-i / RATE / 0.03)
            for i in range(count)]
    return [n * 0.9 + t * 0.5 for n, t in zip(noise, tone)]


def hat(rng, open_hat=False):
    count = seconds(0.12 if open_hat else 0.04)
    return filtered_noise(rng, count, 0.04 if open_hat else 0.012, 0.95)


def normalise(samples, peak_dbfs):
    peak = max(abs(s) for s in samples) or 1.0
    gain = 10.0 ** (peak_dbfs / 20.0) / peak
    return [s * gain for s in samples]


def smooth(samples, cutoff, looped):
    """A gentle one-pole low-pass that rounds off the edges of the square
    waves. A loop is filtered twice round so its end flows into its start."""
    a = math.exp(-2 * math.pi * cutoff / RATE)
    state = 0.0
    if looped:
        for s in samples:
            state = (1 - a) * s + a * state
    out = []
    for s in samples:
        state = (1 - a) * s + a * state
        out.append(state)
    return out


def write_wave(path, samples):
    frames = array.array("h", (max(-32767, min(32767, int(round(s * 32767.0))))
                               for s in samples))
    if sys.byteorder != "little":
        frames.byteswap()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames.tobytes())


# ------------------------------------------------------------- the music ----

TEMPO = 150                      # beats a minute
STEP = 60.0 / TEMPO / 2          # one grid slot is an eighth note
BAR_SLOTS = 8

# The tune: section A, a livelier B, then A again over a sparkling arpeggio.
# The last bar is a dominant pickup that leads back into the first.
MELODY_A = [
    "E5 - G5 - C6 - B5 A5",
    "G5 - D5 - G5 - F5 E5",
    "A5 - E5 - A5 B5 C6 -",
    "B5 - G5 - E5 - G5 -",
    "A5 - F5 - A5 - C6 -",
    "G5 - E5 - C5 - E5 G5",
    "F5 - A5 - D6 - C6 A5",
    "B5 - - - G5 - . .",
]
MELODY_B = [
    "F5 - A5 - C6 - A5 -",
    "G5 - B5 - D6 - B5 -",
    "E6 - D6 - B5 - G5 -",
    "A5 - - - E5 - A5 -",
    "F5 A5 C6 A5 F5 A5 C6 D6",
    "D6 - C6 - B5 - A5 -",
    "G5 - C6 - E6 - D6 C6",
    "D6 - - - B5 - G5 -",
]
MELODY_A_END = "B5 - G5 - F5 - D5 -"

CHORDS_A = ["C", "G", "Am", "Em", "F", "C", "Dm", "G"]
CHORDS_B = ["F", "G", "Em", "Am", "F", "G", "C", "G"]

CHORD_TONES = {
    "C": ("C", "E", "G"), "G": ("G", "B", "D"), "Am": ("A", "C", "E"),
    "Em": ("E", "G", "B"), "F": ("F", "A", "C"), "Dm": ("D", "F", "A"),
    "G7": ("G", "B", "F"),
}


def song():
    """Bars as (melody line, chord, section) in playing order."""
    bars = [(m, c, "A") for m, c in zip(MELODY_A, CHORDS_A)]
    bars += [(m, c, "B") for m, c in zip(MELODY_B, CHORDS_B)]
    bars += [(m, c, "A2") for m, c in zip(MELODY_A, CHORDS_A)]
    bars[-1] = (MELODY_A_END, "G7", "A2")
    return bars


def bar_start(bar):
    return seconds(bar * BAR_SLOTS * STEP)


def slot_start(bar, slot):
    return seconds((bar * BAR_SLOTS + slot) * STEP)


def add_melody(mix, bars):
    for bar, (line, _, section) in enumerate(bars):
        for slot, length, name in parse_line(line):
            start = slot_start(bar, slot)
            samples = seconds(length * STEP)
            gate = int(samples * (0.92 if length > 1 else 0.7))
            duty = 0.25 if section != "B" else 0.5
            note = lead_note(frequency(name), samples, gate, duty, vibrato=length >= 3)
            mix.add(start, note, 0.20)
            # A quiet echo three eighths later widens the lead.
            mix.add(start + seconds(3 * STEP), note, 0.06)


def add_bass(mix, bars):
    for bar, (_, chord, section) in enumerate(bars):
        root = CHORD_TONES[chord][0]
        fifth = CHORD_TONES[chord][2] if chord != "G7" else "D"
        if section == "B":
            pattern = [root + "2", root + "3", fifth + "2", root + "3"] * 2
        else:
            pattern = [root + "2", ".", root + "3", root + "2", ".", root + "2", root + "3", "."]
        for slot, name in enumerate(pattern):
            if name != ".":
                note = bass_note(frequency(name), seconds(STEP))
                mix.add(slot_start(bar, slot), note, 0.34)


def add_arpeggio(mix, bars):
    """Sixteenth-note chord arpeggios, in the livelier sections only."""
    sixteenth = STEP / 2
    for bar, (_, chord, section) in enumerate(bars):
        if section == "A":
            continue
        tones = [t + "5" for t in CHORD_TONES[chord]] + [CHORD_TONES[chord][0] + "6"]
        for k in range(BAR_SLOTS * 2):
            start = bar_start(bar) + seconds(k * sixteenth)
            length = seconds(sixteenth)
            note = lead_note(frequency(tones[k % 4]), length, int(length * 0.6), 0.125, False)
            mix.add(start, note, 0.05)


def add_drums(mix, bars, rng):
    kick_hit, snare_hit = kick(rng), snare(rng)
    closed, open_hat = hat(rng), hat(rng, open_hat=True)
    for bar, (_, _, section) in enumerate(bars):
        last_of_section = bar % 8 == 7
        for slot in range(BAR_SLOTS):
            at = slot_start(bar, slot)
            if slot in (0, 4) or (section != "A" and slot == 5):
                mix.add(at, kick_hit, 0.55)
            if slot in (2, 6):
                mix.add(at, snare_hit, 0.30)
            if slot % 2 == 1 or section != "A":
                mix.add(at, open_hat if slot == 7 and section == "B" else closed,
                        0.10 if slot % 2 else 0.06)
        if last_of_section:
            # A snare roll on the bar's last beat leads into the next section.
            for k in range(4):
                mix.add(slot_start(bar, 6) + seconds(k * STEP / 2), snare_hit, 0.12 + 0.04 * k)


def make_music():
    bars = song()
    mix = LoopBuffer(bar_start(len(bars)), wrap=True)
    rng = random.Random(20240607)
    add_bass(mix, bars)
    add_melody(mix, bars)
    add_arpeggio(mix, bars)
    add_drums(mix, bars, rng)
    return normalise(smooth(list(mix.samples), 9000.0, looped=True), -1.5)


# ------------------------------------------------------ the short sounds ----


def make_smash():
    """A struck-mole sound: full level from the first sample, a falling thump
    under a bright crack, gone within a fifth of a second."""
    rng = random.Random(77)
    count = seconds(0.19)
    out = LoopBuffer(count, wrap=False)
    thump, phase = [], 0.0
    for i in range(count):
        t = i / RATE
        phase += (70.0 + 260.0 * math.exp(-t / 0.02)) / RATE
        thump.append(math.sin(2 * math.pi * phase) * math.exp(-t / 0.05))
    out.add(0, thump, 0.9)
    out.add(0, filtered_noise(rng, count, 0.03, 0.6), 0.7)
    pop = pulse_wave(lambda i: 1400.0 * math.exp(-i / seconds(0.03)) + 500.0,
                     seconds(0.05), 0.5)
    out.add(0, [p * math.exp(-i / seconds(0.012)) for i, p in enumerate(pop)], 0.35)
    tail = seconds(0.02)
    samples = [s * min(1.0, (count - i) / tail) for i, s in enumerate(out.samples)]
    return normalise(smooth(samples, 7000.0, looped=False), -3.0)


def make_jingle():
    """Time's up: four quick rising notes, then a held major chord over a
    low root, with a soft cymbal wash."""
    rng = random.Random(5)
    count = seconds(1.6)
    out = LoopBuffer(count, wrap=False)
    step = 0.09
    for k, name in enumerate(["G4", "C5", "E5", "G5"]):
        length = seconds(step)
        out.add(seconds(k * step), lead_note(frequency(name), length, int(length * 0.8), 0.25,
                                             False), 0.28)
    chord_at = seconds(4 * step)
    held = count - chord_at - seconds(0.05)
    for name, duty in (("C6", 0.25), ("G5", 0.125), ("E5", 0.5)):
        tone = pulse_wave(lambda i, f=frequency(name): f * (1.0 + 0.003 * math.sin(
            2 * math.pi * 5.0 * i / RATE)), held, duty)
        env = [math.exp(-i / seconds(0.55)) * min(1.0, i / seconds(0.005)) *
               min(1.0, (held - i) / seconds(0.08)) for i in range(held)]
        out.add(chord_at, [t * e for t, e in zip(tone, env)], 0.16)
    bass = triangle_wave(frequency("C3"), held)
    out.add(chord_at, [b * math.exp(-i / seconds(0.6)) * min(1.0, (held - i) / seconds(0.08))
                       for i, b in enumerate(bass)], 0.45)
    out.add(chord_at, kick(rng), 0.5)
    out.add(chord_at, filtered_noise(rng, seconds(0.9), 0.25, 0.97), 0.12)
    return normalise(smooth(list(out.samples), 10000.0, looped=False), -2.0)


# -------------------------------------------------------------- writing ----


def encode_mp3(samples, path):
    if shutil.which("lame") is None:
        sys.exit("make_sounds.py: the music needs `lame` (Debian package lame)")
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, "music.wav")
        write_wave(source, samples)
        # Variable bit rate, mono; lame's header records its encoder delay and
        # padding, so a gapless decoder returns exactly the loop's samples.
        subprocess.run(["lame", "--quiet", "-m", "m", "-V", "4", source, path], check=True)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(folder, exist_ok=True)
    write_wave(os.path.join(folder, "Smash.wav"), make_smash())
    write_wave(os.path.join(folder, "doa.wav"), make_jingle())
    encode_mp3(make_music(), os.path.join(folder, "d3l.mp3"))


if __name__ == "__main__":
    main()
