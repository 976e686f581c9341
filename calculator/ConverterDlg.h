// The main window: the calculator's settings, input, flags and result, its
// commands, its painted labels and its seven-place display.
#pragma once
#include "BitmapDialog.h"
#include "DigitPlaces.h"
#include "DisplayedResult.h"
#include "ConverterSettings.h"
#include "PotentialFlags.h"
#include "resource.h"

class COptionDlg;

class CConverterDlg : public CBitmapDialog
{
public:
    explicit CConverterDlg(CWnd* pParent = nullptr);

private:
    CConverterDlg(CWnd* pParent, const CConverterSettings& defaults);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnCalculate();
    void OnOption();
    void OnClose();
    void OnMove(int x, int y);
    void OnTogglePotential();
    void OnFocusWaterTemp();

    void ApplyPotential(CPotentialEvent event);

    // Settings store
    void LoadSettings();
    void SaveSettings();
    void SavePosition();
    // The members as a settings record, and back: all seven fields.
    CConverterSettings GetSettings() const;
    void ApplySettings(const CConverterSettings& settings);
    // The four conversion settings to the settings dialog before it runs, and back after IDOK.
    void ShowSettingsIn(COptionDlg& dlgOption) const;
    void TakeSettingsFrom(const COptionDlg& dlgOption);

    // Steps of the initialisation
    void AddAboutItem();
    void LoadButtonFaces();
    void BindDigitPlaces();
    void PlaceWindow();

    // Painting
    void PaintIcon();

    double m_dBaseTemp;       // base water temperature, degrees Celsius
    double m_dBaseGravity;    // specific gravity read at the base temperature
    double m_dDepth;          // water depth, metres (passed as the pressure in decibars)
    double m_dSalinity;       // salinity, per mille
    int m_bPotential;         // the potential-density flag of record: saved, toggled
    int m_nPosX;              // saved left edge, screen pixels; -5000: not set
    int m_nPosY;              // saved top edge, screen pixels; -5000: not set
    HACCEL m_hAccel;          // accelerator table of the module
    // The framework's temporary wrappers of the seven
    // controls: its idle clean-up drops only wrappers of windows that are
    // gone, so they stay valid while the window lives; nothing here frees them.
    CWnd* m_pDigit[CDigitDisplay::PLACES];
    CBitmapButton m_btnOpt;
    CBitmapButton m_btnCalc;
    CBitmapButton m_btnOff;
    double m_dWaterTemp;      // water temperature to convert to, degrees Celsius
    int m_bPotentialCheck;    // the check box as last exchanged; the flag of the calculation
    HICON m_hIcon;            // the application icon of the module

    CDisplayedResult m_result; // what the display shows: blank, then the last Calc's result
    CDigitPlaces m_display;   // draws into m_pDigit

    DECLARE_MESSAGE_MAP()
};
