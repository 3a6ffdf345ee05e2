#!/usr/bin/env bash
# zorvane-cli at a terminal (a tmux pane): editing with the arrow keys, Ctrl+C
# and Ctrl+D, and the history kept from one session to the next.
# Usage: terminal_session.sh <zorvane-cli>     (exit 77: no tmux, skipped)
set -euo pipefail
cli=$1
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }
work=$(mktemp -d)
session=0
trap 'for s in "$work"/socket*; do tmux -S "$s" kill-server 2>/dev/null || true; done; rm -rf "$work"' EXIT
export HOME=$work/home
mkdir "$HOME"

pane() { tmux -S "$work/socket$session" -f /dev/null "$@"; }
# The pane's text without the banner line and the blank lines below the text.
screen() { pane capture-pane -p | sed 1d | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'; }
wait_for() {
  for _ in $(seq 100); do
    screen | grep -q -e "$1" && return 0
    sleep 0.1
  done
  printf 'waited in vain for "%s"; the screen:\n%s\n' "$1" "$(screen)"
  exit 1
}
# Starts a session with XDG_STATE_HOME=$1; it shows its exit status when it ends.
start() {
  pane kill-server 2>/dev/null || true
  session=$((session + 1))
  pane new-session -d -x 60 -y 20 "env XDG_STATE_HOME='$1' '$cli'; echo \"exit \$?\"; sleep 60"
  wait_for '^>'
}
keys() { pane send-keys "$@"; }
expect_screen() {
  if [[ "$(screen)" != "$1" ]]; then
    printf 'the screen:\n%s\nexpected:\n%s\n' "$(screen)" "$1"
    exit 1
  fi
}

# First session: the cursor moves inside the line, Ctrl+C drops a line.
start "$work/state"
keys '2*3' Left Left 9 Enter && wait_for '^=87'
keys '1+' C-c && wait_for '^> 1+^C'
keys '5*5' Enter && wait_for '^=25'
keys 'sqr(-1' Enter && wait_for '^=error'
keys C-d && wait_for '^exit'
expect_screen '> 29*3
=87
> 1+^C
> 5*5
=25
> sqr(-1
=error
> ^D
exit 1'

# The history file holds every line evaluated, none dropped.
expected_history=$'_HiStOrY_V2_\n29*3\n5*5\nsqr(-1'
if [[ "$(cat "$work/state/zorvane/history")" != "$expected_history" ]]; then
  printf 'history file:\n%s\n' "$(cat "$work/state/zorvane/history")"
  exit 1
fi

# Second session: Up and Down go through the first session's lines.
start "$work/state"
keys Up Up Up Down '+1' Enter && wait_for '^=26'
keys C-d && wait_for '^exit'
expect_screen '> 5*5+1
=26
> ^D
exit 0'

# Without XDG_STATE_HOME the history is kept under ~/.local/state.
start ""
keys '7*6' Enter && wait_for '^=42'
keys C-d && wait_for '^exit'
grep -qx '7\*6' "$HOME/.local/state/zorvane/history"

# A history that cannot be kept loses only the history.
start /dev/null
keys '1+2' Enter && wait_for '^=3'
keys Up Enter && wait_for '^=3'
keys C-d && wait_for '^exit'
expect_screen '> 1+2
=3
> 1+2
=3
> ^D
exit 0'
echo "terminal sessions as expected"
