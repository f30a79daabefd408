#!/usr/bin/env bash
# Fidelity of our player against the reference emulator: renders the same frames of the sample
# movie (with a click on "Start the tour" after its first stop point) and of the small movies in
# fuzz/player/seeds with vantora-build --frames and with swf-oracle render, and prints the mean
# absolute difference per colour channel (0..255) of every pair and overall.
#
# Usage: bench/player/fidelity.sh BUILD-DIR [OUT-DIR]
# Needs ../shared/tools/swf-oracle installed (its ./install). Takes about a minute; run it when
# the machine is quiet.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:?usage: fidelity.sh BUILD-DIR [OUT-DIR]}"
out="${2:-$(mktemp -d)}"
oracle="${SWF_ORACLE:-$here/../shared/tools/swf-oracle/swf-oracle}"
[ -x "$oracle" ] || oracle=/work/shared/tools/swf-oracle/swf-oracle
tool="$build/src/app/vantora-build"
diff="$build/bench/player/vantora_image_difference"
export QT_QPA_PLATFORM=offscreen
export VANTORA_HOME="$out/home"
mkdir -p "$out" "$VANTORA_HOME"

pairs=()
# compare NAME MOVIE FRAMES [CLICK]
compare() {
  local name="$1" movie="$2" frames="$3" click="${4:-}"
  local ours="$out/$name/ours" theirs="$out/$name/reference"
  local clickArgs=()
  [ -n "$click" ] && clickArgs=(--click "$click")
  "$tool" --frames "$frames" "${clickArgs[@]}" -o "$ours" "$movie" >/dev/null
  nice -n 10 "$oracle" render "$movie" --frames "$frames" "${clickArgs[@]}" --out "$theirs" >"$out/$name/oracle.log" 2>&1
  for f in ${frames//,/ }; do
    pairs+=("$ours/frame-$f.png" "$theirs/frame-$f.png")
  done
}

"$tool" "$here/examples/sample/sample.vtp" -o "$out/sample.swf" >/dev/null 2>&1
compare sample "$out/sample.swf" 0,10,24,31,60,100,161,200,250,300,360,400,450,500,560 402:320@24
for seed in "$here"/fuzz/player/seeds/*.swf; do
  compare "$(basename "$seed" .swf)" "$seed" 0,1,2
done
"$diff" "${pairs[@]}"
echo "pictures in $out"
