#include "ConverterDlg.h"
#include "AboutDlg.h"
#include "GravityConversion.h"
#include "LabelPaint.h"
#include "OptionDlg.h"
#include "RegistryKey.h"
#include "SettingsStore.h"
#include "WindowPlacement.h"

#include <Halin.h>

BEGIN_MESSAGE_MAP(CConverterDlg, CBitmapDialog)
    ON_WM(WM_SYSCOMMAND, OnSysCommand)                   // void OnSysCommand(UINT nID, LPARAM lParam)
    ON_WM(WM_PAINT, OnPaint)                             // void OnPaint()
    ON_WM(WM_QUERYDRAGICON, OnQueryDragIcon)             // HCURSOR OnQueryDragIcon()
    ON_BN_CLICKED(IDC_CALC, OnCalculate)                 // void OnCalculate()
    ON_BN_CLICKED(IDC_OPTION, OnOption)                  // void OnOption()
    ON_WM(WM_CLOSE, OnClose)                             // void OnClose()
    ON_WM(WM_MOVE, OnMove)                               // void OnMove(int x, int y)
    ON_BN_CLICKED(IDC_POTENTIAL, OnTogglePotential)      // void OnTogglePotential()
    ON_COMMAND(IDC_EDIT_WATERTEMP, OnFocusWaterTemp)     // void OnFocusWaterTemp(): Ctrl+E
END_MESSAGE_MAP()

CConverterDlg::CConverterDlg(CWnd* pParent) : CConverterDlg(pParent, CConverterSettings()) {}

CConverterDlg::CConverterDlg(CWnd* pParent, const CConverterSettings& defaults)
    : CBitmapDialog(IDD_CONVERTER_DIALOG, pParent),
#define VARNOK_INIT_SETTING(name, access, value, first, edit) m_d##name(defaults.d##name),
      VARNOK_CONVERSION_SETTINGS(VARNOK_INIT_SETTING)
#undef VARNOK_INIT_SETTING
      m_bPotential(defaults.bPotential),
      m_nPosX(defaults.nPosX),
      m_nPosY(defaults.nPosY),
      m_hAccel(nullptr),
      m_pDigit(),
      m_dWaterTemp(0.0),
      m_bPotentialCheck(defaults.bPotential),
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
    m_hAccel = ::LoadAcceleratorsA(AfxFindResourceHandle(MAKEINTRESOURCEA(IDR_ACCELERATOR), AFX_RT_ACCELERATOR),
                                   MAKEINTRESOURCEA(IDR_ACCELERATOR));
    CHalin::GetVersion(); // the library's version is taken at every start, as ever, and shown nowhere
    LoadSkin(IDB_MAIN_BACKGROUND);
    LoadButtonFaces();
    BindDigitPlaces();
    LoadSettings();
    PlaceWindow();

    ApplyPotential(POTENTIAL_START);
    UpdateData(FALSE);
    InvalidateRect(nullptr, TRUE);

    CString caption;
    caption.LoadString(IDS_CAPTION);
    SetWindowText(caption);
    return TRUE;
}

// The platform's OK (exchange, then IDOK), kept as the window's own override;
// Enter never reaches it, since the accelerator calculates first.
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
    LoadButton(m_btnOpt, IDB_OPT_UP, IDB_OPT_DOWN, IDB_OPT_FOCUS, IDB_OPT_DISABLED);
    LoadButton(m_btnCalc, IDB_CALC_UP, IDB_CALC_DOWN, IDB_CALC_FOCUS, IDB_CALC_DISABLED);
    LoadButton(m_btnOff, IDB_OFF_UP, IDB_OFF_DOWN, IDB_OFF_FOCUS, IDB_OFF_DISABLED);
}

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
    MoveOnScreen(rcWindow, [this](int w, int h, int cx, int cy) {
        return PlaceMainWindow(m_nPosX, m_nPosY, w, h, cx, cy);
    });
}

void CConverterDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
    {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal(); // OK, Escape and its close button all just return here
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
    // On refused text the last accepted temperature and flag are used.
    ApplyPotential(UpdateData(TRUE) ? POTENTIAL_CALCULATE : POTENTIAL_CALCULATE_REFUSED);
    m_result.Calculated(ConvertAndRound(GetSettings(), m_dWaterTemp, m_bPotentialCheck));
    UpdateData(FALSE);
    InvalidateRect(nullptr, TRUE);
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

// The box changes only here and through the exchange: it is a plain check box.
void CConverterDlg::OnTogglePotential()
{
    ApplyPotential(POTENTIAL_TOGGLE);
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

// The flag's three copies as the event leaves them.
void CConverterDlg::ApplyPotential(CPotentialEvent event)
{
    const int bBox = ::IsDlgButtonChecked(m_hWnd, IDC_POTENTIAL) == BST_CHECKED ? 1 : 0;
    const CPotentialFlags flags = AfterPotentialEvent({m_bPotential, m_bPotentialCheck, bBox}, event);
    m_bPotential = flags.bPotential;
    m_bPotentialCheck = flags.bPotentialCheck;
    // The box has no object of its own (only the exchange reads and sets it),
    // so the message goes to the control by its id.
    ::CheckDlgButton(m_hWnd, IDC_POTENTIAL, flags.bBox != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CConverterDlg::OnFocusWaterTemp()
{
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

void CConverterDlg::OnOption()
{
    COptionDlg dlgOption;
    ShowSettingsIn(dlgOption);
    if (dlgOption.DoModal() == IDOK)
    {
        TakeSettingsFrom(dlgOption);
        UpdateData(FALSE);
        InvalidateRect(nullptr, TRUE); // the painted base values change; the result waits for Calc
        ApplyPotential(POTENTIAL_SETTINGS_CONFIRMED);
        SaveSettings();
    }
    GetDlgItem(IDC_EDIT_WATERTEMP)->SetFocus();
}

// The five calculation values are saved on close; Off and Escape save nothing.
void CConverterDlg::OnClose()
{
    ApplyPotential(UpdateData(TRUE) ? POTENTIAL_CLOSE : POTENTIAL_CLOSE_REFUSED);
    SaveSettings();
    Default();
}

void CConverterDlg::OnMove(int x, int y)
{
    Default();
    // A visible window answers 1; its moves while it is still hidden, being placed, are not the user's.
    if (IsWindowVisible() == 1)
    {
        m_nPosX = x;
        m_nPosY = y;
        SavePosition();
    }
}

void CConverterDlg::LoadSettings()
{
    CRegistryKey key(SETTINGS_KEY_PATH);
    CConverterSettings settings;
    CSettingsStore(key).Load(settings);
    ApplySettings(settings);
}

void CConverterDlg::SaveSettings()
{
    CRegistryKey key(SETTINGS_KEY_PATH);
    CSettingsStore(key).SaveSettings(GetSettings());
}

void CConverterDlg::SavePosition()
{
    CRegistryKey key(SETTINGS_KEY_PATH);
    CSettingsStore(key).SavePosition(m_nPosX, m_nPosY);
}

CConverterSettings CConverterDlg::GetSettings() const
{
    CConverterSettings settings;
#define VARNOK_GET_SETTING(name, access, value, first, edit) settings.d##name = m_d##name;
    VARNOK_CONVERSION_SETTINGS(VARNOK_GET_SETTING)
#undef VARNOK_GET_SETTING
    settings.bPotential = m_bPotential;
    settings.nPosX = m_nPosX;
    settings.nPosY = m_nPosY;
    return settings;
}

void CConverterDlg::ApplySettings(const CConverterSettings& settings)
{
#define VARNOK_APPLY_SETTING(name, access, value, first, edit) m_d##name = settings.d##name;
    VARNOK_CONVERSION_SETTINGS(VARNOK_APPLY_SETTING)
#undef VARNOK_APPLY_SETTING
    m_bPotential = settings.bPotential;
    m_nPosX = settings.nPosX;
    m_nPosY = settings.nPosY;
}

void CConverterDlg::ShowSettingsIn(COptionDlg& dlgOption) const
{
#define VARNOK_SHOW_SETTING(name, access, value, first, edit) dlgOption.Set##access(m_d##name);
    VARNOK_CONVERSION_SETTINGS(VARNOK_SHOW_SETTING)
#undef VARNOK_SHOW_SETTING
}

void CConverterDlg::TakeSettingsFrom(const COptionDlg& dlgOption)
{
#define VARNOK_TAKE_SETTING(name, access, value, first, edit) m_d##name = dlgOption.Get##access();
    VARNOK_CONVERSION_SETTINGS(VARNOK_TAKE_SETTING)
#undef VARNOK_TAKE_SETTING
}

void CConverterDlg::OnPaint()
{
    if (IsIconic())
    {
        PaintIcon();
        return;
    }

    CLabelPaint paint(this); // beginning the paint erases: the background bitmap
    paint.DrawLabels(MainWindowLabels(CLabelPaint::LoadLabelString, m_dBaseTemp, m_dBaseGravity));
    Default();
    paint.EndLabels();

    // Every paint rewrites the display, while the paint is still open.
    m_result.ShowOn(m_display);
    m_display.Apply();
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
