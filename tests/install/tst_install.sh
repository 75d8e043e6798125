#!/usr/bin/env bash
# Installs the build into a temporary prefix as the package does and uses the
# installed program as a user would: its command-line reports, then its window
# (offscreen), which must make the user's folders and write nothing under the prefix.
#   tests/install/tst_install.sh BUILD_FOLDER
set -euo pipefail

build="$1"
work="$(mktemp -d)"
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$work/root/usr"
program="$prefix/bin/stylograf"
listing() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
before="$(listing)"

# The installed files a desktop reads.
desktop-file-validate "$prefix/share/applications/org.stylograf.Stylograf.desktop" \
  || fail "the desktop entry does not validate"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.stylograf.Stylograf.metainfo.xml" \
  || fail "the AppStream file does not validate"
for size in 16 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/org.stylograf.Stylograf.png" ] || fail "no ${size} px icon"
done
[ -s "$prefix/share/man/man1/stylograf.1.gz" ] || fail "no manual page"

# A user's home without any of the program's folders.
export HOME="$work/home"
mkdir -p "$HOME"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_DATA_DIRS XDG_CONFIG_DIRS
cd "$work"

"$program" --version | grep -q '^Stylograf [0-9]' || fail "--version"
printf 'p { color: red }\n.k {}\n' >"$work/s.css"
"$program" --analyse "$work/s.css" | grep -q '"elementSelectors":\["p"\],"classSelectors":\[".k"\]' \
  || fail "--analyse"
"$program" --preview-html "$work/s.css" | grep -q 'Element: p' || fail "--preview-html"
"$program" --tokens "$work/s.css" | grep -q '^1:0:1:' || fail "--tokens"
"$program" --help | grep -q -- '--analyse' || fail "--help"

# The window: at its first start it copies the shipped data into the user's folder
# and writes the font list there.
QT_QPA_PLATFORM=offscreen "$program" "$work/s.css" >"$work/window.log" 2>&1 &
pid=$!
user="$HOME/.local/share/stylograf"
for _ in $(seq 300); do
  [ -s "$user/inf/font-family.inf" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/window.log" >&2; fail "the window ended at once"; }
  sleep 0.1
done
[ -s "$user/inf/font-family.inf" ] || fail "no font list in the user's data folder"
sleep 2 # the rest of the start-up, which reads the data
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
[ -s "$user/inf/selektoren.inf" ] || fail "no element list in the user's data folder"
[ -s "$user/styledefs/styles.dat" ] || fail "no style definitions in the user's data folder"
[ -f "$HOME/.config/stylograf/einstellungen.ini" ] || fail "no settings file"
[ "$(listing)" = "$before" ] || { diff <(echo "$before") <(listing) >&2; fail "something was written under the prefix"; }
echo "installed program: fine"
