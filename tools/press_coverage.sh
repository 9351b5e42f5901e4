#!/bin/sh
# Which buttons of the sample pages no press-table row presses.
#
#   tools/press_coverage.sh [build] [sweep-dir]
#
# The buttons come from the state sweep's lists (PEMRO_SWEEP_OUT=DIR writes
# DIR/<page>.buttons; without a DIR given the sweep is run first), the
# presses from the press tables run with PEMRO_PRESS_LOG. A button is keyed
# by its figure (in page order), its label and its ordinal among the buttons
# so labelled in that figure: "期望#2@3". Presses on a test's own script
# (RunScript) are counted apart, as not reaching the sample page. Prints
# per page the buttons, the pressed and the unpressed, then the totals.
set -e
build=${1:-build}
dir=${2:-}
if [ -z "$dir" ]; then
  dir=$(mktemp -d)
  (cd "$build" && PEMRO_SWEEP_OUT="$dir" ctest -j3 -R 'SamplePages/StateSweep.FindsNoFault' \
    >/dev/null || true)
fi
log=$(mktemp)
suites=$(grep -ho 'PRESS_TABLE([A-Za-z0-9]*' "$(dirname "$0")"/../tests/test_press_*.cpp |
  sed 's/PRESS_TABLE(//' | sort -u | sed 's/$/.*/' | paste -sd:)
PEMRO_PRESS_LOG="$log" "$build/tests/pemro_tests" --gtest_filter="$suites" >/dev/null 2>&1 || true
python3 - "$dir" "$log" <<'EOF'
import collections, glob, os, sys

sweep, log = sys.argv[1], sys.argv[2]
# page -> {(figure, label, n)}: each button the sweep drew, the n-th so
# labelled in its figure.
buttons = collections.defaultdict(set)
for path in glob.glob(os.path.join(sweep, '*.buttons')):
    for line in open(path, encoding='utf-8'):
        page, fig, label, n = line.rstrip('\n').split('\t')
        if label != '恢复':  # the frame's own, after a range step
            buttons[page].add((int(fig), label, int(n)))
pressed, scripted = set(), set()
for line in open(log, encoding='utf-8'):
    page, fig, label, n, times, kind = line.rstrip('\n').split('\t')
    (pressed if kind == 'sample' else scripted).add((page, (int(fig), label, int(n))))


def name(b):
    fig, label, n = b
    return '%s%s@%d' % (label, '#%d' % n if n > 1 else '', fig)


total = done = 0
for page in sorted(buttons):
    keys = sorted(buttons[page])
    missing = [b for b in keys if (page, b) not in pressed]
    total += len(keys)
    done += len(keys) - len(missing)
    note = ''.join(' ' + name(b) + ('(script)' if (page, b) in scripted else '') for b in missing)
    print('%s\t%d buttons\t%d pressed\t%d unpressed:%s' %
          (page, len(keys), len(keys) - len(missing), len(missing), note))
print('total: %d pages, %d buttons, %d pressed, %d unpressed' %
      (len(buttons), total, done, total - done))
EOF
rm -f "$log"
