# A picture combo box of the cell-format sheet (the border page's line styles) opens its list
# under the mouse and takes the item clicked, and the sheet answers clicks afterwards: the
# outline drawn with OK has the chosen style.
book="$E2E_WORK/bordered.nvk"
start_quilm
step "select B2, right-click it, choose 文本格式(&A)... by its letter"
click_cell 2 2
click_cell 2 2 3
press a
wait_window "单元格格式" >/dev/null
step "the 边框 page, by Ctrl+Tab"
press ctrl+Tab
step "open the line-style list with the mouse"
click_control "单元格格式" 283
snapshot style-list
case "$(probe combo "单元格格式" 283)" in
dropped*) ;;
*) fail "the line-style list did not open under the click" ;;
esac
step "click the fourth style of the list"
item=$(probe list-item 3) || fail "the list has no fourth item"
# shellcheck disable=SC2086
click_at $item
expect_eq "$(probe combo "单元格格式" 283)" "closed 3" "the line-style box after the click"
step "外框, then OK"
click_control "单元格格式" 298
click_control "单元格格式" 1
wait_gone "单元格格式"
step "File > Save, naming a new file"
press alt+f s
answer_file_dialog "保存" "$book"
wait_file "$book"
step "read the workbook back"
expect_eq "$(workbook_answer "$book" line 2 2 2)" "style 3 width 1 colour 000000" \
    "B2's own bottom line (the new window shows its last page)"
