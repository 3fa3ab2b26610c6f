#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quillane in Release, packages it as a .deb in build-release/ from a stripped staged
# install, and fails unless lintian finds neither error nor warning in it (see setup.sh for what
# it installs). Two checkouts of one commit give the same package byte for byte: every time in
# it is the commit's, and the checkout's path is kept out of it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
umask 022
top=$PWD

SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# Debian's compiler flags: hardening, and -ffile-prefix-map, which maps this directory to ".".
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLANE_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags"
cmake --build build-release

# Staged where dpkg-shlibdeps looks for a package's files, beside a control file naming it.
work=build-release/debian-package
root=$work/debian/quillane
rm -rf "$work" build-release/quillane_*.deb
DESTDIR="$top/$root" cmake --install build-release --strip
# As dh_strip does: the compiler's version notes are not needed either.
strip --remove-section=.comment --remove-section=.note "$root/usr/games/quillane"
doc=$root/usr/share/doc/quillane
mkdir -p "$doc"
cp packaging/copyright "$doc/copyright"
# A native package's Debian changelog is changelog.gz.
gzip -9n <packaging/changelog >"$doc/changelog.gz"
gzip -9n "$root/usr/share/man/man6/quillane.6"

printf 'Source: quillane\n\nPackage: quillane\nArchitecture: any\n' >"$work/debian/control"
mkdir -p "$root/DEBIAN"
shlibs=$(cd "$work" && dpkg-shlibdeps -O debian/quillane/usr/games/quillane)
shlibs=${shlibs#shlibs:Depends=}
size=$(find "$root" -type f -printf '%s\n' | awk '{ total += $1 } END { print int((total + 1023) / 1024) }')
arch=$(dpkg --print-architecture)
sed -e "s#\${shlibs:Depends}#$shlibs#" -e "s#\${Architecture}#$arch#" \
    -e "s#\${Installed-Size}#$size#" build-release/packaging/control >"$root/DEBIAN/control"
version=$(sed -n 's/^Version: //p' "$root/DEBIAN/control")
if [ "$version" != "$(dpkg-parsechangelog -l packaging/changelog -S Version)" ]; then
    echo "packaging/changelog does not start with version $version." >&2
    exit 1
fi
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$root/DEBIAN/md5sums"

chmod -R u=rwX,go=rX "$root"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
deb=build-release/quillane_${version}_$arch.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb"
lintian --fail-on error,warning "$deb"
echo "Built $deb"
