#!/usr/bin/env bash
# zorvane-cli at a terminal (a tmux pane): editing with the arrow keys, Ctrl+C
# and Ctrl+D, the history kept from one session to the next, characters beyond
# ASCII passed on as typed, answers sent to a file, and the prompts of
# --formula and the entries of --log.
# Usage: terminal_session.sh <zorvane-cli>     (exit 77: no tmux, skipped)
set -euo pipefail
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }
cli=$1 work=$(mktemp -d) session=0
export HOME=$work/home
mkdir -p "$HOME/.local"
trap 'pane kill-server 2>/dev/null; rm -rf "$work"' EXIT

pane() { tmux -S "$work/socket$session" -f /dev/null "$@"; }
# Sends the keys after $1, then waits until the pane's text below the greeting
# line ends with $1 (so the next keys reach the line editor, not the terminal).
send() {
  local want=$1
  shift
  pane send-keys "$@"
  for _ in {1..100}; do
    [[ $(pane capture-pane -p | sed '1{/^Zorvane/d}') == *"$want" ]] && return
    sleep 0.1
  done
  printf 'the screen:\n%s\nexpected it to end with:\n%s\n' "$(pane capture-pane -p)" "$want"
  exit 1
}
# Starts a session in a new pane in the scratch folder with XDG_STATE_HOME=$1,
# the locale $2 (C.UTF-8 when not given) and the options after it; the pane
# shows the exit status when the session ends, and goes within two minutes even
# if this script is killed. With ANSWERS set, standard output goes to that file;
# PROMPT is the first prompt to wait for ("> " when not set).
start() {
  pane kill-server 2>/dev/null || true
  session=$((session + 1))
  local state=$1 locale=${2:-C.UTF-8} to=
  shift $(($# < 2 ? $# : 2))
  [[ -n ${ANSWERS:-} ]] && to="> '$ANSWERS'"
  pane new-session -d -c "$work" -x 120 -y 20 \
    "env XDG_STATE_HOME='$state' LC_ALL=$locale timeout --foreground 60 '$cli' $* $to; echo \"exit \$?\"; sleep 60"
  send "${PROMPT:->}"
}

# First session: the cursor moves inside the line, Ctrl+C drops a line, each
# answer stands under its line.
start "$work/state"
send $'> 29*3\n=87\n>' '2*3' Left Left 9 Enter
send $'> 1+^C\n>' '1+' C-c
send $'=25\n>' '5*5' Enter
send $'> 29*3\n=87\n> 1+^C\n> 5*5\n=25\n> sqr(-1\n=error\n>' 'sqr(-1' Enter
send $'> ^D\nexit 1' C-d
# The history file holds every line evaluated, none dropped.
history=$(cat "$work/state/zorvane/history")
[[ $history == $'_HiStOrY_V2_\n29*3\n5*5\nsqr(-1' ]] || { printf 'history:\n%s\n' "$history"; exit 1; }

# Second session, where the history is kept without XDG_STATE_HOME: Up and
# Down go through the first session's lines.
mv "$work/state" "$HOME/.local/state"
start ""
send $'> 5*5+1\n=26\n>' Up Up Up Down '+1' Enter
send $'> ^D\nexit 0' C-d

# A history file that cannot be kept loses only the history.
start /dev/null
send $'=3\n>' '1+2' Enter
send $'> 1+2\n=3\n> 1+2\n=3\n>' Up Enter
send $'> ^D\nexit 0' C-d
# Characters beyond ASCII reach the evaluation as typed, in a German and a
# plain UTF-8 locale alike: "2×3" is an error with its reason, not 23; a byte
# of no character (B2, "²" in Latin-1) is that byte, as in batch mode.
for locale in de_DE.UTF-8 C.UTF-8; do
  start "$work/state" "$locale" --explain
  send $'> 2×3\nerror: "×" is not a number, operator, bracket or function (line 1, column 2). Type "*" to multiply.\n=error\n>' '2×3' Enter
  pane send-keys -H 32 b2 33
  send $'error: "\\xB2" is not a number, operator, bracket or function (line 1, column 2)\n=error\n>' Enter
  send $'> ^D\nexit 1' C-d
done

# Standard output to a file: the answers go there, without the greeting; the
# prompt and the line being typed stay on the terminal.
ANSWERS=$work/answers start "$work/state"
[[ $(pane capture-pane -p) != Zorvane* ]] || { echo "the greeting is on the terminal"; exit 1; }
pane send-keys 1+2 Enter 8/2 Enter C-d
for _ in {1..100}; do
  [[ $(pane capture-pane -p) == *"exit 0"* ]] && break
  sleep 0.1
done
answers=$(cat "$work/answers")
[[ $answers == $'=3\n=4' ]] || { printf 'answers in the file:\n%s\n' "$answers"; exit 1; }

# --formula: the prompts X0=, X1=, ... in turn (X0 is asked first although X1
# stands first), "=" and the result under the values, Ctrl+C dropping the
# values given so far, Ctrl+D ending the session.
PROMPT=X0= start "$work/formula" C.UTF-8 --formula "'x1-x0*2'"
greeting=$(pane capture-pane -p | head -n 1)
[[ $greeting == "Zorvane "*" - function mode: Ctrl+C starts again, Ctrl+D ends." ]] ||
  { printf 'greeting: %s\n' "$greeting"; exit 1; }
send 'X1=' 3 Enter
send $'X0=3\nX1=10\n=4\nX0=' 10 Enter
send $'X0=1\nX1=2^C\nX0=' 1 Enter 2 C-c
send $'X0=\nX1=\n=error\nX0=' Enter Enter
send $'X0=^D\nexit 1' C-d

# Function mode with standard output to a file: the prompts stay on the
# terminal, the greeting goes nowhere, the file holds the answers alone.
ANSWERS=$work/formula-answers PROMPT=X0= start "$work/formula" C.UTF-8 --formula X0
[[ $(pane capture-pane -p) != Zorvane* ]] || { echo "the greeting is on the terminal"; exit 1; }
pane send-keys 2 Enter C-d
for _ in {1..100}; do
  [[ $(pane capture-pane -p) == *"exit 0"* ]] && break
  sleep 0.1
done
answers=$(cat "$work/formula-answers")
[[ $answers == "=2" ]] || { printf 'answers in the file:\n%s\n' "$answers"; exit 1; }

# Without a formula, --log answers with the entry under the line typed; an
# empty line is passed over.
start "$work/formula" C.UTF-8 --log
send $'>\n> 1+2\n1+2\n=3\n>' Enter 1+2 Enter
send $'> ^D\nexit 0' C-d
echo "terminal sessions as expected"
