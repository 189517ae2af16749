# The standalone grid window in a program that makes it by its class name: typed characters land
# in the order typed, "123" and "中文" alike; an edit left open goes with its cell when the wheel
# turns, and the chart goes with its cells when the thumb is dragged.
state="$E2E_WORK/state.txt"
step "start the grid program"
"$NORVAK_WINE" "$E2E_BUILD/bin/e2e_grid_host.exe" "$(win_path "$state")" &
E2E_PROGRAM_PID=$!
wait_window "NorvakGridE2E" 60 >/dev/null
grid=$(probe control "NorvakGridE2E" 3) || fail "no grid window"
# shellcheck disable=SC2086
set -- $grid
gx=$1
gy=$2

# A cell's centre while the view stands at the top: row 0 is 24 high, column 0 40 wide, the
# others 24 and 80.
click_grid_cell() {
    click_at $((gx + 40 + ($2 - 1) * 80 + 40)) $((gy + 24 + ($1 - 1) * 24 + 12))
}
# The words after the key on the state file's line that begins with it.
state_of() {
    sed -n "s/^$1 //p" "$state" | head -n1
}
# Waits for the cell to hold the text.
wait_text() {
    local n
    for n in $(seq 1 50); do
        [ "$(state_of "text $1 $2")" = "$3" ] && return 0
        sleep 0.1
    done
    fail "cell ($1, $2) holds \"$(state_of "text $1 $2")\", not \"$3\""
}

step "type 123 into cell (2, 1)"
click_grid_cell 2 1
type_text 123
press Return
wait_text 2 1 "123"

step "type 中文 into cell (3, 1)"
click_grid_cell 3 1
# xdotool lends each character outside the keyboard map a spare key and takes it back a half
# delay after the key is released: the program must read the key before then, also on a busy
# machine.
xdotool type --delay 800 "中文"
settle
press Return
wait_text 3 1 "中文"

step "open an edit in cell (8, 1) and turn the wheel"
click_grid_cell 8 1
type_text x
probe control "NorvakGridE2E" 8 >/dev/null || fail "typing opened no edit"
xdotool click 5
settle
top=$(state_of top)
[ "$top" != "1 1" ] || fail "the wheel did not move the view"
# shellcheck disable=SC2046
set -- $(state_of "focus 8 1")
expected="$1 $2 $(($3 - 1)) $(($4 - 1))"
expect_eq "$(probe control "NorvakGridE2E" 8)" "$expected" "the edit over cell (8, 1) after the wheel"
snapshot wheel
type_text y
press Return
wait_text 8 1 "xy"

step "drag the thumb down a little"
# shellcheck disable=SC2046
set -- $(state_of thumb)
xdotool mousemove --sync "$1" "$2" mousedown 1
settle 0.2
xdotool mousemove --sync "$1" $(($2 + 6))
settle 0.2
xdotool mouseup 1
settle
[ "$(state_of top)" != "$top" ] || fail "the thumb did not move the view"
anchor=$(state_of "anchor 5 2" | cut -d' ' -f1-2)
chart=$(state_of chart | cut -d' ' -f1-2)
expect_eq "$chart" "$anchor" "the chart's corner on its cell after the thumb"
# What shows there is the chart: its legend's marks, a little way in from the chart's right edge.
# shellcheck disable=SC2086
set -- $(state_of chart)
legend="60x$(($4 / 3))+$(($1 + $3 * 3 / 4))+$(($2 + $4 / 3))"
colours=$(import -window root -crop "$legend" png:- | convert png:- -format %c histogram:info:- |
    grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' ')
snapshot thumb
for mark in '#466EBE' '#C85A3C' '#6EAA50'; do
    case " $colours " in *" $mark "*) ;; *) fail "no legend mark $mark where the chart's legend stands ($colours)" ;; esac
done
