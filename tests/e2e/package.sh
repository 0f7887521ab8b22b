#!/usr/bin/env bash
# Makes the Debian package from the build as the README says (cpack) and checks it as Debian
# would: lintian finds no error and no warning; the package carries the project's version, its
# manual page, changelog and copyright file, and recommends xdg-utils (Visit and the Help
# items open pages through xdg-open).
set -euo pipefail
brimel=$(realpath "$1")
build=$(dirname "$(dirname "$brimel")")
[ -f "$build/CPackConfig.cmake" ] || { echo "FAIL: no CPack configuration in $build"; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/xvfb.sh
source "$here/../../tools/xvfb.sh"

for tool in cpack lintian dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (bash tools/deps.sh)"; exit 1; }
done

make_work_dir
fail() { echo "FAIL: $*"; exit 1; }
manifest=$(cat "$build/install_manifest.txt" 2>/dev/null || true)

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack made no package"; }
deb=$(ls "$work"/out/brimel_*.deb)
echo "ok: cpack made $(basename "$deb")"

lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian found faults"; }
grep -E '^[EW]: ' "$work/lintian.log" && fail "lintian reported errors or warnings"
echo "ok: lintian reports no error and no warning"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not the project's $version"
dpkg-deb -f "$deb" Recommends | grep -qw xdg-utils || fail "the package does not recommend xdg-utils"
dpkg-deb -c "$deb" >"$work/contents"
for f in usr/bin/brimel usr/share/man/man1/brimel.1.gz usr/share/doc/brimel/copyright \
         usr/share/doc/brimel/changelog.gz; do
  grep -q " \./$f\$" "$work/contents" || fail "the package lacks $f"
done
dpkg-deb -x "$deb" "$work/root"
zcat "$work/root/usr/share/doc/brimel/changelog.gz" | head -n 1 | grep -qF "brimel ($version)" ||
  fail "the changelog's latest entry is not $version"
zcat "$work/root/usr/share/man/man1/brimel.1.gz" | grep -qF "Brimel $version" || fail "the manual page names no $version"
echo "ok: version $version, manual page, changelog, copyright file, Recommends: xdg-utils"
[ "$(cat "$build/install_manifest.txt" 2>/dev/null)" = "$manifest" ] ||
  fail "packing replaced build/install_manifest.txt, the list an install is removed by"
echo "ok: build/install_manifest.txt is left as it was"
echo "e2e package: all passed"
