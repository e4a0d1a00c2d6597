#!/usr/bin/env python3
"""Mutation check: writes small plausible faults ("mutants") one at a time into a copy of the
working tree (git's files, build/ and .git/ aside) and runs the tests on each; every one should
make them fail. Prints one line a mutant and a score; exits 1 when any survived or was bad.

  tools/mutants.py                    all of tests/mutants.txt (slow: the full test command each)
  tools/mutants.py --only ID,ID       some of them
  tools/mutants.py --check            only check that every mutant still applies
  tools/mutants.py --keep /tmp/mutants --matrix --test 'TINTSPOT_NO_E2E=1 scripts/test'
                                      then which tests catch which mutants

Mutants file: blocks of `id:`, `file:`, `find:`, `replace:` (and `note:`) lines separated by blank
lines, `#` lines are comments, `\\n` is a line break; `find` must occur once in `file`. A `test:`
line gives a mutant a test command of its own (the release check, which --test leaves out). A mutant
that does not build counts as bad, not killed. --keep reuses the copy and its build/ (only changed
files are rewritten); logs go to its build/mutants-logs.
"""
import argparse, os, re, shutil, signal, subprocess, sys, tempfile, time

ROOT = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))
SKIP = ("build/", ".git/")
KEYS = {"id", "file", "find", "replace", "note", "test"}


def parse(path):
    mutants, block = [], {}
    for line in open(path, encoding="utf-8").read().splitlines() + [""]:
        if not line.strip():
            if block:
                mutants.append(block)
            block = {}
        elif not line.lstrip().startswith("#"):
            key, _, value = line.partition(":")
            block[key.strip()] = value.strip().replace("\\n", "\n")
    for m in mutants:
        missing, unknown = {"id", "file", "find", "replace"} - m.keys(), m.keys() - KEYS
        if missing or unknown:
            sys.exit(f"{path}: mutant {m.get('id', '?')}: missing {sorted(missing)}, unknown {sorted(unknown)}")
    twice = {m["id"] for m in mutants if [n["id"] for n in mutants].count(m["id"]) > 1}
    if twice:
        sys.exit(f"{path}: ids used twice: {', '.join(sorted(twice))}")
    return mutants


def occurrences(tree, m):
    """The file's text (None when unreadable) and how often `find` occurs in it."""
    try:
        text = open(os.path.join(tree, m["file"]), encoding="utf-8", newline="").read()
    except (OSError, UnicodeDecodeError):
        return None, 0
    return text, text.count(m["find"])


def sync(work):
    """Makes the copy's files those of the working tree, build/ and .git/ aside."""
    listed = subprocess.run(["git", "ls-files", "-z", "-co", "--exclude-standard"], cwd=ROOT,
                            capture_output=True, check=True).stdout.decode().split("\0")
    wanted = {f for f in listed if f and not f.startswith(SKIP) and os.path.isfile(os.path.join(ROOT, f))}
    for f in wanted:
        src, dst = os.path.join(ROOT, f), os.path.join(work, f)
        data = open(src, "rb").read()
        if not os.path.isfile(dst) or open(dst, "rb").read() != data:
            os.makedirs(os.path.dirname(dst), exist_ok=True)
            with open(dst, "wb") as out:
                out.write(data)
        shutil.copymode(src, dst)
    for top, dirs, files in os.walk(work):
        rel = os.path.relpath(top, work)
        if rel == ".":
            dirs[:] = [d for d in dirs if d + "/" not in SKIP]
        for name in files:
            if os.path.normpath(os.path.join(rel, name)) not in wanted:
                os.remove(os.path.join(top, name))


def run(command, work, log, timeout):
    """Runs a shell command in the copy, output to log; its exit status, or "timeout"."""
    with open(log, "w") as out:
        proc = subprocess.Popen(command, shell=True, cwd=work, stdout=out, stderr=subprocess.STDOUT,
                                start_new_session=True)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return "timeout"
        finally:
            if proc.poll() is None:  # timed out or interrupted: stop it and all it started
                os.killpg(proc.pid, signal.SIGTERM)
                try:
                    proc.wait(timeout=30)
                except subprocess.TimeoutExpired:
                    os.killpg(proc.pid, signal.SIGKILL)


def matrix(logs, killed):
    """Which tests failed on which killed mutant, from the ctest summaries in the logs."""
    failed = re.compile(r"^\s*\d+ - (.+) \((?!Not Run|Disabled)[^()]+\)\s*$", re.M)
    tests, caught = set(), {}
    for name in ["baseline"] + killed:
        text = open(os.path.join(logs, name + ".log"), errors="replace").read()
        tests.update(re.findall(r"Test +#\d+: (.+?) \.{2,}", text))
        caught[name] = set(failed.findall(text))
    del caught["baseline"]
    catches = {t: sorted(m for m in killed if t in caught[m]) for t in sorted(tests.union(*caught.values()))}
    show = lambda title, rows: print(title + "".join(f"\n  {row}" for row in rows))
    show("\ntests and the mutants they catch:", (f"{t}: {', '.join(ms)}" for t, ms in catches.items() if ms))
    show("mutants only one test catches:", (f"{m}: {min(ts)}" for m, ts in sorted(caught.items()) if len(ts) == 1))
    show("tests that catch no mutant:", (t for t, ms in catches.items() if not ms))
    if any(not ts for ts in caught.values()):
        show("killed with no failing test named (by a build step?):", (m for m in killed if not caught[m]))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("mutants", nargs="?", default=os.path.join(ROOT, "tests", "mutants.txt"))
    ap.add_argument("--test", default="TINTSPOT_QUICK=1 scripts/test", help="test command, run in the copy")
    ap.add_argument("--build", default="cmake --build build/host && cmake --build build/win32",
                    help="build-only command, run in the copy before the tests")
    ap.add_argument("--only", default="", help="comma-separated ids")
    ap.add_argument("--keep", default="", help="make the copy here and keep it (reused with its build/)")
    ap.add_argument("--timeout", type=float, default=900, help="seconds a command may take (default 900)")
    ap.add_argument("--check", action="store_true", help="only check that every mutant applies, then exit")
    ap.add_argument("--matrix", action="store_true", help="then print which tests catch which mutants")
    args = ap.parse_args()
    mutants = parse(args.mutants)
    if args.only:
        wanted = args.only.split(",")
        unknown = set(wanted) - {m["id"] for m in mutants}
        if unknown:
            sys.exit(f"no such mutant: {', '.join(sorted(unknown))}")
        mutants = [m for m in mutants if m["id"] in wanted]
    width = max([len(m["id"]) for m in mutants] + [24])
    counts = {m["id"]: occurrences(ROOT, m)[1] for m in mutants}
    for m in mutants:
        if counts[m["id"]] != 1:
            print(f"{m['id']:{width}} NOT APPLIED: 'find' occurs {counts[m['id']]} times in {m['file']}")
    if args.check:
        print(f"{list(counts.values()).count(1)} of {len(mutants)} mutants apply")
        return 0 if set(counts.values()) <= {1} else 1

    work = os.path.realpath(args.keep or tempfile.mkdtemp(prefix="mutants-"))
    logs = os.path.join(work, "build", "mutants-logs")
    if work == ROOT or (os.path.isdir(work) and os.listdir(work) and not os.path.isdir(logs)):
        sys.exit(f"{work} is neither empty nor a copy made by this script; not touching it")
    os.makedirs(logs, exist_ok=True)
    sync(work)
    log = lambda name: os.path.join(logs, name + ".log")
    signal.signal(signal.SIGTERM, signal.default_int_handler)  # restore the file on kill as on Ctrl+C
    started, survived, killed = time.time(), 0, []
    try:
        # In a fresh copy the build may need the test command to configure it: then it is checked after.
        built = run(args.build, work, log("baseline.build"), args.timeout)
        if run(args.test, work, log("baseline"), args.timeout) != 0:
            sys.exit(f"the tests fail without any mutant: see {log('baseline')}")
        if built != 0 and run(args.build, work, log("baseline.build"), args.timeout) != 0:
            sys.exit(f"the build command fails without any mutant: see {log('baseline.build')}")
        for m in mutants:
            t0, path = time.time(), os.path.join(work, m["file"])
            text, count = occurrences(work, m)
            if count != 1:
                verdict = f"NOT APPLIED ('find' occurs {count} times)"
            else:
                try:
                    with open(path, "w", encoding="utf-8", newline="") as out:
                        out.write(text.replace(m["find"], m["replace"]))
                    if run(args.build, work, log(m["id"] + ".build"), args.timeout) != 0:
                        verdict = "DID NOT BUILD"
                    else:
                        rc = run(m.get("test", args.test), work, log(m["id"]), args.timeout)
                        verdict = "SURVIVED" if rc == 0 else "killed" + (" (timeout)" if rc == "timeout" else "")
                finally:
                    with open(path, "w", encoding="utf-8", newline="") as out:
                        out.write(text)
            survived += verdict == "SURVIVED"
            killed += [m["id"]] if verdict.startswith("killed") else []
            print(f"{m['id']:{width}} {verdict:13} {time.time() - t0:5.0f} s  {m.get('note', '')}".rstrip(), flush=True)
    except KeyboardInterrupt:
        sys.exit(f"\ninterrupted; the copy is restored; logs in {logs}")
    ok = len(killed) == len(mutants)
    removed = ok and not args.keep  # nothing to look into: the temporary copy goes
    print(f"mutants: {len(killed)} of {len(mutants)} killed, {survived} survived, "
          f"{len(mutants) - len(killed) - survived} not applied or not built, in {time.time() - started:.0f} s; "
          + ("the temporary copy is removed (--keep DIR keeps it)" if removed else f"logs in {logs}"))
    if args.matrix:
        matrix(logs, killed)
    if removed:
        shutil.rmtree(work, ignore_errors=True)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
