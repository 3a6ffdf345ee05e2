#!/usr/bin/env bash
# zorvane-cli --formula at a terminal (a tmux pane): the prompts X0=, X1=, ...
# in turn, the answer under them, Ctrl+C starting the evaluation again and
# Ctrl+D ending the session.
# Usage: formula_terminal.sh <zorvane-cli>     (exit 77: no tmux, skipped)
set -euo pipefail
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }
cli=$1 work=$(mktemp -d) session=0
export HOME=$work XDG_STATE_HOME=$work/state
trap 'pane kill-server 2>/dev/null; rm -rf "$work"' EXIT

pane() { tmux -S "$work/socket$session" -f /dev/null "$@"; }
# Sends the keys after $1, then waits until the pane's text below the banner
# line ends with $1.
send() {
  local want=$1
  shift
  pane send-keys "$@"
  for _ in {1..100}; do
    [[ $(pane capture-pane -p | sed 1d) == *"$want" ]] && return
    sleep 0.1
  done
  printf 'the screen:\n%s\nexpected it to end with:\n%s\n' "$(pane capture-pane -p)" "$want"
  exit 1
}

# Starts zorvane-cli with the arguments in a new pane of a new tmux server;
# the pane shows the exit status when the session ends, and goes within two
# minutes even if this script is killed.
start() {
  pane kill-server 2>/dev/null || true
  session=$((session + 1))
  pane new-session -d -c "$work" -x 80 -y 20 \
    "timeout --foreground 60 '$cli' $*; echo \"exit \$?\"; sleep 60"
}

start --formula "'x1-x0*2'"
send 'X0=' ''
# X0 is asked first although X1 stands first; "=" and the result come under
# the values.
send 'X1=' 3 Enter
send $'X0=3\nX1=10\n=4\nX0=' 10 Enter
# Ctrl+C drops the values given so far: the next prompt is X0= again.
send $'X0=1\nX1=2^C\nX0=' 1 Enter 2 C-c
send $'X0=\nX1=\n=error\nX0=' Enter Enter
send $'X0=^D\nexit 1' C-d

# Without a formula, --log answers with the entry under the line typed; an
# empty line is passed over.
start --log
send '>' ''
send $'>\n> 1+2\n1+2\n=3\n>' Enter 1+2 Enter
send $'> ^D\nexit 0' C-d
echo "function mode at a terminal as expected"
