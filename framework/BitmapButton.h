#pragma once

// An owner-drawn button that shows two bitmaps of the module: the up image, and the down image
// while it is pressed; disabled, the up image greyed. AutoLoad attaches it to a dialog's
// BS_OWNERDRAW button whose caption names the bitmaps (the caption followed by "U" and by "D")
// and sizes the button to the up image.
//
// Ownership: the button owns its two bitmaps.

#include "framework/CGdiObject.h"
#include "framework/Controls.h"

class CBitmapButton : public CButton
{
public:
    // The named bitmaps of the module; false when the up image is missing.
    bool LoadBitmaps(const CString& upName, const CString& downName);
    // Attaches to the parent's button `id` and loads the bitmaps its caption names.
    bool AutoLoad(UINT id, CWnd* parent);
    // The button as large as the up image.
    void SizeToContent() const;

    void DrawItem(DRAWITEMSTRUCT* item) override;

private:
    CBitmap m_up;
    CBitmap m_down;
};
