#include "ConverterDlg.h"
#include "AboutDlg.h"
#include "LabelPainter.h"
#include "OptionDlg.h"
#include "RegistryKey.h"
#include "ResultRounding.h"
#include "SettingsStore.h"
#include "WindowPlacement.h"

#include <Halin.h>

namespace {
const char SETTINGS_KEY[] = "Software\\brenmoor\\Varnok";
} // namespace

BEGIN_MESSAGE_MAP(CConverterDlg, CBitmapDialog)
    ON_WM_SYSCOMMAND()                                   // void OnSysCommand(UINT nID, LPARAM lParam)
    ON_WM_PAINT()                                        // void OnPaint()
    ON_WM_QUERYDRAGICON()                                // HCURSOR OnQueryDragIcon()
    ON_BN_CLICKED(IDC_CALC, OnCalculate)                 // void OnCalculate()
    ON_BN_CLICKED(IDC_OPTION, OnOption)                  // void OnOption()
    ON_WM_CLOSE()                                        // void OnClose()
    ON_WM_MOVE()                                         // void OnMove(int x, int y)
    ON_BN_CLICKED(IDC_POTENTIAL, OnTogglePotential)      // void OnTogglePotential()
    ON_COMMAND(IDC_EDIT_WATERTEMP, OnFocusWaterTemp)     // void OnFocusWaterTemp(): Ctrl+E
END_MESSAGE_MAP()

CConverterDlg::CConverterDlg(CWnd* pParent)
    : CBitmapDialog(IDD_CONVERTER_DIALOG, pParent),
      m_dBaseTemp(24.0),
      m_dBaseGravity(1.024),
      m_dDepth(1.0),
      m_dSalinity(35.0),
      m_dResult(0.0),
      m_bPotential(1),
      m_nPosX(-5000),
      m_nPosY(-5000),
      m_hAccel(nullptr),
      m_bBlankDisplay(1),
      m_pDigit(),
      m_dWaterTemp(0.0),
      m_bPotentialCheck(1),
      m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)),
      m_display(m_pDigit)
{
}

void CConverterDlg::DoDataExchange(CDataExchange* pDX)
{
    CBitmapDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OPTION, m_btnOpt);
    DDX_Control(pDX, IDC_CALC, m_btnCalc);
    DDX_Control(pDX, IDCANCEL, m_btnOff);
    DDX_Text(pDX, IDC_EDIT_WATERTEMP, m_dWaterTemp);
    DDX_Check(pDX, IDC_POTENTIAL, m_bPotentialCheck);
}

BOOL CConverterDlg::PreTranslateMessage(MSG* pMsg)
{
    // Accelerators act before the dialog's own keys: Enter calculates.
    if (m_hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CBitmapDialog::PreTranslateMessage(pMsg);
}

BOOL CConverterDlg::OnInitDialog()
{
    CBitmapDialog::OnInitDialog();

    AddAboutItem();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_hAccel = ::LoadAcceleratorsA(AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_ACCELERATOR), MAKEINTRESOURCEA(9)),
                                   MAKEINTRESOURCEA(IDR_ACCELERATOR));
    CHalin::GetVersion(); // asked at every start; the window shows no version
    LoadSkin(IDB_MAIN_BACKGROUND);
    LoadButtonFaces();
    BindDigitPlaces();
    LoadSettings();
    PlaceWindow();

    m_bPotentialCheck = m_bPotential;
    UpdateData(FALSE);
    InvalidateRect(nullptr, TRUE);

    CString caption;
    caption.LoadString(IDS_CAPTION);
    SetWindowText(caption);
    return TRUE;
}

void CConverterDlg::OnOK()
{
    CBitmapDialog::OnOK();
}

// The system menu's About entry, when the string table names it.
void CConverterDlg::AddAboutItem()
{
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu == nullptr)
        return;
    CString about;
    about.LoadString(IDS_ABOUTBOX);
    if (about.IsEmpty())
        return;
    pSysMenu->AppendMenu(MF_SEPARATOR);
    pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
}

void CConverterDlg::LoadButtonFaces()
{
    m_btnOpt.LoadBitmaps(IDB_OPT_UP, IDB_OPT_DOWN, IDB_OPT_FOCUS, IDB_OPT_DISABLED);
    m_btnOpt.SizeToContent();
    m_btnCalc.LoadBitmaps(IDB_CALC_UP, IDB_CALC_DOWN, IDB_CALC_FOCUS, IDB_CALC_DISABLED);
    m_btnCalc.SizeToContent();
    m_btnOff.LoadBitmaps(IDB_OFF_UP, IDB_OFF_DOWN, IDB_OFF_FOCUS, IDB_OFF_DISABLED);
    m_btnOff.SizeToContent();
}

// Slot 0 is the rightmost place.
void CConverterDlg::BindDigitPlaces()
{
    for (int nSlot = 0; nSlot < CDigitDisplay::PLACES; ++nSlot)
        m_pDigit[nSlot] = GetDlgItem(IDC_DIGIT_7 - nSlot);
}

// Where it was last left (centred the first time), kept on the primary screen.
void CConverterDlg::PlaceWindow()
{
    CRect rcWindow;
    GetWindowRect(rcWindow);
    CPlacement place = PlaceMainWindow(m_nPosX, m_nPosY, rcWindow.Width(), rcWindow.Height(),
                                       ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    MoveWindow(place.x, place.y, rcWindow.Width(), rcWindow.Height(), TRUE);
}

void CConverterDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
    {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    }
    else
    {
        Default();
    }
}

HCURSOR CConverterDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CConverterDlg::OnCalculate()
{
    UpdateData(TRUE); // on rejected text the last accepted temperature is used
    double dGravity = CHalin::GetSpecificGravity(m_dWaterTemp, m_dBaseGravity, m_dBaseTemp,
                                                 m_dSalinity, m_dDepth, m_bPotentialCheck);
    m_dResult = RoundToFiveDecimals(dGravity);
    m_bBlankDisplay = 0;
    UpdateData(FALSE);
    InvalidateRect(nullptr, TRUE);
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

// The box changes only here and through the exchange: it is a plain check box.
void CConverterDlg::OnTogglePotential()
{
    m_bPotential = m_bPotential == 0 ? 1 : 0;
    SendDlgItemMessageA(m_hWnd, IDC_POTENTIAL, BM_SETCHECK, static_cast<WPARAM>(m_bPotential), 0);
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

void CConverterDlg::OnFocusWaterTemp()
{
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

void CConverterDlg::OnOption()
{
    COptionDlg dlgOption;
    dlgOption.SetBaseTemp(m_dBaseTemp);
    dlgOption.SetBaseGravity(m_dBaseGravity);
    dlgOption.SetWaterDepth(m_dDepth);
    dlgOption.SetSalinity(m_dSalinity);
    if (dlgOption.DoModal() == IDOK)
    {
        m_dBaseTemp = dlgOption.GetBaseTemp();
        m_dBaseGravity = dlgOption.GetBaseGravity();
        m_dDepth = dlgOption.GetWaterDepth();
        m_dSalinity = dlgOption.GetSalinity();
        UpdateData(FALSE);
        InvalidateRect(nullptr, TRUE); // the painted base values change; the result waits for Calc
        m_bPotential = m_bPotentialCheck;
        SaveSettings();
    }
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

// The five calculation values are saved on close; Off and Escape save nothing.
void CConverterDlg::OnClose()
{
    UpdateData(TRUE);
    m_bPotential = m_bPotentialCheck;
    SaveSettings();
    Default();
}

void CConverterDlg::OnMove(int x, int y)
{
    Default();
    if (IsWindowVisible() == 1) // moves while the window is placed are not the user's
    {
        m_nPosX = x;
        m_nPosY = y;
        SavePosition();
    }
}

void CConverterDlg::ShowResult()
{
    m_display.ShowResult(m_dResult);
    m_display.Apply();
}

void CConverterDlg::ShowError()
{
    m_display.ShowError();
    m_display.Apply();
}

void CConverterDlg::ClearDisplay()
{
    m_display.ClearDisplay();
    m_display.Apply();
}

void CConverterDlg::LoadSettings()
{
    CRegistryKey key(SETTINGS_KEY);
    CConverterSettings settings;
    CSettingsStore(key).Load(settings);
    m_dBaseTemp = settings.dBaseTemp;
    m_dBaseGravity = settings.dBaseGravity;
    m_dDepth = settings.dDepth;
    m_dSalinity = settings.dSalinity;
    m_bPotential = settings.bPotential;
    m_nPosX = settings.nPosX;
    m_nPosY = settings.nPosY;
}

void CConverterDlg::SaveSettings()
{
    CConverterSettings settings;
    settings.dBaseTemp = m_dBaseTemp;
    settings.dBaseGravity = m_dBaseGravity;
    settings.dDepth = m_dDepth;
    settings.dSalinity = m_dSalinity;
    settings.bPotential = m_bPotential;
    CRegistryKey key(SETTINGS_KEY);
    CSettingsStore(key).SaveSettings(settings);
}

void CConverterDlg::SavePosition()
{
    CRegistryKey key(SETTINGS_KEY);
    CSettingsStore(key).SavePosition(m_nPosX, m_nPosY);
}

void CConverterDlg::OnPaint()
{
    if (IsIconic())
    {
        PaintIcon();
        return;
    }

    CFont labelFont;
    CLabelPainter::CreateLabelFont(this, labelFont);
    CPaintDC dc(this); // erasing paints the background bitmap
    CFont* pOldFont = CLabelPainter::SelectLabelStyle(&dc, &labelFont);

    DrawLabel(&dc, IDC_LABEL_BASE, IDS_BASE);
    DrawLabel(&dc, IDC_LABEL_WATERTEMP, IDS_WATERTEMP);
    DrawLabel(&dc, IDC_LABEL_DEGREE, IDS_CELSIUS);
    DrawLabel(&dc, IDC_LABEL_GRAVITY, IDS_GRAVITY);
    DrawValue(&dc, IDC_VALUE_BASE_TEMP, m_dBaseTemp, 1);
    DrawValue(&dc, IDC_VALUE_BASE_GRAVITY, m_dBaseGravity, 3);
    DrawLabel(&dc, IDC_LABEL_POTENTIAL, IDS_POTENTIAL);

    Default();
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    labelFont.DeleteObject();

    if (m_bBlankDisplay)
        ClearDisplay();
    else
        ShowResult();
}

// Minimised: only the icon, centred.
void CConverterDlg::PaintIcon()
{
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(rect);
    int x = (rect.Width() - cxIcon + 1) / 2;
    int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

void CConverterDlg::DrawLabel(CDC* pDC, UINT nIDBox, UINT nIDString)
{
    CString text;
    text.LoadString(nIDString);
    CLabelPainter::DrawInBox(this, pDC, nIDBox, text);
}

void CConverterDlg::DrawValue(CDC* pDC, UINT nIDBox, double dValue, int nDecimals)
{
    CString format;
    format.Format("%%.%dlf", nDecimals);
    CString text;
    text.Format(format, dValue);
    CLabelPainter::DrawInBox(this, pDC, nIDBox, text);
}
