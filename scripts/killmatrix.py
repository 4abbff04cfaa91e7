#!/usr/bin/env python3
"""Which tests catch which planted faults: a kill matrix of the test suite.

  python3 scripts/killmatrix.py run    [--under src/notifierkit src/typekit/price.cpp ...] [--n N] [--seed S] [--all] [--work DIR]
  python3 scripts/killmatrix.py report [--work DIR]

`run` copies the tree to WORK/src, builds its Qt Test programs once (Debug, -O0), then plants one
fault at a time (an operator, a boolean or a 0/1 swapped on one line of one .cpp file), rebuilds
and runs every test program, and appends to WORK/kills.jsonl which test functions failed (with the
data row, or the function that was running when the program crashed). Faults that do not compile
are recorded and not counted. It resumes where an earlier run stopped.

`report` reads the matrix: the share of faults caught; per test function its lines, the faults it
catches and those that only it catches; and a greedy cover (most new catches per line first).
A function outside the cover catches nothing in the sample that another does not: a candidate for
folding, not proof, since the sample is a sample and lines that the planter skips (reports,
headers) and faults that only the sanitizers see count for nothing here.
"""
import argparse, collections, json, os, random, re, signal, subprocess, sys, time
from concurrent.futures import ThreadPoolExecutor

SWAPS = [(r"==", "!="), (r"!=", "=="), (r"<=", "<"), (r">=", ">"), (r"(?<![<>=!-])<(?![<=])", "<="),
         (r"(?<![<>=-])>(?![>=])", ">="), (r"&&", "||"), (r"\|\|", "&&"), (r"\btrue\b", "false"),
         (r"\bfalse\b", "true"), (r"(?<=\s)\+(?=\s)", "-"), (r"(?<=\s)-(?=\s)", "+"),
         (r"\breturn !", "return "), (r"(?<![\w.])1(?![\w.])", "0"), (r"(?<![\w.])0(?![\w.x])", "1")]
REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def sites(root, unders):
    out = []
    paths = []
    for under in unders:  # folders, or single files
        if os.path.isfile(os.path.join(root, under)):
            paths.append(os.path.join(root, under))
        for top, _, files in sorted(os.walk(os.path.join(root, under))):
            paths.extend(os.path.join(top, f) for f in sorted(files) if f.endswith(".cpp"))
    for path in paths:
        for i, line in enumerate(open(path, encoding="utf-8", errors="replace")):
            s = line.strip()
            if not s or s.startswith(("//", "#", "*", "/*")) or "TRADE_ASSERT" in s or "Q_ASSERT" in s:
                continue
            code = re.sub(r'"(\\.|[^"\\])*"', '""', line.split("//")[0])
            for k, (pattern, _) in enumerate(SWAPS):
                out.extend((os.path.relpath(path, root), i, k, m.start()) for m in re.finditer(pattern, code))
    return out


def sh(cmd, **kw):
    return subprocess.run(cmd, shell=True, capture_output=True, text=True, errors="replace", **kw)


def run(a):
    src, build, out = os.path.join(a.work, "src"), os.path.join(a.work, "build"), os.path.join(a.work, "kills.jsonl")
    os.makedirs(src, exist_ok=True)
    sh(f"git ls-files -co --exclude-standard -z | tar --null -T - -cf - | tar -xf - -C {src}", cwd=REPO)
    if sh(f"cmake -S {src} -B {build} -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O0 "
          "-DTYPEKIT_BUILD_TESTS=ON -DTYPEKIT_BUILD_EXAMPLES=OFF -DCMAKE_LINK_DEPENDS_NO_SHARED=ON").returncode:
        sys.exit("configure fails")
    tests = sorted(set(re.findall(r"^(tst_[a-z0-9]+):", sh(f"ninja -C {build} -t targets all").stdout, re.M)))
    if sh(f"ninja -C {build} {' '.join(tests)}").returncode:
        sys.exit("build fails")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TYPEKIT_STRESS_SECONDS="3",
               QTEST_DISABLE_STACK_DUMP="1", QTEST_DISABLE_CORE_DUMP="1")

    def failures(name):
        try:
            r = subprocess.run([os.path.join(build, "tests", name), "-v1", "-maxwarnings", "0"], env=env,
                               capture_output=True, text=True, errors="replace", timeout=30)
        except subprocess.TimeoutExpired:
            return [name + "::(timeout)"]
        if r.returncode == 0:
            return []
        failed = {f"{name}::{m[0]}({m[1]})" for m in re.findall(r"^FAIL!  : \w+::(\w+)\((.*?)\)", r.stdout, re.M)}
        entered = re.findall(r"^INFO   : \w+::(\w+)\(\) entering", r.stdout, re.M)
        return sorted(failed) or [f"{name}::{entered[-1] if entered else ''}(crash)"]

    done = set()
    if os.path.exists(out):
        done = {(d["file"], d["line"], d["k"], d["col"]) for d in map(json.loads, open(out))}
    candidates = sites(src, a.under)
    if not a.all:
        random.Random(a.seed).shuffle(candidates)
    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(1))
    counted, t0 = 0, time.time()
    with ThreadPoolExecutor(2) as pool, open(out, "a") as log:
        for rel, i, k, col in candidates:
            if stop or counted >= a.n:
                break
            if (rel, i + 1, k, col) in done:
                continue
            path = os.path.join(src, rel)
            text = open(path, encoding="utf-8").read()
            lines = text.split("\n")
            m = re.compile(SWAPS[k][0]).match(lines[i], col)
            if not m:
                continue
            record = dict(file=rel, line=i + 1, k=k, col=col, orig=lines[i].strip())
            lines[i] = lines[i][:m.start()] + SWAPS[k][1] + lines[i][m.end():]
            record["mut"] = lines[i].strip()
            try:
                open(path, "w", encoding="utf-8").write("\n".join(lines))
                if sh(f"ninja -C {build} {' '.join(tests)}").returncode:
                    record["status"] = "stillborn"
                else:
                    record["killers"] = sum(pool.map(failures, tests), [])
                    record["status"] = "killed" if record["killers"] else "survived"
                    counted += 1
                log.write(json.dumps(record) + "\n")
                log.flush()
                print(f"[{counted}] {record['status']} {rel}:{i + 1} {int(time.time() - t0)} s", file=sys.stderr)
            finally:
                open(path, "w", encoding="utf-8").write(text)
    sh(f"ninja -C {build} {' '.join(tests)}")


def function_lines():
    """Non-blank lines per test function (its _data() included), from one slot's start to the next."""
    lines = {}
    for top, _, files in os.walk(os.path.join(REPO, "tests")):
        for name in (f for f in files if f.startswith("tst_") and f.endswith(".cpp")):
            text = open(os.path.join(top, name)).read().split("\n")
            starts = [(i, m.group(1)) for i, l in enumerate(text)
                      for m in [re.match(r"^(?:    )?void (?:\w+::)?(\w+)\(\)\s*(?:\{.*)?$", l)] if m]
            for n, (i, slot) in enumerate(starts):
                end = starts[n + 1][0] if n + 1 < len(starts) else next(
                    (j for j in range(i, len(text)) if text[j].startswith(("};", "QTEST_"))), len(text))
                key = name[:-4] + "::" + re.sub(r"_data$", "", slot)
                lines[key] = lines.get(key, 0) + sum(1 for l in text[i:end] if l.strip())
    return lines


def report(a):
    records = [json.loads(l) for l in open(os.path.join(a.work, "kills.jsonl"))]
    counted = [r for r in records if r["status"] != "stillborn"]
    killed = [{re.sub(r"\(.*$", "", k) for k in r["killers"]} for r in counted if r["status"] == "killed"]
    print(f"{len(killed)} of {len(counted)} faults caught = {len(killed) / max(1, len(counted)):.3f}")
    for r in counted:
        if r["status"] == "survived":
            print(f"  survived {r['file']}:{r['line']}: '{r['orig']}' -> '{r['mut']}'")
    lines = function_lines()
    catches, only = collections.defaultdict(set), collections.Counter()
    for n, killers in enumerate(killed):
        for f in killers:
            catches[f].add(n)
        if len(killers) == 1:
            only[next(iter(killers))] += 1
    left, cover = set(range(len(killed))), []
    while left:
        best = max(catches, key=lambda f: len(catches[f] & left) / max(1, lines.get(f, 1)))
        if not catches[best] & left:
            break
        cover.append(best)
        left -= catches[best]
    print(f"\n{'function':64} lines catches only-it  (cover first)")
    for f in cover + sorted(set(lines) - set(cover), key=lambda f: -lines[f]):
        print(f"{f:64} {lines.get(f, 0):5} {len(catches.get(f, ())):7} {only[f]:7}{'  cover' if f in cover else ''}")


ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
ap.add_argument("command", choices=["run", "report"])
ap.add_argument("--under", nargs="+", default=["src"])
ap.add_argument("--n", type=int, default=200)
ap.add_argument("--seed", type=int, default=1)
ap.add_argument("--all", action="store_true", help="every site in order, not a sample")
ap.add_argument("--work", default=os.path.join(REPO, "build-killmatrix"))
args = ap.parse_args()
run(args) if args.command == "run" else report(args)
