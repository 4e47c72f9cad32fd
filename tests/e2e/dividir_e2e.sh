#!/usr/bin/env bash
# Drives the built program in a real X server (Xvfb with openbox) as a user
# and a taskbar would. Each scenario starts the program afresh and ends it:
#
#   session          the taskbar entry (caption, icon, the main window without
#                    an entry of its own), the window's outer size, typing
#                    into Memo1 and reading the listing back out of Memo2, the
#                    error box after emptying Edit1 and the caret back in
#                    Edit1 once it is closed, minimising and restoring the
#                    application through the entry and through the main
#                    window, and Alt+Q with exit status 0
#   close-requests   Alt+F4, Close in the window menu, Close in the taskbar
#                    entry's menu (also while minimised), SIGTERM and SIGHUP:
#                    each ends the program with exit status 0
#   empty-title      a program file whose name begins with ".": the entry and
#                    the error box have empty captions
#   startup-failure  a main window that cannot be built: the "Application
#                    Error" box, and nothing else, then exit status 1
#
#   dividir_e2e.sh PROGRAM [--ppi N] [--screenshot FILE]
#                  [--close-helper NET_CLOSE_WINDOW] [--failing-startup PROGRAM]
#                  SCENARIO...
#
# --screenshot takes the whole screen while the error box of the session is
# open. Needs Xvfb, openbox, xdotool, xclip, xprop and xwininfo; --screenshot
# also ImageMagick's import. Everything it starts is stopped on the way out.
set -euo pipefail

program=$1
shift
ppi=96
screenshot=
close_helper=
failing_startup=
scenarios=()
while (($#)); do
    case $1 in
        --ppi) ppi=$2; shift 2 ;;
        --screenshot) screenshot=$2; shift 2 ;;
        --close-helper) close_helper=$2; shift 2 ;;
        --failing-startup) failing_startup=$2; shift 2 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) scenarios+=("$1"); shift ;;
    esac
done
((${#scenarios[@]})) || scenarios=(session)

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

scenario=setup
fail() {
    echo "FAIL ($scenario): $*" >&2
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

# --- Windows, as a taskbar sees them. Window ids are decimal throughout.

# The windows the window manager manages, the taskbar's candidates.
clients() {
    local id
    for id in $(xprop -root _NET_CLIENT_LIST | sed -n 's/.*# //p' | tr -d ','); do
        printf '%d\n' "$id"
    done
}

# The window's caption as the taskbar reads it; "-" when it has none at all.
caption_of() {
    local line
    line=$(xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null) || { echo -; return; }
    case $line in
        *' = "'*) line=${line#*= \"}; echo "${line%\"}" ;;
        *' = ') echo "" ;;
        *) echo - ;;
    esac
}

owner_of() { xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p'; }
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
is_iconic() { xprop -id "$1" WM_STATE | grep -q 'window state: Iconic'; }
is_normal() { xprop -id "$1" WM_STATE | grep -q 'window state: Normal'; }
shows_in_taskbar() { ! xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR; }
# grep reads the long icon listing to its end: with -q, xprop could die of
# SIGPIPE first and fail the pipeline.
has_32px_icon() { xprop -id "$1" _NET_WM_ICON | grep 'Icon (32 x 32)' >/dev/null; }
# Openbox's menus are top-level windows of their own.
top_level_windows_shown() { xdotool search --onlyvisible --maxdepth 1 --name '' | wc -l; }
more_top_level_windows_shown_than() { [ "$(top_level_windows_shown)" -gt "$1" ]; }

# The box owned by window $1, once one is open.
box_of() {
    local id
    for id in $(clients); do
        [ "$(owner_of "$id")" = "$(printf '0x%x' "$1")" ] && { echo "$id"; return 0; }
    done
    return 1
}

# --- The clipboard: what Memo2, Edit1 and the boxes hand out with Ctrl+C.

# Whether the clipboard holds exactly the bytes printf makes of $1, once
# addresses (eight hexadecimal digits after " at ") are written ADDRESS.
clipboard_is() {
    local held
    held=$(xclip -selection clipboard -o 2>/dev/null | sed -E 's/ at [0-9A-F]{8}\./ at ADDRESS./' | od -An -c)
    [ "$held" = "$(printf -- "$1" | od -An -c)" ]
}
expect_clipboard() {
    wait_for 10 clipboard_is "$1" || fail "$2; the clipboard held: $(xclip -selection clipboard -o 2>&1 | head -c 300)"
}
box_copy() {
    local rule='---------------------------\n'
    echo "$rule$1\n$rule$2\n${rule}OK\n$rule"
}

# --- The program.

# Starts the program file $1 and waits until its main window is shown and
# active; sets main (the main window) and app (the taskbar entry's window).
start_program() {
    "$1" >"$work/program.log" 2>&1 &
    program_pid=$!
    wait_for 20 xdotool search --onlyvisible --name '^Kelo ' || fail "the main window did not show"
    main=$(xdotool search --onlyvisible --name '^Kelo ' | head -n 1)
    wait_for 10 is_active "$main" || fail "the main window is not active after start-up"
    app=
    local id
    for id in $(clients); do
        [ "$id" = "$main" ] || [ -n "$(owner_of "$id")" ] || app=$id
    done
    [ -n "$app" ] || fail "no taskbar entry window"
}

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# Waits for the program to end after what $2 says, and checks its exit status.
expect_exit() {
    local status=0
    wait_for 10 program_ended || fail "$2 did not end the program"
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq "$1" ] || fail "$2 ended the program with exit status $status, not $1"
}

# Empties Edit1, the code field two Tabs on from Memo1, which raises the
# conversion error; sets box to its error box.
raise_conversion_error() {
    xdotool key --delay 80 Tab Tab 1 BackSpace
    wait_for 10 box_of "$app" || fail "emptying Edit1 opened no error box"
    box=$(box_of "$app")
    wait_for 10 is_active "$box" || fail "the error box is not active"
}

box_closed() { ! clients | grep -qx "$box"; }

close_error_box() {
    xdotool key Return
    wait_for 10 box_closed || fail "the error box did not close"
    wait_for 10 is_active "$main" || fail "the main window is not active again after the error box"
}

# --- Scenarios.

# Clicks the taskbar entry $1 and waits for the main window $2 to be shown
# and active again.
restore_through_entry() {
    xdotool windowactivate "$1"
    wait_for 10 is_normal "$2" || fail "restoring the taskbar entry did not show the main window"
    wait_for 10 is_active "$2" || fail "the main window is not active after restoring"
}

scenario_session() {
    start_program "$program"

    # One taskbar entry, on the application window: the application title and
    # the icon. The main window shows the icon too, but no entry of its own.
    [ "$(clients | wc -l)" -eq 2 ] || fail "$(clients | wc -l) managed windows, not the entry's and the main window"
    [ "$(caption_of "$app")" = Dividir ] || fail "the taskbar entry's caption is '$(caption_of "$app")'"
    shows_in_taskbar "$app" || fail "the application window skips the taskbar"
    has_32px_icon "$app" || fail "the taskbar entry has no 32 x 32 icon"
    ! shows_in_taskbar "$main" || fail "the main window has a taskbar entry of its own"
    has_32px_icon "$main" || fail "the main window's title bar has no 32 x 32 icon"
    xprop -id "$app" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x28, 0x0, 0x0, 0x0$' ||
        fail "the entry's window manager functions: $(xprop -id "$app" _MOTIF_WM_HINTS)"

    # The outer size, frame and title bar included, is the designed one at any resolution.
    eval "$(xwininfo -id "$main" | awk '/Width:/ {print "width=" $2} /Height:/ {print "height=" $2}')"
    local extents left right top bottom outer
    extents=$(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"${extents:-0 0 0 0}"
    outer="$((width + left + right))x$((height + top + bottom))"
    [ "$outer" = 317x507 ] || fail "outer size $outer at $ppi pixels per inch, not 317x507"

    # The focus starts in Memo1. xdotool types あ by binding it to a spare
    # key for the moment of the key press; the long delay keeps that binding
    # until the program has read the new keyboard map, even on a busy machine.
    xdotool type --delay 80 'A'
    xdotool type --delay 500 'あ'
    xdotool key --delay 80 Tab ctrl+a ctrl+c
    expect_clipboard 'A\t65\t0x00000041\nあ\t12354\t0x00003042\n' "Memo2 does not hold the listing"
    xdotool key --delay 80 shift+Tab

    raise_conversion_error
    [ "$(caption_of "$box")" = Dividir ] || fail "the error box's caption is '$(caption_of "$box")'"
    xdotool key ctrl+c
    expect_clipboard "$(box_copy Dividir "'' is not a valid integer value.")" "the error box's text"
    [ -z "$screenshot" ] || import -window root "$screenshot"
    close_error_box
    # The next keystroke goes to Edit1 again.
    xdotool key 7
    xdotool key --delay 80 ctrl+a ctrl+c
    expect_clipboard '7' "the digit typed after the error box did not go to Edit1"

    # A click on the minimised entry restores the application, and the focus
    # goes back to Edit1.
    xdotool windowminimize "$app"
    wait_for 10 is_iconic "$main" || fail "minimising the taskbar entry left the main window shown"
    restore_through_entry "$app" "$main"
    xdotool key --delay 80 End 8 ctrl+a ctrl+c
    expect_clipboard '78' "the focus was not back in Edit1 after restoring"

    # Minimising the main window minimises the application as a whole.
    xdotool windowminimize "$main"
    wait_for 10 is_iconic "$app" || fail "minimising the main window left the taskbar entry normal"
    restore_through_entry "$app" "$main"

    xdotool key alt+q
    expect_exit 0 "Alt+Q"
}

scenario_close_requests() {
    [ -n "$close_helper" ] || fail "--close-helper is needed"
    local way shown
    for way in alt+F4 window-menu entry-close entry-close-minimised SIGTERM SIGHUP; do
        start_program "$program"
        case $way in
            alt+F4) xdotool key alt+F4 ;;
            window-menu)
                shown=$(top_level_windows_shown)
                xdotool key alt+space
                wait_for 10 more_top_level_windows_shown_than "$shown" ||
                    fail "Alt+Space opened no window menu"
                xdotool key c
                ;;
            entry-close) "$close_helper" "$app" ;;
            entry-close-minimised)
                xdotool windowminimize "$app"
                wait_for 10 is_iconic "$main" || fail "minimising the taskbar entry left the main window shown"
                "$close_helper" "$app"
                ;;
            SIGTERM | SIGHUP) kill -s "$way" "$program_pid" ;;
        esac
        expect_exit 0 "$way"
        echo "ok: $way ended the program with exit status 0"
    done
}

scenario_empty_title() {
    cp "$program" "$work/.DiviDir"
    start_program "$work/.DiviDir"
    [ "$(caption_of "$app")" = "" ] || fail "the taskbar entry's caption is '$(caption_of "$app")', not empty"
    raise_conversion_error
    [ "$(caption_of "$box")" = "" ] || fail "the error box's caption is '$(caption_of "$box")', not empty"
    close_error_box
    xdotool key alt+q
    expect_exit 0 "Alt+Q"
}

scenario_startup_failure() {
    [ -n "$failing_startup" ] || fail "--failing-startup is needed"
    "$failing_startup" >"$work/program.log" 2>&1 &
    program_pid=$!
    wait_for 20 xdotool search --onlyvisible --name '^Application Error$' || fail "no Application Error box"
    box=$(xdotool search --onlyvisible --name '^Application Error$' | head -n 1)
    [ "$(clients)" = "$box" ] || fail "windows besides the box: $(clients | tr '\n' ' ')"
    # Without an owner: at most the toolkit's unmapped group leader, which is no client.
    ! clients | grep -qx "$(( $(owner_of "$box") ))" || fail "the box is owned by a window of the program"
    wait_for 10 is_active "$box" || fail "the Application Error box is not active"
    xdotool key ctrl+c
    expect_clipboard "$(box_copy 'Application Error' \
        "Exception EConvertError in module ${failing_startup##*/} at ADDRESS.\n'x' is not a valid integer value.\n")" \
        "the Application Error box's text"
    xdotool key Return
    expect_exit 1 "closing the Application Error box"
}

# --- The X server, shared by the scenarios.

# Xvfb picks a free display itself and writes its number to the file; it
# keeps the root window's properties when a client disconnects.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not take over"

# The screen's logical resolution, as Qt reads it from the X resources.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$ppi"$'\n'
xprop -root RESOURCE_MANAGER | grep -q "Xft.dpi:\\\\t$ppi" || fail "the resolution was not set"

unset QT_QPA_PLATFORM
for scenario in "${scenarios[@]}"; do
    case $scenario in
        session) scenario_session ;;
        close-requests) scenario_close_requests ;;
        empty-title) scenario_empty_title ;;
        startup-failure) scenario_startup_failure ;;
        *) fail "no such scenario" ;;
    esac
    echo "PASS: $scenario at $ppi pixels per inch"
done
