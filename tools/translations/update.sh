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
# Three sets, each only when its sources exist:
#   ZOZOrureLibrary_<code>.ts  the foundation library (src/core, src/print/records)
#   ZOZOrure_<code>.ts         the model and the subsystems built on it
#   zozorure_<code>.ts         the application shell (src/main.cpp, every src/mainwindow* file, src/app)
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

# The C++ and form files below the given folders (or the given files), one a line.
sources() {
    for place in "$@"; do
        if [ -e "$place" ]; then
            find "$place" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.ui' \)
        fi
    done | LC_ALL=C sort
}

sources src/core src/print/records >"$LISTS/library"
# src/print holds the reports; its records belong to the library.
sources src/model src/video src/graphic src/dialogs src/project src/lib src/print \
    | { grep -v '^src/print/records/' || true; } >"$LISTS/program"
# The main window is split into several files; every one of them belongs to the shell.
sources src/main.cpp $(ls src/mainwindow* 2>/dev/null) src/app >"$LISTS/shell"

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
