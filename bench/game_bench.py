#!/usr/bin/python3
"""Start-up and title benchmark: the real game beside the bare OpenGL program, side by side.

The game runs from a copy of Resources/ with both splash times set to 0, with
build/bench/libgame_probe.so preloaded (see game_probe.cpp), in a 1024x768 window on Xvfb
with Mesa's llvmpipe. Each run: exec to window, to OpenGL, to the first drawn frame and to
the title's first frame (all loading lies between OpenGL up and the first frame); then 10 s
idle on the title (CPU of all threads, after one second of warm-up); then the probe closes the
game as a player would and the exit status and peak resident memory are taken. The bare program (bare_gl) gives the first swap and the idle at
60 frames/s with an empty scene. Paired runs, alternating which side goes first; medians.
Not a test: it prints figures and the goals they are held against.

    bench/game_bench.py [--build build] [--runs 5] [--idle-seconds 10] [--shipped]

--shipped also runs the game on the data set as shipped (its splashes shown) for the peak
resident memory with the default data.
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, HERE)
import frame_bench  # noqa: E402


def data_copy(workdir, splash_zero):
    root = os.path.join(workdir, "zero" if splash_zero else "shipped")
    shutil.copytree(os.path.join(REPO, "Resources"), os.path.join(root, "Resources"))
    if splash_zero:
        path = os.path.join(root, "Resources/data/share/main/other/screen_loading.xml")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        changed = text.replace('time_per_splash="2.0" time_fade="0.4"', 'time_per_splash="0" time_fade="0"')
        if changed == text:
            sys.exit("screen_loading.xml: the splash times were not found")
        with open(path, "w", encoding="utf-8") as f:
            f.write(changed)
    return root


def run_game(program, probe, root, env, idle_seconds):
    out = os.path.join(root, "probe.txt")
    if os.path.exists(out):
        os.remove(out)
    xdg = os.path.join(root, "xdg")
    shutil.rmtree(xdg, ignore_errors=True)
    genv = dict(env, LD_PRELOAD=probe, GAME_PROBE_OUT=out, GAME_PROBE_IDLE=str(idle_seconds), XDG_DATA_HOME=xdg)
    launched = time.time_ns()
    child = subprocess.Popen([program], cwd=root, env=genv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if not os.path.exists(out):
        raise RuntimeError(f"the game ended ({status}) without its figures")
    with open(out) as f:
        fig = frame_bench.parse(f.read().strip())
    result = {k: (fig[k + "_ns"] - launched) / 1e6 for k in ("window", "context", "first_swap", "title")}
    # Start-up loads everything between OpenGL coming up and the first frame; from there to the
    # title the loading screen only runs its splash and fade frames.
    result["loading_ms"] = (fig["first_swap_ns"] - fig["context_ns"]) / 1e6
    result["fade_ms"] = (fig["title_ns"] - fig["first_swap_ns"]) / 1e6
    result["idle_cpu_percent"] = fig["idle_cpu_percent"]
    result["frames_per_second"] = fig["frames_per_second"]
    result["max_rss_kb"] = usage.ru_maxrss
    result["exit_status"] = os.waitstatus_to_exitcode(status)
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(REPO, "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle-seconds", type=float, default=10.0)
    parser.add_argument("--shipped", action="store_true")
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

    workdir = tempfile.mkdtemp(prefix="game_bench_")
    env = dict(os.environ, SDL_VIDEODRIVER="x11", ALSOFT_DRIVERS="null", ZOR_MESSAGE_BOX="log")
    env.pop("SDL_NO_SIGNAL_HANDLERS", None)
    print(f"machine: {os.cpu_count()} cores, load average {os.getloadavg()[0]:.1f}; "
          f"LP_NUM_THREADS {env.get('LP_NUM_THREADS', 'not set')}; {opts.runs} paired runs, medians; windowed 1024x768")
    zero = data_copy(workdir, True)
    shipped = data_copy(workdir, False) if opts.shipped else None

    rows = {"game": [], "bare_first": [], "bare_idle": [], "shipped": []}
    for i in range(opts.runs):
        order = ["game", "bare"] if i % 2 == 0 else ["bare", "game"]
        for side in order:
            if side == "game":
                rows["game"].append(run_game(game, probe, zero, env, opts.idle_seconds))
                if shipped:
                    rows["shipped"].append(run_game(game, probe, shipped, env, opts.idle_seconds))
            else:
                rows["bare_first"].append(frame_bench.run(bare, ["first", "0"], env, workdir))
                rows["bare_idle"].append(frame_bench.run(bare, ["idle", str(opts.idle_seconds)], env, workdir))
        print(f"  run {i + 1}: load average {os.getloadavg()[0]:.1f}", flush=True)

    def med(table, key):
        return statistics.median(r[key] for r in rows[table])

    def runs(table, key):
        return " ".join(f"{r[key]:.1f}" for r in rows[table])

    bare_first = med("bare_first", "first_ms")
    bare_idle = med("bare_idle", "idle_cpu_percent")
    bare_rss = max(r["max_rss_kb"] for r in rows["bare_first"] + rows["bare_idle"]) / 1024
    g = {k: med("game", k) for k in rows["game"][0]}
    print(f"\n{'':<40} {'game':>9} {'bare':>9} {'ratio':>7}   goal")

    def row(what, value, base, goal, ok):
        ratio = f"{value / base:6.2f}x" if base else ""
        base_text = f"{base:9.1f}" if base else " " * 9
        print(f"{what:<40} {value:9.1f} {base_text} {ratio:>7}   {goal:<28} {'' if ok is None else ('met' if ok else 'MISSED')}")

    row("exec to window (ms)", g["window"], None, "", None)
    row("exec to OpenGL up (ms)", g["context"], None, "", None)
    row("exec to first drawn frame (ms)", g["first_swap"], bare_first, "<= 1.3x bare", g["first_swap"] <= 1.3 * bare_first)
    row("exec to the title's first frame (ms)", g["title"], bare_first, "", None)
    row("all loading: OpenGL up to 1st frame (ms)", g["loading_ms"], None, "<= 300 ms", g["loading_ms"] <= 300)
    row("  first frame to title: fade frames (ms)", g["fade_ms"], None, "", None)
    row("idle on the title (% of a core)", g["idle_cpu_percent"], bare_idle, "<= 1.5x bare at 60/s",
        g["idle_cpu_percent"] <= 1.5 * bare_idle)
    row("  frames per second on the title", g["frames_per_second"], None, "", None)
    peak = max(r["max_rss_kb"] for r in rows["game"]) / 1024
    row("peak resident memory, splash 0 (MiB)", peak, bare_rss, "<= 100 MB (95.4 MiB)", peak * 1048576 <= 100e6)
    if shipped:
        peak = max(r["max_rss_kb"] for r in rows["shipped"]) / 1024
        row("peak resident memory, shipped (MiB)", peak, bare_rss, "<= 100 MB (95.4 MiB)", peak * 1048576 <= 100e6)
    statuses = sorted({r["exit_status"] for r in rows["game"] + rows["shipped"]})
    print(f"exit status after the close: {statuses}")
    for key in ("first_swap", "title", "loading_ms", "fade_ms", "idle_cpu_percent"):
        print(f"  runs, game {key}: {runs('game', key)}")
    print(f"  runs, bare first: {runs('bare_first', 'first_ms')}")
    print(f"  runs, bare idle: {runs('bare_idle', 'idle_cpu_percent')}")
    shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
