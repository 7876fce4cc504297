#!/usr/bin/env bash
# The Debian package built from a build folder holds the three programs, the
# desktop entry (valid), the icon and the man pages; everything it depends on
# is a Debian package this machine has; and the console starts from the
# unpacked files against its built-in simulated camera.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/pivora usr/bin/pivora-sim usr/bin/pivora-play usr/share/applications/pivora.desktop \
         usr/share/icons/hicolor/scalable/apps/pivora.svg usr/share/man/man1/pivora.1 \
         usr/share/man/man1/pivora-sim.1 usr/share/man/man1/pivora-play.1; do
  [ -e "$work/root/$f" ] || { echo "not in the package: $f"; exit 1; }
done
desktop-file-validate "$work/root/usr/share/applications/pivora.desktop"
for page in "$work"/root/usr/share/man/man1/*.1; do
  grep -q '^\.TH ' "$page" || { echo "not a man page: $page"; exit 1; }
done

# Every dependency (the first of any alternatives) is an installed package.
deps=$(dpkg-deb -f "$deb" Depends)
[ -n "$deps" ] || { echo "the package names no dependencies"; exit 1; }
IFS=',' read -ra list <<<"$deps"
for d in "${list[@]}"; do
  name=$(echo "${d%%|*}" | sed 's/(.*)//; s/ //g')
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" || { echo "missing dependency $name"; exit 1; }
done

# The console from the unpacked files: still running after four seconds,
# its settings written.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
set +e
timeout 4 "$work/root/usr/bin/pivora" --simulate --data-dir "$work/data" >"$work/run.log" 2>&1
rc=$?
set -e
[ "$rc" -eq 124 ] || { echo "pivora ended early with $rc"; cat "$work/run.log"; exit 1; }
[ -s "$work/config/Vexa/Pivora.conf" ] || { echo "no settings written"; exit 1; }
echo "package $(basename "$deb"): $(echo "${list[@]}" | wc -w) dependencies, all present; pivora --simulate started"
