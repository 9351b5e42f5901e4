#!/usr/bin/env bash
# Writes tests/state_sweep_known.tsv afresh from what the state sweep finds
# now (after a mend, or after merging work that moves controls): runs the
# sweep with its fault dump and lists each page, width and kind, with the
# state "*" where the fault shows in the opening state or in more than four
# states. With --long it runs the long form too (PEMRO_SWEEP_LONG); without,
# the rows of the long form's widths are kept as they are. --from DIR takes
# the dump of an earlier run (PEMRO_SWEEP_OUT=DIR) instead of running.
#   tools/sweep_known.sh [--long] [--from DIR] [BUILD_DIR] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
long=0
from=
if [ "${1:-}" = "--long" ]; then long=1; shift; fi
if [ "${1:-}" = "--from" ]; then from=$2; shift 2; fi
build=${1:-build}
jobs=${2:-4}
if [ -n "$from" ]; then
  out=$from
else
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  pattern='StateSweep\.'
  [ "$long" = 1 ] && pattern='StateSweep(Long)?\.'
  (cd "$build" && PEMRO_SWEEP_OUT="$out" PEMRO_SWEEP_LONG=$([ "$long" = 1 ] && echo 1 || true) \
     QT_QPA_PLATFORM=offscreen ctest -R "$pattern" -j "$jobs" >/dev/null) || true
fi
python3 - "$out" tests/state_sweep_known.tsv "$long" <<'PY'
import collections, glob, re, sys
out, target, long_form = sys.argv[1], sys.argv[2], sys.argv[3] == '1'
long_widths = {'800', '2560', '1280'}
groups = collections.defaultdict(list)
for name in sorted(glob.glob(out + '/*.tsv')):
    for line in open(name, encoding='utf-8'):
        f = line.rstrip('\n').split('\t')
        groups[(f[0], int(f[1]), f[3])].append(f)
lines = open(target, encoding='utf-8').readlines()
header = [l for l in lines if l.startswith('#')]
kept = [l for l in lines if not l.startswith('#') and not long_form
        and l.split('\t')[1] in long_widths]
def opening(state):
    # "open", "open@926", "m33756:open": an opening state, by topic or menu
    return re.sub(r'^m\d+:', '', state).split('@')[0] == 'open'
rows = []
for (page, width, kind), faults in sorted(groups.items()):
    states = sorted(set(f[2] for f in faults))
    if len(states) > 4 or any(opening(s) for s in states):
        rows.append([page, str(width), '*', kind, faults[0][4]])
    else:
        for f in sorted(faults, key=lambda f: f[2]):
            rows.append([page, str(width), f[2], kind, f[4]])
body = ['\t'.join(r) + '\n' for r in rows] + kept
body.sort(key=lambda l: l.split('\t')[:4])
with open(target, 'w', encoding='utf-8') as t:
    t.writelines(header)
    t.writelines(body)
print(len(body), 'faults listed')
PY
