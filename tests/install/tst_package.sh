#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it as Debian would:
# lintian finds no error, the dependencies come from the linked libraries, and the
# files lie where the program looks for them.
#   tests/install/tst_package.sh BUILD_FOLDER
set -euo pipefail

build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb="$(ls "$work"/stylograf_*.deb)"
lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian finds errors"

depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6core6 libqt6webenginewidgets6 libqscintilla2-qt6 qt6-qpa-plugins; do
  [[ "$depends" == *"$library"* ]] || fail "no dependency on $library: $depends"
done
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for file in ./usr/bin/stylograf ./usr/lib/stylograf/stylograf-windows.so ./usr/share/stylograf/inf/selektoren.inf \
  ./usr/share/stylograf/styledefs/styles.dat ./usr/share/applications/org.stylograf.Stylograf.desktop \
  ./usr/share/icons/hicolor/48x48/apps/org.stylograf.Stylograf.png ./usr/share/doc/stylograf/copyright; do
  grep -qx "$file" <<<"$contents" || fail "$file is not in the package"
done
echo "package: fine"
