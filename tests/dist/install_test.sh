#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed files with the tools Debian
# checks desktop applications with; any complaint, hint or warning included, fails the test.
#   install_test.sh BUILD_DIR VERSION APP_ID MIME_TYPE
set -euo pipefail
BUILD=$1 VERSION=$2 APP_ID=$3 MIME_TYPE=$4

PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
SHARE=$PREFIX/share
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

for f in bin/vesk4 bin/vesk4-editor \
    "share/applications/$APP_ID.desktop" "share/mime/packages/$APP_ID.xml" \
    "share/metainfo/$APP_ID.metainfo.xml" "share/icons/hicolor/scalable/apps/$APP_ID.svg" \
    share/man/man1/vesk4.1.gz share/man/man1/vesk4-editor.1.gz share/man/ja/man1/vesk4-editor.1.gz \
    share/doc/vesk4/copyright share/doc/vesk4/changelog.gz; do
    [ -s "$PREFIX/$f" ] || fail "not installed: $f"
done
# A PNG's width and height are the 4-byte numbers at offsets 16 and 20.
for size in 48 128 256; do
    png="$SHARE/icons/hicolor/${size}x$size/apps/$APP_ID.png"
    [ -s "$png" ] || fail "not installed: $png"
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" \
        | awk '{print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8}')
    [ "$w x $h" = "$size x $size" ] || fail "$png is $w x $h"
done

echo "copyright"
copyright=$PREFIX/share/doc/vesk4/copyright
grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$copyright" \
    || fail "the copyright file is not in Debian's machine-readable format"
grep -qx "License: Expat" "$copyright" || fail "the copyright file does not grant the MIT (Expat) licence"

echo "desktop-file-validate"
desktop=$SHARE/applications/$APP_ID.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx "MimeType=$MIME_TYPE;" "$desktop" || fail "the desktop entry does not open $MIME_TYPE"
grep -qx "Exec=vesk4-editor %f" "$desktop" || fail "the desktop entry does not start vesk4-editor %f"
# The launcher shows the editor in Japanese on a Japanese desktop; a Japanese value holds a
# character beyond ASCII.
for key in Name GenericName Comment Keywords; do
    grep -qP "^$key\[ja\]=.*[^\x00-\x7F]" "$desktop" || fail "the desktop entry has no Japanese $key[ja]"
done

echo "appstreamcli validate"
appstreamcli validate --no-net --strict "$SHARE/metainfo/$APP_ID.metainfo.xml" \
    || fail "appstreamcli validate"
grep -q "<release version=\"$VERSION\"" "$SHARE/metainfo/$APP_ID.metainfo.xml" \
    || fail "no AppStream release $VERSION"
grep -q "<project_license>MIT</project_license>" "$SHARE/metainfo/$APP_ID.metainfo.xml" \
    || fail "the AppStream metadata names no MIT licence"
# Each text of the software centre's page in Japanese too: the name, the summary and every paragraph.
for element in name summary p; do
    english=$(grep -c "<$element>" "$SHARE/metainfo/$APP_ID.metainfo.xml" || true)
    japanese=$(grep -c "<$element xml:lang=\"ja\">" "$SHARE/metainfo/$APP_ID.metainfo.xml" || true)
    [ "$english" -gt 0 ] && [ "$japanese" = "$english" ] \
        || fail "AppStream: $english <$element> in English, $japanese in Japanese"
done

echo "the installed programs"
# No display: --version and --help of the editor must not need one.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PREFIX/bin/vesk4" --version)
[ "$out" = "vesk4 $VERSION" ] || fail "vesk4 --version said '$out'"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PREFIX/bin/vesk4-editor" --version)
[ "$out" = "vesk4-editor $VERSION" ] || fail "vesk4-editor --version said '$out'"

echo "MIME type of a project file"
export XDG_DATA_HOME=$SHARE XDG_DATA_DIRS=$SHARE:/usr/share
update-mime-database "$SHARE/mime"
"$PREFIX/bin/vesk4" new "$PREFIX/x.egd" >/dev/null
type=$(xdg-mime query filetype "$PREFIX/x.egd")
[ "$type" = "$MIME_TYPE" ] || fail "xdg-mime says $PREFIX/x.egd is '$type'"

echo "man -l"
for page in vesk4 vesk4-editor; do
    out=$(MANWIDTH=80 man --warnings -l "$SHARE/man/man1/$page.1.gz" 2>&1 >"$PREFIX/$page.txt") \
        || fail "man -l $page: $out"
    [ -z "$out" ] || fail "man -l $page: $out"
    grep -q "^NAME" "$PREFIX/$page.txt" || fail "man -l $page shows no NAME"
    grep -q "$page $VERSION" "$PREFIX/$page.txt" || fail "man -l $page shows no version $VERSION"
done
# The editor's Japanese page, in a UTF-8 locale as a Japanese desktop has; groff finds a line it
# cannot break or a character it cannot show in a warning. mandb reads its name line for whatis.
japanese=$SHARE/man/ja/man1/vesk4-editor.1.gz
out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$japanese" 2>&1 >"$PREFIX/ja.txt") \
    || fail "man -l ja/vesk4-editor: $out"
[ -z "$out" ] || fail "man -l ja/vesk4-editor: $out"
grep -q "^名前" "$PREFIX/ja.txt" || fail "man -l ja/vesk4-editor shows no 名前"
grep -q "vesk4-editor $VERSION" "$PREFIX/ja.txt" || fail "man -l ja/vesk4-editor shows no version $VERSION"
LC_ALL=C.UTF-8 lexgrog "$japanese" | grep -q '"vesk4-editor - .*エディタ"' \
    || fail "lexgrog finds no Japanese name line in ja/vesk4-editor"
# It describes every option the editor's --help lists.
for option in $("$PREFIX/bin/vesk4-editor" --help | grep -oE -- "--[a-z][a-z-]*" | sort -u); do
    grep -qe "$option" "$PREFIX/ja.txt" || fail "the Japanese page of vesk4-editor lacks $option"
done
echo "ok"
