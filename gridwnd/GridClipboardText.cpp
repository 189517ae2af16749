#include "gridwnd/GridClipboardText.h"

#include "sheet/model/ClipboardText.h"

std::optional<std::string> BuildGridClipboardText(const CGridCellStore& store,
                                                  const CGridSelection& selection,
                                                  const GridTextGetter& getText)
{
    const CCellRect range = selection.GetSelectedGridRange();
    if (!store.IsValid(range))
        return std::nullopt;
    return BuildClipboardText(
        range, [&](int row, int col) { return selection.IsSelected(row, col); }, getText);
}

std::vector<std::vector<CString>> SplitGridPasteText(const CString& text)
{
    return SplitPasteText(text);
}
