#!/bin/sh
# Runs one validation tool for ctest.
#   run-tool.sh [--silent] DEBIAN-PACKAGE TOOL [ARGUMENTS...]
# Exits 77 (ctest's skip code) with a message naming the Debian package when
# TOOL is not installed. With --silent, any output of the tool counts as a
# failure, for tools such as groff that warn but still exit with status 0.
set -u

silent=no
if [ "${1:-}" = "--silent" ]; then
  silent=yes
  shift
fi
package=$1
tool=$2
shift 2

if ! command -v "$tool" >/dev/null 2>&1; then
  echo "SKIPPED: $tool is not installed (Debian package $package)"
  exit 77
fi

output=$("$tool" "$@" 2>&1)
status=$?
[ -n "$output" ] && printf '%s\n' "$output"
if [ $status -ne 0 ]; then
  echo "FAILED: $tool exited with status $status"
  exit 1
fi
if [ $silent = yes ] && [ -n "$output" ]; then
  echo "FAILED: $tool reported the problems above"
  exit 1
fi
exit 0
