#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints and checks what AT-SPI reads of the game's screens (arguments: see screen_reader.sh)."""
import re, subprocess, sys, time

import pyatspi
from pyatspi import STATE_SHOWING
from gi.repository import Atspi, GLib

WINDOW, PROBE, CX, CY, WORK = sys.argv[1:6]
heard, failures = [], []  # heard: the texts inserted into labels

def pump(seconds):  # waits, handing the events that arrive to the listener
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False) or time.sleep(0.02)

def find(root, role, name):
    named = lambda n: (n.getRoleName(), n.name) == (role, name)
    for _ in range(200):
        if node := pyatspi.findDescendant(root, named):
            return node
        pump(0.1)
    sys.exit(f"FAIL: no {role} '{name}'")

def check(screen, root, labels, others=()):  # labels: captions read as name and text
    showing = pyatspi.findAllDescendants(root, lambda n: n.getState().contains(STATE_SHOWING))
    shown = [(n.getRoleName(), n.name, n.get_text(0, -1) if "Text" in n.get_interfaces() else None)
             for n in showing]
    print(f"--- {screen}", *shown, sep="\n")
    wanted = [("label", label, label) for label in labels.split("|") if label] + list(others)
    failures.extend(f"{screen}: no {want}" for want in wanted if want not in shown)

def press(root, role, name):  # through its action, as a screen reader does
    action = find(root, role, name).queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
    pump(0.5)  # a panel slides

def key(name):
    subprocess.run(["xdotool", "windowfocus", "--sync", WINDOW, "key", name], check=True)
    pump(0.5)

def hit_a_mole():  # the first one up (frames 1, 2, 3, 5, 6), at its hit box's centre
    subprocess.run(["import", "-window", "root", "-depth", "8", f"ppm:{WORK}/a11y.ppm"])
    board = subprocess.run([PROBE, "board", f"{WORK}/a11y.ppm", CX, CY],
                           capture_output=True, text=True).stdout.split()
    for i in [i for i, frame in enumerate(board) if frame in "1 2 3 5 6".split()][:1]:
        x, y = int(CX) + 75 + 100 * (i % 4), int(CY) + 85 + 70 * (i // 4)
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"])

def heard_text(pattern):
    return any(re.fullmatch(pattern, text) for text in heard)

pyatspi.Registry.registerEventListener(
    lambda event: event.source.getRoleName() == "label" and heard.append(event.any_data),
    "object:text-changed:insert")
app = find(pyatspi.Registry.getDesktop(0), "application", "zunpeko")
app.set_cache_mask(Atspi.Cache.NONE)  # what is there now, not what was
frame = find(app, "frame", "ズンぺこ ver1.0")
check("title", frame, "マウスを使って「もぐら」ヲ退治セヨ。|正統派もぐら叩きゲーム|ず|ん|ぺ|こ|"
      "NOW SCORE...|0|SCORE|残り時間", [("image", "もぐらの穴", None)])
key("F1")
check("help", frame, "マウスを使って、もぐら退治してください。|もぐら１匹で１０点。|"
      "お問い合わせはこちら|ZUNPEKO", [("link", "ずんぺこホームページ", "ずんぺこホームページ")])
press(frame, "push button", "モ\u3000ド\u3000ル")
press(frame, "menu item", "ハイスコア(H)")
check("hi-score", frame, "HI-SCORE RANKING|１ｓｔ|３ｒｄ|山田|鈴木|佐藤|300|-1")
press(frame, "push button", "OK")
press(frame, "push button", "START!!")
for _ in range(60):  # a score is a multiple of 10; a countdown digit is not
    if not heard_text("[1-9][0-9]*0"):
        hit_a_mole()
        pump(0.2)
for what, pattern in (("time left", "残り時間 [0-9]+ 秒"), ("score", "[1-9][0-9]*0")):
    failures += [] if heard_text(pattern) else [f"game: no {what} heard"]
key("F6")
prompt = find(app, "dialog", "ハイスコア！！名前を入れてください。")
check("prompt", prompt, "", [("label", "ずんぺこ", None), ("text", "ずんぺこ", "権兵衛")])
press(prompt, "push button", "ｷｬﾝｾﾙ")
print(*[f"FAIL: {failure}" for failure in failures] or ["PASS"], sep="\n")
sys.exit(1 if failures else 0)
