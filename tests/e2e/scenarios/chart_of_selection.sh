# A chart made with the chart settings sheet answered at once, as a person does, is made of the
# selected cells: twelve numbers give three series under three legend entries, not a series for
# every column of the page.
start_quilm
chart_of_typed_numbers
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
