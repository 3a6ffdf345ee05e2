#!/bin/sh
# The manual pages and the metainfo's newest release name VERSION.
#   version-in-documents.sh VERSION MAN-DIR METAINFO
version=$1 status=0
for page in "$2"/*.1; do
  grep -qF "\"Zorvane $version\"" "$page" || { echo "$page does not name version $version"; status=1; }
done
grep -m1 '<release ' "$3" | grep -qF "version=\"$version\"" ||
  { echo "the newest release in $3 is not $version"; status=1; }
exit $status
