# Return in the cell editor breaks the line, as the multi-line editor does: "abc", Return, "xyz"
# stores both lines in B2. The File menu opened from the keyboard while the editor is still open
# stores the text first, then saves it.
book="$E2E_WORK/returned.nvk"
start_quilm
step "click cell B2, type abc, press Return, type xyz"
click_cell 2 2
type_text abc
press Return
type_text xyz
step "File > Save from the keyboard while still editing, naming a new file"
press alt+f s
answer_file_dialog "保存" "$book"
wait_file "$book"
step "read the workbook back"
expect_eq "$(workbook_answer "$book" text 2 2 2 | od -c | head -2)" "$(printf 'abc\r\nxyz\n' | od -c | head -2)" "the text of B2 in the saved workbook"
