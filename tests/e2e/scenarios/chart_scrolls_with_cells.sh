# Down pressed past the bottom of the view scrolls the page, and the chart made on it moves up with
# its cells, as far as they do. The cells' move is read from the row heading marked for the focus
# row, the chart's from the colour of its first series.
start_quilm
chart_of_typed_numbers
rect=$(probe control "CQuilm" 105) || fail "no document control"
# shellcheck disable=SC2086
set -- $rect
control="$3x$4+$1+$2"
# The heading column, 40 pixels wide, between the heading row and the bottom band.
headings="40x$(($4 - 40))+$1+$(($2 + 20))"
shot="$E2E_WORK/screen.png"
look() {
    import -window root "$shot" || fail "no screenshot"
    chart=$(colour_box "$shot" "$control" '#9999FF')
    heading=$(colour_box "$shot" "$headings" '#00C8C8')
    [ -n "$chart" ] || fail "the chart's first series is not shown"
    [ -n "$heading" ] || fail "no row heading is marked for the focus"
}
top_of() { echo "$1" | cut -d' ' -f2; }
size_of() { echo "$1" | cut -d' ' -f3,4; }

step "click A20, the last row shown whole"
click_cell 20 1
look
chart_before=$chart heading_before=$heading
snapshot before
presses=0 scrolled=0
while [ "$presses" -lt 5 ] && [ "$scrolled" -le 0 ]; do
    step "press Down"
    press Down
    presses=$((presses + 1))
    look
    # The focus row's heading lies a row lower per press, less what the page scrolled.
    scrolled=$(($(top_of "$heading_before") + 20 * presses - $(top_of "$heading")))
done
[ "$scrolled" -gt 0 ] || fail "the page did not scroll after $presses presses of Down"
snapshot after
step "compare the chart's move with its cells'"
expect_eq "$(size_of "$chart")" "$(size_of "$chart_before")" "the chart's size on screen"
expect_eq "$(($(top_of "$chart_before") - $(top_of "$chart")))" "$scrolled" \
    "how far the chart moved up, against its cells ($chart_before, then $chart)"
