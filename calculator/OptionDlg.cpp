#include "OptionDlg.h"
#include "LabelPainter.h"
#include "WindowPlacement.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(COptionDlg, CBitmapDialog)
    ON_WM_PAINT() // void OnPaint()
END_MESSAGE_MAP()

COptionDlg::COptionDlg(CWnd* pParent)
    : CBitmapDialog(IDD_OPTION_DIALOG, pParent),
      m_dBaseTemp(24.0),
      m_dBaseGravity(1.024),
      m_dDepth(1.0),
      m_dSalinity(35.0),
      m_dEditBaseTemp(24.0),
      m_dEditBaseGravity(1.024),
      m_dEditDepth(1.0),
      m_dEditSalinity(35.0)
{
}

// The first edit in this order whose text is no number gets the prompt.
void COptionDlg::DoDataExchange(CDataExchange* pDX)
{
    CBitmapDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Text(pDX, IDC_EDIT_BASE_TEMP, m_dEditBaseTemp);
    DDX_Text(pDX, IDC_EDIT_BASE_GRAVITY, m_dEditBaseGravity);
    DDX_Text(pDX, IDC_EDIT_DEPTH, m_dEditDepth);
    DDX_Text(pDX, IDC_EDIT_SALINITY, m_dEditSalinity);
}

BOOL COptionDlg::OnInitDialog()
{
    CBitmapDialog::OnInitDialog();

    LoadSkin(IDB_OPTION_BACKGROUND);
    LoadButtonFaces();

    m_dEditBaseTemp = m_dBaseTemp;
    m_dEditBaseGravity = m_dBaseGravity;
    m_dEditDepth = m_dDepth;
    m_dEditSalinity = m_dSalinity;
    UpdateData(FALSE);

    PlaceWindow();
    return TRUE; // the focus goes to the first tab stop, OK
}

void COptionDlg::LoadButtonFaces()
{
    m_btnCancel.LoadBitmaps(IDB_CANCEL_UP, IDB_CANCEL_DOWN, IDB_CANCEL_FOCUS, IDB_CANCEL_DISABLED);
    m_btnCancel.SizeToContent();
    m_btnOK.LoadBitmaps(IDB_OK_UP, IDB_OK_DOWN, IDB_OK_FOCUS, IDB_OK_DISABLED);
    m_btnOK.SizeToContent();
}

// 50 pixels right of and below the main window, kept on the screen.
void COptionDlg::PlaceWindow()
{
    CRect rcWindow;
    GetWindowRect(rcWindow);
    // The template puts the dialog at its owner's client origin; the dialog
    // manager may already have pulled it onto the screen, so start from there.
    POINT ptOrigin = { rcWindow.left, rcWindow.top };
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndOwner != nullptr)
    {
        ptOrigin.x = 0;
        ptOrigin.y = 0;
        ::ClientToScreen(hWndOwner, &ptOrigin);
    }
    CPlacement place = PlaceOptionDialog(ptOrigin.x, ptOrigin.y, rcWindow.Width(), rcWindow.Height(),
                                         ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    MoveWindow(place.x, place.y, rcWindow.Width(), rcWindow.Height(), TRUE);
}

// A rejected entry keeps the dialog open and the committed values as they were.
void COptionDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_dBaseTemp = m_dEditBaseTemp;
    m_dBaseGravity = m_dEditBaseGravity;
    m_dDepth = m_dEditDepth;
    m_dSalinity = m_dEditSalinity;
    EndDialog(IDOK);
}

void COptionDlg::OnPaint()
{
    CFont labelFont;
    CLabelPainter::CreateLabelFont(this, labelFont);
    CPaintDC dc(this);
    CFont* pOldFont = CLabelPainter::SelectLabelStyle(&dc, &labelFont);

    CString salinity;
    salinity.LoadString(IDS_SALINITY);
    CString permille;
    permille.LoadString(IDS_PERMILLE);
    CString unitFormat;
    unitFormat.LoadString(IDS_UNIT_FORMAT);
    CString salinityUnit;
    salinityUnit.Format(unitFormat, static_cast<const char*>(permille));

    CLabelPainter::DrawInBox(this, &dc, IDC_LABEL_SALINITY, salinity);
    CLabelPainter::DrawInBox(this, &dc, IDC_LABEL_PERMILLE, salinityUnit);
    // Code page 932 bytes of 基準水温, [℃], 水深, [ｍ] and 基準比重.
    CLabelPainter::DrawInBox(this, &dc, IDC_LABEL_BASE_TEMP, "\x8a\xee\x8f\x80\x90\x85\x89\xb7");
    CLabelPainter::DrawInBox(this, &dc, IDC_LABEL_CELSIUS, "[\x81\x8e]");
    CLabelPainter::DrawInBox(this, &dc, IDC_LABEL_DEPTH, "\x90\x85\x90\x5b");
    CLabelPainter::DrawInBox(this, &dc, IDC_LABEL_METRE, "[\x82\x8d]");
    CLabelPainter::DrawInBox(this, &dc, IDC_LABEL_BASE_GRAVITY, "\x8a\xee\x8f\x80\x94\xe4\x8f\x64");

    Default();
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    labelFont.DeleteObject();
}
