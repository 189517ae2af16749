#include "host/NorvakWrapper.h"

// {08B9F660-1240-41D7-98A9-4281DCA7C209}
const CLSID CNorvak::kClassId = {0x08B9F660, 0x1240, 0x41D7, {0x98, 0xA9, 0x42, 0x81, 0xDC, 0xA7, 0xC2, 0x09}};

bool CNorvak::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateControl(kClassId, style, rect, parent, id);
}

void CNorvak::SetWindowBorderStyle(short style)
{
    VARIANT value;
    V_VT(&value) = VT_I2;
    V_I2(&value) = style;
    dispatch_client::SetLastError(SetProperty(norvak_id::WindowBorderStyle, value));
}

void CGridObjectDriver::SetLine(bool horizontal, long side, short style, short width, COLORREF colour) const
{
    if (horizontal) {
        Call<bool>(grid_id::DoSetHorLineStyle, style, side);
        Call<bool>(grid_id::DoSetHorLineSize, width, side);
        Call<bool>(grid_id::DoSetHorLineColor, long(colour), side);
    } else {
        Call<bool>(grid_id::DoSetVerLineStyle, style, side);
        Call<bool>(grid_id::DoSetVerLineSize, width, side);
        Call<bool>(grid_id::DoSetVerLineColor, long(colour), side);
    }
}
