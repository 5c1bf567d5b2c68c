#!/usr/bin/env python3
"""Seeds faults into a scratch copy of the tree, one at a time, and records
which tests catch each.

Each line of the fault list (JSON lines) names a source file (a path under
src/, or just its file name), an exact text that occurs in it once, the faulty
text that replaces it, and what a developer would have done wrong. The copy is
built once; each fault is applied, the changed build is tested under one X
server, and the file is put back.

    python3 tools/faults/run-faults.py [--faults FILE] [--only ID,...] [--out FILE] [--jobs N]
                                       [--first]

A fault whose build fails is recorded as NO-BUILD, and one that compiles to
the same code as the tree without it (every object file the same once its
debugging information is stripped) as EQUIVALENT: no test could tell them
apart, so neither is run or counted.

Exit status 1 when a fault's text is not found once, or the tree's own tests
fail before any fault is applied.
"""
import argparse, hashlib, json, os, shutil, subprocess, sys, tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
SCRATCH = Path(os.environ.get("QUORVEL_FAULT_SCRATCH", "/tmp/quorvel-faults"))


def run(cmd, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)


def copy_tree():
    files = run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT).stdout.split("\n")
    src = SCRATCH / "tree"
    for name in filter(None, files):
        target = src / name
        target.parent.mkdir(parents=True, exist_ok=True)
        if (ROOT / name).is_file() and (not target.exists() or
                                        target.read_bytes() != (ROOT / name).read_bytes()):
            # A fresh time stamp: with the source's older one, a file that
            # changed since the scratch build would look up to date to make.
            shutil.copy(ROOT / name, target)
    # A file the tree no longer has would still build, and be found, there.
    kept = {src / name for name in files if name}
    for old in [p for p in src.rglob("*") if p.is_file() and p not in kept]:
        old.unlink()
    return src


def locate(tree, name):
    path = tree / name
    if path.is_file():
        return path
    found = [p for p in (tree / "src").rglob(Path(name).name)]
    if len(found) != 1:
        raise SystemExit(f"fault file {name}: found {len(found)} candidates")
    return found[0]


def code_of(build):
    """Each object file's code and data, as a digest, without debugging information."""
    digests = {}
    with tempfile.TemporaryDirectory() as scratch:
        stripped = Path(scratch) / "stripped.o"
        for obj in sorted(build.rglob("*.o")):
            run(["objcopy", "--strip-debug", str(obj), str(stripped)])
            digests[str(obj)] = hashlib.sha256(stripped.read_bytes()).hexdigest()
    return digests


def failed_tests(build, env, jobs, first=False):
    """The tests that fail. With first, the run stops at the first failure, and
    the quick tests without a window run before the window tests."""
    stop = ["--stop-on-failure"] if first else []
    names = []
    for labels in (["-L", "headless"], ["-L", "gui"]) if first else ([],):
        result = run(["ctest", "--test-dir", str(build), "--timeout", "60", "-j", str(jobs)] +
                     stop + labels, env=env)
        log = build / "Testing" / "Temporary" / "LastTestsFailed.log"
        if result.returncode != 0 and log.exists():
            names = [line.split(":", 1)[1] for line in log.read_text().splitlines() if ":" in line]
        if names:
            break
    return names


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--faults", default=str(ROOT / "tools" / "faults" / "faults.jsonl"))
    parser.add_argument("--only", default="")
    parser.add_argument("--out", default=str(SCRATCH / "results.tsv"))
    # The window tests that need the active window run alone whatever this is.
    parser.add_argument("--jobs", type=int, default=2)
    # For a score only whether a fault is caught counts: the run of its tests
    # stops at the first failure, and names that test alone.
    parser.add_argument("--first", action="store_true")
    args = parser.parse_args()

    faults = [json.loads(line) for line in Path(args.faults).read_text().splitlines()
              if line.strip() and not line.startswith("#")]
    if args.only:
        wanted = set(args.only.split(","))
        faults = [f for f in faults if f["id"] in wanted]

    tree = copy_tree()
    build = SCRATCH / "build"
    env = dict(os.environ)
    if shutil.which("ccache"):
        env.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
    # One X server of its own for every run of the window tests: Xvfb picks a
    # free display and writes its number, so two runs never share one.
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        env["DISPLAY"] = ":" + numbers.readline().strip()
    try:
        # Each fault relinks every test program, which lld does faster than
        # the default linker.
        linker = ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []
        configure = run(["cmake", "-S", str(tree), "-B", str(build),
                         "-DCMAKE_BUILD_TYPE=RelWithDebInfo"] + linker, env=env)
        if configure.returncode != 0:
            sys.exit(configure.stdout)

        def build_ok():
            return run(["cmake", "--build", str(build), "-j2"], env=env).returncode == 0

        if not build_ok():
            sys.exit("the tree does not build")
        baseline = failed_tests(build, env, args.jobs)
        if baseline:
            sys.exit("tests fail before any fault: " + ", ".join(baseline))
        code = code_of(build)

        # Each row is written as soon as it is known, so a run cut short keeps
        # what it found.
        out = open(args.out, "w")
        missing, rows = [], []

        def record(row):
            rows.append(row)
            out.write("\t".join(row) + "\n")
            out.flush()

        for fault in faults:
            path = locate(tree, fault["file"])
            original = path.read_text()
            if original.count(fault["find"]) != 1:
                missing.append(fault["id"])
                record((fault["id"], "NOT-FOUND", ""))
                print(f"{fault['id']}: text not found once in {path.name}", flush=True)
                continue
            path.write_text(original.replace(fault["find"], fault["replace"]))
            try:
                if not build_ok():
                    caught, status = [], "NO-BUILD"
                elif code_of(build) == code:
                    caught, status = [], "EQUIVALENT"
                else:
                    caught = failed_tests(build, env, args.jobs, args.first)
                    status = "caught" if caught else "MISSED"
            finally:
                path.write_text(original)
            record((fault["id"], status, " ".join(caught)))
            print(f"{fault['id']}: {status} {len(caught)}", flush=True)
        build_ok()

        out.close()
        caught = sum(1 for r in rows if r[1] == "caught")
        counted = sum(1 for r in rows if r[1] in ("caught", "MISSED"))
        print(f"{caught} of {counted} faults caught; results in {args.out}")
        sys.exit(1 if missing else 0)
    finally:
        xvfb.terminate()


if __name__ == "__main__":
    main()
