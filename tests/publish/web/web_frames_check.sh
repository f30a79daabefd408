#!/usr/bin/env bash
# Publishes a project as a web page and compares what headless Chromium shows at
# index.html#frame=N (with clicks) with the frames our player renders for the same movie:
# mean difference per channel at most MAX_MEAN/255 (device-font text is allowed more, see the
# cases). Also checks the page's size budget: the folder at most 1.5 x the movie + 100 KB, the
# runtime at most 80 KB. Fails when Chromium is missing: CI installs it.
# Usage: web_frames_check.sh VANTORA_BUILD PROJECT.vtp OUT_DIR "N[;X:Y@M...] ..."
set -euo pipefail
tool="$1" project="$2" out="$3" cases="$4"
max_mean="${MAX_MEAN:-3}"
chromium="${CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$chromium" ]; then
  echo "FAIL: $chromium is missing (apt-get install chromium)" >&2
  exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export VANTORA_HOME="$work/home" QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
mkdir -p "$out"

"$tool" "$project" -o "$work/movie.swf" >/dev/null 2>&1
"$tool" "$project" --web "$work/web" --title "Frame check" >/dev/null 2>&1
movie=$(stat -c %s "$work/movie.swf")
folder=$(du -sb --apparent-size "$work/web" | cut -f1)
runtime=$(stat -c %s "$work/web/vantora-web.js")
echo "movie $movie bytes, web folder $folder bytes, runtime $runtime bytes"
status=0
if [ "$folder" -gt $((movie * 3 / 2 + 100 * 1024)) ]; then echo "FAIL: the folder is over its budget"; status=1; fi
if [ "$runtime" -gt $((80 * 1024)) ]; then echo "FAIL: the runtime is over 80 KB"; status=1; fi

"$tool" --frames 0 -o "$work/probe" "$work/movie.swf" >/dev/null 2>&1
size=$(identify -format '%w,%h' "$work/probe/frame-0.png")
for item in $cases; do
  frame="${item%%;*}"
  clicks=()
  hash="frame=$frame"
  name="frame-$frame"
  if [ "$item" != "$frame" ]; then
    IFS=';' read -ra parts <<<"${item#*;}"
    for click in "${parts[@]}"; do
      clicks+=(--click "$click")
      hash+="&click=$click"
      name+="-${click//[:@]/_}"
    done
  fi
  rm -rf "$work/ours"
  "$tool" --frames "$frame" "${clicks[@]}" -o "$work/ours" "$work/movie.swf" >/dev/null 2>&1
  cp "$work/ours/frame-$frame.png" "$out/$name-player.png"
  "$chromium" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --hide-scrollbars --force-device-scale-factor=1 \
    --user-data-dir="$work/profile" --virtual-time-budget=5000 --window-size="$size" \
    --screenshot="$out/$name-web.png" "file://$work/web/index.html#$hash" >/dev/null 2>&1
  means=$(convert "$out/$name-player.png" "$out/$name-web.png" -alpha off -compose difference -composite \
    -format '%[fx:255*mean.r] %[fx:255*mean.g] %[fx:255*mean.b]' info:)
  worst=$(echo "$means" | tr ' ' '\n' | sort -g | tail -1)
  verdict=ok
  if awk -v w="$worst" -v m="$max_mean" 'BEGIN { exit !(w > m) }'; then verdict=FAIL; status=1; fi
  echo "$verdict: #$hash differs by $means (mean per channel, at most $max_mean)"
done
exit $status
