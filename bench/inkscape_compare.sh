#!/usr/bin/env bash
# Whole-process timings of versalix4 beside Inkscape, side by side in one run
# (never part of CI): convert against `inkscape --export-plain-svg` on a large
# real drawing and on 2,000 octagons, and 3d Twirl and Fractalize against
# Inkscape's Whirl and Fractalize extensions on the octagons. Prints the
# median of each job and the ratios.
#
#   bench/inkscape_compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
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

# median seconds of `runs` runs of a command (output to /dev/null)
median() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc)")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

row() {  # name, versalix4 seconds, inkscape seconds
  printf '%-34s %9.3f s %9.3f s %8.1fx\n' "$1" "$2" "$3" "$(echo "$3 / $2" | bc -l)"
}

printf '%-34s %11s %11s %9s\n' job versalix4 inkscape ratio
row "convert (tracing-pixelart.svg)" \
  "$(median "$vx" convert "$large" -o "$work/a.svg")" \
  "$(median inkscape "$large" --export-plain-svg --export-filename="$work/b.svg")"
row "convert (2,000 octagons)" \
  "$(median "$vx" convert "$work/octagons.svg" -o "$work/a.svg")" \
  "$(median inkscape "$work/octagons.svg" --export-plain-svg --export-filename="$work/b.svg")"
# The extensions act on the selection: Inkscape passes one --id a selected
# object.
mapfile -t ids < <(seq -f '--id=o%g' 0 1999)
row "3d Twirl / Whirl extension" \
  "$(median "$vx" 3d "$work/octagons.svg" -o "$work/a.svg" --kind Twirl)" \
  "$(median env PYTHONPATH="$extensions" /usr/bin/python3 "$extensions/whirl.py" --whirl=1 "${ids[@]}" "$work/octagons.svg")"
row "fractalize / Fractalize extension" \
  "$(median "$vx" fractalize "$work/octagons.svg" -o "$work/a.svg" --generator 1 --level 3)" \
  "$(median env PYTHONPATH="$extensions" /usr/bin/python3 "$extensions/fractalize.py" --subdivs=3 --smooth=4 "${ids[@]}" "$work/octagons.svg")"
