#!/usr/bin/env python3
"""Mutation testing, run by hand: do the tests notice small faults planted in the code?

    tools/mutate.py [--sample N] [--seed S] [--tests REGEX] [--work DIR] [--list] FILE...
    e.g. tools/mutate.py --sample 10 src/core/game/Game.cpp src/core/savegame/SavedGame.cpp

FILE paths are relative to the repository root, whose working tree is only read:
its files (as `git ls-files -co --exclude-standard` lists them, uncommitted changes
included) are copied to a scratch folder, built there once (Debug) and tested once.
Then each mutant, a one-line change (a flipped comparison, + - * / && || swapped,
an integer changed by one, an if-condition negated, a statement deleted), is written
into the copy, built and tested, and the file is put back, on Ctrl-C too. A mutant
that does not compile is stillborn and not counted; one that makes a test fail or
time out is killed; one that passes every test survived.

Kill score = killed / (killed + survived): the share of planted faults the tests
catch. Each survivor is listed as `file:line: original -> mutated`; it is either a
missing test or an equivalent mutant, one that cannot change behaviour (`i < n` ->
`i != n` in a loop counting up to n): only a person can tell which. --work DIR keeps
the copy and its build for the next run; otherwise a new folder under /tmp is used
and removed at the end.
"""
import argparse, contextlib, os, random, re, shutil, signal, subprocess, sys, tempfile, time
from collections import Counter, namedtuple
from pathlib import Path

Mutant = namedtuple("Mutant", "file line old new")

OPERATOR = re.compile(r"<=>|<<=|>>=|<<|>>|->|\+\+|--|&&|\|\||[<>=!+\-*/]=|[<>+\-*/]")
REPLACEMENTS = {
    "<": ["<=", ">"], "<=": ["<", ">="], ">": [">=", "<"], ">=": [">", "<="], "==": ["!="], "!=": ["=="],
    "+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "+=": ["-="], "-=": ["+="], "*=": ["/="], "/=": ["*="],
    "&&": ["||"], "||": ["&&"],
}
# Not part of a name, a floating-point number (1.5, 1e-5) or a digit-separated run.
INTEGER = re.compile(r"(?<![\w.'])(?<![\d.][eE][+-])(0[xX][0-9a-fA-F']+|\d[\d']*)([uUlL]*)(?![\w.'])")
# Comments, preprocessor lines (with their continuations) and the insides of raw
# strings, characters (a ' after a digit or letter is a digit separator) and strings.
HIDDEN = re.compile(r"""(?P<all>//[^\n]*|/\*.*?\*/|^[ \t]*\#(?:[^\n]*\\\n)*[^\n]*)
    | R"(?P<tag>[^(\s]*)\((?P<raw>.*?)\)(?P=tag)" | (?<![\w'])'(?P<char>(?:\\.|[^'\\\n])*)'
    | "(?P<string>(?:\\.|[^"\\\n])*)" """, re.S | re.M | re.X)
IF = re.compile(r"\bif\s*(?:constexpr\s*)?\(")
# An expression statement starting with a name: a call, an assignment, x++ or ++x.
# Formatted code writes `if (` and `Type name` with a space, so neither matches,
# and declarations are never deleted.
NAME = r"[A-Za-z_]\w*(?:(?:::|\.|->)[A-Za-z_]\w*|\[[^\]]*\])*"
STATEMENT = re.compile(rf"(?:\+\+|--){NAME}\s*;|{NAME}(?:\(|\s*(?:[-+*/%&|^]|<<|>>)?=(?!=)|\+\+|--)")


def mask(text):
    """Blanks comments, preprocessor lines and the insides of string and character
    literals, keeping every offset, so that the searches never look there."""
    def blank(m):
        a, b = m.span(m.lastgroup)
        return text[m.start():a] + re.sub(r"[^\n]", " ", text[a:b]) + text[b:m.end()]
    return HIDDEN.sub(blank, text)


def template_spans(code):
    """(start, end) of each <...> that looks like template arguments: the < right after
    a name, and no ; { } = ! ? | && before the matching >."""
    spans = []
    for m in re.finditer(r"\w<(?![<=])", code):
        depth, k = 1, m.end()
        while k < len(code) and depth and code[k] not in ";{}=!?|":
            depth += {"<": 1, ">": -1}.get(code[k], 0)
            k += 1
        if depth == 0 and "&&" not in code[m.end():k]:
            spans.append((m.end() - 1, k - 1))
    return spans


def mutants_of(file, text):
    found, stack, previous = [], [0], ";"
    for number, (line, code) in enumerate(zip(text.split("\n"), mask(text).split("\n")), 1):
        at_statement_start = stack[-1] == 0 and previous in ";{}"
        for ch in code:  # the ( depth within the innermost { }, and the last code character
            if ch in "()":
                stack[-1] += 1 if ch == "(" else -1
            elif ch == "{":
                stack.append(0)
            elif ch == "}" and len(stack) > 1:
                stack.pop()
            previous = previous if ch.isspace() else ch
        if not code.strip() or "static_assert" in code:
            continue
        spans = template_spans(code)

        def templated(a, b):
            return any(s <= a and b - 1 <= e for s, e in spans)

        def add(a, b, new):
            found.append(Mutant(file, number, line, line[:a] + new + line[b:]))

        for m in OPERATOR.finditer(code):
            a, b, op = m.start(), m.end(), m.group()
            # Binary operators have a space on both sides in this code base; unary
            # - * &, template brackets, pointer and reference types do not.
            spaced = a > 0 and code[a - 1].isspace() and (b == len(code) or code[b].isspace())
            if op not in REPLACEMENTS or not spaced or templated(a, b):
                continue
            if op in "+-" and (not code[:a].strip() or '"' in (code[:a].rstrip()[-1:], code[b:].lstrip()[:1])):
                continue  # a continued line, or next to a string: most likely text being joined
            for new in REPLACEMENTS[op]:
                add(a, b, new)
        for m in INTEGER.finditer(code):
            digits, hexadecimal = m.group(1).replace("'", ""), m.group(1)[1:2] in ("x", "X")
            if templated(m.start(), m.end()) or (digits[0] == "0" and len(digits) > 1 and not hexadecimal):
                continue  # template arguments, octal
            for v in (int(digits, 0) + 1, int(digits, 0) - 1):
                if v >= 0 or not m.group(2):
                    add(m.start(1), m.end(1), f"0x{v:X}" if hexadecimal else str(v))
        for m in IF.finditer(code):
            close, depth = m.end(), 1
            while close < len(code) and depth:
                depth += {"(": 1, ")": -1}.get(code[close], 0)
                close += 1
            if depth == 0 and ";" not in code[m.end():close]:  # on one line, no init-statement
                add(m.end(), close - 1, "!(" + line[m.end():close - 1] + ")")
        body = code.strip()
        if (at_statement_start and body.endswith(";") and body.count("(") == body.count(")")
                and STATEMENT.match(body) and not re.search(r"=\s*(delete|default)\b", body)):
            add(0, len(line), "")
    return list(dict.fromkeys(found))


def describe(m, wide=30):
    """`file:line: original -> mutated`, a long line cut to the part around the change."""
    old, new = m.old.strip(), m.new.strip()
    p = len(os.path.commonprefix([old, new]))
    q = min(len(os.path.commonprefix([old[::-1], new[::-1]])), min(len(old), len(new)) - p)
    a = max(0, p - wide)
    cut = lambda s: ("..." if a else "") + s[a:len(s) - q + wide] + ("..." if q > wide else "")
    return f"{m.file}:{m.line}: " + (f"{cut(old)} -> {cut(new)}" if new else f"{old} -> (deleted)")


def run(cmd):
    """Runs cmd in a process group of its own, ended whole if we are interrupted,
    so that no compiler or test outlives the script. Returns (exit code, output)."""
    proc = subprocess.Popen([str(c) for c in cmd], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, errors="replace", start_new_session=True)
    try:
        out = proc.communicate()[0]
    except BaseException:
        for sig in (signal.SIGTERM, signal.SIGKILL):  # TERM first: ninja then stops its compilers
            with contextlib.suppress(ProcessLookupError):
                os.killpg(proc.pid, sig)
                for _ in range(300):  # till the whole group is gone, ninja and ctest included
                    time.sleep(0.1)
                    proc.poll()
                    os.killpg(proc.pid, 0)
        raise
    return proc.returncode, out


def must(cmd, what):
    code, out = run(cmd)
    if code:
        sys.exit("\n".join(out.splitlines()[-40:]) + f"\nmutate.py: {what} failed; nothing was mutated")


def sync(root, tree, files):
    """Makes tree hold exactly `files` as the working tree has them. Only changed files
    are written (with a new time stamp), so that a kept build stays incremental."""
    for path in list(tree.rglob("*")):
        if not path.is_dir() and path.relative_to(tree).as_posix() not in files:
            path.unlink()
    for rel in files:
        src, dst = root / rel, tree / rel
        data = src.read_bytes()
        if not dst.is_file() or dst.read_bytes() != data:
            dst.parent.mkdir(parents=True, exist_ok=True)
            dst.write_bytes(data)
        shutil.copymode(src, dst)


def prepare(root, files, work, tests, timeout):
    """Copies the working tree into work/tree, builds it in work/build and checks that
    the tests pass there. Returns the copy, the build folder and the test command."""
    if work.is_relative_to(root) or root.is_relative_to(work):
        sys.exit(f"mutate.py: {work} must lie outside the repository")
    if work.is_dir() and any(work.iterdir()) and not (work / ".mutate-work").exists():
        sys.exit(f"mutate.py: {work} is not empty and was not made by this script")
    work.mkdir(parents=True, exist_ok=True)
    (work / ".mutate-work").touch()
    tree, build = work / "tree", work / "build"
    print(f"copying the working tree to {tree}", flush=True)
    sync(root, tree, files)
    must(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug", "-DBUILD_TESTING=ON",
          f"-DBMD_TEST_TIMEOUT={timeout}"], "configuring")
    print("building the copy", flush=True)
    must(["cmake", "--build", build, "-j2"], "building the unchanged copy")
    ctest = ["ctest", "--test-dir", build, "-j2", "--no-tests=error"]
    ctest += ["-R", tests] if tests else ["-E", r"^(e2e|install)\."]
    print("running the tests on the unchanged copy", flush=True)
    must(ctest + ["--output-on-failure"], "the tests of the unchanged copy")
    return tree, build, ctest


def try_mutant(m, tree, build, ctest, target):
    path = tree / m.file
    original = path.read_bytes()
    lines = original.decode().split("\n")
    lines[m.line - 1] = m.new
    try:
        path.write_bytes("\n".join(lines).encode())
        if run(["cmake", "--build", build, "-j2"] + (["--target", target] if target else []))[0]:
            return "stillborn"
        return "killed" if run(ctest + ["--stop-on-failure"])[0] else "survived"
    finally:
        path.write_bytes(original)  # with a new time stamp, so the next build recompiles it


def report(wanted, outcomes):
    print()
    for f in wanted:
        c = Counter(outcome for m, outcome in outcomes.items() if m.file == f)
        scored = c["killed"] + c["survived"]
        score = f"{100 * c['killed'] / scored:.0f}%" if scored else "n/a"
        print(f"{f}: {sum(c.values())} tried, {c['stillborn']} stillborn, {c['killed']} killed, "
              f"{c['survived']} survived, kill score {score}")
    survivors = [m for m, outcome in outcomes.items() if outcome == "survived"]
    if survivors:
        print("\nsurvivors (a missing test, or an equivalent mutant?):")
        print("\n".join("  " + describe(m) for m in survivors))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="+", metavar="FILE")
    parser.add_argument("--sample", type=int, metavar="N", default=30,
                        help="at most N mutants per file (default 30; 0: all)")
    parser.add_argument("--seed", type=int, metavar="S", help="seed for the sample (default: a new one, printed)")
    parser.add_argument("--tests", metavar="REGEX", help=r"ctest -R REGEX (default: -E '^(e2e|install)\.')")
    parser.add_argument("--target", metavar="T", help="build only this target for each mutant (e.g. core_tests)")
    parser.add_argument("--timeout", type=int, metavar="S", default=120,
                        help="seconds a test may run before the mutant counts as killed (default 120)")
    parser.add_argument("--work", metavar="DIR", help="scratch folder to keep between runs")
    parser.add_argument("--list", action="store_true", help="only list the mutants that would be tried")
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # so that the finally blocks restore

    here = Path(__file__).resolve().parent
    root = Path(subprocess.check_output(["git", "-C", here, "rev-parse", "--show-toplevel"], text=True).strip())
    listed = subprocess.check_output(["git", "-C", root, "ls-files", "-co", "--exclude-standard", "-z"], text=True)
    files = {f for f in listed.split("\0") if f and (root / f).is_file()}
    wanted = list(dict.fromkeys(os.path.normpath(f) for f in args.files))
    if unknown := [f for f in wanted if f not in files]:
        sys.exit(f"mutate.py: not files of the repository at {root}: {' '.join(unknown)}")
    seed = args.seed if args.seed is not None else random.randrange(10**6)
    print(f"seed {seed}")

    work = None if args.list else Path(args.work or tempfile.mkdtemp(prefix="mutate-")).resolve()
    if work and not args.work:
        work.chmod(0o755)  # some tests run cases as another user, who must reach the build
    try:
        if work:
            tree, build, ctest = prepare(root, files, work, args.tests, args.timeout)
        rng, chosen = random.Random(seed), []
        for f in wanted:  # read from the copy when there is one, so the lines match it
            every = mutants_of(f, ((tree if work else root) / f).read_bytes().decode())
            picked = every if args.sample <= 0 else rng.sample(every, min(args.sample, len(every)))
            print(f"{f}: {len(picked)} of {len(every)} mutants")
            chosen += sorted(picked, key=lambda m: (m.line, m.new))
        if not work:
            print("\n".join("  " + describe(m) for m in chosen))
            return 0

        outcomes, interrupted = {}, False
        try:
            for n, m in enumerate(chosen, 1):
                print(f"[{n}/{len(chosen)}] {describe(m)}", end=" ... ", flush=True)
                began = time.monotonic()
                outcomes[m] = try_mutant(m, tree, build, ctest, args.target)
                print(f"{outcomes[m]} ({time.monotonic() - began:.0f} s)", flush=True)
        except KeyboardInterrupt:
            interrupted = True
            print("\ninterrupted; the copy is restored. Results so far:")
        report(wanted, outcomes)
        return 130 if interrupted else 0
    finally:
        if work and not args.work:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:  # before the mutants: nothing to restore
        sys.exit(130)
