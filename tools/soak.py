#!/usr/bin/env python3
"""Soak: the real program under its own Xvfb, given random mouse and keyboard input for a time.

    python3 tools/soak.py [--build DIR] [--seconds N] [--seed S] [--work DIR]

It plays on a copy of Resources/ with a saved player (tests/data/game/saved_player) in its
XDG_DATA_HOME, and sends moves, clicks and drags with both buttons, Escape, Return, Space,
arrows, letters and Backspace through xdotool, drawn from the seed. A game that leaves through
its own Exit is started again; at the end it is asked to close (SIGTERM, as a window closed).

It fails on a crash, a sanitizer report in the game's log, an exit status other than 0, a
resident-memory growth above 10 MiB after the first 30 s of a run (memory that stays: the lowest
over the run's last quarter against the value at 30 s, so that a large level open for a while is
no growth and a leak, which raises the floor, is), or a players.save that no
longer reads as the game reads it (level_check --players). A sanitizer build (cmake
-DZOR_SANITIZE=ON) runs with the environment its tests run with (sanitizer-env.txt there); its
memory growth is reported, not judged: AddressSanitizer keeps freed memory in quarantine, and
LeakSanitizer checks every exit.
The last line says what was sent and measured, and PASS or FAIL with the guard that failed; each
run's log (run-N.log), its memory second by second (rss-N.txt) and the last screen (last.png)
stay in the working folder.
"""
import argparse
import os
import random
import shutil
import signal
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GROWTH_LIMIT_MIB = 10
# The soak's own test shortens the settling time to show the memory guard in a few seconds.
SETTLE_SECONDS = float(os.environ.get("ZOR_SOAK_SETTLE_SECONDS", "30"))
CLOSE_SECONDS = 60
KEYS = ["Escape", "Return", "space", "Left", "Right", "Up", "Down", "BackSpace"] + [chr(c) for c in range(ord("a"), ord("z") + 1)]
# Patterns of the sanitizers' reports (UBSan's own lines say "runtime error").
SANITIZER_MARKS = ["ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:", "SUMMARY: UndefinedBehaviorSanitizer",
                   "WARNING: ThreadSanitizer"]


class Failure(Exception):
    def __init__(self, guard, reason, log=None):
        super().__init__(reason)
        self.guard, self.reason, self.log = guard, reason, log


def log(text):
    print("soak: " + text, flush=True)


def read_env_file(path):
    """KEY=VALUE lines (the sanitizer build's test environment); empty when there is none."""
    env = {}
    if os.path.isfile(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                key, sep, value = line.rstrip("\n").partition("=")
                if sep and key:
                    env[key] = value
    return env


def save_folder(resources):
    """<company>/<product>, as the game derives its folder from Resources/game.xml."""
    root = ET.parse(os.path.join(resources, "game.xml")).getroot()
    return os.path.join(root.find("company").get("value"), root.find("product").get("value"))


def start_xvfb(screen):
    # -noreset: when its last client leaves, Xvfb resets and drops whoever is connecting at that
    # moment; an xdotool call ending just as the game opens its display made the game fail to start.
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen + "x24", "-nolisten", "tcp",
                             "-noreset"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                break
            number += chunk
    if not number.strip():
        xvfb.kill()
        raise Failure("setup", "Xvfb did not start")
    return xvfb, ":" + number.decode().strip()


def rss_kib(pid):
    """Resident memory of the process and every process below it, in KiB (0 once it is gone)."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/stat" % entry) as f:
                    parent = int(f.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except (OSError, ValueError, IndexError):
                pass
    total, todo = 0, [pid]
    while todo:
        p = todo.pop()
        todo.extend(children.get(p, []))
        try:
            with open("/proc/%d/status" % p) as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


class Soak:
    def __init__(self, args):
        self.args = args
        self.build = os.path.abspath(args.build)
        self.work = os.path.abspath(args.work or os.path.join(self.build, "soak"))
        self.program = os.path.join(self.build, "nonogram")
        self.checker = os.path.join(self.build, "tools", "levelcheck", "level_check")
        self.rng = random.Random(args.seed)
        self.sanitizer_env = read_env_file(os.path.join(self.build, "sanitizer-env.txt"))
        self.inputs = 0
        self.runs = []  # one record per run of the game
        self.game = None
        self.window = (0, 0, 1024, 768)

    # The copy of the data, the saved player and the game's environment.
    def prepare(self):
        for path, what in ((self.program, "the game"), (self.checker, "level_check")):
            if not os.access(path, os.X_OK):
                raise Failure("setup", "%s is not built: %s" % (what, path))
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        shutil.copytree(os.path.join(SOURCE, "Resources"), os.path.join(self.work, "Resources"))
        self.saves = os.path.join(self.work, "xdg", save_folder(os.path.join(self.work, "Resources")))
        shutil.copytree(os.path.join(SOURCE, "tests", "data", "game", "saved_player"), self.saves)
        self.check_save("before the first run")

    def game_env(self):
        env = dict(os.environ)
        # SIGTERM must reach the game as a quit, the way the end of the soak closes it.
        env.pop("SDL_NO_SIGNAL_HANDLERS", None)
        env.update({"DISPLAY": self.display, "SDL_VIDEODRIVER": "x11", "ALSOFT_DRIVERS": "null", "ZOR_MESSAGE_BOX": "log",
                    "XDG_DATA_HOME": os.path.join(self.work, "xdg"), "LC_ALL": "C.UTF-8"})
        env.update(self.sanitizer_env)
        return env

    # One run of the game.
    def launch(self):
        number = len(self.runs) + 1
        path = os.path.join(self.work, "run-%d.log" % number)
        logfile = open(path, "wb")
        self.game = subprocess.Popen([self.program], cwd=self.work, env=self.game_env(), stdout=logfile,
                                     stderr=subprocess.STDOUT, start_new_session=True)
        logfile.close()
        self.runs.append({"number": number, "log": path, "start": time.monotonic(), "samples": []})
        self.window_checked = 0

    def sample(self):
        run = self.runs[-1]
        kib = rss_kib(self.game.pid)
        if kib:
            run["samples"].append((time.monotonic() - run["start"], kib))
            with open(os.path.join(self.work, "rss-%d.txt" % run["number"]), "a") as f:
                f.write("%.1f %d\n" % run["samples"][-1])

    def finish_run(self, status):
        run = self.runs[-1]
        run["status"] = status
        log("run %d: %.0f s, status %d, RSS %s" % (run["number"], time.monotonic() - run["start"], status,
                                                      rss_figures(run["samples"])))
        with open(run["log"], "rb") as f:
            text = f.read().decode("utf-8", "replace")
        where = "run %d, %s" % (run["number"], run["log"])
        for mark in SANITIZER_MARKS:
            if mark in text:
                raise Failure("sanitizer", "a sanitizer report (%r) in %s" % (mark, where), run["log"])
        if status < 0:
            raise Failure("crash", "the game died of signal %d (%s)" % (-status, where), run["log"])
        if status != 0:
            raise Failure("exit status", "the game ended with status %d (%s)" % (status, where), run["log"])
        self.check_memory(run)
        self.check_save("after run %d" % run["number"])

    def check_memory(self, run):
        after = [kib for t, kib in run["samples"] if t >= SETTLE_SECONDS]
        if not after:
            return
        # What stays: the floor of the run's last quarter (its last sample for a short run).
        end = run["samples"][-1][0]
        last = [kib for t, kib in run["samples"] if t >= max(SETTLE_SECONDS, end - (end - SETTLE_SECONDS) / 4)]
        floor = min(last) if last else after[-1]
        run["growth"] = (floor - after[0]) / 1024
        run["peak growth"] = (max(after) - after[0]) / 1024
        # A sanitizer's allocator holds freed memory back for a while (and LeakSanitizer checks
        # each exit instead): there the growth is only reported.
        if run["growth"] > GROWTH_LIMIT_MIB and not self.sanitizer_env:
            raise Failure("memory", "run %d kept %.1f MiB more than at %g s (%.1f -> %.1f MiB, peak %.1f MiB)" % (
                run["number"], run["growth"], SETTLE_SECONDS, after[0] / 1024, floor / 1024, max(after) / 1024),
                run["log"])

    def check_save(self, when):
        damaged = [name for name in os.listdir(self.saves) if ".damaged-" in name]
        if damaged:
            raise Failure("save", "the game could not read players.save %s and moved it aside: %s" % (when, ", ".join(damaged)))
        check = subprocess.run([self.checker, "--players", self.saves], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               env=dict(os.environ, **self.sanitizer_env), timeout=60)
        said = check.stdout.decode("utf-8", "replace").strip()
        if check.returncode != 0:
            raise Failure("save", "players.save %s: %s" % (when, said))
        self.last_save = said

    # Input.
    def xdotool(self, *words):
        try:
            subprocess.run(["xdotool"] + [str(w) for w in words], env=dict(os.environ, DISPLAY=self.display, LC_ALL="C.UTF-8"),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("input", "xdotool did not return within 10 s (%s)" % " ".join(map(str, words)))

    def find_window(self):
        """The game window's place on the screen (it moves when full screen is switched)."""
        out = subprocess.run(["xdotool", "search", "--pid", str(self.game.pid), "--class", "nonogram",
                              "getwindowgeometry", "--shell", "%@"], env=dict(os.environ, DISPLAY=self.display),
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10).stdout.decode()
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        try:
            x, y, w, h = (int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        except (KeyError, ValueError):
            return
        if w > 0 and h > 0:
            self.window = (x, y, w, h)

    def point(self):
        # Mostly inside the window, a little beyond its edges.
        x, y, w, h = self.window
        return (int(x + self.rng.uniform(-0.03, 1.03) * w), int(y + self.rng.uniform(-0.03, 1.03) * h))

    def send_random_input(self):
        kind = self.rng.choices(["move", "click", "drag", "key"], weights=[25, 35, 20, 20])[0]
        button = self.rng.choices([1, 3], weights=[3, 1])[0]
        if kind == "move":
            self.xdotool("mousemove", *self.point())
        elif kind == "click":
            # Held a moment, as a hand holds it, not pressed and released within one frame.
            self.xdotool("mousemove", *self.point(), "sleep", "0.05", "mousedown", button, "sleep",
                         "%.2f" % self.rng.uniform(0.03, 0.15), "mouseup", button)
        elif kind == "drag":
            x0, y0 = self.point()
            x1, y1 = self.point()
            if self.rng.random() < 0.6:  # along a row or a column, as lines are drawn
                x1, y1 = (x1, y0) if self.rng.random() < 0.5 else (x0, y1)
            words = ["mousemove", x0, y0, "sleep", "0.05", "mousedown", button]
            steps = self.rng.randint(2, 8)
            for i in range(1, steps + 1):
                words += ["sleep", "0.04", "mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps]
            self.xdotool(*words, "sleep", "0.05", "mouseup", button)
        else:
            self.xdotool("key", self.rng.choice(KEYS))
        self.inputs += 1

    def run(self):
        self.prepare()
        self.xvfb, self.display = start_xvfb(self.args.screen)
        try:
            end = time.monotonic() + self.args.seconds
            self.launch()
            next_sample = 0.0
            while time.monotonic() < end:
                status = self.game.poll()
                if status is not None:
                    self.finish_run(status)
                    self.launch()
                    continue
                now = time.monotonic()
                if now >= next_sample:
                    self.sample()
                    next_sample = now + 1.0
                    if now - self.window_checked > 3:
                        self.find_window()
                        self.window_checked = now
                self.send_random_input()
                time.sleep(self.rng.uniform(0.01, 0.15))
            self.sample()
            # What the screen showed last, for a person to look at.
            subprocess.run(["import", "-window", "root", os.path.join(self.work, "last.png")],
                           env=dict(os.environ, DISPLAY=self.display), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
            self.close_game()
        finally:
            if self.game and self.game.poll() is None:
                os.killpg(self.game.pid, signal.SIGKILL)
                self.game.wait()
            self.xvfb.terminate()
            self.xvfb.wait()

    def close_game(self):
        self.game.send_signal(signal.SIGTERM)
        try:
            status = self.game.wait(CLOSE_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure("exit", "the game did not end within %d s of being asked to close (run %d, %s)" % (
                CLOSE_SECONDS, self.runs[-1]["number"], self.runs[-1]["log"]), self.runs[-1]["log"])
        self.finish_run(status)

    def figures(self):
        samples = [s for run in self.runs for s in run["samples"]]
        growths = [run["growth"] for run in self.runs if "growth" in run]
        peaks = [run["peak growth"] for run in self.runs if "peak growth" in run]
        return ("%d inputs, %d restarts, RSS peak %.0f MiB (%s MiB over a run's value at %g s), largest growth "
                "after %g s %s MiB") % (
            self.inputs, max(0, len(self.runs) - 1), max((kib for _, kib in samples), default=0) / 1024,
            "%.1f" % max(peaks) if peaks else "-", SETTLE_SECONDS, SETTLE_SECONDS,
            "%.1f" % max(growths) if growths else "-")


def rss_figures(samples):
    """A run's resident memory once loaded (10 s), once settled (30 s) and at its end."""
    def at(seconds):
        later = [kib for t, kib in samples if t >= seconds]
        return "%.0f MiB" % (later[0] / 1024) if later else "-"
    return "%s at 10 s, %s at %g s, %s at the end" % (at(10), at(SETTLE_SECONDS), SETTLE_SECONDS,
                                                    "%.0f MiB" % (samples[-1][1] / 1024) if samples else "-")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default=os.path.join(SOURCE, "build"), help="build folder (default: build/)")
    parser.add_argument("--seconds", type=float, default=60, help="how long input is sent (default 60)")
    parser.add_argument("--seed", type=int, default=None, help="seed of the input (default: from the clock)")
    parser.add_argument("--work", default=None, help="working folder (default: <build>/soak)")
    parser.add_argument("--screen", default="1280x960", help="Xvfb screen size (default 1280x960)")
    args = parser.parse_args()
    if args.seed is None:
        args.seed = int(time.time()) % 1000000
    soak = Soak(args)
    log("%s, seed %d, %g s, %s" % (soak.program, args.seed, args.seconds,
                                    "sanitizer build (memory growth not judged)" if soak.sanitizer_env else "plain build"))
    try:
        soak.run()
    except Failure as failure:
        if failure.log and os.path.isfile(failure.log):
            with open(failure.log, "rb") as f:
                tail = f.read().decode("utf-8", "replace").splitlines()[-80:]
            print("---- last lines of %s ----\n%s\n----" % (failure.log, "\n".join(tail)), flush=True)
        log("FAIL (%s): %s" % (failure.guard, failure.reason))
        log("%s, seed %d: FAIL (%s)" % (soak.figures(), args.seed, failure.guard))
        return 1
    log(soak.last_save)
    log("%s, seed %d: PASS" % (soak.figures(), args.seed))
    return 0


if __name__ == "__main__":
    sys.exit(main())
