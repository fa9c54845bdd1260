#!/usr/bin/env bash
# The options that `--help` lists, the manual page's OPTIONS and the README's
# "Command line" block are the same, each with the same argument names; the
# keys of the manual page's KEYS and of the README's table are the same; the
# manual page renders without a warning.
set -euo pipefail
yearnbox="$1"
source_dir="$2"
command -v groff > /dev/null || { echo "groff is missing"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Each line's first word that begins with "--", with the capitalised argument
# names after it ("--" itself ends the options and takes none), one a line.
options() {
    awk '{
        for (i = 1; i <= NF && $i !~ /^--/; ++i) {}
        if (i > NF) next
        line = $i
        if ($i != "--")
            for (++i; i <= NF && $i ~ /^[A-Z]+$/; ++i) line = line " " $i
        print line
    }' | sort
}

"$yearnbox" --help | grep -E '^  --' | options > "$work/help"

groff -man -ww -Tascii -P-cbou "$source_dir/resources/yearnbox.1" > "$work/page" 2> "$work/warnings"
if [ -s "$work/warnings" ]; then
    echo "the manual page: $(cat "$work/warnings")"; exit 1
fi
# The tags of OPTIONS stand 7 columns in; the section ends at the next heading.
sed -n '/^OPTIONS$/,/^[A-Z]/p' "$work/page" | grep -E '^ {7}--' | options > "$work/man"

sed -n '/^## Command line$/,/^#/p' "$source_dir/README.md" | grep -E '^    yearnbox ' |
    options > "$work/readme"

# The keys: each README table line's first column; each tag of KEYS, its
# font macro, quotes and escapes taken off (.BR Up ", " Down -> Up, Down).
sed -n '/^## Keys$/,/^## /p' "$source_dir/README.md" | grep -E '^    [^ ]' |
    sed -E 's/^    (([^ ]| [^ ])*).*/\1/' | sort > "$work/readme_keys"
python3 - "$source_dir/resources/yearnbox.1" > "$work/man_keys" <<'PY'
import shlex, sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
section = lines[lines.index(".SH KEYS"):]
section = section[:next(i for i, l in enumerate(section[1:], 1) if l.startswith(".SH"))]
for i, line in enumerate(section[:-1]):
    if line == ".TP":
        tag = section[i + 1].replace("\\-", "-")
        if tag.startswith("."):
            tag = "".join(shlex.split(tag)[1:])
        print(tag)
PY
sort -o "$work/man_keys" "$work/man_keys"
[ "$(wc -l < "$work/readme_keys")" -gt 20 ] || { echo "the README's key table is not found"; exit 1; }

[ -s "$work/help" ] || { echo "--help lists no options"; exit 1; }
status=0
for doc in man readme; do
    if ! diff -u --label help --label "$doc" "$work/help" "$work/$doc"; then
        status=1
    fi
done
diff -u --label "README keys" --label "man keys" "$work/readme_keys" "$work/man_keys" || status=1
[ "$status" -eq 0 ] && echo "command line docs: ok"
exit "$status"
