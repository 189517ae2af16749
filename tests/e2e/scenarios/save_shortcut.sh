# Ctrl+S on a document that has a name writes the file again without asking, with what was typed
# since, and with every page of the window (a new window has three).
book="$E2E_WORK/named.nvk"
start_quilm
step "type 5 into B2, name the document through File > Save"
click_cell 2 2
type_text 5
click_cell 4 4
press alt+f s
answer_file_dialog "保存" "$book"
wait_file "$book"
first=$(stat -c %Y.%s "$book")
step "type 77 into C3, press Ctrl+S"
click_cell 3 3
type_text 77
click_cell 4 4
sleep 1 # a second later, so the new file's time differs
press ctrl+s
for _ in $(seq 1 50); do
    [ "$(stat -c %Y.%s "$book")" != "$first" ] && break
    sleep 0.1
done
probe gone "保存" 1 || fail "Ctrl+S asked for a name again"
step "read the workbook back"
expect_eq "$(workbook_answer "$book" pages text 2 2 2 text 2 3 3)" "3
5
77" "the page count, and B2 and C3 of the last page in the saved workbook"
