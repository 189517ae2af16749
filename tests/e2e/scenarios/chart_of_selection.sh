# A chart made with the chart settings sheet answered at once, as a person does, is made of the
# selected cells: twelve numbers give three series under three legend entries, not a series for
# every column of the page.
start_quilm
step "type twelve numbers into B2:D4 and B5:D5"
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
step "read the legend of the new chart"
# The chart's frame lies at (100, 50)-(600, 300) of the control, its legend at (540, 60)-(590, 290).
rect=$(probe control "CQuilm" 105) || fail "no document control"
# shellcheck disable=SC2086
set -- $rect
legend="50x230+$(($1 + 540))+$(($2 + 60))"
legend_colours() {
    import -window root -crop "$legend" png:- | convert png:- -format %c histogram:info:- |
        grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' '
}
# The control repaints once the sheet's window has gone.
for _ in $(seq 1 40); do
    colours=$(legend_colours)
    case " $colours " in *" #9999FF "*) break ;; esac
    sleep 0.25
done
snapshot chart
series() { case " $colours " in *" $1 "*) echo yes ;; *) echo no ;; esac; }
expect_eq "$(series '#9999FF') $(series '#993366') $(series '#FFFFCC')" "yes yes yes" \
    "the markers of the three selected columns ($colours)"
expect_eq "$(series '#CCFFFF') $(series '#660066')" "no no" "no marker of a fourth or fifth series ($colours)"
