#!/usr/bin/env bash
# Makes the Debian package from the build and checks what it holds and needs: every program in
# /usr/bin, the shipped material in /usr/share/vantora, the desktop files, nothing outside /usr,
# and dependencies worked out from the programs' libraries.
# Usage: package_check.sh BUILD_DIR VERSION
set -euo pipefail
build="$1" version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# gzip: the check needs the package's contents, not xz's smaller file.
(cd "$build" && cpack -G DEB -B "$work" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
deb="$work/vantora_${version}_amd64.deb"
[ -s "$deb" ] || { echo "no $deb; cpack made: $(ls "$work")"; exit 1; }

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
failed=0
for file in /usr/bin/vantora /usr/bin/vantora-build /usr/bin/vantora-player /usr/bin/discora /usr/bin/Grabbit \
  /usr/share/vantora/Player.exe /usr/share/vantora/autorun.exe /usr/share/vantora/Default.ico \
  /usr/share/vantora/ruffle/ruffle.js /usr/share/vantora/DefaultClick.wav /usr/share/vantora/manual/index.html \
  /usr/share/applications/vantora.desktop /usr/share/mime/packages/vantora.xml \
  /usr/share/icons/hicolor/256x256/apps/vantora.png; do
  grep -qx "$file" "$work/files" || { echo "missing from the package: $file"; failed=1; }
done
for folder in Cursors Images Buttons Audios Gallery; do
  grep -q "^/usr/share/vantora/$folder/." "$work/files" || { echo "empty in the package: $folder"; failed=1; }
done
outside=$(grep -v '^/usr/\|^/$\|^/usr$' "$work/files" || true)
[ -z "$outside" ] || { echo "files outside /usr: $outside"; failed=1; }

[ "$(dpkg-deb -f "$deb" Package)" = vantora ] || { echo "package name: $(dpkg-deb -f "$deb" Package)"; failed=1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "version: $(dpkg-deb -f "$deb" Version)"; failed=1; }
depends=$(dpkg-deb -f "$deb" Depends)
# Worked out by dpkg-shlibdeps from the programs: Qt, libburn and the C library are among them.
for library in libc6 libqt6widgets6 libqt6multimedia6 libburn4 libjpeg62-turbo gstreamer1.0-plugins-good; do
  case ", $depends," in *", $library"[\ ,]*) ;; *) echo "not a dependency: $library (Depends: $depends)"; failed=1 ;; esac
done
[ "$failed" = 0 ]
echo "package holds $(wc -l <"$work/files") entries; Depends: $depends"
