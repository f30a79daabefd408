#!/usr/bin/env bash
# Publishes the sample project with vantora-build and checks that the result plays where its
# users will play it:
#   page: the HTML page in headless Chromium, through the browser player beside it
#   app:  the Linux stand-alone program, showing frame 60 in its window
# Each saves its picture next to the build (published-page.png, published-app.png) and fails when
# the picture is (nearly) one colour. Exits 77 (skipped) when Chromium or playwright-core is missing.
# Usage: published_programs_check.sh page|app VANTORA_BUILD SAMPLE.vtp OUT_DIR
set -euo pipefail
kind="$1" tool="$2" sample="$3" out="$4"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export VANTORA_HOME="$work/home" QT_QPA_PLATFORM=offscreen VANTORA_PLAYER_QUIET=1
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"

colours() { identify -format '%k' "$1"; }

case "$kind" in
page)
  playwright="${PLAYWRIGHT_CORE:-$here/../../../shared/tools/swf-oracle/node_modules/playwright-core}"
  if [ ! -x /usr/bin/chromium ] || [ ! -f "$playwright/index.mjs" ]; then
    echo "skipped: needs /usr/bin/chromium and playwright-core (shared/tools/swf-oracle/install)"
    exit 77
  fi
  "$tool" "$sample" --html "$work/web/tour.htm" --title "Sample tour" >/dev/null 2>&1
  PLAYWRIGHT_CORE="$playwright" node "$here/page_check.mjs" "$work/web/tour.htm" "$out/published-page.png"
  ;;
app)
  "$tool" "$sample" --app "$work/tour" --title "Sample tour" >/dev/null 2>&1
  "$work/tour" --snapshot "$out/published-app.png" --frame 60
  n="$(colours "$out/published-app.png")"
  echo "$out/published-app.png: $n colours"
  [ "$n" -gt 16 ]
  ;;
*)
  echo "usage: $0 page|app VANTORA_BUILD SAMPLE.vtp OUT_DIR" >&2
  exit 2
  ;;
esac
