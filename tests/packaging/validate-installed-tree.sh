#!/bin/sh
# Installs the desktop integration files of a build into a scratch root and
# lets appstreamcli check them together: the metainfo's launchable must name
# the installed desktop entry, and its icon must be found in the tree.
#   validate-installed-tree.sh BUILD-DIR STAGE-DIR
set -eu
build=$1
stage=$2

if ! command -v appstreamcli >/dev/null 2>&1; then
  echo "SKIPPED: appstreamcli is not installed (Debian package appstream)"
  exit 77
fi

rm -rf "$stage"
cmake --install "$build" --prefix "$stage/usr" --component desktop >/dev/null
appstreamcli validate-tree --no-net --strict --pedantic "$stage"
