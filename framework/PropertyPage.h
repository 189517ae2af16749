#pragma once

// One page of a CPropertySheet: a dialog template of this module made into a page by the sheet
// when the page is first shown. The sheet's notifications arrive as the overridables below; the
// values go from the controls to the members when the page is left (OnKillActive), and OK or
// Apply reaches OnOK of every page that was ever shown. A page's PreTranslateMessage runs in the
// sheet's modal loop before the sheet's own dialog keys.
//
// Ownership: the page object belongs to its creator and outlives the sheet's run; its window is
// the sheet's child and goes with the sheet.

#include "framework/Dialog.h"

#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog
{
public:
    explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

    // The sheet the page was added to, or none.
    CPropertySheet* GetSheet() const { return m_sheet; }
    // Enables or disables the sheet's Apply button for this page's changes.
    void SetModified(bool changed = true) const;

    // The sheet handles the dialog keys of all its pages.
    bool PreTranslateMessage(MSG* msg) override;

protected:
    // The page is about to show; false keeps it from showing.
    virtual bool OnSetActive() { return true; }
    // The page is left (or OK pressed): UpdateData(true); false keeps it open.
    virtual bool OnKillActive() { return UpdateData(true); }
    // OK or Apply: OnOK(); false keeps the sheet open on this page.
    virtual bool OnApply();
    // Cancel: OnCancel().
    virtual void OnReset() { OnCancel(); }
    // Cancel pressed: false keeps the sheet open.
    virtual bool OnQueryCancel() { return true; }
    // A page ends nothing: these only take over the values (OnOK) or drop them (OnCancel).
    void OnOK() override {}
    void OnCancel() override {}

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    friend class CPropertySheet;
    PROPSHEETPAGEW Describe();
    static INT_PTR CALLBACK PageDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnSheetNotify(UINT code);

    CPropertySheet* m_sheet = nullptr;
};
