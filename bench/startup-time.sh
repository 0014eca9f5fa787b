#!/usr/bin/env bash
# Start-up to the shown main window: median of 10 runs of the program, which quits as soon as the
# window is up (offscreen, no welcome window, the simulated brick).
set -euo pipefail
cd "$(dirname "$0")/.."
app=out/src/gui/app/tarvel-lab
export QT_QPA_PLATFORM=offscreen
printf '1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n%s\r\n1\r\n' "$PWD/out/src/gui/app/appdir/Clib_J2A1_USB0.LIB" > out/src/gui/app/appdir/Config.txt
times=()
for i in $(seq 10); do
  start=$(date +%s%N)
  "$app" --quit-after-start 2>/dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up runs (ms): ${times[*]}"
echo "median: $(( (sorted[4] + sorted[5]) / 2 )) ms"
