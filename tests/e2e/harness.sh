# The functions of the end-to-end scenarios, sourced by run-scenario.sh before a scenario. Input
# goes through the X server as a person's would (xdotool); what the program shows is asked of
# e2e_probe; what it saved is read back with the control. A failure prints what it saw (the
# windows shown, the focus) and keeps a screenshot.
#
# Set by run-scenario.sh: E2E_ROOT, E2E_BUILD, E2E_OUT (this scenario's output folder, its work/
# folder empty), NORVAK_WINE, WINEPREFIX, DISPLAY.

E2E_WORK="$E2E_OUT/work"
E2E_STEP="start"
E2E_PROGRAM_PID=""

# The Windows name of a Unix path.
win_path() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s' "${path//\//\\}"
}

probe() {
    "$NORVAK_WINE" "$E2E_BUILD/bin/e2e_probe.exe" "$@"
}

# What the scenario does next, for the failure report.
step() {
    E2E_STEP=$*
    echo "e2e: $E2E_STEP"
}

fail() {
    local shot="$E2E_OUT/failure.png"
    echo "FAILED while: $E2E_STEP" >&2
    echo "  $*" >&2
    echo "what was shown:" >&2
    probe windows 2>&1 | sed 's/^/  /' >&2 || true
    import -window root "$shot" 2>/dev/null && echo "screenshot: $shot" >&2
    exit 1
}

# Keeps a picture of the screen in the output folder, failure or not: snapshot <name>.
snapshot() {
    import -window root "$E2E_OUT/$1.png" 2>/dev/null && echo "e2e: screen kept as $E2E_OUT/$1.png"
}

# Forgets what earlier runs of the program kept in the prefix's registry (the recent files).
forget_program_settings() {
    "$NORVAK_WINE" reg delete 'HKCU\Software\Local AppWizard-Generated Applications' /f >/dev/null 2>&1 || true
}

expect_eq() {
    local actual=$1 expected=$2 what=$3
    [ "$actual" = "$expected" ] || fail "$what: expected \"$expected\", got \"$actual\""
}

# Starts CQuilm with the arguments and waits for its main window.
start_quilm() {
    step "start CQuilm $*"
    "$NORVAK_WINE" "$E2E_BUILD/bin/CQuilm.exe" "$@" &
    E2E_PROGRAM_PID=$!
    wait_window "CQuilm" 60 >/dev/null
}

# Ends CQuilm through its File menu's Exit and waits for the process to go.
quit_quilm() {
    step "quit CQuilm"
    press alt+f x
    local n
    for n in $(seq 1 100); do
        kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "CQuilm did not end after File > Exit"
}

# Waits for a window whose title begins with the text; prints its rectangle "x y w h".
wait_window() {
    probe wait "$1" "${2:-15}" || fail "no window \"$1\" appeared"
}

wait_gone() {
    probe gone "$1" "${2:-15}" || fail "\"$1\" did not close"
}

wait_file() {
    local n
    for n in $(seq 1 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "no file $1 was written"
}

# Input. Each action waits a little for the program to take it.
settle() {
    sleep "${1:-0.4}"
}

click_at() {
    xdotool mousemove --sync "$1" "$2" click "${3:-1}"
    settle
}

# A click on the centre of a control of a window: click_control <window title> <control id> [button].
click_control() {
    local rect
    rect=$(probe control "$1" "$2") || fail "no control $2 in \"$1\""
    # shellcheck disable=SC2086
    set -- $rect "${3:-1}"
    click_at $(($1 + $3 / 2)) $(($2 + $4 / 2)) "$5"
}

# A click on the centre of a cell of the active document window.
click_cell() {
    local point
    point=$(probe cell "CQuilm" "$1" "$2") || fail "cell ($1, $2) is not shown"
    # shellcheck disable=SC2086
    click_at $point "${3:-1}"
}

# A press on one cell, a move with the button held, the release on another.
drag_cells() {
    local from to
    from=$(probe cell "CQuilm" "$1" "$2") || fail "cell ($1, $2) is not shown"
    to=$(probe cell "CQuilm" "$3" "$4") || fail "cell ($3, $4) is not shown"
    # shellcheck disable=SC2086
    xdotool mousemove --sync $from mousedown 1
    settle 0.2
    # shellcheck disable=SC2086
    xdotool mousemove --sync $to
    settle 0.2
    xdotool mouseup 1
    settle
}

type_text() {
    xdotool type --delay 60 "$1"
    settle
}

press() {
    xdotool key --delay 120 "$@"
    settle
}

# Types a file name into the file dialog with that title and confirms it.
answer_file_dialog() {
    local title=$1 path=$2
    wait_window "$title" >/dev/null
    type_text "$(win_path "$path")"
    press Return
    wait_gone "$title"
}

# Reads a workbook with the control: workbook_answer <file> <question>...
workbook_answer() {
    local file=$1
    shift
    probe workbook "$(win_path "$file")" "$@" || fail "the workbook $file could not be read back"
}

# Twelve numbers typed into B2:D5 (row r, column c holds r * 10 + c), selected, and a chart of them
# made from the context menu's 图表设置... answered at once with Return. The chart's frame lies at
# (100, 50)-(600, 300) of the control, its legend at (540, 60)-(590, 290).
chart_of_typed_numbers() {
    step "type twelve numbers into B2:D4 and B5:D5"
    local r c point
    for r in 2 3 4 5; do
        for c in 2 3 4; do
            click_cell $r $c
            type_text "$((r * 10 + c))"
            press Return
        done
    done
    step "select B2:D5 and choose 图表设置... from the context menu"
    drag_cells 2 2 5 4
    point=$(probe cell "CQuilm" 3 3) || fail "cell (3, 3) is not shown"
    # shellcheck disable=SC2086
    set -- $point
    click_at "$1" "$2" 3
    # The menu opens at the click; its chart settings item is the thirteenth, below four separators.
    click_at $(($1 + 55)) $(($2 + 250))
    wait_window "图表设置" 20 >/dev/null
    step "answer the sheet at once with Return"
    press Return
    wait_gone "图表设置"
}

# The bounding box "x y w h" of the pixels of one colour (#RRGGBB) in a part of a picture, relative
# to that part; nothing when none has it: colour_box <picture> <w>x<h>+<x>+<y> <colour>.
colour_box() {
    local box
    box=$(convert "$1" -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" \
        -format '%@' info: 2>/dev/null) || return 0
    # %@ gives WxH+X+Y; a picture without the colour trims to nothing.
    case "$box" in 0x0*|1x1+0+0|'') return 0 ;; esac
    echo "$box" | sed 's/^\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+\([0-9]*\)$/\3 \4 \1 \2/'
}
