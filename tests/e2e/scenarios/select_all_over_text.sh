# Ctrl+A on a page whose cells hold texts selects every body cell, those with a text as the empty
# ones; a click on one cell then clears it to that cell. Each selection is saved and read back.
# A new window shows the last of its three pages.
all="$E2E_WORK/all.nvk"
one="$E2E_WORK/one.nvk"
start_quilm
step "type 123 into B2 and 45 into C4"
click_cell 2 2
type_text 123
click_cell 4 3
type_text 45
click_cell 6 5
step "press Ctrl+A"
press ctrl+a
snapshot all-selected
step "File > Save, naming a new file"
press alt+f s
answer_file_dialog "保存" "$all"
wait_file "$all"
step "read the whole selection back"
expect_eq "$(workbook_answer "$all" text 2 2 2 selected 2 2 2 selected 2 4 3 selected 2 6 5 selected 2 99 49)" "123
yes
yes
yes
yes" "B2's text, and B2, C4, E6 and the last cell selected"

step "click C4, which clears the rest"
click_cell 4 3
snapshot one-selected
step "File > Save As, naming another file"
press alt+f a
answer_file_dialog "另存为" "$one"
wait_file "$one"
step "read the one cell's selection back"
expect_eq "$(workbook_answer "$one" text 0 4 3 selected 0 4 3 selected 0 2 2 selected 0 6 5)" "45
yes
no
no" "C4's text, C4 alone selected (the file holds the page shown alone)"
