#!/usr/bin/env python3
"""Composes the gesture script of a whole game by playing it through vekselgrad-script.

The driver is run again after every gesture on the script so far; what it shows (the dialogs'
offers, whether a window still waits) decides the next gesture. The script is therefore valid
for the given driver options, and mixes valid and invalid answers.

    compose_game.py DRIVER LEVEL SEED [--after-end N] > script
"""
import json
import os
import random
import re
import subprocess
import sys
import tempfile


def play(driver, options, script):
    with tempfile.TemporaryDirectory() as state:
        result = subprocess.run([driver, "--state-dir", state, *options, "-"],
                                input="\n".join(script) + "\n", capture_output=True, text=True)
    lines = [json.loads(line) for line in result.stdout.splitlines()]
    return result.returncode, lines, result.stderr


def waiting_window(code, stderr):
    if code == 0:
        return None
    for window in ("input box", "Form5", "Form6"):
        if f"while the open {window}" in stderr or (window != "input box" and
                                                    f"form {window}" in stderr):
            return window
    raise SystemExit(f"unexpected driver stop: {stderr}")


def last_input(lines):
    return next(line for line in reversed(lines) if "input" in line)


def last_box(lines, box):
    return next((line["text"] for line in reversed(lines) if line.get("box") == box), "0")


def composer(driver, options, rng):
    script = []

    def run(*gestures):
        script.extend(gestures)
        code, lines, stderr = play(driver, options, script)
        return waiting_window(code, stderr), lines

    def answer_until_closed(choose):
        """Types empty answers first to see the question, then what choose() returns."""
        window, lines = run(rng.choice(["type", "cancel"]))
        while window == "input box":
            window, lines = run(choose(last_input(lines)))
        return window, lines

    return script, run, answer_until_closed


def compose(driver, level, seed, after_end):
    rng = random.Random(seed)
    options = ["--seed", str(seed)]
    script, run, answer_until_closed = composer(driver, options, rng)
    run("new", "type 0", "type 12", f"type {level}")
    trading_clicks = 0
    game_over = False
    held = {}

    def number_after(text, words):
        return float(re.search(words + r"\s+(-?[\d.]+)", text).group(1))

    def sell_answer(dialog):
        buyers = number_after(dialog["input"], "покупатели на")
        limit = int(min(buyers, float(held_now)))
        return rng.choice([f"type {buyers + 1:g}", "type -3", "type abc", f"type  {limit}",
                           f"type {rng.randint(0, limit)}", f"type {rng.randint(0, limit)}"])

    def buy_answer(dialog):
        offered = number_after(dialog["input"], "предлагается")
        return rng.choice([f"type {offered + 1:g}", "type -3", "type x", f"type {offered:g} шт",
                           f"type {rng.randint(0, int(offered))}",
                           f"type {rng.randint(0, int(offered))}"])

    def bank_answer(dialog):
        free = number_after(dialog["caption"], "располагаете")
        return rng.choice([f"type {free + 1:g}", "type abc", "type -1",
                           f"type {rng.uniform(0, free):.2f}", f"type {free:g}"])

    def end_forms(window, lines):
        """Achievements once or twice (or not at all), continue, a click or two, dblclick."""
        presses = {"Form5": rng.choice([0, 1, 1, 2]), "Form6": rng.choice([0, 1, 2])}
        while window in ("Form5", "Form6"):
            if presses[window] > 0:
                presses[window] -= 1
                gesture = "achievements" if window == "Form5" else "click"
            else:
                gesture = "continue" if window == "Form5" else "dblclick"
                presses = {"Form5": rng.choice([0, 1]), "Form6": rng.choice([0, 1])}
            window, lines = run(gesture)
        return window, lines

    while True:
        held_now = last_box(run()[1], "saf(0)") if script else "0"
        action = rng.choices(["skip", "sell", "buy", "bank"], [4, 3, 3, 1])[0]
        window, lines = run(action)
        if action == "bank":
            if window == "input box":
                window, lines = answer_until_closed(bank_answer)
            continue
        if window == "input box":
            window, lines = answer_until_closed(sell_answer if action == "sell" else buy_answer)
        if window in ("Form5", "Form6"):
            game_over = True
            window, lines = end_forms(window, lines)
        if window == "input box":
            window, lines = answer_until_closed(sell_answer if action == "sell" else buy_answer)
            window, lines = end_forms(window, lines)
        trading_clicks += 1
        if game_over:
            after_end -= 1
            if after_end < 0:
                break
    return script


if __name__ == "__main__":
    driver, level, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    after_end = int(sys.argv[5]) if len(sys.argv) > 5 and sys.argv[4] == "--after-end" else 0
    for gesture in compose(os.path.abspath(driver), level, seed, after_end):
        print(gesture)
