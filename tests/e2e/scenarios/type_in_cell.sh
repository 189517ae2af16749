# Typing "123" into a cell: the three characters land in order in the cell, a click on another
# cell ends the edit, and the menu's Save writes them.
# A new window shows the last of its three pages.
book="$E2E_WORK/typed.nvk"
start_quilm
step "click cell B2, type 123, click cell C4"
click_cell 2 2
type_text 123
click_cell 4 3
step "File > Save, naming a new file"
press alt+f s
answer_file_dialog "保存" "$book"
wait_file "$book"
step "read the workbook back"
expect_eq "$(workbook_answer "$book" text 2 2 2)" "123" "the text of B2 in the saved workbook"
