# A workbook opened from the shell while CQuilm runs comes to the running program (its file type
# and its DDE conversation): a window for the file opens there, and no second program starts.
book="$E2E_WORK/from-shell.nvk"
start_quilm
step "save the new window as from-shell.nvk, close it with Ctrl+F4"
press alt+f s
answer_file_dialog "保存" "$book"
wait_file "$book"
press ctrl+F4
wait_gone "CQuilm - from-shell.nvk"
step "open the file as the shell does"
probe shell-open "$(win_path "$book")" || fail "the shell refused the file"
wait_window "CQuilm - from-shell.nvk" 20 >/dev/null
count=$(probe windows | grep -c 'class NorvakMDIFrame' || true)
expect_eq "$count" "1" "CQuilm main windows shown"
