#!/usr/bin/env bash
# zorvane-cli on pipes answers each line before the next one comes, so that a
# program can talk to it one line at a time.
# Usage: conversation.sh <zorvane-cli>
set -euo pipefail
coproc calc { "$1"; }
# Bash unsets calc_PID once the coprocess has ended and been reaped: keep it.
pid=$calc_PID
for exchange in "1+2 3" "2^10 1024" "1/0 error"; do
  read -r line expected <<<"$exchange"
  echo "$line" >&"${calc[1]}"
  read -t 10 -r answer <&"${calc[0]}" || answer="(nothing within 10 seconds)"
  [[ "$answer" == "$expected" ]] || { echo "$line gave $answer, expected $expected"; exit 1; }
done
exec {calc[1]}>&-
wait "$pid" && status=0 || status=$?
[[ $status == 1 ]] || { echo "exit status $status, expected 1"; exit 1; }
