#!/usr/bin/env bash
# Whole-process timings of versalix4 beside Inkscape, side by side in one run
# (never part of CI): convert against `inkscape --export-plain-svg` on a large
# real drawing and on 2,000 octagons, and 3d Twirl and Fractalize against
# Inkscape's Whirl and Fractalize extensions on the octagons. The two run in
# turn; prints the median of each job and the median of the pairs' ratios.
#
#   bench/inkscape_compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
vx=$build/app/versalix4
[ -x "$vx" ] || { echo "no $vx: build first" >&2; exit 2; }

# What the comparison needs: Inkscape, its extensions' Python modules, and a
# large real drawing from Inkscape's tutorials.
need=()
command -v inkscape >/dev/null || need+=(inkscape)
# Inkscape runs its Python extensions with the system's /usr/bin/python3.
/usr/bin/python3 -c 'import lxml, numpy, cssselect' 2>/dev/null ||
  need+=(python3-lxml python3-numpy python3-cssselect)
[ -f /usr/share/inkscape/tutorials/tutorial-tracing-pixelart.svg ] || need+=(inkscape-tutorials)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi
extensions=/usr/share/inkscape/extensions

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
large=/usr/share/inkscape/tutorials/tutorial-tracing-pixelart.svg
/usr/bin/python3 - "$work/octagons.svg" <<'PY'
import math, sys
out = ['<svg xmlns="http://www.w3.org/2000/svg" width="1000" height="800" viewBox="0 0 1000 800">']
for i in range(2000):
    cx, cy = 12 + (i % 50) * 20, 12 + (i // 50) * 20
    pts = ['%.3f,%.3f' % (cx + 8 * math.cos(k * math.pi / 4), cy + 8 * math.sin(k * math.pi / 4))
           for k in range(8)]
    out.append('<path id="o%d" d="M %s Z" fill="none" stroke="#000"/>' % (i, ' L '.join(pts)))
out.append('</svg>')
open(sys.argv[1], 'w').write('\n'.join(out))
PY

# Seconds one run of a command takes (its output thrown away), read from
# the shell's own clock: no process started around the command is counted.
seconds() {
  local start end
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || true
  end=$EPOCHREALTIME
  echo "$end - $start" | bc
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One row: versalix4's command and the peer's run in turn, `runs` pairs, so
# that each of ours follows one of the peer's (as when a designer switches
# between the two) and a drift of the machine's speed touches both alike.
# Prints the median of each and the median of the pairs' ratios.
row() {  # name, then the two commands as one string each
  local name=$1 ours=$2 theirs=$3 a b
  local -a as=() bs=() ratios=()
  for _ in $(seq "$runs"); do
    a=$(eval "seconds $ours")
    b=$(eval "seconds $theirs")
    as+=("$a") bs+=("$b") ratios+=("$(echo "$b / $a" | bc -l)")
  done
  printf '%-34s %9.3f s %9.3f s %8.1fx\n' "$name" \
    "$(printf '%s\n' "${as[@]}" | median)" "$(printf '%s\n' "${bs[@]}" | median)" \
    "$(printf '%s\n' "${ratios[@]}" | median)"
}

printf '%-34s %11s %11s %9s\n' job versalix4 inkscape ratio
row "convert (tracing-pixelart.svg)" \
  '"$vx" convert "$large" -o "$work/a.svg"' \
  'inkscape "$large" --export-plain-svg --export-filename="$work/b.svg"'
row "convert (2,000 octagons)" \
  '"$vx" convert "$work/octagons.svg" -o "$work/a.svg"' \
  'inkscape "$work/octagons.svg" --export-plain-svg --export-filename="$work/b.svg"'
# The extensions act on the selection: Inkscape passes one --id a selected
# object.
mapfile -t ids < <(seq -f '--id=o%g' 0 1999)
row "3d Twirl / Whirl extension" \
  '"$vx" 3d "$work/octagons.svg" -o "$work/a.svg" --kind Twirl' \
  'env PYTHONPATH="$extensions" /usr/bin/python3 "$extensions/whirl.py" --whirl=1 "${ids[@]}" "$work/octagons.svg"'
row "fractalize / Fractalize extension" \
  '"$vx" fractalize "$work/octagons.svg" -o "$work/a.svg" --generator 1 --level 3' \
  'env PYTHONPATH="$extensions" /usr/bin/python3 "$extensions/fractalize.py" --subdivs=3 --smooth=4 "${ids[@]}" "$work/octagons.svg"'
