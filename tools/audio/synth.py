"""Synthesises the game's sounds: the tile click, the pair-clear chime and
the looping music "sakura" (a koto-like plucked melody in the in scale on D
over a soft pad and a bass koto). Deterministic: fixed seeds, no time stamps.

Usage: synth.py OUTDIR   (writes click.wav, clear.wav, sakura.wav)
"""
import math
import os
import sys
import wave
import numpy as np

SR = 44100


def write_wav(path, x):
    """x: (n,) mono or (n, 2) stereo floats in [-1, 1] -> 16-bit PCM."""
    x = np.asarray(x, float)
    ch = 1 if x.ndim == 1 else x.shape[1]
    pcm = np.clip(np.round(x * 32767), -32768, 32767).astype('<i2')
    with wave.open(path, 'wb') as w:
        w.setnchannels(ch)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(pcm.tobytes())


def normalise(x, peak_db):
    return x * (10 ** (peak_db / 20.0) / np.max(np.abs(x)))


def onepole_lp(x, a):
    """y[n] = y[n-1] + a (x[n] - y[n-1]) along axis 0, vectorised by blocks."""
    y = np.empty_like(x)
    acc = np.zeros(x.shape[1:]) if x.ndim > 1 else 0.0
    for i in range(len(x)):
        acc = acc + a * (x[i] - acc)
        y[i] = acc
    return y


def fft_filter(x, gain_fn):
    """Zero-phase filtering of a short signal by a gain over frequency."""
    X = np.fft.rfft(x)
    f = np.fft.rfftfreq(len(x), 1 / SR)
    return np.fft.irfft(X * gain_fn(f), len(x))


# ---------------------------------------------------------------- effects

def click():
    """Ivory tapping ivory: a few stiff high modes, a short wooden body thump
    and a tiny noise transient."""
    rng = np.random.RandomState(7)
    n = int(0.11 * SR)
    t = np.arange(n) / SR
    x = np.zeros(n)
    for f, a, tau in ((2150, 1.0, 0.016), (3480, 0.7, 0.011), (5020, 0.5, 0.008), (6900, 0.3, 0.005),
                      (9100, 0.15, 0.003)):
        x += a * np.sin(2 * np.pi * f * t + rng.rand() * 6.28) * np.exp(-t / tau)
    x += 0.9 * np.sin(2 * np.pi * 520 * t) * np.exp(-t / 0.012)
    noise = fft_filter(rng.randn(n), lambda f: np.clip((f - 1500) / 4000, 0, 1) * np.exp(-f / 12000))
    x += 0.6 * noise / np.max(np.abs(noise)) * np.exp(-t / 0.0025)
    x *= np.minimum(t / 0.0004, 1.0)           # no click at the very first sample
    x *= np.clip((t[-1] - t) / 0.02, 0, 1)      # fade the tail to silence
    return normalise(x, -4.0)


def clear():
    """A soft whoosh sweeping up and across, and a two-note bell chime."""
    rng = np.random.RandomState(11)
    dur = 1.9
    n = int(dur * SR)
    t = np.arange(n) / SR
    out = np.zeros((n, 2))
    # whoosh: overlap-added frames of band-passed noise, centre rising 500 -> 3500 Hz
    fr, hop = 2048, 512
    noise = rng.randn(n + fr)
    win = np.hanning(fr)
    wh = np.zeros(n + fr)
    freqs = np.fft.rfftfreq(fr, 1 / SR)
    for s in range(0, n, hop):
        tc = s / SR
        fc = 500 * (7.0 ** min(tc / 0.45, 1.0))
        g = np.exp(-0.5 * ((np.log(freqs + 1) - math.log(fc)) / 0.45) ** 2)
        seg = np.fft.irfft(np.fft.rfft(noise[s:s + fr] * win) * g, fr)
        wh[s:s + fr] += seg * win
    wh = wh[:n]
    env = np.clip(t / 0.22, 0, 1) ** 2 * np.exp(-np.maximum(t - 0.22, 0) / 0.12)
    wh = wh / np.max(np.abs(wh)) * env
    pan = np.clip(t / 0.5, 0, 1)
    out[:, 0] += 0.45 * wh * np.cos(pan * np.pi / 2 * 0.8 + 0.2)
    out[:, 1] += 0.45 * wh * np.sin(pan * np.pi / 2 * 0.8 + 0.2)
    # chime: A5 then E6, bell-like partials
    for k, (f0, start, gl, gr) in enumerate(((880.0, 0.16, 0.8, 0.6), (1318.5, 0.26, 0.6, 0.8))):
        tt = t - start
        on = tt >= 0
        tt = np.where(on, tt, 0)
        tone = np.zeros(n)
        for ratio, a, tau in ((1.0, 1.0, 0.7), (2.0, 0.35, 0.4), (2.76, 0.25, 0.25), (5.4, 0.12, 0.12),
                              (8.93, 0.05, 0.06)):
            tone += a * np.sin(2 * np.pi * f0 * ratio * tt + k) * np.exp(-tt / tau)
        tone *= on * np.minimum(tt / 0.004, 1)
        out[:, 0] += 0.5 * gl * tone
        out[:, 1] += 0.5 * gr * tone
    out *= np.clip((dur - t) / 0.3, 0, 1)[:, None]
    return normalise(out, -3.0)


# ---------------------------------------------------------------- music

TEMPO = 75.0
BEAT = 60.0 / TEMPO
BARS = 20
LOOP = BARS * 4 * BEAT           # 64 s
NOTE = {'C': 0, 'Db': 1, 'D': 2, 'Eb': 3, 'E': 4, 'F': 5, 'Gb': 6, 'G': 7, 'Ab': 8, 'A': 9, 'Bb': 10, 'B': 11}


def hz(name):
    """'A4' -> 440 Hz; equal temperament."""
    pitch, octave = name[:-1], int(name[-1])
    midi = 12 * (octave + 1) + NOTE[pitch]
    return 440.0 * 2 ** ((midi - 69) / 12.0)


def pluck(freq, dur, rng, bright=0.5, decay=3.0, pick=0.13, bend=None):
    """Karplus-Strong string: a delay line of one period with a two-point
    average in the loop. Computed a period at a time, then resampled so the
    pitch is exact (and, with bend, glides like a pressed koto string)."""
    N = int(math.floor(SR / freq))
    exact = SR / freq
    n_out = int(dur * SR)
    n_in = int(n_out * exact / N) + N + 4
    # excitation: noise, softened, with the pick position's comb notch
    burst = rng.uniform(-1, 1, N)
    sm = np.convolve(np.concatenate([burst[-4:], burst, burst[:4]]), np.hanning(9) / np.hanning(9).sum(), 'same')[4:-4]
    burst = bright * burst + (1 - bright) * sm
    p = max(1, int(pick * N))
    burst = burst - np.roll(burst, p) * 0.9
    burst -= burst.mean()
    # loop gain for a T60 of `decay` seconds at this pitch
    g = 10 ** (-3.0 / (decay * freq))
    blocks = n_in // N + 2
    y = np.zeros(blocks * N)
    y[:N] = burst
    prev_last = 0.0
    for b in range(1, blocks):
        last = y[(b - 1) * N:b * N]
        shifted = np.concatenate([[prev_last], last[:-1]])
        y[b * N:(b + 1) * N] = g * 0.5 * (last + shifted)
        prev_last = last[-1]
    # resample: output sample k reads input position k * N / exact (times the bend)
    ratio = np.full(n_out, N / exact)
    if bend is not None:
        semis, t0, t1 = bend
        tt = np.arange(n_out) / SR
        amt = np.clip((tt - t0) / max(t1 - t0, 1e-3), 0, 1)
        amt = amt * amt * (3 - 2 * amt)
        ratio *= 2 ** (semis * amt / 12.0)
    pos = np.cumsum(ratio) - ratio[0]
    out = np.interp(pos, np.arange(len(y)), y)
    out *= np.clip((dur - np.arange(n_out) / SR) / 0.08, 0, 1)
    return out


# melody: (bar, beat, length in beats, note, velocity); in scale on D: D Eb G A Bb
MELODY = [
    (1, 0, 1, 'A4', .9), (1, 1, 1, 'Bb4', .8), (1, 2, 2, 'A4', .85),
    (2, 0, 1, 'G4', .8), (2, 1, .5, 'A4', .7), (2, 1.5, .5, 'G4', .65), (2, 2, 1, 'Eb4', .8), (2, 3, 1, 'D4', .85),
    (3, 0, .5, 'D4', .7), (3, .5, .5, 'Eb4', .65), (3, 1, 1, 'G4', .8), (3, 2, 1, 'A4', .8), (3, 3, 1, 'D5', .9),
    (4, 0, 1, 'Bb4', .85), (4, 1, 3, 'A4', .8),
    (5, 0, 1, 'A4', .85), (5, 1, 1, 'Bb4', .8), (5, 2, 2, 'D5', .9),
    (6, 0, 1, 'Eb5', .9), (6, 1, .5, 'D5', .75), (6, 1.5, .5, 'Bb4', .7), (6, 2, 2, 'A4', .85),
    (7, 0, 1, 'G4', .8), (7, 1, .5, 'A4', .7), (7, 1.5, .5, 'Bb4', .7), (7, 2, 1, 'A4', .8),
    (7, 3, .5, 'G4', .7), (7, 3.5, .5, 'Eb4', .7),
    (8, 0, 4, 'D4', .9),
    (9, 0, 1, 'D5', .9), (9, 1, 1, 'Eb5', .85), (9, 2, 2, 'G5', .95),
    (10, 0, 1, 'A5', .95), (10, 1, .5, 'G5', .75), (10, 1.5, .5, 'Eb5', .75), (10, 2, 2, 'D5', .85),
    (11, 0, 1, 'Bb4', .8), (11, 1, 1, 'D5', .8), (11, 2, 1, 'Eb5', .85), (11, 3, .5, 'D5', .7),
    (11, 3.5, .5, 'Bb4', .7),
    (12, 0, 4, 'A4', .85),
    (13, 0, 1, 'D5', .85), (13, 1, 1, 'Eb5', .85), (13, 2, 1, 'G5', .9), (13, 3, 1, 'A5', .9),
    (14, 0, 1.5, 'Bb5', 1.0), (14, 1.5, .5, 'A5', .8), (14, 2, 2, 'G5', .9),
    (15, 0, 1, 'Eb5', .85), (15, 1, .5, 'D5', .75), (15, 1.5, .5, 'Eb5', .75), (15, 2, 1, 'D5', .8),
    (15, 3, 1, 'Bb4', .8),
    (16, 0, 2, 'A4', .85), (16, 2, 1, 'G4', .75), (16, 3, 1, 'A4', .8),
    (17, 0, .5, 'D4', .6), (17, .5, .5, 'G4', .6), (17, 1, .5, 'A4', .65), (17, 1.5, .5, 'D5', .7),
    (17, 2, 1, 'Eb5', .8), (17, 3, 1, 'D5', .75),
    (18, 0, 1, 'Bb4', .75), (18, 1, 1, 'A4', .7), (18, 2, 1, 'G4', .7), (18, 3, 1, 'Eb4', .7),
    (19, 0, .5, 'D4', .6), (19, .5, .5, 'Eb4', .6), (19, 1, .5, 'G4', .6), (19, 1.5, .5, 'A4', .65),
    (19, 2, 1, 'Bb4', .75), (19, 3, 1, 'A4', .7),
    (20, 0, 2, 'D4', .75), (20, 2, 1, 'A3', .55), (20, 3, 1, 'D4', .6),
]
# notes that are pressed up a semitone after the pluck (koto ornament): (bar, beat)
BENDS = {(4, 1): (1.0, 0.5, 0.8), (12, 0): (1.0, 0.9, 1.3), (8, 0): (0.0, 0, 0)}
# octave doublings at phrase starts
OCTAVES = {(1, 0), (5, 0), (9, 0), (13, 0), (17, 2)}
# pad chords per bar and bass roots
CHORDS = [('D3', 'A3', 'D4'), ('G3', 'Bb3', 'D4'), ('D3', 'A3', 'D4'), ('A2', 'D3', 'A3'),
          ('D3', 'A3', 'D4'), ('Eb3', 'G3', 'Bb3'), ('G3', 'Bb3', 'D4'), ('D3', 'A3', 'D4'),
          ('Bb2', 'D3', 'A3'), ('G3', 'Bb3', 'D4'), ('Eb3', 'G3', 'Bb3'), ('A2', 'D3', 'A3'),
          ('Bb2', 'D3', 'A3'), ('G3', 'Bb3', 'D4'), ('Eb3', 'G3', 'Bb3'), ('A2', 'D3', 'A3'),
          ('D3', 'A3', 'D4'), ('G3', 'Bb3', 'D4'), ('Eb3', 'G3', 'Bb3'), ('D3', 'A3', 'D4')]
BASS = ['D2', 'G2', 'D2', 'A1', 'D2', 'Eb2', 'G2', 'D2', 'Bb1', 'G2', 'Eb2', 'A1', 'Bb1', 'G2', 'Eb2', 'A1',
        'D2', 'G2', 'Eb2', 'D2']
FIFTH = {'D': 'A', 'G': 'D', 'A': 'Eb', 'Eb': 'Bb', 'Bb': 'D'}


def add_wrapped(buf, start, sig):
    """Mix sig into the loop buffer at sample start, wrapping past the end so
    that the loop is seamless."""
    n = len(buf)
    idx = (start + np.arange(len(sig))) % n
    np.add.at(buf, idx, sig)


def pan_gains(p):
    a = (p + 1) * np.pi / 4
    return math.cos(a), math.sin(a)


def music():
    rng = np.random.RandomState(2024)
    n = int(round(LOOP * SR))
    L = np.zeros(n); R = np.zeros(n)
    def at(bar, beat):
        return int(round(((bar - 1) * 4 + beat) * BEAT * SR))
    # koto melody
    for bar, beat, length, name, vel in MELODY:
        f = hz(name)
        dur = max(length * BEAT + 1.6, 2.0)
        b = BENDS.get((bar, beat))
        bend = (b[0], b[1], b[2]) if b and b[0] else None
        s = pluck(f, dur, rng, bright=0.15 + 0.25 * vel, decay=2.6 if f < 600 else 2.0, bend=bend)
        # a soft grace note a scale step above on some longer notes
        gl, gr = pan_gains(-0.15 + 0.1 * math.sin(bar))
        add_wrapped(L, at(bar, beat), 0.5 * vel * gl * s)
        add_wrapped(R, at(bar, beat), 0.5 * vel * gr * s)
        if (bar, beat) in OCTAVES:
            lo = name[:-1] + str(int(name[-1]) - 1)
            s2 = pluck(hz(lo), dur + 1.0, rng, bright=0.2, decay=3.0)
            add_wrapped(L, at(bar, beat) + int(0.012 * SR), 0.32 * gl * s2)
            add_wrapped(R, at(bar, beat) + int(0.012 * SR), 0.32 * gr * s2)
    # pad: slow additive voices, detuned left and right, crossfading per bar
    for bar, chord in enumerate(CHORDS, start=1):
        start = at(bar, 0) - int(0.6 * SR)
        dur = 4 * BEAT + 2.4
        m = int(dur * SR)
        t = np.arange(m) / SR
        env = np.clip(t / 1.1, 0, 1) ** 1.5 * np.clip((dur - t) / 1.6, 0, 1)
        for k, name in enumerate(chord):
            f = hz(name)
            for side, det in ((0, -0.0025), (1, 0.0025)):
                v = np.zeros(m)
                ph = rng.rand() * 6.28
                vib = 0.0015 * np.sin(2 * np.pi * (4.6 + k * 0.3) * t + ph)
                for h in range(1, 6):
                    v += (1.0 / h ** 1.6) * np.sin(2 * np.pi * f * (1 + det + vib) * h * t + ph * h)
                sig = 0.055 * env * v
                add_wrapped(L if side == 0 else R, start, sig)
    # bass koto: root on the bar, the fifth on beat 3
    for bar, root in enumerate(BASS, start=1):
        s = pluck(hz(root), 3.6, rng, bright=0.25, decay=3.5, pick=0.3)
        add_wrapped(L, at(bar, 0), 0.42 * s); add_wrapped(R, at(bar, 0), 0.42 * s)
        fifth = FIFTH[root[:-1]] + root[-1]
        if hz(fifth) < hz(root):
            fifth = fifth[:-1] + str(int(fifth[-1]) + 1)
        s = pluck(hz(fifth), 2.4, rng, bright=0.2, decay=3.0, pick=0.3)
        add_wrapped(L, at(bar, 2), 0.22 * s); add_wrapped(R, at(bar, 2), 0.22 * s)
    # a small temple bell at the top of the loop and at the middle
    for bar, gain in ((1, 0.16), (9, 0.12)):
        m = int(5.0 * SR); t = np.arange(m) / SR
        bell = np.zeros(m)
        for ratio, a, tau in ((1.0, 1.0, 2.8), (2.71, 0.5, 1.6), (5.15, 0.25, 0.8), (8.2, 0.1, 0.4)):
            bell += a * np.sin(2 * np.pi * hz('D6') * ratio * t) * np.exp(-t / tau)
        bell *= 1 + 0.12 * np.sin(2 * np.pi * 3.1 * t)   # the beating of a real bell
        add_wrapped(L, at(bar, 0), gain * 0.9 * bell); add_wrapped(R, at(bar, 0), gain * bell)
    dry = np.stack([L, R], -1)
    wet = reverb(dry, rng)
    mix = dry * 0.8 + wet * 0.55
    return normalise(mix, -3.0)


def reverb(x, rng):
    """Circular convolution with a decaying stereo noise impulse: the tail of
    the loop's end rings on into its beginning."""
    n = len(x)
    m = int(2.6 * SR)
    t = np.arange(m) / SR
    out = np.zeros_like(x)
    for c in range(2):
        ir = rng.randn(m) * np.exp(-t / 0.55)
        # darker tail: low-pass the impulse more as it decays
        ir = fft_filter(ir, lambda f: 1 / (1 + (f / 5000.0) ** 2))
        ir[:int(0.012 * SR)] = 0          # a little pre-delay
        ir /= np.sqrt(np.sum(ir ** 2))
        irp = np.zeros(n); irp[:m] = ir
        out[:, c] = np.fft.irfft(np.fft.rfft(x[:, c]) * np.fft.rfft(irp), n)
    return out


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    write_wav(os.path.join(outdir, 'click.wav'), click())
    write_wav(os.path.join(outdir, 'clear.wav'), clear())
    write_wav(os.path.join(outdir, 'sakura.wav'), music())


if __name__ == '__main__':
    main(sys.argv[1])
