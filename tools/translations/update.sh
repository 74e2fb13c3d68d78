#!/bin/sh
# Reads the translatable texts of the sources into the .ts files of translations/, for every
# language of the program. Translations already made are kept; texts that are new come in as
# "unfinished" and need a translation (Qt Linguist or any editor) before they show translated.
# Texts removed from the sources are dropped. The build compiles the .ts files into .qm files.
#
#   tools/translations/update.sh            all languages
#   tools/translations/update.sh fr pl      only these
#
# Three sets, each only when its sources exist:
#   ZOZOrureLibrary_<code>.ts  the foundation library (src/core, src/print/records)
#   ZOZOrure_<code>.ts         the model and the subsystems built on it
#   zozorure_<code>.ts         the application shell (src/main.cpp, src/mainwindow.*, src/app)
set -eu

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
LUPDATE=${LUPDATE:-/usr/lib/qt5/bin/lupdate}
LANGUAGES="da en es fi fr hr nb pl ru"
[ $# -gt 0 ] && LANGUAGES="$*"

cd "$ROOT"
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
sources src/main.cpp src/mainwindow.cpp src/mainwindow.h src/mainwindow.ui src/app >"$LISTS/shell"

update() {
    list=$1
    ts=$2
    code=$3
    [ -s "$list" ] || return 0
    "$LUPDATE" -silent -no-obsolete -locations none -source-language de -target-language "$code" -I src \
        "@$list" -ts "translations/$ts"
}

for code in $LANGUAGES; do
    update "$LISTS/library" "ZOZOrureLibrary_$code.ts" "$code"
    update "$LISTS/program" "ZOZOrure_$code.ts" "$code"
    update "$LISTS/shell" "zozorure_$code.ts" "$code"
done
