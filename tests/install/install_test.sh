#!/bin/sh
# Installs the build into a scratch prefix as `cmake --install` does, checks
# that every file is there and valid and that the installed program starts
# without a display; then builds the Debian package and checks its contents,
# and with lintian, where it is installed, that Debian would accept it.
# usage: install_test.sh BUILD_DIR VERSION HARDENED(0|1)
set -u
build=$1
version=$2
hardened=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

files="bin/quorvel
share/applications/quorvel.desktop
share/mime/packages/quorvel.xml
share/metainfo/org.quorvel.Quorvel.metainfo.xml
share/man/man1/quorvel.1.gz
share/doc/quorvel/LICENSE
share/doc/quorvel/copyright
share/doc/quorvel/changelog.gz
share/icons/hicolor/scalable/apps/quorvel.svg"
for size in 16 24 32 48 64 128 256; do
    files="$files
share/icons/hicolor/${size}x${size}/apps/quorvel.png"
done

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" > "$scratch/log" 2>&1 || fail "cmake --install: $(cat "$scratch/log")"
for file in $files; do
    [ -s "$prefix/$file" ] || fail "$file not installed"
done
desktop-file-validate "$prefix/share/applications/quorvel.desktop" || fail "desktop file"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml" \
    > "$scratch/log" 2>&1 || fail "metainfo: $(cat "$scratch/log")"
# The menu entry starts the program by the name installed, with its icon.
grep -qx 'Exec=quorvel %F' "$prefix/share/applications/quorvel.desktop" || fail "Exec"
grep -qx 'Icon=quorvel' "$prefix/share/applications/quorvel.desktop" || fail "Icon"
man -l "$prefix/share/man/man1/quorvel.1.gz" > "$scratch/man" 2> "$scratch/log" && [ ! -s "$scratch/log" ] ||
    fail "man page: $(cat "$scratch/log")"
# Every long option that --help names.
options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/quorvel" --help | grep -o -- '--[a-z]*' | sort -u)
[ -n "$options" ] || fail "--help names no option"
for option in $options; do
    grep -q -- "$option" "$scratch/man" || fail "man page omits $option"
done
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/quorvel" --version)" = "quorvel $version" ] ||
    fail "installed program's --version"
gzip -dc "$prefix/share/doc/quorvel/changelog.gz" | head -n 1 | grep -qF "quorvel ($version)" ||
    fail "changelog's latest entry is not $version"
# The install refreshed the prefix's MIME and desktop databases.
[ -s "$prefix/share/mime/application/x-quorvel.xml" ] || fail "MIME database not updated"
grep -qx 'application/x-quorvel=quorvel.desktop;' "$prefix/share/applications/mimeinfo.cache" ||
    fail "desktop database not updated"
if [ "$hardened" = 1 ]; then
    readelf -d "$prefix/bin/quorvel" | grep -q 'FLAGS.*BIND_NOW' || fail "program not linked -z now"
    readelf --dyn-syms -W "$prefix/bin/quorvel" | grep -q '__[a-z_]*_chk@' || fail "no fortified calls"
fi

# The package: every installed file under /usr, and libraries' packages
# found by dpkg-shlibdeps.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" > "$scratch/log" 2>&1 ||
    fail "cpack: $(cat "$scratch/log")"
deb=$scratch/package/quorvel_${version}_$(dpkg --print-architecture).deb
dpkg-deb --contents "$deb" > "$scratch/contents" || fail "no package $deb"
for file in $files; do
    grep -q " \./usr/$file\$" "$scratch/contents" || fail "package lacks /usr/$file"
done
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends: $(dpkg-deb --field "$deb" Depends)"
if command -v lintian > /dev/null; then
    lintian --fail-on error,warning "$deb" > "$scratch/log" 2>&1 || fail "lintian: $(grep -v '^running with root' "$scratch/log")"
else
    echo "lintian not installed: the package was not checked with it"
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
