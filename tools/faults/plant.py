#!/usr/bin/env python3
"""Plants known faults in the game's sources, one at a time, and records which
tests catch each of them.

A fault is a small edit of the code: a snippet that must occur exactly once
among the game's .cpp and .h files, and its replacement. Faults are found by
their text, not by file name, so they survive files being moved between
folders. The list lives in faults.txt beside this script.

    plant.py check                      every snippet occurs exactly once
    plant.py list                       the faults, one a line
    plant.py run [--build DIR] [--only ID ...] [--out FILE]
                                        plant each fault, build, run ctest,
                                        restore; write a Markdown table to
                                        FILE (default DIR/faults.md) and the
                                        same results as JSON beside it
    plant.py apply ID / restore         plant one fault by hand / put back
                                        the files a crashed run left planted
"""
import argparse
import json
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
FAULTS_FILE = HERE / "faults.txt"
SOURCE_SUFFIXES = {".cpp", ".h"}
# Where a planted file's original is kept while its fault is in place, so a
# run killed outright can still be undone with "plant.py restore".
BACKUP_DIR_NAME = ".plant-backup"


class FaultError(Exception):
    pass


# ----------------------------------------------------------------- the list

def unescape(text):
    """\\n is a line break, \\t a tab, \\\\ a backslash; anything else is literal."""
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            if nxt == "n":
                out.append("\n")
                i += 2
                continue
            if nxt == "t":
                out.append("\t")
                i += 2
                continue
            if nxt == "\\":
                out.append("\\")
                i += 2
                continue
        out.append(c)
        i += 1
    return "".join(out)


def load_faults(path=FAULTS_FILE):
    """Blocks of "[id]" then "subsystem:", "description:" and one or more
    "find:"/"replace:" pairs. '#' starts a comment line."""
    faults = []
    current = None
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.rstrip("\n")
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        where = f"{path.name}:{number}"
        header = re.fullmatch(r"\[([A-Za-z0-9_.-]+)\]\s*", line)
        if header:
            current = {"id": header.group(1), "subsystem": "", "description": "", "edits": []}
            faults.append(current)
            continue
        if current is None:
            raise FaultError(f"{where}: text before the first [id]")
        key, sep, value = line.partition(":")
        if not sep:
            raise FaultError(f"{where}: expected 'key: value'")
        key = key.strip()
        value = value[1:] if value.startswith(" ") else value
        if key == "subsystem":
            current["subsystem"] = value.strip()
        elif key == "description":
            current["description"] = value.strip()
        elif key == "find":
            current["edits"].append([unescape(value), None])
        elif key == "replace":
            if not current["edits"] or current["edits"][-1][1] is not None:
                raise FaultError(f"{where}: 'replace' without its 'find'")
            current["edits"][-1][1] = unescape(value)
        else:
            raise FaultError(f"{where}: unknown key '{key}'")

    seen = set()
    for fault in faults:
        if fault["id"] in seen:
            raise FaultError(f"fault id '{fault['id']}' is listed twice")
        seen.add(fault["id"])
        if not fault["subsystem"] or not fault["description"] or not fault["edits"]:
            raise FaultError(f"fault '{fault['id']}' lacks a subsystem, description or edit")
        for find, replace in fault["edits"]:
            if replace is None:
                raise FaultError(f"fault '{fault['id']}': 'find' without 'replace'")
            if find == replace:
                raise FaultError(f"fault '{fault['id']}': a replacement changes nothing")
    return faults


# ------------------------------------------------------------- the sources

def is_excluded(relative):
    parts = relative.parts
    if not parts:
        return True
    if parts[0] == ".git" or parts[0].startswith("build") or parts[0] == "tests":
        return True
    if len(parts) >= 3 and parts[0] == "tools" and parts[2] == "tests":
        return True
    return any(part == BACKUP_DIR_NAME for part in parts)


def source_files(root=ROOT):
    files = []
    for dirpath, dirnames, filenames in os.walk(root):
        rel_dir = Path(dirpath).relative_to(root)
        dirnames[:] = sorted(d for d in dirnames if not is_excluded(rel_dir / d))
        for name in sorted(filenames):
            path = Path(dirpath) / name
            if path.suffix in SOURCE_SUFFIXES and not is_excluded(path.relative_to(root)):
                files.append(path)
    return files


class SourceTree:
    def __init__(self, root=ROOT):
        self.root = root
        self.texts = {}
        for path in source_files(root):
            try:
                self.texts[path] = path.read_text()
            except UnicodeDecodeError:
                pass  # not a text file: no snippet can be in it

    def where(self, snippet):
        """[(path, count)] of every file holding the snippet."""
        return [(p, t.count(snippet)) for p, t in self.texts.items() if snippet in t]

    def locate(self, fault):
        """The file of each edit; FaultError unless every snippet occurs exactly once."""
        located = []
        for find, replace in fault["edits"]:
            hits = self.where(find)
            total = sum(count for _, count in hits)
            shown = find if len(find) < 70 else find[:67] + "..."
            if total == 0:
                raise FaultError(f"{fault['id']}: snippet not found: {shown!r}")
            if total > 1:
                places = ", ".join(f"{p.relative_to(self.root)} ({c}x)" for p, c in hits)
                raise FaultError(f"{fault['id']}: snippet occurs {total} times "
                                 f"({places}): {shown!r}")
            located.append((hits[0][0], find, replace))
        return located


# ------------------------------------------------------- planting, restoring

class Planted:
    """Applies a fault's edits on entry and always puts the files back on exit."""

    def __init__(self, tree, fault):
        self.tree = tree
        self.fault = fault
        self.originals = {}
        self.backup_dir = tree.root / BACKUP_DIR_NAME

    def __enter__(self):
        located = self.tree.locate(self.fault)
        changed = {}
        for path, find, replace in located:
            text = changed.get(path, self.tree.texts[path])
            if text.count(find) != 1:
                raise FaultError(f"{self.fault['id']}: two edits overlap in {path}")
            changed[path] = text.replace(find, replace, 1)
        self.backup_dir.mkdir(exist_ok=True)
        for path, text in changed.items():
            original = self.tree.texts[path]
            self.originals[path] = original
            (self.backup_dir / self.backup_name(path)).write_text(original)
            path.write_text(text)
        return self

    def backup_name(self, path):
        return str(path.relative_to(self.tree.root)).replace(os.sep, "__")

    def restore(self):
        for path, original in self.originals.items():
            # The restored file is written afresh: its new time stamp makes the
            # next build compile it again, so no object of the fault survives.
            path.write_text(original)
            backup = self.backup_dir / self.backup_name(path)
            if backup.exists():
                backup.unlink()
        self.originals = {}
        if self.backup_dir.exists() and not any(self.backup_dir.iterdir()):
            self.backup_dir.rmdir()

    def __exit__(self, *exc):
        # Ctrl-C during the restore must not leave a file half planted.
        previous = signal.signal(signal.SIGINT, signal.SIG_IGN)
        try:
            self.restore()
        finally:
            signal.signal(signal.SIGINT, previous)
        return False


def restore_leftovers(root=ROOT):
    backup_dir = root / BACKUP_DIR_NAME
    if not backup_dir.exists():
        return 0
    count = 0
    for backup in backup_dir.iterdir():
        target = root / backup.name.replace("__", os.sep)
        target.write_text(backup.read_text())
        backup.unlink()
        print(f"restored {target.relative_to(root)}")
        count += 1
    backup_dir.rmdir()
    return count


# --------------------------------------------------------- build and tests

def run_quiet(command, cwd, env=None, timeout=None):
    return subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, text=True, timeout=timeout)


def ensure_configured(build):
    if (build / "CMakeCache.txt").exists():
        return
    print(f"configuring {build} ...", flush=True)
    result = run_quiet(["cmake", "-S", str(ROOT), "-B", str(build),
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DGULPWISE_BENCHMARKS=OFF"], ROOT)
    if result.returncode != 0:
        sys.stdout.write(result.stdout)
        raise FaultError("cmake configure failed")


def build(build_dir, jobs):
    result = run_quiet(["nice", "-n", "10", "cmake", "--build", str(build_dir), "-j", str(jobs)],
                       ROOT)
    return result.returncode == 0, result.stdout


FAILED_LINE = re.compile(r"^\s*\d+\s+-\s+(\S+)\s+\((.*)\)\s*$")


def run_tests(build_dir, jobs, timeout):
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    command = ["nice", "-n", "10", "ctest", "-j", str(jobs), "--timeout", str(timeout)]
    result = run_quiet(command, build_dir, env=env)
    failed = []
    in_list = False
    for line in result.stdout.splitlines():
        if line.startswith("The following tests FAILED"):
            in_list = True
            continue
        if in_list:
            match = FAILED_LINE.match(line)
            if match:
                name, why = match.groups()
                failed.append(name if why == "Failed" else f"{name} ({why})")
            elif line.strip():
                in_list = False
    total = re.search(r"tests passed, \d+ tests failed out of (\d+)", result.stdout)
    if result.returncode != 0 and not failed:
        failed.append("ctest failed without naming a test")
    return failed, int(total.group(1)) if total else None, result.stdout


# ----------------------------------------------------------------- reports

def markdown_table(results):
    lines = ["| Fault | Subsystem | Description | Caught by |",
             "|---|---|---|---|"]
    for r in results:
        if r["status"] == "caught":
            caught = ", ".join(f"`{t}`" for t in r["caught_by"])
        elif r["status"] == "not caught":
            caught = "**NOT CAUGHT**"
        else:
            caught = f"**{r['status'].upper()}**"
        description = r["description"].replace("|", "\\|")
        lines.append(f"| `{r['id']}` | {r['subsystem']} | {description} | {caught} |")
    return "\n".join(lines) + "\n"


def summary_line(results):
    caught = sum(1 for r in results if r["status"] == "caught")
    return f"{len(results)} faults, {caught} caught by at least one test."


def git_head():
    result = run_quiet(["git", "rev-parse", "--short", "HEAD"], ROOT)
    return result.stdout.strip() if result.returncode == 0 else "unknown"


def write_reports(results, out, meta):
    out.parent.mkdir(parents=True, exist_ok=True)
    text = (f"# Planted faults\n\nMeasured on commit `{meta['commit']}`; "
            f"{summary_line(results)}\n\n" + markdown_table(results))
    out.write_text(text)
    out.with_suffix(".json").write_text(json.dumps({**meta, "faults": results}, indent=2) + "\n")


# ---------------------------------------------------------------- commands

def select(faults, only):
    if not only:
        return faults
    known = {f["id"] for f in faults}
    unknown = [i for i in only if i not in known]
    if unknown:
        raise FaultError("unknown fault id: " + ", ".join(unknown))
    return [f for f in faults if f["id"] in only]


def command_check(args):
    faults = select(load_faults(), args.only)
    tree = SourceTree()
    problems = 0
    for fault in faults:
        try:
            located = tree.locate(fault)
            if args.verbose:
                files = sorted({str(p.relative_to(ROOT)) for p, _, _ in located})
                print(f"ok   {fault['id']:32} {', '.join(files)}")
        except FaultError as error:
            problems += 1
            print(f"FAIL {error}")
    print(f"{len(faults)} faults, {problems} with a snippet not found exactly once.")
    return 1 if problems else 0


def command_list(args):
    for fault in select(load_faults(), args.only):
        print(f"{fault['id']:32} {fault['subsystem']:8} {fault['description']}")
    return 0


def command_apply(args):
    fault = select(load_faults(), [args.id])[0]
    planted = Planted(SourceTree(), fault)
    planted.__enter__()
    print(f"planted {fault['id']}; undo with: {Path(sys.argv[0]).name} restore")
    return 0


def command_restore(args):
    count = restore_leftovers()
    print(f"{count} file(s) restored.")
    return 0


def command_run(args):
    if restore_leftovers():
        print("(files left planted by an earlier run were restored first)")
    faults = select(load_faults(), args.only)
    tree = SourceTree()
    for fault in faults:  # every snippet is checked before anything is built
        tree.locate(fault)

    build_dir = Path(args.build)
    if not build_dir.is_absolute():
        build_dir = ROOT / build_dir
    out = Path(args.out) if args.out else build_dir / "faults.md"
    if not out.is_absolute():
        out = ROOT / out
    ensure_configured(build_dir)

    print("building the unplanted tree ...", flush=True)
    ok, log = build(build_dir, args.jobs)
    if not ok:
        sys.stdout.write(log[-4000:])
        raise FaultError("the tree does not build without faults")
    if not args.skip_baseline:
        failed, total, _ = run_tests(build_dir, args.jobs, args.timeout)
        if failed:
            raise FaultError("tests fail without any fault: " + ", ".join(failed))
        print(f"baseline: all {total} tests pass", flush=True)

    meta = {"commit": git_head(), "build": str(build_dir)}
    results = []
    try:
        for number, fault in enumerate(faults, 1):
            started = time.monotonic()
            print(f"[{number}/{len(faults)}] {fault['id']}: ", end="", flush=True)
            result = {"id": fault["id"], "subsystem": fault["subsystem"],
                      "description": fault["description"], "caught_by": []}
            with Planted(SourceTree(), fault) as planted:
                result["files"] = sorted(str(p.relative_to(ROOT)) for p in planted.originals)
                ok, log = build(build_dir, args.jobs)
                if not ok:
                    result["status"] = "build fails"
                    errors = [l for l in log.splitlines() if "error" in l][:5]
                    result["build_errors"] = errors
                else:
                    failed, _, _ = run_tests(build_dir, args.jobs, args.timeout)
                    result["caught_by"] = failed
                    result["status"] = "caught" if failed else "not caught"
            result["seconds"] = round(time.monotonic() - started, 1)
            results.append(result)
            shown = (f"{len(result['caught_by'])} test(s)" if result["status"] == "caught"
                     else result["status"].upper())
            print(f"{shown} ({result['seconds']} s)", flush=True)
            write_reports(results, out, meta)  # partial results survive an interruption
    except KeyboardInterrupt:
        print("\ninterrupted: the planted file was restored; partial results kept.")
    finally:
        write_reports(results, out, meta)
        if not args.no_final_build:
            print("rebuilding the unplanted tree ...", flush=True)
            build(build_dir, args.jobs)
    print(summary_line(results))
    print(f"written: {out} and {out.with_suffix('.json')}")
    return 0 if all(r["status"] == "caught" for r in results) else 2


def main():
    parser = argparse.ArgumentParser(description="Plant known faults and see which tests catch them.")
    sub = parser.add_subparsers(dest="command", required=True)

    check = sub.add_parser("check", help="every snippet occurs exactly once (no build)")
    check.add_argument("--only", nargs="+", metavar="ID")
    check.add_argument("-v", "--verbose", action="store_true")
    check.set_defaults(func=command_check)

    lister = sub.add_parser("list", help="the faults, one a line")
    lister.add_argument("--only", nargs="+", metavar="ID")
    lister.set_defaults(func=command_list)

    run = sub.add_parser("run", help="plant each fault, build, test, restore")
    run.add_argument("--build", default="build", help="build folder (default: build)")
    run.add_argument("--only", nargs="+", metavar="ID")
    run.add_argument("--out", help="Markdown report (default: BUILD/faults.md); JSON beside it")
    run.add_argument("-j", "--jobs", type=int, default=2)
    run.add_argument("--timeout", type=int, default=120, help="seconds per test (default: 120)")
    run.add_argument("--skip-baseline", action="store_true",
                     help="do not run the tests once without a fault first")
    run.add_argument("--no-final-build", action="store_true",
                     help="leave the build folder as the last fault left it")
    run.set_defaults(func=command_run)

    apply = sub.add_parser("apply", help="plant one fault and leave it in place")
    apply.add_argument("id")
    apply.set_defaults(func=command_apply)

    restore = sub.add_parser("restore", help="put back files left planted")
    restore.set_defaults(func=command_restore)

    args = parser.parse_args()
    # A kill is handled like Ctrl-C, so the planted file is put back.
    signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(KeyboardInterrupt()))
    try:
        return args.func(args)
    except FaultError as error:
        print(f"error: {error}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
