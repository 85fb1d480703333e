#!/bin/sh
# Installs the build into a temporary DESTDIR and checks what lands there: the file list, the
# desktop entry and AppStream file against their validators, the help and sound beside the
# installed program, and the data folder the man page and unit name.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
dest=$(mktemp -d)
lists=$(mktemp -d)
trap 'rm -rf "$dest" "$lists"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null

# The sound, network and parent's page modules, in the library folder the build was configured with.
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
expected="usr/bin/timeward
usr/bin/timeward-keeper
usr/bin/twreg
usr/$libdir/timeward/libtimeward-http.so
usr/$libdir/timeward/libtimeward-sound.so
usr/$libdir/timeward/libtimeward-web.so
usr/lib/systemd/system/timeward-keeper.service
usr/lib/systemd/user/timeward.service
usr/share/applications/timeward.desktop
usr/share/icons/hicolor/128x128/apps/timeward.png
usr/share/icons/hicolor/16x16/apps/timeward.png
usr/share/icons/hicolor/22x22/apps/timeward.png
usr/share/icons/hicolor/24x24/apps/timeward.png
usr/share/icons/hicolor/256x256/apps/timeward.png
usr/share/icons/hicolor/32x32/apps/timeward.png
usr/share/icons/hicolor/48x48/apps/timeward.png
usr/share/icons/hicolor/64x64/apps/timeward.png
usr/share/icons/hicolor/scalable/apps/timeward.svg
usr/share/man/man1/timeward.1
usr/share/man/man1/twreg.1
usr/share/metainfo/org.timeward.timeward.metainfo.xml
usr/share/timeward/shutdown.wav
usr/share/timeward/translations/timeward_de.qm
usr/share/timeward/translations/timeward_es.qm
usr/share/timeward/translations/timeward_fr.qm"
# Every help page is installed as it is in the source.
help=$(cd "$source/help" && find . -type f | sed 's|^\./|usr/share/timeward/help/|')
want=$(printf '%s\n%s\n' "$expected" "$help" | LC_ALL=C sort)
got=$(cd "$dest" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$want" != "$got" ]; then
    echo "installed files differ from the expected list:"
    echo "$want" >"$lists/expected"
    echo "$got" >"$lists/installed"
    diff -u "$lists/expected" "$lists/installed" || true
    exit 1
fi

# The program loads its modules from the folder it was built to look in, relative to its own.
modules=$(strings -e l "$dest/usr/bin/timeward" | grep -x "\.\./$libdir/timeward" | head -n 1)
[ -n "$modules" ] && [ -f "$dest/usr/bin/$modules/libtimeward-sound.so" ] ||
    { echo "modules not found where the program looks for them"; exit 1; }
# The program looks for help/ in ../share/timeward from its own folder.
[ -f "$dest/usr/bin/../share/timeward/help/index.html" ] || { echo "help not found beside the binary"; exit 1; }
# The translations are found the same way, and are real compiled catalogues (magic number).
for language in de fr es; do
    qm="$dest/usr/bin/../share/timeward/translations/timeward_$language.qm"
    [ "$(od -An -tx1 -N4 "$qm" | tr -d ' ')" = "3cb86418" ] || { echo "timeward_$language.qm is not a translation"; exit 1; }
done
grep -qx "Exec=timeward" "$dest/usr/share/applications/timeward.desktop" || { echo "Exec names no installed binary"; exit 1; }
grep -qx "ExecStart=/usr/bin/timeward" "$dest/usr/lib/systemd/user/timeward.service" ||
    { echo "unit names no installed binary"; exit 1; }
grep -qx "Restart=on-failure" "$dest/usr/lib/systemd/user/timeward.service" || { echo "unit does not restart"; exit 1; }
grep -q "^ExecStart=/usr/bin/timeward-keeper" "$dest/usr/lib/systemd/system/timeward-keeper.service" ||
    { echo "keeper unit names no installed binary"; exit 1; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$dest/usr/share/applications/timeward.desktop"
else
    echo "desktop-file-validate not installed: entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$dest/usr/share/metainfo/org.timeward.timeward.metainfo.xml" >/dev/null
else
    echo "appstreamcli not installed: AppStream file not validated"
fi
if command -v man >/dev/null; then
    for page in timeward twreg; do
        out=$(MANWIDTH=80 man --warnings=w -l "$dest/usr/share/man/man1/$page.1" 2>&1 >/dev/null)
        [ -z "$out" ] || { echo "man page $page: $out"; exit 1; }
    done
fi
echo "install ok"
