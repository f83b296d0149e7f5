#!/usr/bin/env bash
# Drives the real karvelio from outside, as a user would, through a real X
# client (xdotool). Run it under a display of its own:
#   xvfb-run -a tests/e2e/karvelio-e2e.sh build/bin/karvelio build build/bin/session-manager
# The build folder is installed into a scratch prefix for the last case; the
# session manager (tests/e2e/SessionManager.cpp) stands for a desktop's.
# Bare Xvfb has no window manager: a window gets the keyboard focus from
# xdotool before keys are sent to it.
set -uo pipefail

karvelio=$(realpath "$1")
build=$(realpath "$2")
session_manager=${3:-}
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The open dialog saves its state in the configuration folder: not the
# tester's.
export XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM
failures=0
pid=""

cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Starts the program ($program, the built one unless a case says otherwise)
# with the given documents; its output goes to a file, so no pipe keeps
# anything waiting for it.
program=$karvelio
start() {
  "$program" "$@" >"$work/out.log" 2>&1 &
  pid=$!
}

# The id of the visible window titled exactly $1, waiting up to 20 s for it.
window() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}

# The open dialog, waiting up to 20 s for it.
open_dialog() {
  timeout 20 xdotool search --sync --onlyvisible --name "^Open" 2>/dev/null | head -1
}

visible_count() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# Gives the window the keyboard focus, then sends it the keys.
keys() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id" && sleep 0.3 && xdotool key --clearmodifiers "$@"
}

# Waits up to 20 s for karvelio to end; its exit status, or 124 when it did not.
finish() {
  local status
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null
    status=124
  else
    wait "$pid"
    status=$?
  fi
  pid=""
  return "$status"
}

# Waits for the program to end and expects status 0 after what $1 says.
expect_clean_end() {
  finish
  local status=$?
  [[ $status -eq 0 ]] || fail "$1 ended it with status $status, not 0"
}

# A header is all a document needs to open: this one names CS4 (version
# byte 06 at offset 29 of a little-endian header).
make_document() {
  head -c 48 /dev/zero >"$work/$1"
  printf '\x06' | dd of="$work/$1" bs=1 seek=29 conv=notrunc status=none
}
first=first.indd
second=second.indd
make_document "$first"
make_document "$second"

echo "case: two documents on the command line, then Ctrl+Q"
start "$work/$first" "$work/$second"
one=$(window "$first")
two=$(window "$second")
[[ -n "$one" ]] || fail "no window titled $first"
[[ -n "$two" ]] || fail "no window titled $second"
[[ -n "$two" ]] && keys "$two" ctrl+q
expect_clean_end Ctrl+Q

echo "case: an unreadable document shows the message box; Return dismisses it and the program ends with 0"
start "$work/missing.indd"
[[ -n "$(window missing.indd)" ]] || fail "no result window titled missing.indd"
box=$(window Karvelio)
if [[ -n "$box" ]]; then
  keys "$box" Return
else
  fail "no message box"
fi
expect_clean_end "the message"

echo "case: Ctrl+O, a document typed into the dialog, then its window"
start
bar=$(window Karvelio)
if [[ -z "$bar" ]]; then
  fail "no menu bar window at start"
else
  keys "$bar" ctrl+o
  dialog=$(open_dialog)
  if [[ -z "$dialog" ]]; then
    fail "Ctrl+O showed no open dialog"
  else
    xdotool windowfocus --sync "$dialog"
    sleep 0.5
    xdotool type --delay 5 "$work/$second"
    sleep 0.3
    xdotool key Return
    # A completion list may take the first Return.
    opened=$(timeout 3 xdotool search --sync --onlyvisible --name "^$second\$" 2>/dev/null | head -1)
    if [[ -z "$opened" ]]; then
      xdotool key Return
      opened=$(window "$second")
    fi
    [[ -n "$opened" ]] || fail "the chosen document opened no window"
    [[ -n "$opened" ]] && keys "$opened" ctrl+q
  fi
fi
expect_clean_end Ctrl+Q

echo "case: the about item opens one about window, also when chosen twice"
start "$work/$first"
result=$(window "$first")
about_command() {
  # The application menu comes first in the window's menu bar; its first
  # item is the about item.
  xdotool windowfocus --sync "$result"
  sleep 0.3
  xdotool mousemove --window "$result" 25 10 click 1
  sleep 0.5
  xdotool key Down Return
  sleep 0.5
}
if [[ -z "$result" ]]; then
  fail "no window titled $first"
else
  about_command
  [[ -n "$(window Karvelio)" ]] || fail "the about item opened no window"
  about_command
  count=$(visible_count Karvelio)
  [[ $count -eq 1 ]] || fail "$count windows titled Karvelio after two about commands"
  # The about window shows no menu bar, yet the application's shortcuts act
  # while it is in front.
  about=$(window Karvelio)
  keys "$about" ctrl+o
  dialog=$(open_dialog)
  [[ -n "$dialog" ]] || fail "Ctrl+O in the about window showed no open dialog"
  [[ -n "$dialog" ]] && keys "$dialog" Escape
  sleep 0.5
  # Two Ctrl+O that both reach the program before the first dialog opens:
  # the second comes while the dialog is up, and opens nothing.
  xdotool windowfocus --sync "$about" && sleep 0.3
  kill -STOP "$pid"
  xdotool key --clearmodifiers --delay 0 ctrl+o ctrl+o
  kill -CONT "$pid"
  [[ -n "$(open_dialog)" ]] || fail "Ctrl+O twice in the about window showed no open dialog"
  sleep 1
  count=$(visible_count Open)
  [[ $count -eq 1 ]] || fail "$count open dialogs after Ctrl+O twice in the about window"
  for _ in $(seq "$count"); do
    keys "$(xdotool search --onlyvisible --name '^Open$' | tail -1)" Escape
    sleep 0.5
  done
  keys "$about" ctrl+q
fi
expect_clean_end Ctrl+Q

echo "case: a document named like a toolkit option opens like any other"
make_document -reverse
cd "$work" && start -reverse && cd - >/dev/null
option=$(window -reverse)
if [[ -n "$option" ]]; then
  keys "$option" ctrl+q
else
  fail "no window titled -reverse"
fi
expect_clean_end Ctrl+Q

echo "case: a desktop session is asked never to start the program again"
# A restored session would run the restart command the program left, and
# "PROGRAM -session ID" names a document "-session": only a hint of never
# (3) keeps the next login from opening it and its failure message.
if [[ ! -x "$session_manager" ]]; then
  fail "no session manager to test with (build it with libsm-dev and libice-dev)"
else
  "$session_manager" 30 >"$work/session.log" 2>"$work/session.err" &
  manager=$!
  for _ in $(seq 100); do
    grep -q '^SESSION_MANAGER=' "$work/session.log" && break
    sleep 0.1
  done
  SESSION_MANAGER=$(sed -n 's/^SESSION_MANAGER=//p' "$work/session.log") start
  bar=$(window Karvelio)
  for _ in $(seq 100); do
    grep -q '^saved$' "$work/session.log" && break
    sleep 0.1
  done
  property() { awk -F'\t' -v name="$1" '$1 == name { $1 = ""; print substr($0, 2) }' "$work/session.log"; }
  hint=$(property RestartStyleHint)
  if ! grep -q '^saved$' "$work/session.log"; then
    fail "the program did not save itself for the session manager"
    cat "$work/session.err"
  elif [[ "$hint" != 3 ]]; then
    fail "a restored session would run \"$(property RestartCommand)\" (restart hint ${hint:-none}, not 3: never)"
  fi
  [[ -n "$bar" ]] && keys "$bar" ctrl+q
  expect_clean_end Ctrl+Q
  kill "$manager" 2>/dev/null
  wait "$manager" 2>/dev/null
fi

echo "case: installed into a prefix, bin/karvelio draws the release badge, then Ctrl+Q"
prefix="$work/prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$work/out.log" 2>&1; then
  fail "cmake --install $build failed"
else
  program="$prefix/bin/karvelio"
  start "$work/$first"
  result=$(window "$first")
  if [[ -z "$result" ]]; then
    fail "no window titled $first"
  else
    # The badge's canvas: one colour while it is blank (no picture found),
    # many once the badge is drawn. The window may show before it paints.
    colours=0
    if ! command -v import >/dev/null; then
      fail "ImageMagick's import is not installed: cannot look at the badge"
    else
      for _ in $(seq 25); do
        colours=$(import -window "$result" -crop 64x64+34+42 +repage -format %k info: 2>"$work/import.log")
        ((${colours:-0} > 1)) && break
        sleep 0.2
      done
      if ((${colours:-0} <= 1)); then
        fail "the installed program drew no release badge (${colours:-no} colour(s) in its canvas)"
        cat "$work/import.log"
      fi
    fi
    keys "$result" ctrl+q
  fi
  expect_clean_end Ctrl+Q
fi

if ((failures)); then
  echo "$failures failure(s); the last run's output:"
  cat "$work/out.log"
  exit 1
fi
echo "all cases passed"
