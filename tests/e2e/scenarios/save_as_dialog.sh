# File > Save As asks for a name in its dialog, typed there, and writes the active page alone.
book="$E2E_WORK/saved-as.nvk"
start_quilm
step "type abc into D5"
click_cell 5 4
type_text abc
click_cell 2 2
step "File > Save As, name typed into the dialog"
press alt+f a
answer_file_dialog "另存为" "$book"
wait_file "$book"
step "read the workbook back"
expect_eq "$(workbook_answer "$book" pages text 0 5 4)" "1
abc" "one page, the one shown, with D5"
