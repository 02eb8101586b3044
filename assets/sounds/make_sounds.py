#!/usr/bin/python3
"""Makes every table sound as headerless PCM (44100 Hz, mono, signed 16-bit
little-endian, ".raw") and the "sounds.ini" that lists them.

Effects (cards, chips, knocks, clicks, chimes) are synthesised here from
noise and damped sines with fixed seeds, so every run writes the same bytes.
Announcements are spoken by espeak-ng and trimmed, resampled and normalised
by sox. Each file stays under 1.5 s.
"""

import array
import math
import os
import random
import subprocess
import sys
import tempfile

RATE = 44100
MAX_SECONDS = 1.5

# Peak levels: speech loudest, effects a little lower, interface clicks
# quieter still since they come often.
SPEECH_DB, EFFECT_DB, CLICK_DB = -1.0, -3.0, -8.0

SPOKEN = {
    "flop": "Flop",
    "turn": "Turn",
    "river": "River",
    "showdown": "Showdown",
    "flush": "Flush",
    "full house": "Full house",
    "royal straight flush": "Royal straight flush",
    "straight flush": "Straight flush",
    "straight": "Straight",
    "four of a kind": "Four of a kind",
    "high card": "High card",
    "no pair": "No pair",
    "one pair": "One pair",
    "three of a kind": "Three of a kind",
    "two pairs": "Two pairs",
    "all in": "All in",
    "bet": "Bet",
    "bets": "Bets",
    "call": "Call",
    "calls": "Calls",
    "check": "Check",
    "checks": "Checks",
    "fold": "Fold",
    "folds": "Folds",
    "is all in": "is all in",
    "its your turn": "It's your turn",
    "muck": "Muck",
    "mucks": "Mucks",
    "raise": "Raise",
    "raises": "Raises",
    "show": "Show",
    "shows": "Shows",
    "wins with": "wins with",
    "wins": "Wins",
}
NUMBERS = ["one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"]
for n, word in enumerate(NUMBERS, 1):
    SPOKEN["player%d" % n] = "Player " + word

# Section order of the sounds file.
SECTIONS = (
    ["shuffle", "flop", "turn", "river", "showdown", "alert10sec", "flush", "full house",
     "royal straight flush", "straight flush", "straight", "four of a kind", "high card", "no pair",
     "one pair", "three of a kind", "two pairs"]
    + ["player%d" % n for n in range(1, 11)]
    + ["all in", "bet", "bets", "call", "calls", "check", "checks", "fold", "folds", "is all in",
       "its your turn", "muck", "mucks", "raise", "raises", "show", "shows", "wins with", "wins",
       "button_pressed", "button_released", "slider_value_changed", "lobby_clicked", "time_warning",
       "bet_action", "call_action", "check_action", "fold_action", "raise_action", "deal_card",
       "deal_cards", "pot_winner"]
)


def file_name(section):
    return section.replace(" ", "_") + ".raw"


# --- synthesis helpers --------------------------------------------------------

def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix(into, sound, at):
    start = int(at * RATE)
    if len(into) < start + len(sound):
        into.extend([0.0] * (start + len(sound) - len(into)))
    for i, v in enumerate(sound):
        into[start + i] += v
    return into


def lowpass(xs, cutoff):
    a = 1.0 - math.exp(-2.0 * math.pi * cutoff / RATE)
    y, out = 0.0, []
    for x in xs:
        y += a * (x - y)
        out.append(y)
    return out


def highpass(xs, cutoff):
    low = lowpass(xs, cutoff)
    return [x - l for x, l in zip(xs, low)]


def bandpass(xs, centre, q):
    """RBJ biquad band-pass (constant peak gain)."""
    w = 2.0 * math.pi * centre / RATE
    alpha = math.sin(w) / (2.0 * q)
    b0, b2 = alpha, -alpha
    a0, a1, a2 = 1.0 + alpha, -2.0 * math.cos(w), 1.0 - alpha
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for x in xs:
        y = (b0 * x + b2 * x2 - a1 * y1 - a2 * y2) / a0
        x2, x1, y2, y1 = x1, x, y1, y
        out.append(y)
    return out


def noise(rng, seconds):
    return [rng.uniform(-1.0, 1.0) for _ in range(int(seconds * RATE))]


def envelope(xs, attack, decay):
    """Linear attack, exponential decay (time constant `decay`)."""
    n_att = max(1, int(attack * RATE))
    out = []
    for i, x in enumerate(xs):
        t = i / RATE
        g = (i / n_att) if i < n_att else math.exp(-(t - attack) / decay)
        out.append(x * g)
    return out


def damped_sine(freq, seconds, decay, phase=0.0, glide=0.0):
    out = []
    ph = phase
    for i in range(int(seconds * RATE)):
        t = i / RATE
        f = freq * (1.0 + glide * t)
        ph += 2.0 * math.pi * f / RATE
        out.append(math.sin(ph) * math.exp(-t / decay))
    return out


def fade_out(xs, seconds):
    n = min(len(xs), int(seconds * RATE))
    for i in range(n):
        xs[len(xs) - n + i] *= 1.0 - (i + 1) / n
    return xs


# --- effects ----------------------------------------------------------------

def card_flick(rng, strength=1.0):
    swish = envelope(bandpass(noise(rng, 0.09), 1800, 0.7), 0.05, 0.015)
    snap = envelope(bandpass(noise(rng, 0.06), 4200, 1.2), 0.001, 0.012)
    out = mix(swish, snap, 0.045)
    return [v * strength for v in out]


def chip_click(rng, strength=1.0):
    out = silence(0.045)
    for _ in range(3):
        mix(out, damped_sine(rng.uniform(2600, 6500), 0.045, rng.uniform(0.005, 0.012), rng.random() * 6.28), 0)
    tick = envelope(highpass(noise(rng, 0.006), 3000), 0.0005, 0.002)
    mix(out, tick, 0)
    return [v * strength for v in out]


def clatter(rng, clicks, spread):
    out = silence(spread + 0.06)
    for i in range(clicks):
        at = spread * (i / max(1, clicks - 1)) ** 0.8 + rng.uniform(-0.008, 0.008)
        mix(out, chip_click(rng, rng.uniform(0.5, 1.0)), max(0.0, at))
    return out


def knock(rng):
    body = damped_sine(150, 0.12, 0.03, glide=-1.5)
    thump = envelope(lowpass(noise(rng, 0.05), 900), 0.001, 0.01)
    return mix(body, [v * 0.8 for v in thump], 0)


def shuffle(seed, seconds):
    rng = random.Random(seed)
    out = silence(seconds)
    riffle = seconds - 0.3
    t = 0.02
    while t < riffle:
        # the riffle speeds up, then slows as the last cards fall
        pos = t / riffle
        gap = 0.012 + 0.016 * abs(pos - 0.45) + rng.uniform(0, 0.006)
        amp = 0.35 + 0.65 * math.sin(math.pi * min(1.0, pos + 0.1)) * rng.uniform(0.6, 1.0)
        click = envelope(bandpass(noise(rng, 0.02), rng.uniform(2500, 4500), 1.5), 0.0008, 0.004)
        mix(out, [v * amp for v in click], t)
        t += gap
    bridge = envelope(bandpass(noise(rng, 0.28), 1400, 0.6), 0.08, 0.07)
    mix(out, [v * 0.7 for v in bridge], riffle)
    return fade_out(out[: int(seconds * RATE)], 0.02)


def bell(freq, seconds, decay):
    out = silence(seconds)
    for ratio, gain in ((1.0, 1.0), (2.76, 0.35), (5.4, 0.15)):
        mix(out, [v * gain for v in damped_sine(freq * ratio, seconds, decay / ratio ** 0.5)], 0)
    return out


def beep(freq, seconds):
    n = int(seconds * RATE)
    ramp = int(0.005 * RATE)
    return [math.sin(2 * math.pi * freq * i / RATE) * min(1.0, i / ramp, (n - i) / ramp) for i in range(n)]


def effects():
    made = {}
    rng = random.Random(7)
    for i, seconds in enumerate((0.95, 1.05, 1.15, 1.25, 1.35), 1):
        made["shuffle%d" % i] = (shuffle(100 + i, seconds), EFFECT_DB)
    made["deal_card"] = (mix(silence(0.3), card_flick(rng), 0.01), EFFECT_DB)
    deal = silence(0.55)
    for at in (0.0, 0.16, 0.32):
        mix(deal, card_flick(rng, rng.uniform(0.8, 1.0)), at + 0.01)
    made["deal_cards"] = (deal, EFFECT_DB)
    made["bet_action"] = (clatter(rng, 4, 0.22), EFFECT_DB)
    made["call_action"] = (clatter(rng, 3, 0.16), EFFECT_DB)
    made["raise_action"] = (clatter(rng, 7, 0.4), EFFECT_DB)
    check = silence(0.35)
    mix(check, knock(rng), 0.0)
    mix(check, [v * 0.9 for v in knock(rng)], 0.15)
    made["check_action"] = (check, EFFECT_DB)
    slide = envelope(bandpass(noise(rng, 0.4), 1200, 0.5), 0.12, 0.09)
    made["fold_action"] = (fade_out(slide, 0.05), EFFECT_DB)
    press = mix(damped_sine(1500, 0.04, 0.006), envelope(highpass(noise(rng, 0.004), 2000), 0.0003, 0.0015), 0)
    made["button_pressed"] = (press, CLICK_DB)
    release = [v * 0.7 for v in damped_sine(2300, 0.035, 0.005)]
    made["button_released"] = (release, CLICK_DB)
    made["slider_value_changed"] = (damped_sine(4200, 0.025, 0.003), CLICK_DB)
    blip = damped_sine(880, 0.09, 0.03, glide=5.0)
    made["lobby_clicked"] = (fade_out(envelope(blip, 0.004, 1.0), 0.01), CLICK_DB)
    warn = silence(0.42)
    mix(warn, beep(1000, 0.12), 0.0)
    mix(warn, beep(1000, 0.12), 0.22)
    made["time_warning"] = (warn, EFFECT_DB)
    alert = silence(1.25)
    mix(alert, bell(1318.5, 0.7, 0.25), 0.0)
    mix(alert, bell(1046.5, 0.9, 0.3), 0.3)
    made["alert10sec"] = (fade_out(alert, 0.1), EFFECT_DB)
    win = silence(1.3)
    mix(win, [v * 0.6 for v in envelope(bandpass(noise(rng, 0.3), 1500, 0.6), 0.1, 0.08)], 0.0)
    mix(win, clatter(rng, 6, 0.3), 0.1)
    for i, f in enumerate((523.25, 659.25, 783.99, 1046.5)):
        mix(win, [v * 0.6 for v in bell(f, 0.6, 0.18)], 0.45 + i * 0.11)
    made["pot_winner"] = (fade_out(win[: int(1.3 * RATE)], 0.1), EFFECT_DB)
    return made


# --- output -----------------------------------------------------------------

def write_raw(path, samples, peak_db):
    peak = max(1e-9, max(abs(v) for v in samples))
    gain = 10 ** (peak_db / 20.0) * 32767 / peak
    pcm = array.array("h", (max(-32768, min(32767, int(round(v * gain)))) for v in samples))
    if sys.byteorder == "big":
        pcm.byteswap()
    with open(path, "wb") as f:
        f.write(pcm.tobytes())


def speak(text, path, tmp):
    wav = os.path.join(tmp, "speech.wav")
    subprocess.run(["espeak-ng", "-v", "en-us", "-s", "165", "-p", "45", "-w", wav, text], check=True)
    # Trim the silence at both ends, resample, normalise; sox writes raw PCM.
    effects = ["silence", "1", "0.01", "0.2%", "reverse", "silence", "1", "0.01", "0.2%", "reverse",
               "rate", "-v", str(RATE), "norm", str(SPEECH_DB), "pad", "0.01", "0.04"]
    out = ["-t", "raw", "-r", str(RATE), "-e", "signed-integer", "-b", "16", "-c", "1", "-L", path]
    subprocess.run(["sox", wav] + out + effects, check=True)
    seconds = os.path.getsize(path) / 2.0 / RATE
    if seconds > MAX_SECONDS:
        # Say it faster rather than cut it off.
        factor = seconds / (MAX_SECONDS - 0.05)
        subprocess.run(["sox", wav] + out + effects + ["tempo", "-s", "%.3f" % factor], check=True)


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    for name, (samples, level) in sorted(effects().items()):
        write_raw(os.path.join(outdir, name + ".raw"), samples, level)
    with tempfile.TemporaryDirectory() as tmp:
        for section, text in sorted(SPOKEN.items()):
            speak(text, os.path.join(outdir, file_name(section)), tmp)

    lines = ["; Sound files per table event: one array per section, played at random.", ""]
    for section in SECTIONS:
        files = ["shuffle%d.raw" % i for i in range(1, 6)] if section == "shuffle" else [file_name(section)]
        lines.append("[%s]" % section)
        for i, f in enumerate(files, 1):
            lines.append("%d\\file=%s" % (i, f))
        lines.append("size=%d" % len(files))
        lines.append("")
    with open(os.path.join(outdir, "sounds.ini"), "w") as f:
        f.write("\n".join(lines))

    for name in sorted(os.listdir(outdir)):
        if name.endswith(".raw"):
            seconds = os.path.getsize(os.path.join(outdir, name)) / 2.0 / RATE
            if seconds > MAX_SECONDS:
                raise SystemExit("%s is %.2f s long" % (name, seconds))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
