#include "OptionDlg.h"
#include "LabelPaint.h"
#include "PaintedText.h"
#include "WindowPlacement.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(COptionDlg, CBitmapDialog)
    ON_WM(WM_PAINT, OnPaint) // void OnPaint()
END_MESSAGE_MAP()

COptionDlg::COptionDlg(CWnd* pParent) : COptionDlg(pParent, CConverterSettings()) {}

COptionDlg::COptionDlg(CWnd* pParent, const CConverterSettings& defaults)
    : CBitmapDialog(IDD_OPTION_DIALOG, pParent)
{
#define VARNOK_INIT_SETTING(name, access, value, first, edit) m_d##name = m_dEdit##name = defaults.d##name;
    VARNOK_CONVERSION_SETTINGS(VARNOK_INIT_SETTING)
#undef VARNOK_INIT_SETTING
}

// The first edit in this order whose text is no number gets the prompt.
void COptionDlg::DoDataExchange(CDataExchange* pDX)
{
    CBitmapDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
#define VARNOK_EXCHANGE_SETTING(name, access, value, first, edit) DDX_Text(pDX, edit, m_dEdit##name);
    VARNOK_CONVERSION_SETTINGS(VARNOK_EXCHANGE_SETTING)
#undef VARNOK_EXCHANGE_SETTING
}

BOOL COptionDlg::OnInitDialog()
{
    CBitmapDialog::OnInitDialog();

    LoadSkin(IDB_OPTION_BACKGROUND);
    LoadButtonFaces();

#define VARNOK_SHOW_SETTING(name, access, value, first, edit) m_dEdit##name = m_d##name;
    VARNOK_CONVERSION_SETTINGS(VARNOK_SHOW_SETTING)
#undef VARNOK_SHOW_SETTING
    UpdateData(FALSE);

    PlaceWindow();
    return TRUE; // the focus goes to the first tab stop, OK
}

void COptionDlg::LoadButtonFaces()
{
    LoadButton(m_btnCancel, IDB_CANCEL_UP, IDB_CANCEL_DOWN, IDB_CANCEL_FOCUS, IDB_CANCEL_DISABLED);
    LoadButton(m_btnOK, IDB_OK_UP, IDB_OK_DOWN, IDB_OK_FOCUS, IDB_OK_DISABLED);
}

// 50 pixels right of and below the main window, kept on the screen.
void COptionDlg::PlaceWindow()
{
    CRect rcWindow;
    GetWindowRect(rcWindow);
    // The template puts the dialog at its owner's client origin, but the dialog
    // manager may already have pulled it onto the screen: start from the
    // owner's origin itself, or from the dialog's corner when it has no owner.
    POINT ptOrigin = { rcWindow.left, rcWindow.top };
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndOwner != nullptr)
    {
        ptOrigin.x = 0;
        ptOrigin.y = 0;
        ::ClientToScreen(hWndOwner, &ptOrigin);
    }
    MoveOnScreen(rcWindow, [&ptOrigin](int w, int h, int cx, int cy) {
        return PlaceOptionDialog(ptOrigin.x, ptOrigin.y, w, h, cx, cy);
    });
}

// A rejected entry keeps the dialog open and the committed values as they were.
void COptionDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
#define VARNOK_COMMIT_SETTING(name, access, value, first, edit) m_d##name = m_dEdit##name;
    VARNOK_CONVERSION_SETTINGS(VARNOK_COMMIT_SETTING)
#undef VARNOK_COMMIT_SETTING
    EndDialog(IDOK);
}

void COptionDlg::OnPaint()
{
    CLabelPaint paint(this);
    paint.DrawLabels(OptionDialogLabels(CLabelPaint::LoadLabelString));
    Default();
}
