#!/usr/bin/env bash
# How much of what could go wrong in src/ the unit and widget tests catch.
#
# Plants a seeded sample of one-token mutations in a copy of the sources (a
# flipped comparison, an off-by-one, a negated condition, a constant changed),
# rebuilds that copy and runs the "unit" and "widget" labels for each one. A
# mutation that does not compile, or that leaves the object file as it was,
# is put aside and the next one in the sample is taken instead. Prints each
# mutation with its outcome and, at the end, the share caught.
# Usage: scripts/mutants.sh [count=40] [seed=1]
# MUTANTS_UNDER="src/canvas src/ui/graphics" limits the mutations to those folders.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-40}
seed=${2:-1}
scripts/install-deps.sh

work=$PWD/build-mutants
mkdir -p "$work"
# The sources are copied so that a mutation never touches the work tree. The
# copies are stamped now, so nothing built from an earlier mutation survives.
rm -rf "$work/tree"
mkdir -p "$work/tree"
tar --exclude='./build*' --exclude=./.git -cf - . | tar -xmf - -C "$work/tree"
cmake -S "$work/tree" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O1" -DEDITOR_BENCHMARKS=OFF -DEDITOR_SANITIZED_TREE= >/dev/null
cmake --build "$work/build" -j "$(nproc)" >/dev/null

exec python3 - "$work" "$count" "$seed" "${MUTANTS_UNDER:-src}" <<'PY'
import hashlib, json, os, re, subprocess, sys, time

work, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
under = sys.argv[4].split()
tree, build = os.path.join(work, "tree"), os.path.join(work, "build")

def run(cmd, timeout=None):
    return subprocess.run(cmd, cwd=build, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)

def tests_pass():
    try:
        r = run(["ctest", "-L", "unit|widget", "-j", "2", "--timeout", "60",
                 "--stop-on-failure"], timeout=1800)
    except subprocess.TimeoutExpired:
        return False
    return r.returncode == 0

# --- Where a mutation can go -------------------------------------------------

def masked(line):
    """The line with string and character literals blanked and any // comment cut."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  "); i += 2; continue
            out.append(" " if c != quote else c)
            if c == quote: quote = None
        elif c in "\"'":
            quote = c; out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)

FLIP = {"<": ">=", "<=": ">", ">": "<=", ">=": "<", "==": "!=", "!=": "=="}
BOUNDARY = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
COMPARISON = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")
LOGIC = re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")
LITERAL = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
CONDITION = re.compile(r"\b(if|while) \(")
BOOLEAN = re.compile(r"\b(true|false)\b")

def closing_paren(text, start):
    depth = 0
    for k in range(start, len(text)):
        if text[k] == "(": depth += 1
        elif text[k] == ")":
            depth -= 1
            if depth == 0: return k
    return -1

def sites(path):
    found = []
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for n, raw in enumerate(lines):
        text = masked(raw)
        stripped = text.strip()
        if not stripped or stripped.startswith(("#", "/*", "*")):
            continue
        for m in COMPARISON.finditer(text):
            op = m.group(1)
            found.append((n, m.start(), m.end(), FLIP[op], "flipped comparison"))
            if op in BOUNDARY:
                found.append((n, m.start(), m.end(), BOUNDARY[op], "off-by-one boundary"))
        for m in LOGIC.finditer(text):
            other = "||" if m.group(1) == "&&" else "&&"
            found.append((n, m.start(), m.end(), other, "negated condition"))
        for m in CONDITION.finditer(text):
            open_at = m.end() - 1
            close_at = closing_paren(text, open_at)
            if close_at > 0:
                inner = raw[open_at + 1:close_at]
                found.append((n, open_at + 1, close_at, "!(" + inner + ")", "negated condition"))
        for m in BOOLEAN.finditer(text):
            other = "false" if m.group(1) == "true" else "true"
            found.append((n, m.start(), m.end(), other, "negated condition"))
        for m in LITERAL.finditer(text):
            digits, suffix = m.group(1), m.group(2)
            value = int(digits, 16) if digits[:2].lower() == "0x" else int(digits)
            if len(digits) > 1 and digits[0] == "0" and digits[:2].lower() != "0x":
                continue  # octal: left alone
            new = (hex(value + 1) if digits[:2].lower() == "0x" else str(value + 1)) + suffix
            found.append((n, m.start(1), m.end(2), new, "constant changed"))
    return found

# Each place is ranked by a hash of the seed, its file, the text of its line
# and the change, not by its line number: an edit elsewhere in src/ leaves the
# sample as it was, so runs before and after a change are comparable.
def rank(rel, line, start, new):
    key = f"{seed}|{rel}|{line.strip()}|{start - (len(line) - len(line.lstrip()))}|{new}"
    return hashlib.sha256(key.encode()).hexdigest()

candidates = []
for root, _, names in sorted(os.walk(os.path.join(tree, "src"))):
    for name in sorted(names):
        if name.endswith((".cpp", ".h")) and any(
                os.path.relpath(os.path.join(root, name), tree).startswith(u.rstrip("/") + "/")
                for u in under):
            path = os.path.join(root, name)
            rel = os.path.relpath(path, tree)
            with open(path, encoding="utf-8") as f:
                text = f.read().split("\n")
            candidates += [(rank(rel, text[s[0]], s[1], s[3]), rel) + s for s in sites(path)]
candidates.sort()

# --- Objects, to tell a mutation that changed nothing -------------------------

with open(os.path.join(build, "compile_commands.json")) as f:
    commands = json.load(f)

def objects_of(rel):
    path = os.path.join(tree, rel)
    if rel.endswith(".cpp"):
        sources = [path]
    else:  # a header: every object that includes it
        sources = [c["file"] for c in commands]
    outs = []
    for c in commands:
        if c["file"] in sources:
            out = c.get("output") or re.search(r"-o (\S+)", c["command"]).group(1)
            outs.append(os.path.join(c["directory"], out))
    return outs

def digest(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()

pristine = {}
for c in commands:
    for o in objects_of(os.path.relpath(c["file"], tree)):
        pristine[o] = digest(o)

# --- The run ---------------------------------------------------------------------

print(f"{len(candidates)} places to mutate; a sample of {count} with seed {seed}", flush=True)
if not tests_pass():
    sys.exit("the tests fail without any mutation: nothing to measure")

caught = tried = 0
started = time.time()
for _, rel, line, start, end, new, kind in candidates:
    if tried == count:
        break
    path = os.path.join(tree, rel)
    with open(path, encoding="utf-8") as f:
        original = f.read()
    lines = original.split("\n")
    old = lines[line][start:end]
    objects = objects_of(rel)
    lines[line] = lines[line][:start] + new + lines[line][end:]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    try:
        built = run(["cmake", "--build", ".", "-j", str(os.cpu_count())]).returncode == 0
        if not built or all(digest(o) == pristine.get(o) for o in objects):
            continue
        tried += 1
        killed = not tests_pass()
        caught += killed
        print(f"{tried:3} {'caught  ' if killed else 'SURVIVED'} {rel}:{line + 1} "
              f"{kind}: {old.strip()} -> {new.strip()}", flush=True)
    finally:
        # Rebuilt together with the next mutation.
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)

minutes = (time.time() - started) / 60
share = 100.0 * caught / tried if tried else 0.0
print(f"caught {caught} of {tried} mutations: {share:.1f}% (seed {seed}, {minutes:.0f} min)")
PY
