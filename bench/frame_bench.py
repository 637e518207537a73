#!/usr/bin/python3
"""Frame benchmark: the engine against a bare OpenGL program of ours, side by side.

Both draw into a 1024x768 window on Xvfb with Mesa's llvmpipe. Each figure comes from
paired runs (engine and bare one after the other, alternating which goes first) and is
the median over the runs, so that load from other processes on the machine hits both
sides alike. Not a test: it prints figures and the goals they are held against.

    bench/frame_bench.py [--build build] [--runs 5] [--idle-seconds 5] [--level-frames 300]
                         [--threads 1,2,4,8] [--only first|idle|level]

--threads also measures idle and level frame with LP_NUM_THREADS set to each value
(for both programs); without it the programs run with LP_NUM_THREADS as found.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def parse(line):
    return {k: float(v) for k, v in (item.split("=", 1) for item in line.split())}


EXTRA = []


def run(program, args, env, workdir):
    """Runs one measurement; answers its figures, with launch_ms for a first-frame run."""
    launched = time.time_ns()
    out = subprocess.run([program] + args + EXTRA, env=env, cwd=workdir, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True, timeout=300)
    if out.returncode != 0 or not out.stdout.strip():
        raise RuntimeError(f"{program} {' '.join(args)} failed ({out.returncode})")
    figures = parse(out.stdout.strip().splitlines()[-1])
    if "first_swap_ns" in figures:
        figures["first_ms"] = (figures["first_swap_ns"] - launched) / 1e6
    return figures


def paired(programs, args, runs, env, workdir):
    """Median of each figure per program over paired runs."""
    results = {name: [] for name in programs}
    names = list(programs)
    for i in range(runs):
        for name in (names if i % 2 == 0 else names[::-1]):
            results[name].append(run(programs[name], args, env, workdir))
    medians = {}
    for name, rows in results.items():
        medians[name] = {k: statistics.median(r[k] for r in rows) for k in rows[0]}
        medians[name]["_all"] = rows
    return medians


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(HERE, "..", "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle-seconds", type=float, default=5.0)
    parser.add_argument("--level-frames", type=int, default=300)
    parser.add_argument("--threads", default="")
    parser.add_argument("--only", choices=["first", "idle", "level"], help="measure this alone")
    parser.add_argument("--fullscreen", action="store_true", help="both programs full screen on the 1920x1080 desktop, letterboxed")
    parser.add_argument("--baseline", help="another build folder whose engine runs as a third side (before/after)")
    opts = parser.parse_args()

    if not os.environ.get("DISPLAY"):
        # Our own X server, the size of the desktop the game is tested on.
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", sys.executable] + sys.argv)

    if opts.fullscreen:
        EXTRA.append("fullscreen")
    bench = os.path.join(os.path.abspath(opts.build), "bench")
    programs = {"engine": os.path.join(bench, "frame_bench"), "bare": os.path.join(bench, "bare_gl")}
    if opts.baseline:
        programs["baseline"] = os.path.join(os.path.abspath(opts.baseline), "bench", "frame_bench")
    for path in programs.values():
        if not os.access(path, os.X_OK):
            sys.exit(f"{path} is missing: build the project first")

    workdir = tempfile.mkdtemp(prefix="frame_bench_")
    env = dict(os.environ, SDL_VIDEODRIVER="x11", ALSOFT_DRIVERS="null", ZOR_MESSAGE_BOX="log",
               XDG_DATA_HOME=workdir, SDL_NO_SIGNAL_HANDLERS="1")
    print(f"machine: {os.cpu_count()} cores, load average {os.getloadavg()[0]:.1f}; "
          f"LP_NUM_THREADS {env.get('LP_NUM_THREADS', 'not set')}; {opts.runs} paired runs, medians; "
          + ("full screen 1920x1080, letterboxed" if opts.fullscreen else "windowed 1024x768"))

    if opts.only:
        args = {"first": ["first", "0"], "idle": ["idle", str(opts.idle_seconds)], "level": ["level", str(opts.level_frames)]}
        result = paired(programs, args[opts.only], opts.runs, env, workdir)
        for prog in programs:
            rows = result[prog]["_all"]
            for key in rows[0]:
                print(f"{prog:<7} {key:<22} median {result[prog][key]:12.2f}   runs " + " ".join(f"{r[key]:.2f}" for r in rows))
        return

    first = paired(programs, ["first", "0"], opts.runs, env, workdir)
    idle = paired(programs, ["idle", str(opts.idle_seconds)], opts.runs, env, workdir)
    level = paired(programs, ["level", str(opts.level_frames)], opts.runs, env, workdir)

    def base(table, key):
        return f"{table['baseline'][key]:9.2f}" if "baseline" in table else ""

    def row(what, engine, bare, unit, goal_text, ok, baseline=""):
        ratio = engine / bare if bare else float("nan")
        print(f"{what:<34} {engine:9.2f} {bare:9.2f} {unit:<4} {ratio:6.2f}x   {goal_text:<26} {'met' if ok else 'MISSED':<7}{baseline}")

    print(f"{'':<34} {'engine':>9} {'bare':>9} {'':<4} {'ratio':>7}   {'goal':<26} {'':<7}{'baseline' if opts.baseline else ''}")
    e, b = idle["engine"]["idle_cpu_percent"], idle["bare"]["idle_cpu_percent"]
    row("idle 60/60, empty scene (% core)", e, b, "%", "<= 1.5x bare, <= 20%", e <= 1.5 * b and e <= 20, base(idle, "idle_cpu_percent"))
    e, b = level["engine"]["level_cpu_ms"], level["bare"]["level_cpu_ms"]
    row("level frame, all threads (CPU ms)", e, b, "ms", "<= 1.2x bare", e <= 1.2 * b, base(level, "level_cpu_ms"))
    e, b = level["engine"]["level_wall_ms"], level["bare"]["level_wall_ms"]
    row("level frame, wall (ms)", e, b, "ms", "(for reference)", True, base(level, "level_wall_ms"))
    e, b = first["engine"]["first_ms"], first["bare"]["first_ms"]
    row("launch to first swap (ms)", e, b, "ms", "<= 1.3x bare", e <= 1.3 * b, base(first, "first_ms"))
    rss = {k: max(v["max_rss_kb"] for v in (first[k], idle[k], level[k])) / 1024 for k in programs}
    row("peak resident memory (MiB)", rss["engine"], rss["bare"], "MiB", "<= 100 MB (95.4 MiB)", rss["engine"] * 1048576 <= 100e6,
        f"{rss['baseline']:9.2f}" if "baseline" in rss else "")
    for prog in programs:
        print(f"  peak resident memory, {prog} (MiB): first frame {first[prog]['max_rss_kb'] / 1024:.1f}, "
              f"idle {idle[prog]['max_rss_kb'] / 1024:.1f}, level frames {level[prog]['max_rss_kb'] / 1024:.1f}")
    allocs = level["engine"]["allocations_per_frame"]
    print(f"{'allocations per frame after warm-up':<34} {allocs:9.2f} {'':>9} {'':<4} {'':>7}   {'0':<26} {'met' if allocs == 0 else 'MISSED':<7}"
          + base(level, "allocations_per_frame"))
    for name, table in (("idle %", idle), ("level CPU ms", level), ("first ms", first)):
        key = {"idle %": "idle_cpu_percent", "level CPU ms": "level_cpu_ms", "first ms": "first_ms"}[name]
        for prog in programs:
            print(f"  runs, {prog} {name}: " + " ".join(f"{r[key]:.2f}" for r in table[prog]["_all"]))

    if opts.threads:
        print("\nLP_NUM_THREADS sweep (medians of paired runs):")
        print(f"{'threads':>8} {'engine idle %':>14} {'bare idle %':>12} {'engine CPU ms':>14} {'bare CPU ms':>12} {'engine wall ms':>15} {'bare wall ms':>13}")
        for n in opts.threads.split(","):
            tenv = dict(env, LP_NUM_THREADS=n.strip())
            i = paired(programs, ["idle", str(opts.idle_seconds)], opts.runs, tenv, workdir)
            l = paired(programs, ["level", str(opts.level_frames)], opts.runs, tenv, workdir)
            print(f"{n:>8} {i['engine']['idle_cpu_percent']:14.2f} {i['bare']['idle_cpu_percent']:12.2f} "
                  f"{l['engine']['level_cpu_ms']:14.2f} {l['bare']['level_cpu_ms']:12.2f} "
                  f"{l['engine']['level_wall_ms']:15.2f} {l['bare']['level_wall_ms']:13.2f}")


if __name__ == "__main__":
    main()
