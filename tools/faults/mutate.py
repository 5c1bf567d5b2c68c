#!/usr/bin/env python3
"""Draws faults mechanically from src/, for run-faults.py to seed one at a time.

Every place in the program's code where one of six simple edits applies is a
candidate: a comparison flipped (< and <=, > and >=, == and !=), a whole-number
or decimal constant shifted by one, the two arguments of a call swapped, an
if's condition negated, a one-line statement (a call or an assignment)
deleted, or an arithmetic operator replaced (+ and -, * and /). A seed picks
a sample of them; each is written as a fault line that run-faults.py reads
(file, the exact text it replaces, that text changed), so that the same
runner, and its rules for faults that do not build or that compile to the
same code as before, serve both the hand-written list and these.

    python3 tools/faults/mutate.py --seed 1 --count 150 > /tmp/mutants.jsonl
    python3 tools/faults/run-faults.py --faults /tmp/mutants.jsonl --out /tmp/mutants.tsv
    python3 tools/faults/mutate.py --report /tmp/mutants.jsonl /tmp/mutants.tsv
"""
import argparse, collections, json, random, re, sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]

COMPARISONS = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
               " == ": " != ", " != ": " == "}
ARITHMETIC = {" + ": " - ", " - ": " + ", " * ": " / ", " / ": " * "}
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\d*\.\d+|\d+)(f?)(?![\w.])")
CALL_OF_TWO = re.compile(r"\b\w+\(([^(),]+), ([^(),]+)\)")
STATEMENT = re.compile(r"^\s*(?!return\b|case\b|break\b|continue\b|default\b)"
                       r"[\w:.\->\[\]*&]+(\(.*\)|\s*[-+*/]?=\s.*|\+\+|--);\s*$")
DECLARATION = re.compile(r"^\s*(const\s+|static\s+|constexpr\s+)*[\w:<>,*& ]+\s[\w*&]+\s*[=({]")


def outside_strings(line, index):
    """Whether index falls outside the line's string and character literals."""
    quotes = 0
    escaped = False
    for ch in line[:index]:
        if escaped:
            escaped = False
        elif ch == "\\":
            escaped = True
        elif ch in "\"'":
            quotes += 1
    return quotes % 2 == 0


def matching_paren(line, start):
    depth = 0
    for i in range(start, len(line)):
        depth += {"(": 1, ")": -1}.get(line[i], 0)
        if depth == 0:
            return i
    return -1


def edits(line):
    """Every single edit of one line: (kind, changed line)."""
    code = line.split("//")[0] if "//" in line and outside_strings(line, line.index("//")) else line
    stripped = code.strip()
    if not stripped or stripped.startswith(("#", "*", "/*", "static_assert", "QT_TRANSLATE_NOOP")):
        return
    for table, kind in ((COMPARISONS, "comparison"), (ARITHMETIC, "arithmetic")):
        for old, new in table.items():
            for m in re.finditer(re.escape(old), code):
                if outside_strings(line, m.start()):
                    yield kind, line[:m.start()] + new + line[m.end():]
    for m in NUMBER.finditer(code):
        if not outside_strings(line, m.start()):
            continue
        text = m.group(1)
        shifted = str(int(text) + 1) if text.isdigit() else repr(float(text) + 1.0)
        yield "constant", line[:m.start(1)] + shifted + line[m.end(1):]
    for m in CALL_OF_TWO.finditer(code):
        a, b = m.group(1).strip(), m.group(2).strip()
        if a != b and outside_strings(line, m.start()):
            yield "swap", line[:m.start(1)] + b + ", " + a + line[m.end(2):]
    at = code.find("if (")
    if at >= 0 and outside_strings(line, at):
        close = matching_paren(line, at + 3)
        if close > 0:
            condition = line[at + 4:close]
            yield "negate", line[:at + 4] + "!(" + condition + ")" + line[close:]
    if STATEMENT.match(code) and not DECLARATION.match(code):
        yield "delete", ""


def candidates():
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        text = path.read_text()
        lines = text.splitlines(keepends=True)
        for number, line in enumerate(lines):
            previous = lines[number - 1] if number else ""
            # A deleted line must be a whole statement, not the tail of one.
            whole = not previous.rstrip().endswith((",", "(", "=", "&&", "||", "+", "-", "?", ":"))
            for kind, changed in edits(line):
                if kind == "delete" and not whole:
                    continue
                find, replace = line, changed
                if text.count(find) != 1:
                    find, replace = previous + line, previous + changed
                if text.count(find) != 1:
                    continue
                yield {"file": str(path.relative_to(ROOT)), "line": number + 1, "kind": kind,
                       "find": find, "replace": replace}


def subsystem(fault):
    return Path(fault["file"]).parts[1]


def report(faults_file, *results_files):
    """The score of the faults in results_files; a later file's row for a fault
    replaces an earlier one's, so that a rerun of the survivors gives the score
    after."""
    faults = {f["id"]: f for f in map(json.loads, Path(faults_file).read_text().splitlines())}
    outcome = {}
    for results_file in results_files:
        outcome.update(line.split("\t")[:2] for line in Path(results_file).read_text().splitlines())
    per = collections.defaultdict(collections.Counter)
    for id, status in outcome.items():
        per[subsystem(faults[id])][status] += 1
    total = collections.Counter()
    for name in sorted(per):
        total.update(per[name])
        counted = per[name]["caught"] + per[name]["MISSED"]
        print(f"{name:12} {per[name]['caught']:4} of {counted:4} caught"
              f" ({100 * per[name]['caught'] / max(counted, 1):.0f} %);"
              f" {per[name]['EQUIVALENT']} equivalent, {per[name]['NO-BUILD']} do not build")
    counted = total["caught"] + total["MISSED"]
    print(f"{'all':12} {total['caught']:4} of {counted:4} caught"
          f" ({100 * total['caught'] / max(counted, 1):.0f} %)")
    print("\nsurvivors:")
    for id, status in outcome.items():
        if status == "MISSED":
            f = faults[id]
            print(f"  {id} {f['file']}:{f['line']} {f['kind']}: {f['find'].strip()!r}"
                  f" -> {f['replace'].strip()!r}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=150)
    parser.add_argument("--report", nargs="+", metavar="FAULTS RESULTS",
                        help="the fault list, then results; later rows replace earlier ones")
    args = parser.parse_args()
    if args.report:
        return report(*args.report)
    pool = list(candidates())
    chosen = random.Random(args.seed).sample(pool, min(args.count, len(pool)))
    seen = collections.Counter()
    for fault in sorted(chosen, key=lambda f: (f["file"], f["line"])):
        fault["id"] = f"m{args.seed}-{Path(fault['file']).stem}-{fault['line']}-{fault['kind']}"
        # Two edits of one kind on one line are told apart by a number.
        seen[fault["id"]] += 1
        if seen[fault["id"]] > 1:
            fault["id"] += f"-{seen[fault['id']]}"
        fault["what"] = f"{fault['kind']} at line {fault['line']}"
        print(json.dumps(fault))
    print(f"{len(chosen)} of {len(pool)} candidates", file=sys.stderr)


if __name__ == "__main__":
    main()
