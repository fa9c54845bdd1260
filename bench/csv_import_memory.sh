#!/usr/bin/env bash
# The peak memory of `yearnbox --import-csv` of a one-line CSV file of MB
# megabytes (one name of that many letters) into a new profile, against the
# peak of loading the profile it makes (`yearnbox-bench --runs 1 load`, the
# application's load): the import must stay within twice. Both are whole
# processes, measured alike (the children's maximum resident set).
# Usage: csv_import_memory.sh YEARNBOX BENCH [MB]   (default 1024)
set -euo pipefail
yearnbox=$1
bench=$2
mb=${3:-1024}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 - "$tmp/one.csv" "$mb" <<'PY'
import sys
path, mb = sys.argv[1], int(sys.argv[2])
piece = b"x" * (1 << 20)
with open(path, "wb") as f:
    for _ in range(mb):
        f.write(piece)
    f.write(b"\r\n")
PY
peak() {
  python3 -c '
import resource, subprocess, sys, time
start = time.monotonic()
subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss * 1024, round(time.monotonic() - start, 1))
' "$@"
}
read -r import_peak import_seconds < <(peak "$yearnbox" --import-csv "$tmp/one.csv" "$tmp/one.ybk")
read -r load_peak load_seconds < <(peak "$bench" --runs 1 load "$tmp/one.ybk")
python3 - "$mb" "$import_peak" "$import_seconds" "$load_peak" "$load_seconds" <<'PY'
import json, sys
mb, ip, isec, lp, lsec = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4]), float(sys.argv[5])
print(json.dumps({"csv_mb": mb, "import_peak_rss_bytes": ip, "import_seconds": isec,
                  "load_peak_rss_bytes": lp, "load_seconds": lsec, "ratio": round(ip / lp, 2)}))
assert ip <= 2 * lp, "the import needs more than twice the memory of the load"
PY
