# Ctrl+M with the grid focused merges the selection: the host's shortcut reaches it past the
# control, which does not use the key.
book="$E2E_WORK/merged.nvk"
start_quilm
step "select B2:C3 with the mouse, press Ctrl+M"
drag_cells 2 2 3 3
press ctrl+m
step "File > Save, naming a new file"
press alt+f s
answer_file_dialog "保存" "$book"
wait_file "$book"
step "read the workbook back"
expect_eq "$(workbook_answer "$book" merged 2 2 2 merged 2 2 3)" "yes
no" "a merge starting at B2 and none at C2 (the new window shows its last page)"
