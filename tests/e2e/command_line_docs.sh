#!/usr/bin/env bash
# The options that `--help` lists, the manual page's OPTIONS and the README's
# "Command line" block are the same, each with the same argument names; the
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

[ -s "$work/help" ] || { echo "--help lists no options"; exit 1; }
status=0
for doc in man readme; do
    if ! diff -u --label help --label "$doc" "$work/help" "$work/$doc"; then
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "command line docs: ok"
exit "$status"
