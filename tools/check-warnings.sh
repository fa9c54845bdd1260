#!/usr/bin/env bash
# Compiles every source of the program, its benchmarks and its tests once more
# with clang, -Wall -Wextra, every warning an error (gcc's are seen by every
# other build). Syntax only, with the flags of build/compile_commands.json, so
# it costs a fraction of a second build; tools/build.sh makes that file.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || tools/build.sh
python3 - "$(nproc)" <<'PY'
import concurrent.futures, json, os, shlex, subprocess, sys

root = os.getcwd()
own = tuple(os.path.join(root, d) + os.sep for d in ("app", "bench", "grid_core", "grid_window", "platform", "resources", "tests"))


def clang_command(entry):
    args = shlex.split(entry["command"])
    kept, skip = ["clang++"], False
    for arg in args[1:]:
        if skip:
            skip = False
        elif arg == "-o":
            skip = True
        elif arg != "-c" and not arg.startswith("-W"):
            kept.append(arg)
    return kept + ["-fsyntax-only", "-Wall", "-Wextra", "-Werror"]


entries = [e for e in json.load(open("build/compile_commands.json"))
           if os.path.abspath(os.path.join(e["directory"], e["file"])).startswith(own)]
if not entries:
    sys.exit("build/compile_commands.json names none of the sources")


def check(entry):
    run = subprocess.run(clang_command(entry), cwd=entry["directory"], capture_output=True, text=True)
    return entry["file"], run.returncode, run.stderr


failed = 0
with concurrent.futures.ThreadPoolExecutor(int(sys.argv[1])) as pool:
    for name, code, errors in pool.map(check, entries):
        if code:
            failed += 1
            print(errors, end="")
print("clang -Wall -Wextra: %d of %d sources warned" % (failed, len(entries)))
sys.exit(1 if failed else 0)
PY
