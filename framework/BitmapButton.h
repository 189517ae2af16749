#pragma once

// An owner-drawn button that shows bitmaps of the module: the up image, the down image while it is
// pressed, and the disabled image while it is disabled (the up image greyed when there is none).
// AutoLoad attaches it to a dialog's BS_OWNERDRAW button whose caption names the bitmaps (the
// caption followed by "U", "D" and "X") and sizes the button to the up image.
//
// Ownership: the button owns its bitmaps.

#include "framework/CGdiObject.h"
#include "framework/Controls.h"

class CBitmapButton : public CButton
{
public:
    // The named bitmaps of the module; false when the up image is missing. An empty name, or a
    // bitmap the module lacks, leaves that image out.
    bool LoadBitmaps(const CString& upName, const CString& downName, const CString& disabledName = CString());
    // Attaches to the parent's button `id` and loads the bitmaps its caption names.
    bool AutoLoad(UINT id, CWnd* parent);
    // The button as large as the up image.
    void SizeToContent() const;

    void DrawItem(DRAWITEMSTRUCT* item) override;

private:
    CBitmap m_up;
    CBitmap m_down;
    CBitmap m_disabled;
};
