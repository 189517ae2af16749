# The recent-file list survives a restart: a workbook saved in one run is the File menu's first
# recent entry in the next, and choosing it from the menu with the keyboard opens it.
book="$E2E_WORK/recent.nvk"
forget_program_settings
start_quilm
step "type 9 into B2 and save as recent.nvk"
click_cell 2 2
type_text 9
click_cell 3 3
press alt+f s
answer_file_dialog "保存" "$book"
wait_file "$book"
quit_quilm
start_quilm
step "File menu: the recent entry, chosen by its number"
press alt+f
snapshot file-menu
press 1
wait_window "CQuilm - recent.nvk" >/dev/null
