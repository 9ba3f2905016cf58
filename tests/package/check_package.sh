#!/usr/bin/env bash
# Inspects the Debian package that scripts/package built: its files, its
# dependencies and lintian's verdict. As root, and when brindlex is not
# installed already, it then installs the package for real with apt, plays
# the game started from its menu entry's Exec line as an ordinary user, and
# removes the package again.
# Usage: check_package.sh DEB SEND-CLOSE
set -euo pipefail
deb=$(readlink -f "$1") send_close=$2
here=$(dirname "$(readlink -f "$0")")
"$here/../../scripts/install-packages" lintian
fail() { echo "FAIL: $*" >&2; exit 1; }

id=io.github.brindlex.Brindlex
expected=(
    ./usr/bin/brindlex-ini
    ./usr/games/brindlex
    ./usr/share/applications/$id.desktop
    ./usr/share/doc/brindlex/changelog.gz
    ./usr/share/doc/brindlex/copyright
    ./usr/share/man/man1/brindlex-ini.1.gz
    ./usr/share/man/man6/brindlex.6.gz
    ./usr/share/metainfo/$id.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort) ||
    fail "the package's files differ from the list (< expected, > packaged)"

# The libraries the binaries link, found by dpkg-shlibdeps, and the platform
# plugins that Qt loads at run time; Qt's Wayland plugin is recommended only,
# as the game runs through XWayland without it.
depends=$(dpkg-deb -f "$deb" Depends) recommends=$(dpkg-deb -f "$deb" Recommends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package: $depends"
done
[[ ", $recommends," == *", qt6-wayland,"* ]] || fail "Recommends lacks qt6-wayland: $recommends"

lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors"

if [ "$(id -u)" -ne 0 ]; then
    echo "package: not root, so the package is not installed for real"
    exit 0
fi
if dpkg-query -W -f='${Status}' brindlex 2>/dev/null | grep -q 'install ok installed'; then
    echo "package: brindlex is installed already, so it is not installed for real here"
    exit 0
fi
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq brindlex >/dev/null' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt could not install $deb"
desktop=/usr/share/applications/$id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = /usr/games/brindlex ] || fail "the menu entry starts '$exec_line'"
"$here/../install/play_as_user.sh" "$exec_line" "$send_close" /usr/bin/brindlex-ini
echo "package: files, dependencies and lintian as expected; installed, played and removed"
