# Counts of a test run, for the scripts that sum up several. Sourced, not run.
#
# ctest_counts LOG STATUS: of the last ctest run whose output is in LOG, prints
# "PASSED FAILED SKIPPED"; fails, printing nothing, when LOG holds no ctest
# summary (ctest did not finish). ctest counts a skipped test among the passed
# ones in its percentage and lists it under "The following tests did not run":
# here it counts as skipped only, as does a disabled one (which ctest leaves
# out of its total). A run that exited with a STATUS other than 0 though no
# test failed counts one failure more.
ctest_counts() {
  awk -v status="$2" '
    /^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+/ {
      summary = 1; failed = $4; total = $NF; skipped = 0; disabled = 0; next
    }
    summary && /^[ \t]+[0-9]+ - .* \(Skipped\)$/ { ++skipped }
    summary && /^[ \t]+[0-9]+ - .* \(Disabled\)$/ { ++disabled }
    END {
      if (!summary) exit 1
      if (status != 0 && failed == 0) extra = 1
      print total - failed - skipped, failed + extra, skipped + disabled
    }' "$1"
}

# The closing line of a script that sums up: "N passed, N failed, N skipped".
# count_line_read LOG prints the numbers of the last such line in LOG.
count_line() { echo "$1 passed, $2 failed, $3 skipped"; }
count_line_read() {
  sed -nE 's/^([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped$/\1 \2 \3/p' "$1" | tail -n 1
}
