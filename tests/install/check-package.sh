#!/bin/sh
# Builds the Debian package from the build tree and lists it: the files it carries and the
# packages it depends on.
# Usage: check-package.sh BUILD_DIR
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/timeward_*.deb)
dpkg-deb -c "$deb"
for f in ./usr/bin/timeward ./usr/bin/twreg ./usr/bin/timeward-keeper ./usr/share/applications/timeward.desktop \
         ./usr/share/timeward/help/index.html ./usr/share/timeward/shutdown.wav \
         ./usr/share/metainfo/org.timeward.timeward.metainfo.xml ./usr/lib/systemd/user/timeward.service \
         ./usr/lib/systemd/system/timeward-keeper.service \
         ./usr/lib/timeward/libtimeward-sound.so ./usr/lib/timeward/libtimeward-http.so \
         ./usr/lib/timeward/libtimeward-web.so; do
    dpkg-deb -c "$deb" | grep -q " $f\$" || { echo "missing from the package: $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6dbus6 libqt6multimedia6 libqt6network6 libsqlite3-0 libssl3 libqrencode4 dbus; do
    echo "$depends" | grep -q "$p" || { echo "the package does not depend on $p"; exit 1; }
done
echo "package ok"
