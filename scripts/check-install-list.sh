#!/usr/bin/env bash
# Checks that the install list of scripts/install-deps.sh brings everything the build and the tests
# use onto a fresh Debian machine. Machines that built before keep packages nobody listed, so a
# missing entry shows only on a new one; this finds it on any machine, after a build:
#   - the files the build read: the package configurations named in CMakeCache.txt (and the .pc
#     files of pkg-config modules), the system headers in the compiler's dependency files, and the
#     libraries of the link lines, with those the compiler driver adds itself (runtime,
#     sanitizers);
#   - the programs the scripts, tests and build files call (the list below; a program counts when
#     its name appears as a word in those files);
#   - the files the program and the tests open at run time (the list below).
# Each is mapped to its package with dpkg -S. The check fails, naming each package, when a package
# is neither in the install list, nor a hard dependency of one (Depends, PreDepends), nor Essential.
#
#   scripts/check-install-list.sh [--without PACKAGE]... [--self-check] [BUILD_FOLDER]...
#
# Build folders default to build/ and build-sanitize/, where they hold a build.
# --without PACKAGE  checks as if PACKAGE were not in the install list.
# --self-check       also shows that the check works: with each package of SELF_CHECK_PACKAGES
#                    dropped from the list in turn, the check must fail and name that package.
set -euo pipefail
export LC_ALL=C # one collation for sort, comm and join
root="$(cd "$(dirname "$0")/.." && pwd)"

# Programs called by the scripts, tests and build files. Add a program here when code starts to
# call it; the check then requires its package wherever the name appears in the scanned files.
PROGRAMS=(
  cmake ctest make gmake c++ g++ cc gcc clang clang++ ccache pkg-config
  lrelease lupdate
  ffmpeg ffprobe Xvfb xvfb-run xauth
  pdftocairo xmllint xorriso
)
# Where program names are looked for.
SCANNED=(scripts .ci tests fuzz bench tools cmake CMakeLists.txt src/CMakeLists.txt)
# Files the program and the tests open at run time (loaded libraries, plugins, fonts, Qt's own
# translations); shell patterns, each must match at least one file.
RUNTIME_FILES=(
  "/usr/lib/*/libmediainfo.so.0"
  "/usr/lib/*/vlc/plugins/video_output/libxcb_x11_plugin.so"
  "/usr/lib/*/vlc/plugins/codec/libavcodec_plugin.so"
  "/usr/lib/*/dri/swrast_dri.so"
  "/usr/share/qt5/translations/qtbase_de.qm"
  "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"
  "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
)
# Needed packages that no other package of the list depends on: dropping one must fail the check.
SELF_CHECK_PACKAGES=(qttools5-dev ffmpeg libvlc-dev)

without=()
self_check=0
builds=()
while [ $# -gt 0 ]; do
  case "$1" in
    --without) without+=("$2"); shift 2 ;;
    --self-check) self_check=1; shift ;;
    *) builds+=("$(cd "$1" && pwd)"); shift ;;
  esac
done
if [ ${#builds[@]} -eq 0 ]; then
  for b in "$root/build" "$root/build-sanitize"; do
    if [ -f "$b/CMakeCache.txt" ]; then builds+=("$b"); fi
  done
fi
if [ ${#builds[@]} -eq 0 ]; then
  echo "check-install-list: no build to check; build first (scripts/build.sh)" >&2
  exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Dependency closures are kept between runs: they change only with the list or the package lists.
cache="${builds[0]}/install-check"
mkdir -p "$cache"

# --- what the build and the tests use: "path<TAB>why" lines in $work/needed

outside_trees() { grep -v -e "^$root/" $(printf -- ' -e ^%s/' "${builds[@]}") || true; }

# Files of the build folders: package configurations, headers, link inputs.
collect_build_files() {
  local build="$1"
  # CMakeCache.txt: the programs and libraries the project's files look for, the compilers and
  # the make program (the other tools CMake notes are not run, and the archiver shows on the link
  # lines), the configuration files of packages, and the .pc files of pkg-config modules.
  grep -v '^CMAKE_' "$build/CMakeCache.txt" | sed -n 's/^[A-Za-z0-9_]*:FILEPATH=\(\/.*\)$/\1/p' | sed 's/$/\tfound by CMake/'
  sed -n 's/^CMAKE_\(C_COMPILER\|CXX_COMPILER\|MAKE_PROGRAM\):FILEPATH=\(\/.*\)$/\2/p' "$build/CMakeCache.txt" |
    sed 's/$/\tthe build tool/'
  sed -n 's/^CMAKE_\(CTEST_\)\{0,1\}COMMAND:INTERNAL=\(\/.*\)$/\2/p' "$build/CMakeCache.txt" | sed 's/$/\tthe build tool/'
  local dir
  sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/.*\)$/\1/p' "$build/CMakeCache.txt" | while read -r dir; do
    for f in "$dir"/*Config.cmake "$dir"/*-config.cmake; do
      if [ -f "$f" ]; then printf '%s\tread by CMake\n' "$f"; fi
    done
  done
  local modules m
  modules=$(sed -n 's/^__pkg_config_arguments_[A-Za-z0-9_]*:INTERNAL=//p' "$build/CMakeCache.txt" | tr ';' '\n' |
            grep -v -x -e REQUIRED -e QUIET -e IMPORTED_TARGET -e GLOBAL -e NO_CMAKE_PATH -e NO_CMAKE_ENVIRONMENT_PATH || true)
  for m in $modules; do
    m="${m%%[<>=]*}"
    pkg-config --path "$m" 2>/dev/null | sed 's/$/\tread by pkg-config/' || true
  done
  # Headers in the compiler's dependency files.
  find "$build" -name '*.d' -path '*CMakeFiles*' -print0 | xargs -0 -r cat | tr -s ' \\\t' '\n\n\n' |
    grep '^/' | sed 's/:$//' | sort -u | sed 's/$/\tincluded by the compiler/'
  # Link lines: the tool, the files named, the libraries asked for with -l, and what a compiler
  # driver adds. Relative names are the build's own files.
  local link line
  while IFS= read -r link; do
    while IFS= read -r line; do link_inputs $line; done < "$link"
  done < <(find "$build" -name link.txt -path '*CMakeFiles*')
}

# Resolves -l<name> as the linker would, in the folders given with -L and then the driver's own.
resolve_library() {
  local driver="$1" name="$2"; shift 2
  local dir f
  for dir in "$@"; do
    for f in "$dir/lib$name.so" "$dir/lib$name.a"; do
      if [ -e "$f" ]; then readlink -m "$f"; return; fi
    done
  done
  for f in "lib$name.so" "lib$name.a"; do
    f=$("$driver" -print-file-name="$f" 2>/dev/null || true)
    case "$f" in /*) if [ -e "$f" ]; then readlink -m "$f"; return; fi ;; esac
  done
  printf 'library %s (not found)\n' "$name"
}

# One command of a link script, as words: prints the tool and its input files outside the build,
# and notes the libraries asked for with -l and what the tool is, for resolve_links.
link_inputs() {
  if [ $# -eq 0 ]; then return; fi
  local tool="$1" w dirs="" flags=()
  shift
  printf '%s\tlinks\n' "$tool"
  for w in "$@"; do
    case "$w" in
      -L/*) dirs+=" ${w#-L}" ;;
      -l*) printf '%s\t%s\t%s\n' "$tool" "${w#-l}" "$dirs" >> "$work/libraries" ;;
      -f*|-m*|-shared|-static*|-pie|-no-pie|-nostd*|-rdynamic|-pthread) flags+=("$w") ;;
      /*) if [ -f "$w" ]; then printf '%s\tlinked\n' "$w"; fi ;;
    esac
  done
  case "${tool##*/}" in
    c++|g++*|gcc*|cc|clang|clang++|clang-[0-9]*|clang++-[0-9]*)
      printf '%s %s\n' "$tool" "$(printf '%s\n' "${flags[@]}" | sort -u | tr '\n' ' ')" >> "$work/drivers" ;;
  esac
}

# The libraries asked for with -l, each resolved once.
resolve_links() {
  local tool name dirs
  sort -u "$work/libraries" | while IFS=$'\t' read -r tool name dirs; do
    printf '%s\tlinked as -l%s\n' "$(resolve_library "$tool" "$name" $dirs)" "$name"
  done
}

# The files a compiler driver adds to a link with these flags (start files, its runtime, sanitizer
# and fuzzer libraries), from its dry run.
driver_inputs() {
  local driver="$1"; shift
  : > "$work/empty.o"
  local command w dirs=() libs=() files=()
  command=$("$driver" "$@" -### -o "$work/a.out" "$work/empty.o" 2>&1 | grep -E 'collect2|/ld"' | tail -n 1 | tr -d '"' || true)
  for w in $command; do
    case "$w" in
      -L/*) dirs+=("${w#-L}") ;;
      -l*) libs+=("${w#-l}") ;;
      /*) if [ -f "$w" ] && [ "${w#"$work"/}" = "$w" ]; then files+=("$w"); fi ;;
    esac
  done
  for w in "${files[@]}"; do printf '%s\tadded to links by %s\n' "$w" "$driver"; done
  for w in "${libs[@]}"; do
    printf '%s\tadded to links by %s as -l%s\n' "$(resolve_library "$driver" "$w" "${dirs[@]}")" "$driver" "$w"
  done
}

collect_programs() {
  local program path files
  for program in "${PROGRAMS[@]}"; do
    files=$(cd "$root" && grep -rlw --exclude=check-install-list.sh --exclude=install-deps.sh -- "$program" "${SCANNED[@]}" 2>/dev/null |
            head -n 3 | paste -sd ' ' - || true)
    if [ -z "$files" ]; then continue; fi
    if path=$(command -v "$program"); then
      printf '%s\tthe program %s, called in %s\n' "$path" "$program" "$files"
    else
      printf 'program %s (not installed)\tcalled in %s\n' "$program" "$files"
    fi
  done
}

collect_runtime_files() {
  local pattern found
  for pattern in "${RUNTIME_FILES[@]}"; do
    found=$(compgen -G "$pattern" | head -n 1 || true)
    if [ -n "$found" ]; then
      printf '%s\topened at run time\n' "$found"
    else
      printf '%s (not installed)\topened at run time\n' "$pattern"
    fi
  done
}

: > "$work/drivers"
: > "$work/libraries"
{
  for b in "${builds[@]}"; do collect_build_files "$b"; done
  resolve_links
  sort -u "$work/drivers" | while IFS= read -r line; do driver_inputs $line; done
  collect_programs
  collect_runtime_files
} | outside_trees | sort -t $'\t' -k1,1 -u > "$work/needed"

# --- their packages: "package<TAB>path" lines in $work/owners

owners_of() { # paths on stdin; "package<TAB>path" for those a package holds
  xargs -r -d '\n' dpkg-query -S 2>/dev/null | grep -v '^diversion by' |
    sed 's/^\(.*\): \(\/.*\)$/\1\t\2/' | while IFS=$'\t' read -r pkgs path; do
      for p in ${pkgs//,/ }; do printf '%s\t%s\n' "${p%%:*}" "$path"; done
    done || true
}

cut -f1 "$work/needed" | grep '^/' > "$work/paths" || true
owners_of < "$work/paths" > "$work/owners"
# Paths no package holds as written: the file a link or an alternative leads to, or the other
# side of the merged /usr.
cut -f2 "$work/owners" | sort -u > "$work/owned"
sort -u "$work/paths" | comm -23 - "$work/owned" > "$work/unowned"
while IFS= read -r path; do
  for alt in "$(readlink -m "$path")" "${path/#\/usr\/lib\//\/lib\/}" "${path/#\/lib\//\/usr\/lib\/}" \
             "${path/#\/usr\/bin\//\/bin\/}" "${path/#\/bin\//\/usr\/bin\/}" "${path/#\/usr\/sbin\//\/sbin\/}"; do
    if [ "$alt" != "$path" ]; then printf '%s\t%s\n' "$alt" "$path"; fi
  done
done < "$work/unowned" > "$work/alternatives"
cut -f1 "$work/alternatives" | sort -u | owners_of | sort -t $'\t' -k2,2 > "$work/alt-owners"
sort -t $'\t' -k1,1 "$work/alternatives" | join -t $'\t' -1 1 -2 2 -o 2.1,1.2 - "$work/alt-owners" >> "$work/owners"
sort -u -o "$work/owners" "$work/owners"

# --- the packages a fresh machine has with a given install list

# Every package the given ones bring by their hard dependencies (Depends, PreDepends), with the
# first choice of each set of alternatives and the one package providing a virtual one.
closure() {
  local start="$1" key
  key=$( { sort -u "$start"; stat -c '%n %Y' /var/lib/dpkg/status /var/lib/apt/lists/* 2>/dev/null; } | sha256sum | cut -c1-16)
  if [ -f "$cache/closure-$key" ]; then
    cat "$cache/closure-$key"
    return
  fi
  sort -u "$start" > "$work/closure"
  cp "$work/closure" "$work/frontier"
  while [ -s "$work/frontier" ]; do
    xargs -r apt-cache depends --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
      --no-enhances < "$work/frontier" 2>/dev/null | choose_dependencies | sort -u > "$work/found"
    comm -13 "$work/closure" "$work/found" > "$work/frontier"
    sort -u -m "$work/closure" "$work/frontier" -o "$work/closure"
  done
  cp "$work/closure" "$cache/closure-$key"
  cat "$work/closure"
}

# Reads apt-cache depends output; prints the packages surely installed with those listed.
choose_dependencies() {
  local line providers=() group=()
  flush() { # picks the first usable alternative of the group
    local entry
    for entry in "${group[@]}"; do
      if [ -n "$entry" ]; then printf '%s\n' "$entry"; break; fi
    done
    group=()
  }
  pick() { # the package a dependency brings: itself, or the one provider of a virtual package
    case "$1" in
      \<*) if [ ${#providers[@]} -eq 1 ]; then printf '%s' "${providers[0]}"; fi ;;
      *) printf '%s' "${1%:any}" ;;
    esac
  }
  local pending="" pending_alt=0
  finish_pending() {
    if [ -z "$pending" ]; then return; fi
    group+=("$(pick "$pending")")
    if [ "$pending_alt" -eq 0 ]; then flush; fi
    pending=""
  }
  while IFS= read -r line; do
    case "$line" in
      "    "*) providers+=("${line#    }") ;;
      " |Depends: "*|" |PreDepends: "*) finish_pending; providers=(); pending="${line#*: }"; pending_alt=1 ;;
      "  Depends: "*|"  PreDepends: "*) finish_pending; providers=(); pending="${line#*: }"; pending_alt=0 ;;
      "  "*) finish_pending; providers=() ;;
      *) finish_pending; providers=(); group=() ;;
    esac
  done
  finish_pending
}

install_list() { "$root/scripts/install-deps.sh" --list; }

essential() { dpkg-query -W -f='${Package}\t${Essential}\n' | sed -n 's/\tyes$//p'; }

# --- the check

# Checks the needed packages against the list given on stdin; prints the missing ones with what
# needs them and returns 1 when there are any.
check_against() {
  { cat; essential; } | sort -u > "$work/start"
  closure "$work/start" | sort -u > "$work/present"
  local failed=0 path why
  # Needs that no package holds: not installed, or not from a package.
  cut -f2 "$work/owners" | sort -u > "$work/owned"
  while IFS=$'\t' read -r path why; do
    case "$path" in
      /*) printf '  no package holds %s (%s)\n' "$path" "$why" ;;
      *) printf '  %s (%s)\n' "$path" "$why" ;;
    esac
    failed=1
  done < <(join -t $'\t' -v 1 "$work/needed" "$work/owned")
  # Files whose packages a fresh machine would not have: one line per package (or set of
  # packages holding the same file), with the first file that needs it.
  join -t $'\t' "$work/present" <(sort -t $'\t' -k1,1 "$work/owners") | cut -f2 | sort -u > "$work/covered"
  comm -23 "$work/owned" "$work/covered" > "$work/uncovered"
  sort -t $'\t' -k2,2 "$work/owners" | join -t $'\t' -1 1 -2 2 -o 1.1,2.1 "$work/uncovered" - |
    one_line_per_path > "$work/uncovered-packages"
  join -t $'\t' "$work/uncovered-packages" "$work/needed" | sort -t $'\t' -k2,2 -u |
    sed 's/^\([^\t]*\)\t\([^\t]*\)\t\(.*\)$/  \2: \1 (\3)/' > "$work/missing"
  if [ -s "$work/missing" ]; then
    cat "$work/missing"
    failed=1
  fi
  return $failed
}

# "path<TAB>package" lines sorted by path to "path<TAB>package or package ...".
one_line_per_path() {
  local path pkg last="" pkgs=""
  while IFS=$'\t' read -r path pkg; do
    if [ "$path" = "$last" ]; then
      pkgs+=" or $pkg"
      continue
    fi
    if [ -n "$last" ]; then printf '%s\t%s\n' "$last" "$pkgs"; fi
    last="$path"
    pkgs="$pkg"
  done
  if [ -n "$last" ]; then printf '%s\t%s\n' "$last" "$pkgs"; fi
}

# The install list, less the packages given with --without.
listed() {
  local list p
  list=$(install_list)
  for p in "${without[@]}"; do
    list=$(grep -v -x -F -- "$p" <<< "$list" || true)
  done
  printf '%s\n' "$list"
}

status=0
if ! listed | check_against > "$work/report"; then
  echo "check-install-list: packages the build or the tests use are missing from scripts/install-deps.sh:"
  cat "$work/report"
  status=1
else
  echo "check-install-list: scripts/install-deps.sh covers the $(cut -f1 "$work/needed" | wc -l) files and programs the build and the tests use."
fi

if [ "$self_check" -eq 1 ]; then
  for dropped in "${SELF_CHECK_PACKAGES[@]}"; do
    if listed | grep -v -x -F "$dropped" | check_against > "$work/report"; then
      echo "check-install-list: self-check failed: without $dropped the check passed" >&2
      status=1
    elif ! grep -q -w -- "$dropped" "$work/report"; then
      echo "check-install-list: self-check failed: without $dropped the report does not name it:" >&2
      cat "$work/report" >&2
      status=1
    else
      echo "check-install-list: self-check: without $dropped the check fails and names it."
    fi
  done
fi
exit $status
