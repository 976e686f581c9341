#include "CDialog.h"
#include "AfxModule.h"
#include "CWinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)         // void OnOK()
    ON_COMMAND(IDCANCEL, OnCancel) // void OnCancel()
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        DestroyWindow();
}

HWND CDialog::GetOwnerWindow() const
{
    // Without a parent, the application's main window owns the dialog.
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    if (pOwner == nullptr || pOwner == this || !::IsWindow(pOwner->m_hWnd))
        return nullptr;
    return pOwner->m_hWnd;
}

INT_PTR CDialog::DoModal()
{
    LPCSTR lpszName = MAKEINTRESOURCEA(m_nIDTemplate);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, AFX_RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszName, AFX_RT_DIALOG);
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const DLGTEMPLATE* pTemplate = hTemplate != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(hTemplate)) : nullptr;
    if (pTemplate == nullptr)
        return -1;

    HWND hWndOwner = GetOwnerWindow();
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, pTemplate, hWndOwner, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();

    if (hWnd != nullptr && m_bContinueModal)
    {
        if (!::IsWindowVisible(hWnd))
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }

    // The owner comes back before the dialog goes, so it is activated again.
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && ::GetActiveWindow() == hWnd)
        ::SetActiveWindow(hWndOwner);
    if (hWnd != nullptr && ::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    AfxDeleteTempMaps();
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (m_bContinueModal)
    {
        // Idle: nothing holds a temporary wrapper between messages.
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            AfxDeleteTempMaps();
        if (!::GetMessageA(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam)); // for the loops outside this one
            break;
        }
        // Offered to this dialog and its controls only, innermost first.
        BOOL bConsumed = FALSE;
        for (HWND hWnd = msg.hwnd; hWnd != nullptr && !bConsumed; hWnd = ::GetParent(hWnd))
        {
            CWnd* pWnd = FromHandlePermanent(hWnd);
            if (pWnd != nullptr)
                bConsumed = pWnd->PreTranslateMessage(&msg);
            if (hWnd == m_hWnd)
                break;
        }
        if (!bConsumed)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal)
    {
        m_bContinueModal = FALSE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wakes the loop
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDlg != nullptr ? pDlg->OnInitDialog() : TRUE;
}
