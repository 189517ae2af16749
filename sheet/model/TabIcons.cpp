#include "sheet/model/TabIcons.h"

namespace {

HIMAGELIST NewIconList()
{
    return ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
}

} // namespace

CTabIcons::CTabIcons(HIMAGELIST list)
{
    if (list)
        m_list.reset(list, ::ImageList_Destroy);
}

int CTabIcons::GetCount() const
{
    return m_list ? ::ImageList_GetImageCount(m_list.get()) : 0;
}

HIMAGELIST CTabIcons::Edit()
{
    if (m_list && m_list.use_count() == 1)
        return m_list.get();
    CTabIcons own(m_list ? ::ImageList_Duplicate(m_list.get()) : NewIconList());
    if (!own.m_list)
        return nullptr;
    *this = std::move(own);
    return m_list.get();
}
