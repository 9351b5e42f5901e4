#!/usr/bin/env bash
# Writes tests/state_sweep_known.tsv afresh from what the state sweep finds
# now (after a mend, or after merging work that moves controls): runs the
# sweep with its fault dump and lists each page, width and kind, with the
# state "*" where the fault shows in the opening state or in more than four
# states.
#   tools/sweep_known.sh [BUILD_DIR] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${2:-4}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && PEMRO_SWEEP_OUT="$out" QT_QPA_PLATFORM=offscreen \
   ctest -R StateSweep -j "$jobs" >/dev/null) || true
python3 - "$out" tests/state_sweep_known.tsv <<'PY'
import collections, glob, sys
out, target = sys.argv[1], sys.argv[2]
groups = collections.defaultdict(list)
for name in sorted(glob.glob(out + '/*.tsv')):
    for line in open(name, encoding='utf-8'):
        f = line.rstrip('\n').split('\t')
        groups[(f[0], int(f[1]), f[3])].append(f)
header = [l for l in open(target, encoding='utf-8') if l.startswith('#')]
rows = []
for (page, width, kind), faults in sorted(groups.items()):
    states = sorted(set(f[2] for f in faults))
    if len(states) > 4 or any(s.split('@')[0] == 'open' for s in states):
        rows.append([page, str(width), '*', kind, faults[0][4]])
    else:
        for f in sorted(faults, key=lambda f: f[2]):
            rows.append([page, str(width), f[2], kind, f[4]])
with open(target, 'w', encoding='utf-8') as t:
    t.writelines(header)
    t.writelines('\t'.join(r) + '\n' for r in rows)
print(len(rows), 'faults listed')
PY
