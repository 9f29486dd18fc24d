#!/usr/bin/env bash
# Benchmark (not a test) of asking many servers: 300 stand-in game servers behind one master on
# loopback, each answering after 20-400 ms. The launcher's queries (servers_bench.exe, under
# Wine) and Debian's `quakestat -tbm` with its defaults ask the same list in the same run; both
# times and their ratio are printed. Then REFRESHES= refreshes (default 20), BETWEEN= seconds
# apart (default 5), print the processor time spent while waiting and the working set.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
REFRESHES="${REFRESHES:-20}"
BETWEEN="${BETWEEN:-5}"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"

BUILD_TARGETS=(servers_bench)
source "$ROOT/tools/build-windows.sh"
WINE_BUILD="$BUILD/benchmark-servers"
mkdir -p "$WINE_BUILD"
source "$ROOT/tools/wine-session.sh"

READY="$WINE_BUILD/stand-in.ready"
rm -f "$READY"
python3 -B "$ROOT/tools/stand_in/game_servers.py" --count 300 --delay 20-400 \
  --lifetime $((60 + REFRESHES * (BETWEEN + 3))) --ready "$READY" &
STAND_IN=$!
trap 'kill "$STAND_IN" 2>/dev/null || true; end_wine_session' EXIT
for _ in $(seq 200); do [[ -s "$READY" ]] && break; sleep 0.1; done
MASTER="$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["master"])' "$READY")"

# A first start of Wine's programs is slow; it is not what is measured.
wine "$BUILD/x86_64/bin/servers_bench.exe" "$MASTER" 1 0 >/dev/null || true

start=$(date +%s.%N)
wine "$BUILD/x86_64/bin/servers_bench.exe" "$MASTER" 1 0 | tee "$WINE_BUILD/first.log"
launcher="$(sed -E 's/.* answered ([0-9.]+) s after.*/\1/' "$WINE_BUILD/first.log")"
echo "(servers_bench.exe ran $(echo "$(date +%s.%N) - $start" | bc) s, Wine's start included)"

start=$(date +%s.%N)
answered="$(quakestat -raw , -tbm "127.0.0.1:$MASTER" | grep -cE '^TBS,.*,[0-9]+,[0-9]+,[0-9]+,[0-9]+$' || true)"
qstat="$(echo "$(date +%s.%N) - $start" | bc)"
echo "quakestat -tbm: $answered servers answered in $qstat s"
echo "launcher's queries: every server in $launcher s; quakestat takes $(echo "scale=1; $qstat / $launcher" | bc) times as long"

echo "$REFRESHES refreshes, $BETWEEN s apart:"
wine "$BUILD/x86_64/bin/servers_bench.exe" "$MASTER" "$REFRESHES" "$BETWEEN"
echo "load average at end:   $(cut -d' ' -f1-3 /proc/loadavg)"
