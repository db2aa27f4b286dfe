#!/usr/bin/env python3
"""A seeded random walk of commands through orvanta-sim: key presses with every button, typed
numbers, bases, settings, formulas, big numbers, wordings, grabs, and whatever other commands
this orvanta-sim knows (asked once at the start). Every command is followed by `print`, whose
line marks the command's end, so each command is timed alone. Fails on an exit, a sanitizer
report or a command that does not finish within a minute; prints the slowest commands.

usage: sim-walk.py ORVANTA_SIM [--commands N] [--seed S]"""
import argparse
import os
import random
import re
import select
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KEY_NAMES = re.findall(r'\{"(\w+)"', open(os.path.join(ROOT, "src/engine/key_table.cpp"),
                                          encoding="utf-8").read())
SETTINGS = {"Device_Science_calc": ["0", "1"], "Device_point": ["-1", "0", "2", "15", "x"],
            "Device_1000": ["0", "1"], "Device_angle": ["0", "1"], "Device_sound": ["0", "1"],
            "Device_input_autoclip": ["0", "1"], "Device_AutoCopyTo": ["0", "1"],
            "Device_capture": ["1", "2", "3", "4"]}
PIECES = ["0", "1", "2", "7", "9", ".", "+", "-", "*", "/", "^", "(", ")", ",", "E", "x", " ",
          "SIN(", "COSA(", "SQRT(", "SECA(", "LN(", "LG(", "ABS(", "TAN(", "99999", "1000000000",
          "（", "）", "＋", "×", "．", "〔注〕", "[", "]", "0)", "-("]
MINUTE = 60.0


def formula(rng):
    return "".join(rng.choice(PIECES) for _ in range(rng.randint(0, 16))).strip() or "1"


def digits(rng, longest):
    text = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, longest)))
    if rng.random() < 0.4:
        cut = rng.randint(0, len(text))
        text = text[:cut] + "." + text[cut:]
    return text


def number(rng):
    return rng.choice([digits(rng, 20), "-" + digits(rng, 14), "1E" + str(rng.randint(-30, 30)),
                       "abc", "0", digits(rng, 3) + "e" + str(rng.randint(15, 25))])


def date_time(rng):
    return "2026-%02d-%02d %02d:%02d:%02d" % (rng.randint(1, 12), rng.randint(1, 28),
                                              rng.randint(0, 23), rng.randint(0, 59),
                                              rng.randint(0, 59))


def command(rng, known):
    """One command line; only commands this orvanta-sim knows."""
    choices = [
        (30, None, lambda: rng.choice(KEY_NAMES) + rng.choice(["", "", " left", " right", " middle"])),
        (12, "keys", lambda: "keys " + "".join(rng.choice("0123456789ABCDEF.+-*/=")
                                       for _ in range(rng.randint(1, 12)))),
        (3, "base", lambda: "base " + rng.choice(["HEX", "DEC", "OCT", "BIN"])),
        (4, "set", lambda: "set %s %s" % (lambda k: (k, rng.choice(SETTINGS[k])))(
            rng.choice(list(SETTINGS)))),
        (6, "step", lambda: "step " + formula(rng)),
        (6, "eval", lambda: "eval " + formula(rng)),
        (4, "big", lambda: "big %s %s %s" % (rng.choice(["add", "sub", "mul"]), digits(rng, 300),
                                      digits(rng, 300))),
        (2, "big", lambda: "big div %s %s %d" % (digits(rng, 200), digits(rng, 100),
                                          rng.randint(-2, 200))),
        (4, "words", lambda: "words %s %s" % (rng.choice(["cn", "rmb", "money"]), number(rng))),
        (4, "grab", lambda: "grab " + rng.choice(["合计：", "", "a "]) + formula(rng) +
         rng.choice(["", "\\n3", " 元"])),
        (4, "key", lambda: "key %d%s" % (rng.choice([13, 27, 8, 46, 48, 57, 65, 70, 96, 105, 106, 107,
                                              109, 110, 111, 112, 187, 189, 190, 191]),
                                  rng.choice(["", "", " ctrl", " shift", " alt"]))),
        (1, "units", lambda: "units"),
        (3, "unit", lambda: "unit %d %d" % (rng.randint(0, 10), rng.randint(0, 18))),
        (2, "tax", lambda: "tax %s %s %s" % (digits(rng, 6), digits(rng, 5), digits(rng, 4))),
        (2, "pick", lambda: "pick %d" % rng.randint(1, 118)),
        (1, "clock", lambda: "clock " + date_time(rng)),
        (1, "alarm", lambda: "alarm %d %s %s %d tip" % (rng.randint(1, 6), rng.choice(["on", "off"]),
                                               date_time(rng).split(" ")[1], rng.randint(1, 7))),
        (1, "tick", lambda: "tick " + date_time(rng) + ".000"),
    ]
    usable = [(weight, make) for weight, word, make in choices if word is None or word in known]
    weights = [weight for weight, _ in usable]
    return rng.choices([f for _, f in usable], weights)[0]()


def known_commands(sim):
    """The command words this orvanta-sim accepts (an unknown one ends it with status 2)."""
    known = set()
    for word in ["keys", "base", "set", "print", "step", "eval", "big", "words", "grab", "key",
                 "bind", "units", "unit", "tax", "pick", "clock", "alarm", "tick"]:
        result = subprocess.run([sim], input=word + "\n", capture_output=True, text=True)
        if "unknown command" not in result.stderr:
            known.add(word)
    return known


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("sim")
    parser.add_argument("--commands", type=int, default=100000)
    parser.add_argument("--seed", type=int, default=20261210)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    known = known_commands(args.sim)
    proc = subprocess.Popen([args.sim], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, bufsize=0)
    stdout = proc.stdout
    pending = b""
    recent = []
    slowest = []
    started = time.monotonic()
    done = [0]

    def fail(reason):
        proc.kill()
        err = proc.stderr.read().decode("utf-8", "replace")
        print("sim-walk: %s at command %d (seed %d); the last commands:" %
              (reason, done[0], args.seed))
        for line in recent[-12:]:
            print("  " + line)
        print(err[-6000:])
        sys.exit(1)

    for count in range(1, args.commands + 1):
        done[0] = count
        line = command(rng, known)
        recent = (recent + [line])[-12:]
        begin = time.monotonic()
        try:
            proc.stdin.write((line + "\nprint\n").encode("utf-8"))
        except BrokenPipeError:
            fail("orvanta-sim ended")
        # Read until the print line of this command.
        while b"\nlcd=" not in b"\n" + pending or not pending.endswith(b"\n"):
            ready, _, _ = select.select([stdout], [], [], MINUTE)
            if not ready:
                fail("a command ran for more than a minute")
            chunk = os.read(stdout.fileno(), 65536)
            if not chunk:
                fail("orvanta-sim ended (status %s)" % proc.wait())
            pending += chunk
        pending = b""
        elapsed = time.monotonic() - begin
        slowest = sorted(slowest + [(elapsed, line)], reverse=True)[:5]
    proc.stdin.close()
    status = proc.wait()
    err = proc.stderr.read().decode("utf-8", "replace")
    if status != 0 or err:
        print("sim-walk: orvanta-sim ended with status %d:\n%s" % (status, err[-6000:]))
        sys.exit(1)
    total = time.monotonic() - started
    print("sim-walk: %d commands (seed %d) in %.1f s, no fault; commands known: %s" %
          (args.commands, args.seed, total, " ".join(sorted(known))))
    print("sim-walk: slowest commands (each with its print):")
    for elapsed, line in slowest:
        print("  %8.1f ms  %s" % (elapsed * 1000, line[:120]))


if __name__ == "__main__":
    main()
