#!/usr/bin/env bash
# Drives the built program in a real X server: types into Memo1 with the
# keyboard, reads the code listing back out of Memo2 through the clipboard,
# checks the window's outer size, closes the window with Alt+Q and expects
# exit status 0.
#
#   dividir_e2e.sh PROGRAM [--ppi N] [--screenshot FILE]
#
# Needs Xvfb, openbox, xdotool, xclip, xprop and xwininfo; --screenshot also
# ImageMagick's import. Everything it starts is stopped again on the way out.
set -euo pipefail

program=$1
shift
ppi=96
screenshot=
while (($#)); do
    case $1 in
        --ppi) ppi=$2; shift 2 ;;
        --screenshot) screenshot=$2; shift 2 ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done

work=$(mktemp -d)
xvfb_pid= wm_pid= program_pid=
cleanup() {
    for pid in $program_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$work/program.log" ] || { echo "-- the program wrote:" >&2; tail -n 40 "$work/program.log" >&2; }
    exit 1
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local seconds=$1
    shift
    for ((tries = seconds * 10; tries > 0; tries--)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Xvfb picks a free display itself and writes its number to the file; it
# keeps the root window's properties when a client disconnects.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_for 10 xprop -root _NET_SUPPORTING_WM_CHECK || fail "openbox did not start"
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not take over"

# The screen's logical resolution, as Qt reads it from the X resources.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$ppi"$'\n'
xprop -root RESOURCE_MANAGER | grep -q "Xft.dpi:\\\\t$ppi" || fail "the resolution was not set"

unset QT_QPA_PLATFORM
"$program" >"$work/program.log" 2>&1 &
program_pid=$!
wait_for 20 xdotool search --onlyvisible --name '^Kelo ' || fail "the window did not show"
window=$(xdotool search --onlyvisible --name '^Kelo ' | head -n 1)
wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" || xdotool windowactivate --sync "$window"

# The outer size, frame and title bar included, is the designed one at any resolution.
eval "$(xwininfo -id "$window" | awk '/Width:/ {print "width=" $2} /Height:/ {print "height=" $2}')"
extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
read -r left right top bottom <<<"${extents:-0 0 0 0}"
outer="$((width + left + right))x$((height + top + bottom))"
[ "$outer" = 317x507 ] || fail "outer size $outer at $ppi pixels per inch, not 317x507"

# The focus starts in Memo1.
xdotool type --delay 80 'Aあ'
[ -z "$screenshot" ] || { sleep 0.5; import -window root "$screenshot"; }
xdotool key --delay 80 Tab ctrl+a ctrl+c
wait_for 10 xclip -selection clipboard -o || fail "nothing was copied"
listing=$(xclip -selection clipboard -o | od -An -c | tr -s ' \n' ' ')
expected=$(printf 'A\t65\t0x00000041\nあ\t12354\t0x00003042\n' | od -An -c | tr -s ' \n' ' ')
[ "$listing" = "$expected" ] || fail "Memo2 held:$listing"

xdotool key alt+q
for ((tries = 100; tries > 0; tries--)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "Alt+Q did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: typed, listed, closed with Alt+Q, exit status 0 at $ppi pixels per inch"
