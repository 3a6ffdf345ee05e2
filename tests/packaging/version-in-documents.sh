#!/bin/sh
# Usage: version-in-documents.sh VERSION ROOT
# The manual pages and the metainfo's newest release name VERSION.
set -eu
version=$1 root=$2
status=0
for page in zorvane zorvane-cli; do
  grep -qF "\"Zorvane $version\"" "$root/docs/man/$page.1" ||
    { echo "docs/man/$page.1 does not name version $version" >&2; status=1; }
done
metainfo=$root/resources/desktop/$("$root/scripts/project-fact" APP_ID).metainfo.xml
grep -m1 '<release ' "$metainfo" | grep -qF "version=\"$version\"" ||
  { echo "the newest release in $metainfo is not $version" >&2; status=1; }
exit $status
