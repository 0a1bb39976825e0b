#!/usr/bin/env python3
"""Composes the shows of the library as JSON files in zfxtool's pack form.

Each show is a greeting and a farewell made of small phrases (a sweep, a
chase, a breath of the rings, a double flash ...). Lamps are given by name;
the build packs the JSON into .zfx files, and zfxtool adapt checks that
every show uses only lamps its car has.

Run: tools/library/compose.py data/library
"""
import json
import os
import sys

# Lamp bits of the front views (bytes 1 and 2) and the rear views (bytes 3 and 4).
IND, LOW, HIGH, RING, FOG, SIDE = 1, 2, 4, 8, 16, 32
R_IND, R_IN, R_OUT, R_REV, R_BRAKE, R_FOG = 1, 2, 4, 8, 16, 32
PARAMETERS = "12100000000000000000"
# The 1er of the first series and the Clubman have one rear light a side: the inner one.
NO_OUTER_REAR_LIGHT = {"111", "751"}
# The lamps each car of the library has, by view; the others have all six.
LAMPS = {"211": [31, 31, 63, 63], "111": [31, 31, 59, 59], "431": [31, 31, 63, 63], "611": [31, 31, 63, 63],
         "911": [31, 31, 63, 63], "841": [15, 15, 63, 63], "731": [27, 27, 63, 63], "751": [27, 27, 51, 27]}


def step(seconds, fr=0, fl=0, rl=0, rr=0, loop=""):
    text = ("%.1f" % seconds).rstrip("0").rstrip(".").replace(".", ",")
    return {"interval": text, "loop": loop, "lamps": [fr, fl, rl, rr]}


def both(seconds, front=0, rear=0, loop=""):
    return step(seconds, front, front, rear, rear, loop)


def loop(number, times, steps):
    marker = "S %2d / %d x" % (number, times)
    for s in steps:
        s["loop"] = marker
    return steps


def calm():
    greet = [both(0.5, RING), both(0.5, RING, R_IN), both(0.8, RING | LOW, R_IN | R_OUT),
             both(1.5, RING | LOW | FOG, R_IN | R_OUT), both(1.0, RING | LOW, R_IN | R_OUT),
             both(2.0, RING | LOW, R_IN | R_OUT)]
    bye = [both(1.5, RING | LOW, R_IN | R_OUT), both(1.0, RING, R_IN | R_OUT), both(1.0, RING, R_IN),
           both(0.8, RING), both(0.5, 0)]
    return greet, bye


def sporty():
    greet = loop(1, 3, [both(0.1, IND | LOW, R_IND | R_OUT), both(0.1, 0)]) + \
        [both(0.3, RING, R_IN), both(0.3, RING | LOW, R_IN | R_OUT), both(0.2, RING | LOW | FOG, R_IN | R_OUT | R_REV),
         both(1.5, RING | LOW | FOG, R_IN | R_OUT), both(0.5, RING | LOW, R_IN | R_OUT)]
    bye = [both(0.8, RING | LOW | FOG, R_IN | R_OUT)] + \
        loop(1, 2, [both(0.15, RING, R_IN), both(0.15, 0)]) + [both(1.0, RING, R_IN), both(0.4, 0)]
    return greet, bye


def chase():
    # The indicators run round the car: front right, front left, rear left, rear right.
    ring = [step(0.2, IND, 0, 0, 0), step(0.2, 0, IND, 0, 0), step(0.2, 0, 0, R_IND, 0), step(0.2, 0, 0, 0, R_IND)]
    greet = loop(1, 3, ring) + [both(0.4, IND, R_IND), both(0.4, 0), both(1.2, RING | LOW, R_IN | R_OUT),
                                both(1.0, RING, R_IN)]
    bye = [both(1.0, RING | LOW, R_IN | R_OUT)] + loop(1, 2, list(reversed([dict(s) for s in ring]))) + \
        [both(0.8, RING), both(0.4, 0)]
    return greet, bye


def breathing():
    # The rings breathe: on long, off short, a little faster each time.
    greet = loop(1, 3, [both(0.6, RING), both(0.4, 0)]) + loop(2, 2, [both(0.3, RING), both(0.2, 0)]) + \
        [both(2.0, RING | LOW, R_IN | R_OUT), both(1.0, RING, R_IN)]
    bye = [both(1.0, RING, R_IN | R_OUT)] + loop(1, 3, [both(0.5, RING, R_IN), both(0.5, 0)]) + [both(1.5, RING)]
    return greet, bye


def sweep():
    # From the right side to the left and back: first the front, then the rear follows.
    right = step(0.3, IND | LOW | RING, 0, 0, R_IN | R_OUT)
    middle = step(0.3, RING, RING, R_IN, R_IN)
    left = step(0.3, 0, IND | LOW | RING, R_IN | R_OUT, 0)
    greet = loop(1, 3, [right, middle, left, dict(middle)]) + [both(1.5, RING | LOW | FOG, R_IN | R_OUT),
                                                               both(0.5, RING, R_IN)]
    bye = [both(1.0, RING | LOW, R_IN | R_OUT)] + loop(1, 2, [dict(left), dict(middle), dict(right)]) + \
        [both(0.8, RING), both(0.3, 0)]
    return greet, bye


def double_flash():
    flash = [both(0.08, LOW | FOG | IND, R_IN | R_OUT | R_IND), both(0.1, 0),
             both(0.08, LOW | FOG | IND, R_IN | R_OUT | R_IND), both(0.6, 0)]
    greet = loop(1, 2, flash) + [both(0.5, RING), both(2.0, RING | LOW, R_IN | R_OUT)]
    bye = [both(1.5, RING | LOW, R_IN | R_OUT)] + loop(1, 2, [dict(s) for s in flash]) + [both(0.8, RING)]
    return greet, bye


def roadster():
    greet = [both(0.3, IND, R_IND), both(0.3, IND | LOW, R_IND), both(0.4, LOW | RING, R_IN),
             both(0.2, LOW | RING, R_IN | R_OUT), both(0.2, RING, R_IN), both(0.2, LOW | RING, R_IN | R_OUT),
             both(2.0, LOW | RING, R_IN | R_OUT)]
    bye = [both(1.0, LOW | RING, R_IN | R_OUT)] + loop(1, 3, [both(0.2, RING, R_OUT), both(0.2, LOW, R_IN)]) + \
        [both(1.0, RING), both(0.3, 0)]
    return greet, bye


def angel_eyes():
    greet = [both(0.4, RING), both(0.2, 0), both(0.4, RING), both(0.2, 0), both(2.5, RING, R_IN),
             both(1.0, RING | LOW, R_IN | R_OUT)]
    bye = [both(1.5, RING | LOW, R_IN | R_OUT), both(2.0, RING, R_IN), both(0.6, RING), both(0.4, 0)]
    return greet, bye


def wink():
    # A wink: one side, then the other, then both eyes open.
    greet = loop(1, 2, [step(0.3, RING | LOW, 0, 0, R_IN), step(0.3, 0, RING | LOW, R_IN, 0)]) + \
        [both(0.3, IND, R_IND), both(0.3, 0), both(2.0, RING | LOW | FOG, R_IN | R_OUT)]
    bye = [both(1.0, RING | LOW, R_IN | R_OUT), step(0.5, RING, 0, 0, R_IN), step(0.5, 0, RING, R_IN, 0),
           both(1.0, RING), both(0.3, 0)]
    return greet, bye


def party():
    beat = [both(0.15, RING | FOG, R_IN), both(0.15, LOW | IND, R_OUT | R_IND), both(0.15, RING, R_IN | R_OUT),
            both(0.15, 0)]
    greet = loop(1, 4, beat) + [both(1.5, RING | LOW | FOG, R_IN | R_OUT)]
    bye = loop(1, 2, [dict(s) for s in beat]) + [both(1.0, RING, R_IN), both(0.4, 0)]
    return greet, bye


def doors():
    # The split rear doors open: the lights come on from the middle outwards.
    greet = [step(0.4, 0, 0, R_IN, R_IN), step(0.4, 0, 0, R_IN | R_OUT, R_IN | R_OUT),
             both(0.4, RING, R_IN | R_OUT), both(0.4, RING | LOW, R_IN | R_OUT), both(2.0, RING | LOW | FOG, R_IN | R_OUT)]
    bye = [both(1.0, RING | LOW, R_IN | R_OUT), both(0.5, RING, R_IN | R_OUT), step(0.5, RING, RING, R_IN, R_IN),
           both(0.8, RING), both(0.3, 0)]
    return greet, bye


def wave():
    greet = loop(1, 3, [both(0.25, LOW, R_IN), both(0.25, RING, R_OUT), both(0.25, FOG, R_IN)]) + \
        [both(1.5, RING | LOW, R_IN | R_OUT)]
    bye = [both(1.0, RING | LOW, R_IN | R_OUT)] + loop(1, 2, [both(0.25, RING, R_OUT), both(0.25, LOW, R_IN)]) + \
        [both(0.8, RING), both(0.3, 0)]
    return greet, bye


# File, vehicle code, family, composer, names and descriptions (German, English).
SHOWS = [
    ("Ruhig", "211", "1er/3er", calm, "Ruhig", "Calm",
     "Die Ringe zuerst, dann Licht für Licht bis zum vollen Gruß.",
     "The rings first, then light after light up to the full greeting."),
    ("Sportlich", "111", "1er/3er", sporty, "Sportlich", "Sporty",
     "Drei schnelle Blitze, dann geht alles auf einmal an.",
     "Three quick flashes, then everything comes on at once."),
    ("Blinkerlauf", "311", "5er/6er", chase, "Blinkerlauf", "Indicator chase",
     "Die Blinker laufen dreimal ums Auto, dann grüßen die Scheinwerfer.",
     "The indicators run round the car three times, then the headlamps greet."),
    ("Atmende Augen", "431", "5er/6er", breathing, "Atmende Augen", "Breathing angel eyes",
     "Die Standlichtringe atmen ein und aus, immer schneller.",
     "The parking-light rings breathe in and out, faster and faster."),
    ("Seitenwechsel", "611", "X5/X6", sweep, "Seitenwechsel", "Side to side",
     "Das Licht wandert von rechts nach links und zurück.",
     "The light sweeps from right to left and back."),
    ("Doppelblitz", "911", "X5/X6", double_flash, "Doppelblitz", "Double flash",
     "Zweimal ein Doppelblitz mit allen Lichtern, dann Ruhe.",
     "Twice a double flash with every light, then calm."),
    ("Roadster", "841", "Z4", roadster, "Roadster", "Roadster",
     "Von den Blinkern bis zu den Ringen, Stufe für Stufe.",
     "From the indicators up to the rings, step by step."),
    ("Engelsaugen", "841", "Z4", angel_eyes, "Engelsaugen", "Angel eyes",
     "Zweimal zwinkern die Ringe, dann leuchten sie lange.",
     "The rings wink twice, then glow for a long while."),
    ("Zwinkern", "731", "Mini", wink, "Zwinkern", "Wink",
     "Erst ein Auge, dann das andere, dann beide.",
     "One eye, then the other, then both."),
    ("Party", "731", "Mini", party, "Party", "Party",
     "Ein schneller Takt aus Ringen, Blinkern und Rückleuchten.",
     "A quick beat of rings, indicators and rear lights."),
    ("Flügeltüren", "751", "Clubman", doors, "Flügeltüren", "Split doors",
     "Die Rückleuchten gehen von der Mitte nach außen an, wie die Türen.",
     "The rear lights come on from the middle outwards, like the doors."),
    ("Welle", "751", "Clubman", wave, "Welle", "Wave",
     "Eine Welle aus Abblendlicht, Ringen und Nebelscheinwerfern.",
     "A wave of low beam, rings and fog lamps."),
]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "data/library"
    index = []
    for file, code, family, compose, de, en, about_de, about_en in SHOWS:
        greet, bye = compose()
        # Lamps a car lacks are left out (bytes: front right, front left, rear left, rear right).
        for row in greet + bye:
            row["lamps"] = [b & m for b, m in zip(row["lamps"], LAMPS.get(code, [63] * 4))]
        if code in NO_OUTER_REAR_LIGHT:
            for row in greet + bye:
                for b in (2, 3):
                    if row["lamps"][b] & R_OUT:
                        row["lamps"][b] = (row["lamps"][b] & ~R_OUT) | R_IN
        # As zfxtool dump writes a show: one step to a line.
        sequences = ",\n".join("    [\n" + ",\n".join("      " + json.dumps(r, ensure_ascii=False) for r in rows) +
                                "\n    ]" for rows in (greet, bye))
        with open(os.path.join(folder, file + ".json"), "w", encoding="utf-8") as out:
            out.write('{\n  "vehicle": "%s",\n  "parameters": "%s",\n  "sequences": [\n%s\n  ]\n}\n'
                      % (code, PARAMETERS, sequences))
        index.append({"file": file + ".zfx", "vehicle": code, "family": family,
                      "name": {"de": de, "en": en}, "description": {"de": about_de, "en": about_en}})
    with open(os.path.join(folder, "Bibliothek.json"), "w", encoding="utf-8") as out:
        json.dump({"shows": index}, out, ensure_ascii=False, indent=1)
        out.write("\n")


if __name__ == "__main__":
    main()
