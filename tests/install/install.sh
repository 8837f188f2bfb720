#!/usr/bin/env bash
# Installs the build with `cmake --install --prefix /usr` into a temporary
# DESTDIR and checks that a freedesktop.org desktop finds everything where it
# looks: the program, its help, icons, menu entry, AppStream data and the
# saved-game file type. Every fault is listed before it fails.
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
usr="$root/usr"
share="$usr/share"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need_file() { [ -f "$1" ] || fail "missing ${1#"$root"}"; }

if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

# ---- The program ----
[ -x "$usr/bin/$app" ] || fail "missing or not executable: /usr/bin/$app"
# An installed program must not look for libraries in the build folder.
if readelf -d "$usr/bin/$app" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
  fail "/usr/bin/$app keeps a library path into the build folder"
fi

# ---- Help ----
installed="$share/$app/Help/$(basename "$built_help")"
need_file "$installed"
[ -f "$installed" ] && ! cmp -s "$built_help" "$installed" && fail "installed help differs from the built one"

# ---- Icons: one name in the hicolor theme at every size, plus the SVG ----
png_size() { # width x height from the PNG header
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for n in 16 32 48 64 128 256; do
  icon="$share/icons/hicolor/${n}x${n}/apps/$app.png"
  if [ -f "$icon" ]; then
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "${icon#"$root"} is not a PNG"
    size=$(png_size "$icon")
    [ "$size" = "${n}x${n}" ] || fail "${icon#"$root"} is $size pixels"
  else
    fail "missing ${icon#"$root"}"
  fi
done
svg="$share/icons/hicolor/scalable/apps/$app.svg"
if [ -f "$svg" ]; then
  xmllint --noout "$svg" || fail "${svg#"$root"} is not well-formed XML"
  tr '\n' ' ' <"$svg" | grep -q '<svg[^>]*viewBox="0 0 256 256"' || fail "${svg#"$root"} lacks its square viewBox"
else
  fail "missing ${svg#"$root"}"
fi

# ---- Menu entry ----
desktop="$share/applications/$app.desktop"
need_file "$desktop"
if [ -f "$desktop" ]; then
  out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  key() { sed -n "s/^$1=//p" "$desktop"; }
  exec_word=$(key Exec | cut -d' ' -f1)
  [ -x "$usr/bin/$exec_word" ] || fail "Exec names $exec_word, which is not installed in /usr/bin"
  [ "$(key Icon)" = "$app" ] || fail "Icon is $(key Icon), the theme icon is $app"
  [ "$(key MimeType)" = "$mime_type;" ] || fail "MimeType is $(key MimeType)"
  key Exec | grep -q ' %f$' || fail "Exec does not take the file to open (%f)"
  for lang in de es fr; do
    [ -n "$(key "Comment\\[$lang\\]")" ] && [ -n "$(key "GenericName\\[$lang\\]")" ] ||
      fail "the menu entry has no $lang comment or generic name"
  done
fi

# ---- AppStream ----
app_id=example.brightmoose.derudirodozir
metainfo="$share/metainfo/$app_id.metainfo.xml"
need_file "$metainfo"
if [ -f "$metainfo" ]; then
  # Infos (the maker's site is plain http) are fine; warnings and errors are not.
  if ! out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || grep -qE '^[EW]:' <<<"$out"; then
    fail "appstreamcli validate: $out"
  fi
  # The whole tree: file name against id, and the menu entry it launches.
  if ! out=$(appstreamcli validate-tree --no-net "$usr" 2>&1) || grep -qE '^ *[EW]:' <<<"$out"; then
    fail "appstreamcli validate-tree: $out"
  fi
  grep -qF "<id>$app_id</id>" "$metainfo" || fail "metainfo file is not named after its id"
  grep -qF "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app.desktop"
  grep -qF "<mediatype>$mime_type</mediatype>" "$metainfo" || fail "metainfo does not provide $mime_type"
  grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo does not name release $version"
  for lang in de es fr; do
    grep -qF "<summary xml:lang=\"$lang\">" "$metainfo" && grep -qF "<p xml:lang=\"$lang\">" "$metainfo" ||
      fail "metainfo has no $lang summary or description"
  done
fi

# ---- Saved-game file type ----
mime_xml="$share/mime/packages/$app.xml"
need_file "$mime_xml"
if [ -f "$mime_xml" ]; then
  xmllint --noout "$mime_xml" || fail "${mime_xml#"$root"} is not well-formed XML"
  # Build a MIME database from our file alone: a misspelt element or attribute
  # is reported there, and the result shows what a file manager will see.
  mkdir -p "$work/mime/packages"
  cp "$mime_xml" "$work/mime/packages/"
  if ! out=$(XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>&1); then
    fail "update-mime-database: $out"
  elif grep -qiE 'warning|error|unknown|invalid' <<<"$out"; then
    fail "update-mime-database: $out"
  fi
  grep -qx "50:$mime_type:\*\.bcx" "$work/mime/globs2" 2>/dev/null || fail "*.bcx is not mapped to $mime_type"
  grep -qx "$mime_type:$app" "$work/mime/icons" 2>/dev/null || fail "saved games do not get the program icon"
  grep -q "<comment>Brightmoose Derudirodozir saved game</comment>" "$mime_xml" || fail "saved games lack their description"
  grep -q "<magic" "$mime_xml" && fail "the saved-game record has no signature to match, yet the type has magic"
fi

# ---- Debian's place for the licence, and the manual page ----
need_file "$share/doc/$app/copyright"
need_file "$share/man/man6/$app.6.gz"

# ---- Nothing lands outside the places above ----
stray=$(cd "$root" && find . -type f | sed 's|^\./|/|' | grep -vE \
  "^/usr/bin/$app\$|^/usr/share/(applications|metainfo|mime/packages|icons/hicolor|$app|doc/$app|man/([a-z]{2}(_[A-Z]{2})?/)?man6)/" || true)
[ -z "$stray" ] || fail "files outside the expected places: $stray"

# ---- The installed program starts ----
# timeout guards against a program that ignores --version and opens its window.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work"
if out=$(QT_QPA_PLATFORM=offscreen timeout 30 "$usr/bin/$app" --version 2>"$work/version.err"); then
  [ "$out" = "Brightmoose Derudirodozir $version" ] || fail "--version printed: $out"
else
  fail "the installed program did not answer --version: $out $(cat "$work/version.err")"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures install check(s) failed"
  exit 1
fi
echo "installed tree is complete and valid"
