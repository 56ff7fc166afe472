#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built in the folder $1: its files, its
# dependencies, the desktop entry and AppStream metadata by their validators, the man page
# against --help, and the installed program run from another folder. Exit 77 (skipped) when no
# package was built.
set -uo pipefail
deb=$(ls "$1"/quillon_*_amd64.deb 2>/dev/null | head -n1)
[ -n "$deb" ] && deb=$(realpath "$deb")
if [ -z "$deb" ]; then
    echo "no package in $1 (scripts/package.sh builds it)"
    exit 77
fi
passed=0
failed=0
check() { # description, command...
    local what=$1
    shift
    if "$@" >/tmp/quillon_check.$$ 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
        sed 's/^/    /' /tmp/quillon_check.$$
    fi
}

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in ./usr/bin/quillon ./usr/share/quillon/{nohelp,punkt,Tetraeder,Ebene_und_Punkt,Ellipse_aT}.rtf \
    ./usr/share/applications/quillon.desktop \
    ./usr/share/metainfo/org.quillon.Quillon.metainfo.xml ./usr/share/man/man1/quillon.1.gz \
    ./usr/share/icons/hicolor/scalable/apps/quillon.svg \
    ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/quillon.png; do
    check "the package holds $f" grep -qxF "$f" <<<"$contents"
done
depends=$(dpkg-deb --field "$deb" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation2; do
    check "it depends on $d" grep -q "$d" <<<"$depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root" /tmp/quillon_check.$$' EXIT
dpkg -x "$deb" "$root"
check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/quillon.desktop"
check "appstreamcli validate" appstreamcli validate --no-net \
    "$root/usr/share/metainfo/org.quillon.Quillon.metainfo.xml"

# The installed program, started from another folder, finds its help pages in its data folder.
cd "$(mktemp -d -p "$root")"
export QT_QPA_PLATFORM=offscreen
version=$(dpkg-deb --field "$deb" Version)
out=$("$root/usr/bin/quillon" --version)
check "--version names version $version" grep -qx "Quillon $version" <<<"$out"
check "--version finds the help pages" grep -qx "help pages: $root/usr/share/quillon" <<<"$out"
check "an example runs headless" bash -c \
    "'$root/usr/bin/quillon' --example 'Kugel mit Ebene' | grep -q 'Ergebnisse:'"

# Every option that --help names is in the man page.
man=$(zcat "$root/usr/share/man/man1/quillon.1.gz" | sed 's/\\-/-/g')
for o in $("$root/usr/bin/quillon" --help | grep -o -- '--[a-z]*' | sort -u); do
    check "the man page names $o" grep -q -- "$o" <<<"$man"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
