#!/usr/bin/env bash
# The main job: install what is missing and build, then try the programs on a
# virtual radio, so it does something real with no radio and no display:
# kx40-radio-sim serves a radio on a pseudo-terminal, kx40ctl reads it into
# build/demo/radio.dat and prints what it read. With a display the window
# opens afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKX40_TESTS=OFF
cmake --build build

ctl=build/cli/kx40ctl
demo=build/demo
mkdir -p "$demo"
# The radio's memory: a new radio with a small channel plan.
"$ctl" new --band "400 - 470MHz" --out "$demo/plan.dat"
"$ctl" import scripts/demo-channels.csv --base "$demo/plan.dat" --out "$demo/plan.dat"

build/sim/kx40-radio-sim --memory "$demo/plan.dat" >"$demo/sim.out" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s "$demo/sim.out" ] && break
    kill -0 "$sim" 2>/dev/null || { echo "kx40-radio-sim did not start" >&2; exit 1; }
    sleep 0.1
done
device=$(head -n 1 "$demo/sim.out")
echo "virtual radio on $device"

"$ctl" read --port "$device" --out "$demo/radio.dat"
"$ctl" show "$demo/radio.dat"
kill "$sim" 2>/dev/null || true

if [ -n "${DISPLAY:-}" ]; then
    echo "opening the window; File > Open $demo/radio.dat shows what was read"
    build/app/kx40
else
    echo "no display: the window was not started. Start it from a desktop session,"
    echo "or under a virtual display: xvfb-run -a build/app/kx40"
fi
