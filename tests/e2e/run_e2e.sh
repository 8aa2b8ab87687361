#!/usr/bin/env bash
# Quarvel as a user meets it: the built program on its own X server (Xvfb) in a private
# home, driven from outside with real pointer and key events (xdotool).
#
#  1. A comprehensive test answered "No" throughout, by click and by key, reaches the result
#     screen after exactly 180 answers; the report saved through the file dialog names the
#     type and wing worked out from the key table; the review window opens and closes; File >
#     Exit ends the program with status 0 and the thank-you page is opened exactly once.
#  2. A second start while one runs is refused with a message box and ends with status 0 and
#     the thank-you page, the first keeps running; once the first is killed outright a new
#     start is accepted.
#
# Usage: run_e2e.sh QUARVEL_BINARY EXPECTED_RESULT_HELPER
set -euo pipefail

quarvel=$1
expected_helper=$2

for tool in Xvfb xdotool unrtf; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/deps.sh test installs it)"
        exit 77
    fi
done

now_ms() { echo $(($(date +%s%N) / 1000000)); }
started=$(now_ms)
log() {
    local ms=$(($(now_ms) - started))
    printf '[%3d.%03ds] %s\n' $((ms / 1000)) $((ms % 1000)) "$*"
}
fail() {
    [ -n "${QUARVEL_E2E_SHOT:-}" ] && import -window root "$QUARVEL_E2E_SHOT" 2>/dev/null || true
    log "FAIL: $*"
    exit 1
}

work=$(mktemp -d /tmp/quarvel-e2e.XXXXXX)
pids=()
xvfb_pid=
cleanup() {
    for pid in "${pids[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
    done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Polls a command until it succeeds, for at most the given number of seconds.
# count_is OP N COMMAND...: compares what COMMAND prints with N, anew at every call, so
# that wait_for can poll it.
count_is() {
    local op=$1 want=$2
    shift 2
    [ "$("$@")" "$op" "$want" ]
}

wait_for() {
    local what=$1 seconds=$2
    shift 2
    local deadline=$(($(now_ms) + seconds * 1000))
    until "$@"; do
        if [ "$(now_ms)" -gt "$deadline" ]; then
            fail "timed out after ${seconds}s waiting for $what"
        fi
        sleep 0.05
    done
}

# --- the X server, on a display number it picks itself; -noreset keeps it from resetting
# (and refusing connections meanwhile) whenever its last client goes -------------------
log "starting Xvfb"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for "Xvfb to report its display" 10 test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
unset XAUTHORITY
log "Xvfb runs on $DISPLAY"

# --- a private home, with a stand-in browser that records the addresses it is given ----
mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/bin" "$work/documents"
chmod 0700 "$work/runtime"
cat >"$work/bin/xdg-open" <<'EOF'
#!/bin/sh
printf '%s\n' "$1" >>"$QUARVEL_E2E_URL_LOG"
EOF
chmod +x "$work/bin/xdg-open"
url_log=$work/urls.log
: >"$url_log"

thank_you_suffix=/thankyou-for-using-quarvel.php
thank_you_count() { grep -c -- "$thank_you_suffix\$" "$url_log" || true; }

# Starts the program as a user would; the pid is left in $started_pid.
start_quarvel() {
    local name=$1
    local -a pass=()
    for var in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [ -n "${!var:-}" ] && pass+=("$var=${!var}")
    done
    env -i "${pass[@]}" DISPLAY="$DISPLAY" HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work/runtime" PATH="$work/bin:/usr/bin:/bin" LC_ALL=C.UTF-8 \
        QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= QUARVEL_E2E_URL_LOG="$url_log" \
        "$quarvel" >"$work/$name.out" 2>&1 &
    started_pid=$!
    pids+=("$started_pid")
    log "started $name (pid $started_pid)"
}

alive() { [ -e "/proc/$1" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status"; }
exited() { ! alive "$1"; }

# For waits on a program's window: fails at once, with its output, if the program has died.
shows() {
    local pid=$1 name=$2
    alive "$pid" || fail "$name (pid $pid) ended early; its output:
$(cat "$work/$name.out")"
    has_window "$pid" "$3"
}

# Visible windows of a process whose title matches a pattern.
windows_of() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null || true; }
has_window() { [ -n "$(windows_of "$1" "$2")" ]; }
has_no_window() { [ -z "$(windows_of "$1" "$2")" ]; }
window_count() { windows_of "$1" "$2" | wc -l; }
# Every visible window of a process; a menu has no WM_NAME, so it is found only this way.
all_window_count() { (xdotool search --onlyvisible --pid "$1" 2>/dev/null || true) | wc -l; }

# The main window and the review window are titled "Quarvel v1.0"; message boxes and the
# save dialog "Quarvel".
main_title='^Quarvel v1\.0'
box_title='^Quarvel$'

wait_exit_status() {
    local pid=$1 name=$2 status=0
    wait_for "$name to end" 15 exited "$pid"
    wait "$pid" || status=$?
    [ "$status" = 0 ] || fail "$name ended with status $status; its output:$(cat "$work/$name.out")"
    log "$name ended with status 0"
}

wait_thank_you() {
    local want=$1 deadline=$(($(now_ms) + 10000))
    until [ "$(thank_you_count)" -ge "$want" ]; do
        [ "$(now_ms)" -gt "$deadline" ] &&
            fail "thank-you page #$want not opened within 10 s; addresses: $(tr '\n' ' ' <"$url_log")"
        sleep 0.05
    done
    # A second, duplicate opening would be spawned at the same moment as the first.
    sleep 0.3
    [ "$(thank_you_count)" = "$want" ] ||
        fail "thank-you page opened $(thank_you_count) times, expected $want: $(cat "$url_log")"
    log "thank-you page opened (total $want)"
}

# --- window geometry ----------------------------------------------------------------------
# The client area (625x290) sits below the menu bar. The screens stand at (192, 93) px in
# the background panel, whose border is 2 px; their own border is 1 px. Positions inside a
# screen are given in twips (15 per pixel).
twips() { echo $((($1 * 2 + 15) / 30)); }
menu_height=0
screen_x() { echo $((2 + 192 + 1 + $(twips "$1") + $2)); }
screen_y() { echo $((menu_height + 2 + 93 + 1 + $(twips "$1") + $2)); }
# click_screen WINDOW LEFT_TWIPS TOP_TWIPS DX DY: a left click inside a screen control.
click_screen() {
    xdotool mousemove --window "$1" "$(screen_x "$2" "$4")" "$(screen_y "$3" "$5")" click 1
}

# Opens the File menu and closes it again with real keys. Once the menu has come and gone,
# every event sent before it has been handled.
settle() {
    local pid=$1
    local before
    before=$(all_window_count "$pid")
    xdotool key alt+f
    wait_for "the File menu to open" 10 count_is -gt "$before" all_window_count "$pid"
    xdotool key Escape
    wait_for "the File menu to close" 10 count_is -eq "$before" all_window_count "$pid"
}

expected=$("$expected_helper" No)
expected_type=$(sed -n 1p <<<"$expected")
expected_wing=$(sed -n 2p <<<"$expected")
log "all-\"No\" comprehensive test should report: $expected_type / $expected_wing"

# ==== 1. a whole test, saved, reviewed and closed ========================================
start_quarvel first
first=$started_pid
wait_for "the main window" 30 shows "$first" first "$main_title"
main=$(windows_of "$first" "$main_title")
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 625 ] || fail "main window is $WIDTH px wide, expected 625"
menu_height=$((HEIGHT - 290))
log "main window $main: ${WIDTH}x${HEIGHT}, menu bar ${menu_height} px"
[ "$(window_count "$first" "$box_title")" = 0 ] || fail "a message box showed at the first start"
xdotool windowfocus --sync "$main"

log "click the caption of the comprehensive option, then the Start picture"
click_screen "$main" 840 1083 20 6
click_screen "$main" 1920 1680 73 15

log "question 1: click the \"No\" caption; question 2: key 2; questions 3-179: key N"
click_screen "$main" 2880 1290 10 6
xdotool key 2
xdotool key --delay 5 $(printf 'n %.0s' $(seq 3 179))
settle "$first"

# Question 180 is still on screen: where the Save picture will be there is only background.
log "one question left: clicking where Save will be must do nothing"
click_screen "$main" 2040 1900 37 3
settle "$first"
[ "$(window_count "$first" "$box_title")" = 0 ] || fail "a window opened before the last answer"

log "question 180: click the \"No\" caption"
click_screen "$main" 2880 1290 10 6

log "click the Save picture and save through the file dialog"
report="$work/documents/my report.rtf"
click_screen "$main" 2040 1900 37 13
wait_for "the save dialog" 15 has_window "$first" "$box_title"
dialog=$(windows_of "$first" "$box_title")
xdotool windowfocus --sync "$dialog"
xdotool type --delay 2 "$report"
xdotool key Return
wait_for "the save dialog to close" 10 has_no_window "$first" "$box_title"
wait_for "the report file" 10 test -s "$report"
log "saved $(stat -c %s "$report") bytes"

text=$(unrtf --text "$report" 2>/dev/null) || fail "unrtf could not read the report"
grep -qxF "$expected_type" <<<"$text" || fail "report does not say \"$expected_type\":
$(grep -m3 -e 'personality type is' -e 'Wing is' <<<"$text" || true)"
grep -qxF "$expected_wing" <<<"$text" || fail "report does not say \"$expected_wing\""
[ "$(grep -c '^Your personality type is ' <<<"$text")" = 1 ] || fail "report names more than one type"
log "report read back: $expected_type / $expected_wing"

log "click the Review picture, then close the review window with Escape"
click_screen "$main" 3240 1900 69 13
wait_for "the review window" 15 count_is -eq 2 window_count "$first" "$main_title"
review=$(windows_of "$first" "$main_title" | grep -vx "$main")
xdotool windowfocus --sync "$review"
xdotool key Escape
wait_for "the review window to close" 10 count_is -eq 1 window_count "$first" "$main_title"

log "File > Exit with Alt+F, E"
xdotool windowfocus --sync "$main"
xdotool key alt+f
wait_for "the File menu" 10 count_is -eq 2 all_window_count "$first"
xdotool key e
wait_exit_status "$first" first
wait_thank_you 1

# ==== 2. one program at a time ============================================================
start_quarvel running
running=$started_pid
wait_for "the main window" 30 shows "$running" running "$main_title"

start_quarvel refused
refused=$started_pid
wait_for "the \"already running\" box" 30 shows "$refused" refused "$box_title"
has_no_window "$refused" "$main_title" || fail "the refused start showed a main window"
box=$(windows_of "$refused" "$box_title")
log "message box $box shown; press Return"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_exit_status "$refused" refused
wait_thank_you 2
alive "$running" || fail "the first program ended when the second was refused"
has_window "$running" "$main_title" || fail "the first program lost its window"
log "the first program still runs"

log "kill -9 the running program, then start again"
kill -9 "$running"
wait "$running" 2>/dev/null || true
start_quarvel accepted
accepted=$started_pid
wait_for "the main window of the new start" 30 shows "$accepted" accepted "$main_title"
has_no_window "$accepted" "$box_title" || fail "the new start showed a message box"
main=$(windows_of "$accepted" "$main_title")
xdotool windowfocus --sync "$main"
xdotool key alt+f
wait_for "the File menu" 10 count_is -eq 2 all_window_count "$accepted"
xdotool key e
wait_exit_status "$accepted" accepted
wait_thank_you 3

log "PASS"
