// A modal dialog from a template of the resources.
#pragma once
#include "CWnd.h"

class CDialog : public CWnd
{
public:
    CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the dialog from its template, disables its owner and runs the
    // dialog's own message loop until EndDialog; the value given to EndDialog.
    virtual INT_PTR DoModal();
    // Ends the modal loop with nResult.
    void EndDialog(int nResult);

    // Called once the controls exist; exchanges the members to the controls.
    // TRUE lets the dialog manager put the focus on the first tab stop.
    virtual BOOL OnInitDialog();
    // Accelerators of derived dialogs first; then the dialog's keyboard navigation.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void OnOK();     // exchange from the controls; ends with IDOK when accepted
    virtual void OnCancel(); // ends with IDCANCEL

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    HWND GetOwnerWindow() const;
    void RunModalLoop();

    BOOL m_bContinueModal = FALSE;
    int m_nModalResult = -1;

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
