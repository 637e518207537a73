#!/usr/bin/python3
"""Game benchmark: the real game beside the bare OpenGL program, side by side in one run.

The game runs from a copy of Resources/ with both splash times set to 0 and every pack and
level of the template player open (so that a new profile reaches a 20x20 level in four
clicks), with build/bench/libgame_probe.so preloaded (see game_probe.cpp), in a 1024x768
window on Xvfb with Mesa's llvmpipe. Each run:
  - exec to window, to OpenGL, to the first drawn frame and to the title's first frame;
  - CPU at rest on the title: all threads, over --rest-seconds after one second of warm-up;
  - a player's walk (xdotool, each click once, after the screen it lands on is at rest):
    Play, a name, OK, the pack "Wild world", the second page of its levels, level 15 (20x20);
  - CPU at rest in that level over --rest-seconds, once it has come to rest;
  - peak resident memory (VmHWM) in the level, then the close (SIGTERM, which SDL turns into
    the window's close) and the exit status.
The bare program (bare_gl) gives the same figures: the first swap, an empty scene at 60
frames/s, and the peak memory of its level frames (950 quads a frame, drawn back to back).
Paired runs, alternating which side goes first; medians (peaks: the highest).
Not a test: it prints figures and the goals they are held against.

    bench/game_bench.py [--build build] [--runs 5] [--rest-seconds 8] [--shipped] [--shots DIR]
                        [--baseline DIR]

--shipped also runs the game with the splashes as shipped (2 s each) for the peak with them.
--shots keeps a picture of each screen of the walk in DIR (DIR/baseline for the baseline).
--baseline runs another game as a third side, for before and after: DIR holds its program
(nonogram) and its data (Resources/).
"""
import argparse
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, HERE)
import frame_bench  # noqa: E402

OTHER = "Resources/data/share/main/other"


def replace_in(path, old, new, count_expected=True):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    changed = re.sub(old, new, text)
    if count_expected and changed == text:
        sys.exit(f"{path}: {old} was not found")
    with open(path, "w", encoding="utf-8") as f:
        f.write(changed)


def data_copy(workdir, splash_zero, source=REPO, name=None):
    root = os.path.join(workdir, name or ("zero" if splash_zero else "shipped"))
    shutil.copytree(os.path.join(source, "Resources"), os.path.join(root, "Resources"))
    other = os.path.join(root, OTHER)
    if splash_zero:
        replace_in(os.path.join(other, "screen_loading.xml"), 'time_per_splash="2.0" time_fade="0.4"',
                   'time_per_splash="0" time_fade="0"')
    # Every level open, the tutorial behind, every pack free: the walk reaches pack 3 at once.
    replace_in(os.path.join(other, "player.xml"), 'lock="true"', 'lock="false"')
    replace_in(os.path.join(other, "player.xml"), 'passed_tutorial="false"', 'passed_tutorial="true"')
    replace_in(os.path.join(other, "packs_description.xml"), r'stars2pass="\d+"', 'stars2pass="0"')
    return root


def cpu_ns(pid):
    """CPU time of every thread of the process, in nanoseconds (the scheduler's own count)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except OSError:
            pass  # a thread that ended in between
    return total


def cpu_percent(pid, seconds):
    start, t0 = cpu_ns(pid), time.monotonic()
    time.sleep(seconds)
    return 100.0 * (cpu_ns(pid) - start) / 1e9 / (time.monotonic() - t0)


def status_kb(pid, key):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


def sh(command):
    return subprocess.run(command, shell=True, capture_output=True, text=True).stdout.strip()


# The looks the walk waits for (the same as the x11 tests' helpers).
def coral(p):
    return p[0] > 200 and 90 < p[1] < 190 and p[2] < 150


def teal(p):
    return p[0] < 120 and p[1] > 120 and p[2] > 110


def card(p):
    return p[0] > 220 and p[1] > 205 and p[2] > 160


def gold(p):
    return p[0] > 200 and p[1] > 150 and p[2] < 110


def navy(p):
    return p[0] < 70 and p[1] < 70 and 40 < p[2] < 130


class Window:
    def __init__(self, pid, shots):
        self.id = ""
        self.shots = shots
        until = time.monotonic() + 30
        while not self.id and time.monotonic() < until:
            self.id = sh(f"xdotool search --all --pid {pid} --class nonogram 2>/dev/null | tail -1")
            time.sleep(0.05)
        if not self.id:
            raise RuntimeError("the game's window did not come")

    def grab(self):
        data = subprocess.run(f"import -window {self.id} -depth 8 ppm:-", shell=True, capture_output=True).stdout
        magic, size, _, pixels = data.split(b"\n", 3)
        width, height = map(int, size.split())
        return width, height, pixels

    def wait(self, what, probes, seconds=20):
        """Until every probe shows its look and two pictures a fifth of a second apart agree."""
        until = time.monotonic() + seconds
        last = None
        while time.monotonic() < until:
            width, height, pixels = self.grab()
            seen = [tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x, y, _ in probes]
            if all(look(p) for (_, _, look), p in zip(probes, seen)) and pixels == last:
                if self.shots:
                    sh(f"import -window {self.id} '{os.path.join(self.shots, what)}.png'")
                return
            last = pixels
            time.sleep(0.2)
        raise RuntimeError(f"{what}: not seen, or not at rest, within {seconds} s: {seen}")

    def click(self, x, y):
        sh(f"xdotool mousemove --window {self.id} {x - 2} {y}")
        time.sleep(0.08)
        sh(f"xdotool mousemove --window {self.id} {x} {y}")
        time.sleep(0.08)
        sh("xdotool click 1")

    def walk_to_level(self):
        self.click(512, 414)                                  # Play
        self.wait("2_name", [(700, 300, card)])
        time.sleep(0.3)
        sh("xdotool type --delay 60 Bench")
        self.click(402, 456)                                  # OK
        self.wait("3_hub", [(300, 745, navy), (884, 470, card)])
        self.click(884, 400)                                  # the pack "Wild world"
        self.wait("4_levels", [(210, 280, card), (300, 745, navy), (500, 595, gold)])
        self.click(958, 398)                                  # the second page
        self.wait("5_levels_page_2", [(210, 280, card), (523, 595, gold)])
        self.click(599, 480)                                  # level 15: 20x20
        self.wait("6_level", [(970, 50, teal), (220, 192, card), (750, 720, card)])


def run_game(program, probe, root, env, rest_seconds, shots):
    out = os.path.join(root, "probe.txt")
    if os.path.exists(out):
        os.remove(out)
    xdg = os.path.join(root, "xdg")
    shutil.rmtree(xdg, ignore_errors=True)
    genv = dict(env, LD_PRELOAD=probe, GAME_PROBE_OUT=out, XDG_DATA_HOME=xdg)
    launched = time.time_ns()
    child = subprocess.Popen([program], cwd=root, env=genv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        until = time.monotonic() + 60
        while not os.path.exists(out) and time.monotonic() < until and child.poll() is None:
            time.sleep(0.02)
        time.sleep(0.05)
        with open(out) as f:
            fig = frame_bench.parse(f.read().strip())
        window = Window(child.pid, shots)
        result = {k: (fig[k + "_ns"] - launched) / 1e6 for k in ("window", "context", "first_swap", "title")}
        # Start-up loads everything between OpenGL coming up and the first frame; from there to
        # the title the loading screen only runs its splash and fade frames.
        result["loading_ms"] = (fig["first_swap_ns"] - fig["context_ns"]) / 1e6
        result["fade_ms"] = (fig["title_ns"] - fig["first_swap_ns"]) / 1e6
        window.wait("1_title", [(422, 406, coral), (422, 582, teal)])
        time.sleep(1.0)
        result["title_cpu"] = cpu_percent(child.pid, rest_seconds)
        result["title_rss_mib"] = status_kb(child.pid, "VmHWM") / 1024
        window.walk_to_level()
        time.sleep(1.0)
        result["level_cpu"] = cpu_percent(child.pid, rest_seconds)
        result["level_rss_mib"] = status_kb(child.pid, "VmHWM") / 1024
        child.send_signal(signal.SIGTERM)
        _, status, usage = os.wait4(child.pid, 0)
    except BaseException:
        child.kill()
        child.wait()
        raise
    result["max_rss_mib"] = usage.ru_maxrss / 1024
    result["exit_status"] = os.waitstatus_to_exitcode(status)
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(REPO, "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--rest-seconds", type=float, default=8.0)
    parser.add_argument("--shipped", action="store_true")
    parser.add_argument("--shots", help="keep a picture of each screen of the walk here")
    parser.add_argument("--baseline", help="a folder with another build's nonogram and Resources/, run as a third side")
    opts = parser.parse_args()

    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", sys.executable] + sys.argv)

    build = os.path.abspath(opts.build)
    game = os.path.join(build, "nonogram")
    probe = os.path.join(build, "bench", "libgame_probe.so")
    bare = os.path.join(build, "bench", "bare_gl")
    for path in (game, probe, bare):
        if not os.path.exists(path):
            sys.exit(f"{path} is missing: build the project first")
    shots = os.path.abspath(opts.shots) if opts.shots else None
    if shots:
        os.makedirs(shots, exist_ok=True)

    workdir = tempfile.mkdtemp(prefix="game_bench_")
    env = dict(os.environ, SDL_VIDEODRIVER="x11", ALSOFT_DRIVERS="null", ZOR_MESSAGE_BOX="log")
    env.pop("SDL_NO_SIGNAL_HANDLERS", None)
    print(f"machine: {os.cpu_count()} cores, load average {os.getloadavg()[0]:.1f}; "
          f"LP_NUM_THREADS {env.get('LP_NUM_THREADS', 'not set')}; {opts.runs} paired runs, medians; windowed 1024x768; "
          f"at rest over {opts.rest_seconds:g} s")
    zero = data_copy(workdir, True)
    shipped = data_copy(workdir, False) if opts.shipped else None
    baseline = os.path.abspath(opts.baseline) if opts.baseline else None
    base_root = data_copy(workdir, True, baseline, "baseline") if baseline else None
    if shots and baseline:
        os.makedirs(os.path.join(shots, "baseline"), exist_ok=True)

    rows = {"game": [], "shipped": [], "baseline": [], "bare_first": [], "bare_idle": [], "bare_level": []}
    for i in range(opts.runs):
        sides = ["game", "bare"] + (["baseline"] if baseline else [])
        for side in (sides if i % 2 == 0 else sides[::-1]):
            if side == "game":
                rows["game"].append(run_game(game, probe, zero, env, opts.rest_seconds, shots if i == 0 else None))
                if shipped:
                    rows["shipped"].append(run_game(game, probe, shipped, env, opts.rest_seconds, None))
            elif side == "baseline":
                rows["baseline"].append(run_game(os.path.join(baseline, "nonogram"), probe, base_root, env, opts.rest_seconds,
                                                 os.path.join(shots, "baseline") if shots and i == 0 else None))
            else:
                rows["bare_first"].append(frame_bench.run(bare, ["first", "0"], env, workdir))
                rows["bare_idle"].append(frame_bench.run(bare, ["idle", str(opts.rest_seconds)], env, workdir))
                rows["bare_level"].append(frame_bench.run(bare, ["level", "300"], env, workdir))
        print(f"  run {i + 1}: load average {os.getloadavg()[0]:.1f}", flush=True)

    def med(table, key):
        return statistics.median(r[key] for r in rows[table])

    def peak(table, key):
        return max(r[key] for r in rows[table])

    def runs(table, key):
        return " ".join(f"{r[key]:.1f}" for r in rows[table])

    bare_first = med("bare_first", "first_ms")
    bare_idle = med("bare_idle", "idle_cpu_percent")
    bare_rss = max(r["max_rss_kb"] for r in rows["bare_first"] + rows["bare_idle"] + rows["bare_level"]) / 1024
    g = {k: med("game", k) for k in rows["game"][0]}
    b = {k: med("baseline", k) for k in rows["baseline"][0]} if baseline else {}
    print(f"\n{'':<44} {'game':>9} {'bare':>9} {'ratio':>7}   {'goal':<24} {'':<7}{'baseline' if baseline else ''}")

    def row(what, value, base, goal, ok, key=None, top=False):
        ratio = f"{value / base:6.2f}x" if base else ""
        base_text = f"{base:9.1f}" if base else " " * 9
        verdict = "" if ok is None else ("met" if ok else "MISSED")
        before = ""
        if baseline and key:
            before = f"{(peak('baseline', key) if top else b[key]):9.1f}"
        print(f"{what:<44} {value:9.1f} {base_text} {ratio:>7}   {goal:<24} {verdict:<7}{before}")

    row("exec to window (ms)", g["window"], None, "", None, "window")
    row("exec to OpenGL up (ms)", g["context"], None, "", None, "context")
    row("exec to first drawn frame (ms)", g["first_swap"], bare_first, "", None, "first_swap")
    title_goal = "<= baseline" if baseline else ""
    row("exec to the title's first frame (ms)", g["title"], bare_first, title_goal, (g["title"] <= b["title"] * 1.02) if baseline else None,
        "title")
    row("  all loading: OpenGL up to 1st frame (ms)", g["loading_ms"], None, "", None, "loading_ms")
    row("  first frame to title: fade frames (ms)", g["fade_ms"], None, "", None, "fade_ms")
    row("at rest on the title (% of a core)", g["title_cpu"], bare_idle, "<= 1.5%", g["title_cpu"] <= 1.5, "title_cpu")
    row("at rest in a 20x20 level (% of a core)", g["level_cpu"], bare_idle, "<= 1.5%", g["level_cpu"] <= 1.5, "level_cpu")
    row("peak resident memory at the title (MiB)", peak("game", "title_rss_mib"), None, "", None, "title_rss_mib", True)
    top = peak("game", "level_rss_mib")
    row("peak resident memory, 20x20 level (MiB)", top, bare_rss, "<= 100 MiB", top <= 100, "level_rss_mib", True)
    if shipped:
        top = peak("shipped", "level_rss_mib")
        row("  the same with the splashes shown (MiB)", top, bare_rss, "<= 100 MiB", top <= 100)
    print(f"(bare: first swap, an empty scene at 60/s, the peak of its first, idle and level-frame runs; "
          f"the title's goal allows 2% for noise)")
    statuses = sorted({r["exit_status"] for r in rows["game"] + rows["shipped"] + rows["baseline"]})
    print(f"exit status after the close: {statuses}")
    for key in ("first_swap", "title", "loading_ms", "title_cpu", "level_cpu", "title_rss_mib", "level_rss_mib"):
        print(f"  runs, game {key}: {runs('game', key)}")
        if baseline:
            print(f"  runs, baseline {key}: {runs('baseline', key)}")
    print(f"  runs, bare first: {runs('bare_first', 'first_ms')}")
    print(f"  runs, bare idle: {runs('bare_idle', 'idle_cpu_percent')}")
    print("  runs, bare peak MiB: " + " ".join(f"{r['max_rss_kb'] / 1024:.1f}" for r in rows["bare_level"]))
    shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
