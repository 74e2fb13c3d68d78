#!/bin/sh
# Reads the translatable texts of the sources into the .ts files of translations/, for every
# language of the program. Translations already made are kept; texts that are new come in as
# "unfinished" and need a translation (Qt Linguist or any editor) before they show translated.
# Texts removed from the sources are dropped. The build compiles the .ts files into .qm files;
# `cmake --build build --target update_translations` runs this script.
#
#   tools/translations/update.sh                 all languages, into translations/
#   tools/translations/update.sh fr pl           only these
#   tools/translations/update.sh -o DIR [...]    into the .ts files of DIR instead (a file missing
#                                                there starts as a copy of the one in translations/)
#
# Three sets:
#   ZOZOrureLibrary_<code>.ts  the foundation library (src/foundation)
#   ZOZOrure_<code>.ts         every other library, from the model up to the reports
#   zozorure_<code>.ts         the application shell (src/app)
# ZZ_SOURCE_ROOT names another source tree to read (with its own translations/).
set -eu

ROOT=${ZZ_SOURCE_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
LUPDATE=${LUPDATE:-/usr/lib/qt5/bin/lupdate}
OUT=
if [ $# -ge 2 ] && [ "$1" = "-o" ]; then
    OUT=$(mkdir -p "$2" && cd "$2" && pwd)
    shift 2
fi
LANGUAGES="da en es fi fr hr nb pl ru"
[ $# -gt 0 ] && LANGUAGES="$*"

cd "$ROOT"
[ -n "$OUT" ] || OUT="$ROOT/translations"
LISTS=$(mktemp -d)
trap 'rm -rf "$LISTS"' EXIT

# The C++ and form files below the given folders (those that exist), one a line.
sources() {
    for place in "$@"; do
        if [ -d "$place" ]; then
            find "$place" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.ui' \)
        fi
    done | LC_ALL=C sort
}

# Every library folder under src/ but the foundation's and the shell's holds program texts, so a
# library added later cannot drop its texts from the files for want of a name here.
sources src/foundation >"$LISTS/library"
sources $(find src -mindepth 1 -maxdepth 1 -type d ! -name foundation ! -name app 2>/dev/null) >"$LISTS/program"
sources src/app >"$LISTS/shell"

update() {
    list=$1
    ts=$2
    code=$3
    [ -s "$list" ] || return 0
    if [ ! -e "$OUT/$ts" ] && [ -e "translations/$ts" ]; then
        cp "translations/$ts" "$OUT/$ts"
    fi
    "$LUPDATE" -silent -no-obsolete -locations none -source-language de -target-language "$code" -I src \
        "@$list" -ts "$OUT/$ts"
}

for code in $LANGUAGES; do
    update "$LISTS/library" "ZOZOrureLibrary_$code.ts" "$code"
    update "$LISTS/program" "ZOZOrure_$code.ts" "$code"
    update "$LISTS/shell" "zozorure_$code.ts" "$code"
done
