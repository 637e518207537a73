#!/usr/bin/python3
"""Synthesises the game's sound effects and music with sox, encodes them to Ogg Vorbis with
oggenc into Resources/data/share/sound, and writes the sound banks file
Resources/data/share/main/other/sound.xml (groups "music" and "sounds").

Every sound is built here from sine, triangle, square, sawtooth, pluck and noise generators;
nothing is sampled. sox runs in its repeatable mode and oggenc with a fixed stream serial, so
a re-run on the same tools gives the same files.

Usage: /usr/bin/python3 tools/make_sounds.py
"""
import hashlib
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOUND_DIR = os.path.join(ROOT, "Resources", "data", "share", "sound")
BANK_FILE = os.path.join(ROOT, "Resources", "data", "share", "main", "other", "sound.xml")
GROUP = "data/share/sound"
RATE = 44100


class Studio:
    """Small wrappers over sox that work in one scratch folder."""

    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    def path(self, stem):
        self.count += 1
        return os.path.join(self.folder, "%s_%d.wav" % (stem, self.count))

    @staticmethod
    def run(args):
        subprocess.run(["sox", "-R", "-V1"] + args, check=True)

    def tone(self, dur, parts, effects=(), stem="tone"):
        """One generator line of sox synth: parts are (wave, frequency text) mixed together."""
        out = self.path(stem)
        args = ["-n", "-r", str(RATE), "-c", "1", "-b", "16", out, "synth", "%.4f" % dur]
        for i, (wave, freq) in enumerate(parts):
            args += [wave] + ([] if i == 0 else ["mix"]) + [freq]
        self.run(args + [str(e) for e in effects])
        return out

    def mix(self, inputs, effects=(), stem="mix"):
        """Mixes (path, volume, start seconds) inputs; shorter inputs end in silence."""
        out = self.path(stem)
        if len(inputs) == 1:
            path, vol, start = inputs[0]
            self.run([path, out, "vol", "%.4f" % vol, "pad", "%.4f" % start, "0"] + [str(e) for e in effects])
            return out
        args = ["-m"]
        for path, vol, start in inputs:
            if start > 0:
                args += ["-v", "%.4f" % vol, "|sox -R -V1 %s -p pad %.4f 0" % (path, start)]
            else:
                args += ["-v", "%.4f" % vol, path]
        self.run(args + [out] + [str(e) for e in effects])
        return out

    def concat(self, paths, effects=(), stem="line"):
        out = self.path(stem)
        self.run(list(paths) + [out] + [str(e) for e in effects])
        return out

    def silence(self, dur):
        return self.tone(dur, [("sine", "0")], ["vol", "0"], stem="rest")


def hz(midi):
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


def f(x):
    return "%.3f" % x


# ---------------------------------------------------------------- instruments

def bell(st, midi, dur, bright=1.0):
    """A soft bell: fundamental, a gentle octave and an inharmonic shimmer, decaying."""
    base = hz(midi)
    a = st.tone(dur, [("sine", f(base))], ["fade", "l", "0.004", f(dur), f(dur - 0.01)])
    b = st.tone(dur * 0.6, [("sine", f(base * 2.0))], ["fade", "l", "0.003", f(dur * 0.6), f(dur * 0.6 - 0.01)])
    c = st.tone(dur * 0.35, [("sine", f(base * 2.76))], ["fade", "l", "0.002", f(dur * 0.35), f(dur * 0.35 - 0.01)])
    return st.mix([(a, 0.6, 0), (b, 0.25 * bright, 0), (c, 0.15 * bright, 0)], stem="bell")


def pluck(st, midi, dur, vol=1.0):
    return st.tone(dur, [("pluck", f(hz(midi)))],
                   ["vol", f(vol), "fade", "q", "0.002", f(dur), "0.04"], stem="pluck")


def soft(st, midi, dur, wave="triangle", attack=0.01, release=None, effects=()):
    release = dur * 0.6 if release is None else release
    return st.tone(dur, [(wave, f(hz(midi)))],
                   ["fade", "q", f(attack), f(dur), f(release)] + list(effects), stem="soft")


def noise_sweep(st, dur, low, high, colour="pinknoise", fade_in=0.01, fade_out=None):
    """Band-limited noise whose band moves from low to high Hz (a swoosh)."""
    fade_out = dur * 0.7 if fade_out is None else fade_out
    steps = 6
    pieces = []
    for i in range(steps):
        centre = low * (high / low) ** ((i + 0.5) / steps)
        pieces.append(st.tone(dur / steps, [(colour, "0")], ["sinc", f(centre * 0.7) + "-" + f(centre * 1.4)],
                              stem="band"))
    line = st.concat(pieces)
    return st.mix([(line, 1.0, 0)], ["fade", "q", f(fade_in), f(dur), f(fade_out)], stem="swoosh")


# ---------------------------------------------------------------- effects

def sfx_click(st):
    a = st.tone(0.045, [("sine", "1500:700")], ["fade", "q", "0.001", "0.045", "0.04"])
    b = st.tone(0.012, [("whitenoise", "0")], ["highpass", "3000", "fade", "q", "0", "0.012", "0.011"])
    return st.mix([(a, 0.8, 0), (b, 0.25, 0)])


def sfx_fill(st):
    a = st.tone(0.11, [("sine", "420:240")], ["fade", "q", "0.001", "0.11", "0.09"])
    b = st.tone(0.05, [("triangle", "840:480")], ["fade", "q", "0.001", "0.05", "0.045"])
    c = st.tone(0.015, [("pinknoise", "0")], ["lowpass", "2500", "fade", "q", "0", "0.015", "0.014"])
    return st.mix([(a, 0.9, 0), (b, 0.3, 0), (c, 0.3, 0)])


def sfx_cross(st):
    # A quick pencil stroke: two strokes of bright noise.
    a = st.tone(0.05, [("pinknoise", "0")], ["sinc", "2500-6000", "fade", "q", "0.004", "0.05", "0.04"])
    b = st.tone(0.06, [("pinknoise", "0")], ["sinc", "2000-5000", "fade", "q", "0.004", "0.06", "0.05"])
    t = st.tone(0.03, [("sine", "2400:1800")], ["fade", "q", "0.001", "0.03", "0.028"])
    return st.mix([(a, 0.8, 0), (b, 0.7, 0.06), (t, 0.25, 0)])


def sfx_error(st):
    a = st.tone(0.28, [("square", "155"), ("square", "161")],
                ["lowpass", "900", "fade", "q", "0.005", "0.28", "0.2"])
    b = st.tone(0.12, [("sine", "220:150")], ["fade", "q", "0.002", "0.12", "0.1"])
    return st.mix([(a, 0.5, 0), (b, 0.7, 0)])


def sfx_hint_fly(st):
    sw = noise_sweep(st, 0.7, 500, 5000)
    rise = st.tone(0.7, [("sine", "500:1600")], ["fade", "q", "0.05", "0.7", "0.4"])
    return st.mix([(sw, 0.6, 0), (rise, 0.35, 0)], ["reverb", "40"])


def sfx_coin(st):
    a = st.tone(0.08, [("square", f(hz(83)))], ["lowpass", "5000", "fade", "q", "0.001", "0.08", "0.02"])
    b = st.tone(0.35, [("square", f(hz(88)))], ["lowpass", "5000", "fade", "l", "0.001", "0.35", "0.3"])
    return st.mix([(a, 0.35, 0), (b, 0.35, 0.07)])


def sfx_win(st):
    arp = [(72, 0.00), (76, 0.12), (79, 0.24), (84, 0.36), (88, 0.48), (91, 0.60)]
    voices = [(pluck(st, m, 0.9, 0.9), 0.55, t) for m, t in arp]
    for m in (60, 64, 67, 72):
        voices.append((soft(st, m, 2.2, "triangle", 0.05, 1.4, ["lowpass", "2500"]), 0.22, 0.72))
    voices.append((bell(st, 96, 1.8, 1.2), 0.5, 0.72))
    return st.mix(voices, ["reverb", "60", "fade", "q", "0", "3.0", "0.6"])


def sfx_lose(st):
    notes = [(67, 0.0, 0.32), (65, 0.3, 0.32), (62, 0.6, 0.32), (58, 0.9, 0.9)]
    voices = [(soft(st, m, d, "triangle", 0.02, d * 0.5, ["tremolo", "6", "30", "lowpass", "1800"]), 0.6, t)
              for m, t, d in notes]
    return st.mix(voices, ["reverb", "40"])


def sfx_level_show(st):
    sw = noise_sweep(st, 0.5, 300, 2500, fade_out=0.35)
    return st.mix([(sw, 0.5, 0), (bell(st, 84, 0.7), 0.35, 0.3), (bell(st, 91, 0.6), 0.25, 0.4)], ["reverb", "40"])


def sfx_trophy(st):
    brass = lambda m, d: st.tone(d, [("sawtooth", f(hz(m))), ("sawtooth", f(hz(m) * 1.004))],
                                 ["lowpass", "1600", "fade", "q", "0.03", f(d), f(d * 0.4)])
    seq = [(67, 0.00, 0.16), (67, 0.17, 0.16), (67, 0.34, 0.16), (72, 0.52, 1.3)]
    voices = [(brass(m, d), 0.35, t) for m, t, d in seq]
    for m in (64, 67):
        voices.append((brass(m, 1.3), 0.22, 0.52))
    voices.append((bell(st, 96, 1.2, 1.2), 0.3, 0.55))
    return st.mix(voices, ["reverb", "55"])


def sfx_page(st):
    return noise_sweep(st, 0.2, 1200, 5000, "pinknoise", 0.02, 0.15)


def sfx_window_close(st):
    sw = noise_sweep(st, 0.22, 3000, 400, fade_in=0.02, fade_out=0.15)
    return st.mix([(sw, 0.6, 0)])


def sfx_purchase(st):
    clack = st.tone(0.04, [("whitenoise", "0")], ["sinc", "1500-7000", "fade", "q", "0", "0.04", "0.035"])
    return st.mix([(clack, 0.5, 0), (sfx_coin(st), 0.7, 0.05), (bell(st, 93, 0.7), 0.4, 0.2),
                   (bell(st, 100, 0.6), 0.3, 0.28)], ["reverb", "40"])


def sfx_deny(st):
    a = st.tone(0.09, [("square", "196")], ["lowpass", "1200", "fade", "q", "0.003", "0.09", "0.05"])
    b = st.tone(0.12, [("square", "165")], ["lowpass", "1200", "fade", "q", "0.003", "0.12", "0.08"])
    return st.mix([(a, 0.45, 0), (b, 0.45, 0.11)])


def sfx_switch(st):
    a = st.tone(0.035, [("sine", "900:1300")], ["fade", "q", "0.001", "0.035", "0.03"])
    b = st.tone(0.035, [("sine", "1300:1900")], ["fade", "q", "0.001", "0.035", "0.03"])
    return st.mix([(a, 0.6, 0), (b, 0.5, 0.05)])


def sfx_bonus(st):
    return st.mix([(sfx_coin(st), 0.8, 0), (bell(st, 100, 0.5), 0.3, 0.12)], ["reverb", "30"])


# name in the bank, file, peak in dBFS, maker; the first six are the names the level screen
# plays itself. Sounds heard many times a minute peak lower than the rare ones.
EFFECTS = [
    ("fulltileclick", "cell_fill", -7, sfx_fill),
    ("emptytileclick", "cell_cross", -7, sfx_cross),
    ("errorclick", "cell_error", -5, sfx_error),
    ("levelwin", "level_win", -3, sfx_win),
    ("levelloose", "level_lose", -4, sfx_lose),
    ("levelshow", "level_show", -4, sfx_level_show),
    ("click", "click", -8, sfx_click),
    ("switch", "switch", -8, sfx_switch),
    ("page", "page", -6, sfx_page),
    ("window_close", "window_close", -7, sfx_window_close),
    ("hint_fly", "hint_fly", -5, sfx_hint_fly),
    ("bonus", "bonus", -5, sfx_bonus),
    ("trophy", "trophy", -3, sfx_trophy),
    ("purchase", "purchase", -4, sfx_purchase),
    ("deny", "deny", -9, sfx_deny),
]


# ---------------------------------------------------------------- music

# (name in the bank, file, tonic midi, scale, bpm, chords as (root midi, third, fifth), seed)
PENTA_MAJOR = [0, 2, 4, 7, 9]
PENTA_MINOR = [0, 3, 5, 7, 10]
TRACKS = [
    ("music1", "music_morning_paper", 60, PENTA_MAJOR, 84,
     [(60, 64, 67), (57, 60, 64), (53, 57, 60), (55, 59, 62)], 11),
    ("music2", "music_garden_walk", 55, PENTA_MAJOR, 92,
     [(55, 59, 62), (52, 55, 59), (48, 52, 55), (50, 54, 57)], 23),
    ("music3", "music_evening_lanterns", 57, PENTA_MINOR, 72,
     [(57, 60, 64), (53, 57, 60), (48, 52, 55), (55, 59, 62)], 37),
]
BARS = 16


def scale_notes(tonic, scale, low, high):
    return [m for m in range(low, high + 1) if (m - tonic) % 12 in scale]


def make_track(st, tonic, scale, bpm, chords, seed):
    rnd = random.Random(seed)
    beat = 60.0 / bpm
    eighth = beat / 2
    bar = beat * 4
    cache = {}

    def cached(key, maker):
        if key not in cache:
            cache[key] = maker()
        return cache[key]

    # Pad: one sustained chord per two bars, soft triangles through a low-pass.
    pad_parts = []
    for b in range(0, BARS, 2):
        chord = chords[(b // 2) % len(chords)]
        pad_parts.append(cached(("pad", chord), lambda c=chord: st.mix(
            [(soft(st, m, bar * 2, "triangle", 0.9, 1.2, ["lowpass", "1400"]), 0.33, 0) for m in c],
            ["tremolo", "0.4", "15"])))
    pad = st.concat(pad_parts)

    # Bass: root, then fifth, half notes.
    bass_parts = []
    for b in range(BARS):
        chord = chords[(b // 2) % len(chords)]
        for m in (chord[0] - 12, chord[2] - 12):
            bass_parts.append(cached(("bass", m), lambda m=m: soft(st, m, beat * 2, "sine", 0.02, beat * 1.2)))
    bass = st.concat(bass_parts)

    # Arpeggio: eighth-note plucks over the chord tones, with a few variations.
    patterns = [[0, 1, 2, 3, 4, 3, 2, 1], [0, 2, 1, 3, 2, 4, 3, 2], [0, 1, 2, 4, 3, 2, 1, 2]]
    arp_parts = []
    for b in range(BARS):
        chord = chords[(b // 2) % len(chords)]
        tones = [chord[0], chord[1], chord[2], chord[0] + 12, chord[1] + 12]
        pattern = patterns[rnd.randrange(len(patterns))] if b % 4 else patterns[0]
        for i in pattern:
            m = tones[i] + 12
            arp_parts.append(cached(("arp", m), lambda m=m: pluck(st, m, eighth, 0.8)))
    # Plucks ring up to 16 kHz: soften them so the line sits behind the melody.
    arp = st.concat(arp_parts, ["lowpass", "2600"])

    # Melody: a bell phrase on the pentatonic scale, resting every other bar pair.
    notes = scale_notes(tonic, scale, tonic + 12, tonic + 26)
    mel_parts = []
    idx = len(notes) // 2
    for b in range(BARS):
        if b % 4 in (2, 3) and b < BARS - 2:
            mel_parts.append(cached(("rest", bar), lambda: st.silence(bar)))
            continue
        for length in (2, 1, 1) if b % 2 == 0 else (1, 1, 2):
            idx = max(0, min(len(notes) - 1, idx + rnd.choice([-2, -1, -1, 1, 1, 2])))
            m = notes[idx]
            mel_parts.append(cached(("mel", m, length), lambda m=m, l=length: st.mix(
                [(bell(st, m, beat * l, 0.8), 1.0, 0)], ["pad", "0", "0"])))
    mel = st.concat(mel_parts)

    total = bar * BARS
    return st.mix([(pad, 0.55, 0), (bass, 0.45, 0), (arp, 0.30, 0), (mel, 0.30, 0)],
                  ["reverb", "55", "50", "80", "gain", "-n", "-5",
                   "fade", "q", "1.0", f(total + 1.5), "3.0"])


# ---------------------------------------------------------------- output

def encode(wav, ogg, quality):
    serial = int(hashlib.sha1(os.path.basename(ogg).encode()).hexdigest()[:7], 16)
    subprocess.run(["oggenc", "-Q", "-q", str(quality), "-s", str(serial), "-o", ogg, wav], check=True)


def finish(st, wav, peak_db):
    """Trims leading silence and normalises the peak."""
    out = st.path("final")
    Studio.run([wav, out, "silence", "1", "0.001", "0.1%", "gain", "-n", str(peak_db)])
    return out


def bank_xml(effects, tracks):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Made by tools/make_sounds.py. streamed=\"true\" loads the whole sound when the",
             "     group loads (short effects); without it a sound is streamed (music). -->",
             "<sound>",
             '  <group name="music">']
    for name, stem in tracks:
        lines.append('    <track name="%s" path="%s %s.ogg"/>' % (name, GROUP, stem))
    lines += ["  </group>", '  <group name="sounds">']
    for name, stem in effects:
        lines.append('    <sound name="%s" path="%s %s.ogg" streamed="true"/>' % (name, GROUP, stem))
    lines += ["  </group>", "</sound>", ""]
    return "\n".join(lines)


def main():
    for tool in ("sox", "oggenc"):
        if not shutil.which(tool):
            sys.exit("make_sounds.py needs %s (Debian packages sox and vorbis-tools)" % tool)
    os.makedirs(SOUND_DIR, exist_ok=True)
    os.makedirs(os.path.dirname(BANK_FILE), exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        st = Studio(tmp)
        for name, stem, peak, maker in EFFECTS:
            encode(finish(st, maker(st), peak), os.path.join(SOUND_DIR, stem + ".ogg"), 3)
            print("sound  %-14s %s.ogg" % (name, stem))
        for name, stem, tonic, scale, bpm, chords, seed in TRACKS:
            wav = make_track(st, tonic, scale, bpm, chords, seed)
            encode(wav, os.path.join(SOUND_DIR, stem + ".ogg"), 1)
            print("music  %-14s %s.ogg" % (name, stem))
    with open(BANK_FILE, "w", encoding="utf-8", newline="\n") as out:
        out.write(bank_xml([(e[0], e[1]) for e in EFFECTS], [(t[0], t[1]) for t in TRACKS]))


if __name__ == "__main__":
    main()
