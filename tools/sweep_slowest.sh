#!/usr/bin/env bash
# Lists the slowest states of a state sweep run: the processor time of each
# state's full repaint, as the sweep wrote it with PEMRO_SWEEP_OUT=DIR.
#   tools/sweep_slowest.sh DIR [COUNT]
set -euo pipefail
dir=${1:?usage: tools/sweep_slowest.sh DIR [COUNT]}
count=${2:-20}
cat "$dir"/*.times | sort -t $'\t' -k4,4 -g -r | head -n "$count" |
  awk -F'\t' '{ printf "%8.3f s  %-6s %5s  %s\n", $4, $1, $2, $3 }'
