#!/usr/bin/env bash
# Runs a command on a virtual X server of its own. The server picks a free display itself
# (-displayfd), so any number of these can run side by side, as ctest -j runs tests.
set -uo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/log" &
server=$!
for _ in $(seq 200); do
  [ -s "$tmp/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "with-xvfb: the X server did not start:" >&2
  cat "$tmp/log" >&2
  exit 1
fi
export DISPLAY=":$(head -n 1 "$tmp/display")"
"$@"
rc=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $rc
