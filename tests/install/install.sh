#!/usr/bin/env bash
# Installs the build with `cmake --install --prefix /usr` into a temporary
# DESTDIR and checks that a freedesktop.org desktop finds everything where it
# looks: the program, its help, icons, menu entry, AppStream data and the
# saved-game file type; then that the installed program answers on the
# command line without a display (over SSH, in a packaging script, on a
# console). Every fault is listed before it fails.
# Usage: install.sh <build folder> <built help file> <version>
set -uo pipefail
build="$1"
built_help="$2"
version="$3"
app=brightmoose-derudirodozir
mime_type=application/x-brightmoose-derudirodozir-game
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
share="$root/usr/share"
# The validators a package build may lack.
for tool in readelf identify xmllint desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
have() { [ -f "$root$1" ] || { fail "missing $1" && return 1; }; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }

# The program, which must not look for libraries in the build folder.
readelf -d "$root/usr/bin/$app" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$build" &&
  fail "/usr/bin/$app keeps a library path into the build folder"
help="/usr/share/$app/Help/$(basename "$built_help")"
have "$help" && ! cmp -s "$built_help" "$root$help" && fail "installed help differs from the built one"
for file in /usr/share/doc/$app/copyright /usr/share/man/{,de/,zh_CN/}man6/$app.6.gz; do have "$file"; done

# Icons: one name in the hicolor theme at every size, plus the SVG.
for n in 16 32 48 64 128 256; do
  icon="/usr/share/icons/hicolor/${n}x${n}/apps/$app.png"
  have "$icon" && [ "$(identify -format '%m %wx%h' "$root$icon")" != "PNG ${n}x${n}" ] && fail "$icon is no ${n}x${n} PNG"
done
svg="/usr/share/icons/hicolor/scalable/apps/$app.svg"
have "$svg" && ! { xmllint --noout "$root$svg" && tr '\n' ' ' <"$root$svg" | grep -q '<svg[^>]*viewBox="0 0 256 256"'; } &&
  fail "$svg is no square SVG"

# The menu entry, checked by the desktop's validator, in every language.
desktop="$share/applications/$app.desktop"
if have "${desktop#"$root"}"; then
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
  # It starts the installed program with the file to open, shows the theme icon, opens saved games.
  [ "$(grep -E '^(Exec|Icon|MimeType)=' "$desktop" | sort | paste -sd' ')" = "Exec=$app %f Icon=$app MimeType=$mime_type;" ] ||
    fail "the menu entry's Exec, Icon or MimeType is wrong: $(grep -E '^(Exec|Icon|MimeType)=' "$desktop")"
fi

# AppStream: the whole tree validates (the file named after its id, the
# menu entry it launches); infos (the maker's site is plain http) are fine.
metainfo="$share/metainfo/example.brightmoose.derudirodozir.metainfo.xml"
if have "${metainfo#"$root"}"; then
  out=$(appstreamcli validate-tree --no-net "$root/usr" 2>&1) && ! grep -qE '^ *[EW]:' <<<"$out" ||
    fail "appstreamcli validate-tree: $out"
  grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo does not name release $version"
fi
for lang in de es fr; do
  grep -q "^Comment\[$lang\]=." "$desktop" && grep -q "^GenericName\[$lang\]=." "$desktop" &&
    grep -qF "<summary xml:lang=\"$lang\">" "$metainfo" && grep -qF "<p xml:lang=\"$lang\">" "$metainfo" ||
    fail "the menu entry or the metainfo has no $lang text"
done

# The saved-game file type, in a MIME database built from our file alone:
# a misspelt element is reported there, and it shows what a file manager sees.
mime_xml="/usr/share/mime/packages/$app.xml"
if have "$mime_xml"; then
  mkdir -p "$work/mime/packages" && cp "$root$mime_xml" "$work/mime/packages/"
  out=$(update-mime-database "$work/mime" 2>&1) && ! grep -qiE 'warning|error|unknown|invalid' <<<"$out" ||
    fail "update-mime-database: $out"
  grep -qx "50:$mime_type:\*\.bcx" "$work/mime/globs2" || fail "*.bcx is not mapped to $mime_type"
  grep -qx "$mime_type:$app" "$work/mime/icons" || fail "saved games do not get the program icon"
fi

# Nothing lands outside the places above.
stray=$(cd "$root" && find . -type f | sed 's|^\./|/|' | grep -vE \
  "^/usr/bin/$app\$|^/usr/share/(applications|metainfo|mime/packages|icons/hicolor|$app|doc/$app|man/([a-z]{2}(_[A-Z]{2})?/)?man6)/")
[ -z "$stray" ] || fail "files outside the expected places: $stray"

# The installed program without a display: --help and --version print and end
# with 0, a start says so in one line and fails, without a core dump; Qt's
# own options (-style, -reverse, ...) are left to Qt. timeout guards against
# a program that opens its window instead.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${show:+DISPLAY=$show} timeout 30 "$root/usr/bin/$app" "$@" 2>&1; }
out=$(run --version) && [ "$out" = "Brightmoose Derudirodozir $version" ] || fail "--version printed: $out"
out=$(run --help) && grep -q '^Usage: .* \[options\] \[file\]$' <<<"$out" || fail "--help printed: $out"
# No display at all, and one that no X server serves.
for show in "" ":7351"; do
  out=$(run); status=$?
  [ "$status" = 1 ] && [ "$(wc -l <<<"$out")" = 1 ] && grep -q 'no display' <<<"$out" ||
    fail "a start with DISPLAY='$show' ended with status $status, printing: $out"
done
out=$(QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/$app" -style Fusion -reverse 2>&1); status=$?
[ "$status" = 124 ] || fail "Qt's own options: status $status, printed: $out"

[ "$failures" = 0 ] || { echo "$failures install check(s) failed" && exit 1; }
echo "PASS: the installed tree is complete and valid, and its program answers without a display"
