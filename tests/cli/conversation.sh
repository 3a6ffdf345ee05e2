#!/usr/bin/env bash
# zorvane-cli on pipes answers a line before the next one comes, so that a
# program can talk to it one line at a time.
# Usage: conversation.sh [EMULATOR] <zorvane-cli>
coproc calc { "$@"; }
echo 1+2 >&"${calc[1]}"
read -t 10 -r answer <&"${calc[0]}"
answer=${answer%$'\r'}  # a Windows program ends its lines in CR LF
[[ $answer == 3 ]] || { echo "1+2 gave '$answer' within 10 seconds, expected 3"; exit 1; }
