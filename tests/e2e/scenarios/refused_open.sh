# A file the control refuses, opened through File > Open's dialog, leaves no window that holds
# its path: after the control's warning the untitled window is the active one again, and Ctrl+S
# there asks for a name instead of writing over the refused file.
refused="$E2E_WORK/refused.nvk"
for _ in $(seq 1 200); do printf 'this is no workbook\n'; done >"$refused"
cp "$refused" "$E2E_WORK/refused.copy"
start_quilm
step "Ctrl+O, choose the refused file"
press ctrl+o
answer_file_dialog "打开" "$refused"
step "the control's warning, dismissed with Enter"
wait_window "警告" >/dev/null
press Return
wait_gone "警告"
step "no window shows the refused file"
probe gone "CQuilm - refused.nvk" 5 || true
shown=$(probe windows)
case "$shown" in
*refused.nvk*) fail "a window still holds the refused file" ;;
esac
step "Ctrl+S asks for a name; cancelled"
press ctrl+s
wait_window "保存" >/dev/null
press Escape
wait_gone "保存"
cmp -s "$refused" "$E2E_WORK/refused.copy" || fail "the refused file was changed"
