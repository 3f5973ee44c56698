#!/usr/bin/env bash
# The Debian package as a user receives it, from the programs already built:
# cpack packs the install rules, the package is unpacked into a scratch root
# (nothing is installed on this machine), and the unpacked programs run from
# there on a scratch exchange folder, away from the source and build trees.
#
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
suite_pid=""
cleanup() {
  if [ -n "$suite_pid" ]; then kill -KILL "$suite_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack could not build the package"
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${#debs[@]} packages: ${debs[*]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "radod_${version}_${arch}.deb" ] || fail "package file named $(basename "$deb")"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = radod ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project says $version"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ "$(field Description | wc -l)" -ge 3 ] || fail "no extended description"
# Libraries seen in the binaries, QML modules only in the documents; the
# templates are imported by the Material style's own documents, not by ours.
depends=$(field Depends)
for p in libc6 libqt6quick6 libqt6quickwidgets6 libqt6network6 \
         qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls \
         qml6-module-qtquick-shapes qml6-module-qtquick-templates qml6-module-qtqml; do
  [[ ", $depends," == *", $p "* || ", $depends," == *", $p,"* ]] || fail "Depends lacks $p: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
doc=usr/share/doc/radod
for f in usr/bin/radod-panels usr/bin/radod-bridge usr/bin/radod-inspect \
         usr/share/radod/radod-flightgear.xml \
         usr/share/applications/radod-panels.desktop \
         usr/share/icons/hicolor/256x256/apps/radod-panels.png \
         $doc/README.md $doc/copyright $doc/changelog.gz \
         $doc/fonts/README.md $doc/fonts/LICENSE.B612.txt $doc/fonts/LICENSE.DSEG.txt \
         $doc/fonts/LICENSE.DejaVu.txt; do
  [ -s "$root/$f" ] || fail "the package lacks /$f"
done
for p in radod-panels radod-bridge radod-inspect; do
  [ -x "$root/usr/bin/$p" ] || fail "/usr/bin/$p is not executable"
done
cmp -s "$root/usr/share/radod/radod-flightgear.xml" "$(dirname "$0")/../../tools/bridge/radod-flightgear.xml" \
  || fail "the installed FlightGear protocol differs from the bridge's"
# The icon is a PNG of the size its folder names.
png="$root/usr/share/icons/hicolor/256x256/apps/radod-panels.png"
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the icon is not a PNG"
[ "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')" = "0 0 1 0 0 0 1 0" ] || fail "the icon is not 256 x 256"
# The desktop entry starts the installed suite and names the installed icon.
desktop="$root/usr/share/applications/radod-panels.desktop"
grep -qx 'Exec=radod-panels' "$desktop" || fail "the desktop entry does not start radod-panels"
grep -qx 'Icon=radod-panels' "$desktop" || fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi

# The unpacked suite started as from the desktop menu, the first time: in a
# fresh home without an exchange folder, so on the default one, which the
# suite creates. Its six windows open, and it writes their default layouts.
mkdir -p "$work/home"
exchange=$work/home/Radod/instrumentos
cd /
env -u RADOD_EXCHANGE_DIR HOME="$work/home" QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
  "$root/usr/bin/radod-panels" >"$work/suite.log" 2>&1 &
suite_pid=$!
for _ in $(seq 300); do
  grep -q 'Start-up finished: 6 windows' "$work/suite.log" && break
  kill -0 "$suite_pid" 2>/dev/null || break
  sleep 0.1
done
grep -q 'Start-up finished: 6 windows' "$work/suite.log" || { cat "$work/suite.log" >&2; fail "the suite did not open its six windows"; }
# Every Qt plugin and QML module it has loaded (no program links them, so
# dpkg-shlibdeps cannot see them) comes from a package the package depends on.
mapfile -t loaded < <(grep -o '/[^ ]*/qt6/\(plugins\|qml\)/[^ ]*\.so' "/proc/$suite_pid/maps" | sort -u)
[ ${#loaded[@]} -gt 0 ] || fail "the suite loaded no Qt plugin"
for owner in $(dpkg -S "${loaded[@]}" | cut -d: -f1 | sort -u); do
  [[ ", $depends," == *", $owner "* || ", $depends," == *", $owner,"* ]] \
    || fail "the suite loads plugins of $owner, which Depends lacks: $depends"
done
kill -TERM "$suite_pid"
status=0
wait "$suite_pid" || status=$?
suite_pid=""
[ "$status" -eq 0 ] || { cat "$work/suite.log" >&2; fail "the suite ended with status $status on SIGTERM"; }
for f in configCaravan.txt configBaron.txt config.txt configStandBy.txt configRadio.txt; do
  [ -s "$exchange/$f" ] || fail "the suite did not write $f"
done

# The unpacked bridge, for a second of the demo flight.
HOME=$work/home "$root/usr/bin/radod-bridge" demo --exchange "$exchange" --stop-after 1 >"$work/bridge.log" 2>&1 \
  || { cat "$work/bridge.log" >&2; fail "the bridge failed"; }
[ "$(tr -cd ';' <"$exchange/TimedProcessing.txt" | wc -c)" -eq 106 ] || fail "the bridge wrote no 107-field vector"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
else
  echo "lintian is not installed: not run"
fi
echo "package $(basename "$deb") checked"
