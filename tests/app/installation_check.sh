#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that an installed Vantora holds every program
# and shipped file it looks for, then publishes the sample as a Windows program, an AutoRun folder
# and a web page with the installed vantora-build and the installed files alone.
# Usage: installation_check.sh BUILD_DIR SAMPLE.vtp
set -euo pipefail
build="$1" sample="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

missing=0
for file in bin/vantora bin/vantora-build bin/vantora-player bin/discora bin/Grabbit \
  share/vantora/Player.exe share/vantora/autorun.exe share/vantora/Default.ico \
  share/vantora/ruffle/ruffle.js share/vantora/DefaultClick.wav share/applications/vantora.desktop \
  share/vantora/manual/index.html share/vantora/manual/images/check-demo.png; do
  if [ ! -s "$prefix/$file" ]; then
    echo "missing from the installation: $file"
    missing=1
  fi
done
for folder in Cursors Images Buttons Audios Gallery; do
  if [ -z "$(ls -A "$prefix/share/vantora/$folder" 2>/dev/null)" ]; then
    echo "empty or missing in the installation: share/vantora/$folder"
    missing=1
  fi
done
[ "$missing" = 0 ]

# Only the installed shipped files: the build's own resource folder is out of reach.
export VANTORA_RESOURCES="$prefix/share/vantora" VANTORA_HOME="$work/home" QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
tool="$prefix/bin/vantora-build"
"$tool" "$sample" --exe "$work/out/tour.exe" >/dev/null 2>&1
"$tool" "$sample" --autorun "$work/out/cd" --autorun-with html >/dev/null 2>&1
"$tool" "$sample" --html "$work/out/web/tour.htm" >/dev/null 2>&1
for file in tour.exe cd/autorun.exe cd/autorun.inf cd/autorun.swf web/tour.htm web/tour.swf web/ruffle/ruffle.js; do
  if [ ! -s "$work/out/$file" ]; then
    echo "not published from the installation: $file"
    exit 1
  fi
done
# The published program starts with the installed player's bytes.
[ "$(head -c 2 "$work/out/tour.exe")" = "MZ" ]
echo "installation complete; published a program, an AutoRun folder and a page from it"
