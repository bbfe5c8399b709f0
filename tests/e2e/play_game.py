#!/usr/bin/env python3
"""A whole game played as a user would, on a real X display (Xvfb).

Starts the built program, opens the set-up dialog from the title screen,
seats one person and three computer players by clicking, and plays the
person's part with the mouse: throwing, declining to buy, paying what it
must, leaving jail on bail, declining the bank and the casino, and giving up
when it runs out of money. Passes when the winner's message appears, every
game window has gone again, and the program then leaves cleanly from the
title screen's exit button.

usage: play_game.py PROGRAM [SCREENSHOT_DIR]
"""
import os
import subprocess
import sys
import threading
import time

PROGRAM = sys.argv[1]
SHOTS = sys.argv[2] if len(sys.argv) > 2 else None
GAME_TIMEOUT_S = float(os.environ.get("E2E_GAME_TIMEOUT", "230"))
WINNER_TEXT = "You are the Quorbis of New York"


def xdo(*args, check=False):
    r = subprocess.run(["xdotool", *args], capture_output=True, text=True)
    if check and r.returncode != 0:
        raise RuntimeError("xdotool %s failed: %s" % (" ".join(args), r.stderr))
    return r.stdout.strip()


def windows(pid):
    """The program's windows on screen: (id, x, y, w, h, name)."""
    out = xdo("search", "--onlyvisible", "--pid", str(pid), "")
    found = []
    for wid in out.split():
        geo = xdo("getwindowgeometry", "--shell", wid)
        vals = dict(line.split("=", 1) for line in geo.splitlines() if "=" in line)
        try:
            w, h = int(vals["WIDTH"]), int(vals["HEIGHT"])
            x, y = int(vals["X"]), int(vals["Y"])
        except (KeyError, ValueError):
            continue
        if w <= 1 or h <= 1:
            continue
        found.append((wid, x, y, w, h, xdo("getwindowname", wid)))
    return found


REST = (0, 0)  # where the mouse waits: off the board, so no property card opens


class WinnerWatch(threading.Thread):
    """Looks for the winner's message on its own: shown for ten seconds of
    game time, it is gone in a moment at a high speed factor."""

    def __init__(self):
        super().__init__(daemon=True)
        self.text = None
        self.stop = False

    def run(self):
        while not self.stop and self.text is None:
            for wid in xdo("search", "--onlyvisible", "--name", WINNER_TEXT).split():
                self.text = xdo("getwindowname", wid) or WINNER_TEXT
            time.sleep(0.01)


def click(x, y):
    xdo("mousemove", "--sync", str(x), str(y))
    xdo("click", "1")
    xdo("mousemove", str(REST[0]), str(REST[1]))


def shot(name):
    if SHOTS:
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, name)],
                       capture_output=True)


def wait_for(what, pred, pid, proc, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        if proc.poll() is not None:
            fail("the program ended while waiting for %s (exit %s)" % (what, proc.returncode))
        found = [w for w in windows(pid) if pred(w)]
        if found:
            return found[0]
        time.sleep(0.1)
    fail("timed out waiting for %s; on screen: %s" % (what, windows(pid)))


def fail(message):
    print("FAIL:", message, flush=True)
    sys.exit(1)


def size_is(w, h):
    return lambda win: win[3] == w and win[4] == h


# Game windows by their size, and where the person clicks in each (window
# coordinates). A list: the next spot is tried if the window is still open.
PERSON_CLICKS = {
    (242, 98): [(157, 59)],              # dice: throw / end the turn
    # property: decline to buy, or take over a rival's square when allowed;
    # else buy or pay the rent. A person who buys nothing loses sooner.
    (462, 459): [(332, 422), (135, 422)],
    (396, 356): [(198, 322)],            # card: OK (once the card is played)
    (454, 460): [(118, 418)],            # jail: post bail
    (480, 356): [(240, 315)],            # bank: cancel
    (489, 381): [(320, 355)],            # casino: cancel
    (431, 319): [(276, 284), (368, 284)],  # assets: done, else give up
}
PASSIVE = {(417, 212), (165, 235), (432, 319)}  # tip, game menu, property card


def main():
    env = dict(os.environ)
    env.setdefault("QUORBIS_SPEED", "100")
    env.setdefault("SDL_AUDIODRIVER", "dummy")
    env["QT_QPA_PLATFORM"] = "xcb"
    log = open(os.path.join(os.environ.get("XDG_RUNTIME_DIR", "/tmp"), "game.log"), "w+")
    proc = subprocess.Popen([PROGRAM], env=env, stdout=log, stderr=subprocess.STDOUT)
    pid = proc.pid
    try:
        started = time.time()
        main_win = wait_for("the title screen", lambda w: w[5].endswith("Quorbis of New York"),
                            pid, proc)
        _, mx, my, mw, mh, _ = main_win
        global REST
        REST = (mx + mw + 20, my + mh + 20)
        print("title screen after %.1f s: %dx%d" % (time.time() - started, mw, mh), flush=True)
        time.sleep(1.5)  # the first paint
        shot("title.png")
        # F7 mutes: the game then waits no sound out (the throw pauses a second
        # instead, shortened by the speed factor like every pause).
        xdo("mousemove", "--sync", str(mx + mw // 2), str(my + 40))
        xdo("key", "F7")

        # The title screen's first button opens the set-up dialog.
        gap = round((mw - 872) / 7.0 / 2) * 2
        top = round((mh / 2.0 + 35) / 2) * 2
        click(mx + 2 * gap + 109, my + top + 40)
        setup = wait_for("the set-up dialog", size_is(680, 480), pid, proc)
        _, sx, sy, _, _, _ = setup
        time.sleep(0.3)
        # Players 3 and 4 take part (computer players by default); the least
        # starting cash makes a short game; then Play.
        click(sx + 380 + 40, sy + 79)
        click(sx + 525 + 40, sy + 79)
        for _ in range(3):
            click(sx + 231 + 6, sy + 389 + 11)  # the cash bar's left arrow
        # Hard computer players end the person's game sooner.
        for column_x in (235, 380, 525):
            click(sx + column_x + 40, sy + 323 + 12)
            time.sleep(0.2)
            xdo("key", "End", "Return")
            time.sleep(0.1)
        time.sleep(0.2)
        shot("setup.png")
        click(sx + 420 + 48, sy + 436 + 14)

        deadline = time.time() + GAME_TIMEOUT_S
        watch = WinnerWatch()
        watch.start()
        tried = {}
        winner_seen = False
        shots_taken = set()
        last_report = time.time()
        last_person_window = time.time()
        while time.time() < deadline:
            if proc.poll() is not None:
                fail("the program ended during the game (exit %s) after %.1f s" % (
                    proc.returncode, time.time() - started))
            wins = windows(pid)
            if time.time() - last_report > 15:
                last_report = time.time()
                print("  %.0f s: %s" % (last_report - started,
                                        [(w[3], w[4]) for w in wins if w[3] < 1000]), flush=True)
            if watch.text:
                winner_seen = True
                print("winner's message after %.1f s: %s" % (time.time() - started, watch.text),
                      flush=True)
                break
            acted = False
            # A card that moved the token waits for the landing's window:
            # answer that one first.
            order = [(462, 459), (431, 319), (454, 460), (480, 356), (489, 381), (242, 98)]
            wins.sort(key=lambda win: order.index((win[3], win[4]))
                      if (win[3], win[4]) in order else len(order))
            for wid, x, y, w, h, name in wins:
                key = (w, h)
                if key in PERSON_CLICKS:
                    if SHOTS and key not in shots_taken and key in ((462, 459), (480, 356), (489, 381)):
                        shots_taken.add(key)
                        shot("window_%dx%d.png" % key)
                    n = tried.get(wid, 0)
                    spots = PERSON_CLICKS[key]
                    cx, cy = spots[min(n, len(spots) - 1)]
                    click(x + cx, y + cy)
                    tried[wid] = n + 1
                    acted = True
                    break
                if w < 1000 and key not in PASSIVE and name in ("Bank", "Bet", "Plutora Games"):
                    xdo("key", "--window", wid, "Return")  # a message box: OK
                    acted = True
                    break
            if acted:
                last_person_window = time.time()
            elif time.time() - last_person_window > 2.5:
                # No window asks the person anything: short of cash, he gives
                # up with the board's DECLARE BANKRUPTCY picture (a click on
                # the bare board centre while it is not shown).
                click(mx + 376, my + 533)
                last_person_window = time.time()
            time.sleep(0.15 if acted else 0.1)
        if not winner_seen:
            fail("no winner within %.0f s" % GAME_TIMEOUT_S)

        # Back on the title screen with nothing else left open.
        end = time.time() + 30
        while time.time() < end:
            others = [w for w in windows(pid) if w[3] < 1000]
            if not others:
                break
            time.sleep(0.2)
        else:
            fail("windows left open after the game: %s" % windows(pid))
        print("title screen again after %.1f s" % (time.time() - started), flush=True)

        # The title screen's exit button ends the program.
        click(mx + 5 * gap + 218 * 3 + 109, my + top + 40)
        try:
            rc = proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            fail("the program did not leave after EXIT")
        if rc != 0:
            fail("the program left with exit code %d" % rc)
        log.seek(0)
        text = log.read()
        for alarm in ("Segmentation", "Aborted", "ASSERT", "runtime error", "AddressSanitizer"):
            if alarm in text:
                fail("the program said %r:\n%s" % (alarm, text))
        print("PASS in %.1f s" % (time.time() - started), flush=True)
        return 0
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()


if __name__ == "__main__":
    sys.exit(main())
