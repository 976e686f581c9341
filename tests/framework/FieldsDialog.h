// The dialog most window tests run: three number fields, a check box and a
// bitmap button exchanged with its members, and a record of what its modal
// loop offered it.
#pragma once
#include <Afxwin.h>

#include "TestResource.h"

#include <vector>

// A control whose own PreTranslateMessage takes one character for itself.
class CCharEatingEdit : public CWnd
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_CHAR && pMsg->wParam == m_chEaten)
        {
            ++m_nEaten;
            return TRUE;
        }
        return FALSE;
    }

    WPARAM m_chEaten = 'q';
    int m_nEaten = 0;
};

// A bitmap button that counts the messages its map route delivers.
class CCountingButton : public CBitmapButton
{
public:
    static constexpr UINT WM_PROBE = WM_USER + 7;
    int m_nProbes = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROBE)
            ++m_nProbes;
        return CBitmapButton::WindowProc(message, wParam, lParam);
    }
};

class CFieldsDlg : public CDialog
{
public:
    explicit CFieldsDlg(CWnd* pParent = nullptr) : CDialog(IDD_FIELDS, pParent) {}

    // Keyboard messages the loop offered this dialog: window, message, key.
    struct Offered
    {
        HWND hWnd;
        UINT message;
        WPARAM wParam;
    };

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
            m_offered.push_back({pMsg->hwnd, pMsg->message, pMsg->wParam});
        return CDialog::PreTranslateMessage(pMsg);
    }

    double m_dField1 = 0.0;
    double m_dField2 = 0.0;
    double m_dField3 = 0.0;
    int m_nCheck = 0;
    CCountingButton m_btnFaces;
    CCharEatingEdit m_editField3;
    int m_nOnOK = 0;
    std::vector<Offered> m_offered;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FACES, m_btnFaces);
        DDX_Control(pDX, IDC_FIELD3, m_editField3);
        DDX_Text(pDX, IDC_FIELD1, m_dField1);
        DDX_Text(pDX, IDC_FIELD2, m_dField2);
        DDX_Text(pDX, IDC_FIELD3, m_dField3);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
    }

    void OnOK() override
    {
        ++m_nOnOK;
        CDialog::OnOK();
    }
};
