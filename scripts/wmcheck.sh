#!/usr/bin/env bash
# Runs the real program under a window manager (openbox on Xvfb) in a program folder with
# customers, teams and a project, reaches the main menu through the start screen with real keys,
# opens every routine's screen and the settings screen, and checks that every window's frame,
# title bar to lower edge, lies inside the screen each time one is shown. On the blocked-days
# screen it toggles the grid, on the customer screen the data screen, and checks that the frame
# keeps its size and place. Then starts it on a folder whose AuxFiles is a file and checks the
# "Folder Error" box the same way.
#   scripts/wmcheck.sh             WMCHECK_SIZE=WIDTHxHEIGHT sets the screen (default 1280x1024);
#                                  WMCHECK_DISPLAY=:NN picks the display (default: a free one)
set -euo pipefail
cd "$(dirname "$0")/.."

size=${WMCHECK_SIZE:-1280x1024}
if ! [[ $size =~ ^([0-9]+)x([0-9]+)$ ]]; then
  echo "wmcheck: FAIL: WMCHECK_SIZE \"$size\" is not WIDTHxHEIGHT"
  exit 1
fi
width=${BASH_REMATCH[1]}
height=${BASH_REMATCH[2]}
echo "wmcheck: ${width}x${height} screen, openbox on Xvfb"

for tool in Xvfb openbox xdotool xwininfo xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "wmcheck: FAIL: $tool is missing (scripts/install-packages.sh installs it)"
    exit 1
  fi
done

[ -f build/build.ninja ] || bash scripts/build.sh >/dev/null
cmake --build build --parallel "${JOBS:-$(nproc)}" --target construction-scheduler scheduler_seed_folder >/dev/null

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
deadline=$((SECONDS + 150))

fail() {
  echo "  FAIL: $*"
  failures=$((failures + 1))
}

# Polls a command until it succeeds, every 0.1 s for at most the given seconds.
poll() {
  local seconds=$1
  shift
  local tries=$((seconds * 10))
  while ((tries-- > 0)); do
    if "$@"; then return 0; fi
    if ((SECONDS > deadline)); then
      echo "wmcheck: FAIL: out of time"
      exit 1
    fi
    sleep 0.1
  done
  return 1
}

if [ -n "${WMCHECK_DISPLAY:-}" ]; then
  Xvfb "$WMCHECK_DISPLAY" -screen 0 ${width}x${height}x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  export DISPLAY=$WMCHECK_DISPLAY
else
  Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  poll 10 test -s "$work/display" || { echo "wmcheck: FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=:$(head -n1 "$work/display")
fi
unset QT_QPA_PLATFORM
poll 10 xprop -root _NET_CURRENT_DESKTOP >/dev/null 2>&1 || poll 10 xwininfo -root >/dev/null 2>&1 \
  || { echo "wmcheck: FAIL: no X server on $DISPLAY"; exit 1; }
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
poll 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' \
  || { echo "wmcheck: FAIL: openbox did not start"; exit 1; }

program=""
start_program() {
  local folder=$1
  [ -x "$folder/construction-scheduler" ] || cp build/construction-scheduler "$folder/construction-scheduler"
  (cd "$folder" && exec ./construction-scheduler) >"$work/program.log" 2>&1 &
  program=$!
  pids+=("$program")
}

stop_program() {
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
}

# The frame of a window as "x y width height": its inner geometry grown by the frame the window
# manager reports.
frame_of() {
  local id=$1 info extents left right top bottom x y w h
  info=$(xwininfo -id "$id" 2>/dev/null) || return 1
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  IFS=, read -r left right top bottom <<<"$extents"
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# Whether a frame "x y width height" lies wholly on the screen.
on_screen() {
  local x y w h
  read -r x y w h <<<"$1"
  ((x >= 0 && y >= 0 && x + w <= width && y + h <= height))
}

# True once the window's frame is known and has not changed for a few looks; a frame seen off
# the screen on the way is kept in $strayed.
settled() {
  local id=$1 now
  now=$(frame_of "$id") || return 1
  on_screen "$now" || strayed=$now
  if [ "$now" = "${last_frame:-}" ]; then
    ((++stable >= 3))
  else
    last_frame=$now
    stable=0
    return 1
  fi
}

# The window's frame lies inside the screen from the moment it is framed; a screen not moved by
# the user also sits in the middle of the screen, so it comes back at the same place.
check_whole() {
  local id=$1 what=$2 centred=${3:-} x y w h
  last_frame="" stable=0 strayed=""
  if ! poll 5 settled "$id"; then
    fail "$what: the window never settled"
    return
  fi
  read -r x y w h <<<"$last_frame"
  if ! on_screen "$last_frame"; then
    fail "$what: frame ${w}x${h} at ($x,$y) runs off the ${width}x${height} screen"
  elif [ -n "$strayed" ]; then
    fail "$what: frame at ($x,$y) in the end, but first seen off the screen as \"$strayed\" (x y width height)"
  elif [ -n "$centred" ] && (((x * 2 + w - width) ** 2 > 16 || (y * 2 + h - height) ** 2 > 16)); then
    fail "$what: frame ${w}x${h} at ($x,$y) is not centred on the screen"
  else
    echo "  ok: $what: frame ${w}x${h} at ($x,$y)"
  fi
}

name_of() {
  xdotool getwindowname "$1" 2>/dev/null
}

is_dialog() {
  xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG
}

active_is() {
  local id
  id=$(xdotool getactivewindow 2>/dev/null) || return 1
  [ "$(name_of "$id")" = "$1" ] && ! is_dialog "$id"
}

# The window manager's idea of the active window may name a window of a copy that has ended, whose
# id a new copy's window reuses before it is shown: only a shown window counts.
viewable() {
  xwininfo -id "$1" 2>/dev/null | grep -q IsViewable
}

active_dialog() {
  local id
  id=$(xdotool getactivewindow 2>/dev/null) || return 1
  viewable "$id" && is_dialog "$id"
}

# Waits for the screen of the title to be the active window, checking and answering with
# Enter any message box that comes up first; then checks every window of the program shown.
await() {
  local title=$1 what=$2 tries=0 id
  while ((tries++ < 8)); do
    if poll 10 sh -c "id=\$(xdotool getactivewindow 2>/dev/null) || exit 1
        xwininfo -id \$id 2>/dev/null | grep -q IsViewable || exit 1
        name=\$(xdotool getwindowname \$id 2>/dev/null)
        xprop -id \$id _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && exit 0
        [ \"\$name\" = \"$title\" ]"; then
      id=$(xdotool getactivewindow)
      if is_dialog "$id"; then
        check_whole "$id" "box \"$(name_of "$id")\" over $what"
        xdotool key --clearmodifiers Return
        poll 5 sh -c "! xwininfo -id $id 2>/dev/null | grep -q IsViewable" || true
        continue
      fi
      check_whole "$id" "$what" centred
      for other in $(xdotool search --onlyvisible --pid "$program" --name '.' 2>/dev/null); do
        [ "$other" = "$id" ] && continue
        xwininfo -id "$other" 2>/dev/null | grep -q IsViewable || continue
        xprop -id "$other" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = || continue
        check_whole "$other" "\"$(name_of "$other")\" beside $what"
      done
      current=$id
      return 0
    fi
    break
  done
  fail "$what: \"$title\" never became the active window (active: \"$(name_of "$(xdotool getactivewindow 2>/dev/null)")\")"
  return 1
}

# Runs the given command (a toggle of a panel) and checks that the window's frame settles where
# and as large as it was before.
keeps_frame() {
  local id=$1 what=$2 before
  shift 2
  last_frame="" stable=0 strayed=""
  poll 5 settled "$id" || { fail "$what: the window never settled"; return; }
  before=$last_frame
  "$@"
  sleep 0.5
  last_frame="" stable=0 strayed=""
  if ! poll 5 settled "$id"; then
    fail "$what: the window never settled"
  elif [ "$last_frame" != "$before" ] || [ -n "$strayed" ]; then
    fail "$what: frame \"$before\" became \"$last_frame\" (x y width height)${strayed:+, on the way \"$strayed\"}"
  else
    echo "  ok: $what: frame stays \"$before\""
  fi
}

# The blocked-days screen's menu bar entry "Toggle Blocked Days Grid".
toggle_grid() {
  click_in "$current" 40 10
}

# The customer screen's menu "Files", its fourth entry "Toggle Data Screen".
toggle_data() {
  click_in "$current" 20 10
  sleep 0.3
  keys Down Down Down Down Return
}

keys() {
  xdotool key --clearmodifiers --delay 30 "$@"
}

# Clicks the window's menu bar at the given offset from its inner top-left corner.
click_in() {
  local id=$1 dx=$2 dy=$3 info x y
  info=$(xwininfo -id "$id")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  xdotool mousemove --sync $((x + dx)) $((y + dy)) click 1
}

menu="CONSTRUCTION SCHEDULER Main Menu"

# Picks the routine by its place in the list (arrow keys skip the options not offered), then Goto.
goto_routine() {
  local steps=$1
  keys alt+c
  # The access key clicks the option a moment later; the arrows move on from there.
  sleep 0.3
  for ((i = 0; i < steps; i++)); do keys Down; done
  keys alt+g
}

# Walks the program from its start screen through every routine; stops at the first screen that
# does not come up.
walk() {
  # Two copies started at the same moment in one folder: the loser's box comes up in front,
  # active, and the loser ends once it is answered.
  start_program "$folder"
  local one=$program
  start_program "$folder"
  local two=$program
  local box seen="" tries=0
  while ((tries++ < 4)) && kill -0 "$one" 2>/dev/null && kill -0 "$two" 2>/dev/null; do
    poll 20 active_dialog || break
    box=$(xdotool getactivewindow)
    if [ "$(name_of "$box")" != "Construction Scheduler" ]; then
      # A box of the start itself: checked and answered.
      check_whole "$box" "box \"$(name_of "$box")\" at the start of two copies"
    else
      seen=yes
      check_whole "$box" "the second copy's box"
      local top
      top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //')
      [ $((top)) = $((box)) ] || fail "the second copy's box is not on top of the other windows"
    fi
    keys Return
    poll 5 sh -c "! xwininfo -id $box 2>/dev/null | grep -q IsViewable" || true
  done
  [ -n "$seen" ] || fail "the second copy's box did not come up active (active: \"$(name_of "$(xdotool getactivewindow 2>/dev/null)")\")"
  poll 10 sh -c "! kill -0 $one 2>/dev/null || ! kill -0 $two 2>/dev/null" || fail "no copy ended after the box"
  if kill -0 "$one" 2>/dev/null; then program=$one; else program=$two; fi

  await "Construction Scheduler" "the start screen" || return
  keys Return
  await "$menu" "the main menu" || return

  # Files, Create/Modify: the settings screen, back to the menu with its save button.
  click_in "$current" 20 10
  keys Down Return
  await "Scheduler Setup Form" "the settings screen" || return
  keys alt+m
  await "$menu" "the main menu again" || return

  # The routines by their place in the list, each back to the menu by its own button. The
  # reminder calls are not offered without caller ID, so the list below it is one shorter.
  local routine steps title back toggle
  while IFS='|' read -r routine steps title back toggle; do
    goto_routine "$steps"
    await "$title" "routine $routine" || return
    if [ -n "$toggle" ]; then
      keeps_frame "$current" "routine $routine, $toggle shown" "toggle_$toggle"
      keeps_frame "$current" "routine $routine, $toggle hidden again" "toggle_$toggle"
    fi
    # A screen still busy opening (the call monitor looks for its modem) may miss the key.
    local tries=0
    while keys "$back" && ! poll 4 active_is "$menu" && ((++tries < 3)); do :; done
    await "$menu" "the main menu after routine $routine" || return
  done <<'ROUTINES'
2 (customer screen)|1|Customer Selection       |alt+e
3 (scheduling screen)|2|Scheduling Screen|alt+m
4 (administrative events)|3|Administrative Events|alt+m
5 (call monitoring)|4|Unattended Call Monitoring|alt+m
7 (vendors)|5|Payto Selection       |alt+m
8 (holidays)|6|Holiday and Vacation Days|alt+m|grid
9 (customer data)|7|Customer Selection       |alt+e|data
10 (project board)|8|Construction Project Control|alt+m
ROUTINES
  goto_routine 0
  await "Customer Selection" "routine 1 (new project)"
}

echo "wmcheck: on $DISPLAY"
folder=$work/program
"$PWD/build/tests/scheduler_seed_folder" "$folder"
walk || true
stop_program

# A folder whose AuxFiles is a file: the folder box comes up at the start.
broken=$work/broken
"$PWD/build/tests/scheduler_seed_folder" "$broken"
rm -rf "$broken/AuxFiles"
echo "not a folder" >"$broken/AuxFiles"
start_program "$broken"
if poll 20 active_dialog; then
  box=$(xdotool getactivewindow)
  if [ "$(name_of "$box")" = "Folder Error" ]; then
    check_whole "$box" "the \"Folder Error\" box"
  else
    fail "the first box is \"$(name_of "$box")\", not \"Folder Error\""
  fi
else
  fail "the \"Folder Error\" box never came up active"
fi
stop_program

if ((failures > 0)); then
  echo "wmcheck: FAIL ($failures)"
  exit 1
fi
echo "wmcheck: PASS"
