#!/usr/bin/env bash
# Usage: deb_test.sh BUILD_DIR
# The Debian package: its contents and fields, lintian without error or warning, its desktop entry
# and metainfo, and the window test on the unpacked program reading the unpacked /etc file.
set -euo pipefail
build=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" \
  || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/quorlane_*_*.deb)
id=io.github.quorlane.Quorlane

share=./usr/share icons=./usr/share/icons/hicolor
expected=$(
  echo "lrwxrwxrwx ./usr/bin/quorlane -> ../lib/quorlane/quorlane"
  echo "lrwxrwxrwx ./usr/lib/quorlane/Quorlane.ini -> /etc/quorlane/Quorlane.ini"
  echo "-rwxr-xr-x ./usr/lib/quorlane/quorlane"
  grep -q '^QUORLANE_MAINTAINER:STRING=.*<.*@.*>' "$build/CMakeCache.txt" \
    || echo "-rw-r--r-- $share/lintian/overrides/quorlane"
  printf -- "-rw-r--r-- %s\n" ./etc/quorlane/Quorlane.ini "$share/applications/$id.desktop" \
    "$share/metainfo/$id.metainfo.xml" "$share"/doc/quorlane/{changelog.gz,copyright} \
    "$share"/man/{,ja/}man1/quorlane.1.gz "$icons/scalable/apps/$id.svg" \
    "$icons"/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png
)
diff -u <(sort <<<"$expected") \
  <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {$2 = $3 = $4 = $5 = ""; print}' | tr -s ' ' | sort)
diff -u <(echo /etc/quorlane/Quorlane.ini) <(dpkg-deb -I "$deb" conffiles)
# Each dependency on a line of its own: the platform plugins that libqt6gui6 only recommends.
depends=$(dpkg-deb -f "$deb" Depends | sed 's/, /\n/g')
for needed in 'libqt6widgets6 (>= .*)' qt6-qpa-plugins \
  'fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic'; do
  grep -qx -- "$needed" <<<"$depends" || { echo "Depends lacks '$needed': $depends"; exit 1; }
done

size=$(stat -c %s "$deb") && echo "$(basename "$deb"): $size bytes"
[ "$size" -lt 81920 ] || { echo "the package is not under 80 KB"; exit 1; }
lintian --fail-on error,warning "$deb" 2>/dev/null || { echo "lintian finds fault"; exit 1; }

root=$work/root
dpkg-deb -x "$deb" "$root"
file "$root/usr/lib/quorlane/quorlane" | grep -q ', stripped' || { echo "not stripped"; exit 1; }
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
# The link names the installed /etc; this run reads the unpacked one.
ln -sfn "$root/etc/quorlane/Quorlane.ini" "$root/usr/lib/quorlane/Quorlane.ini"
"$here/../end_to_end/window_test.sh" "$root/usr/bin/quorlane" "$root/etc/quorlane/Quorlane.ini"
