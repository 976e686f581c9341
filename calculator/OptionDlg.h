// The settings dialog: base temperature, base gravity, depth and salinity,
// in a skinned window opened by Opt or Ctrl+O.
#pragma once
#include "BitmapDialog.h"
#include "ConverterSettings.h"

class COptionDlg : public CBitmapDialog
{
public:
    explicit COptionDlg(CWnd* pParent = nullptr);

    void SetBaseTemp(double dBaseTemp) { m_dBaseTemp = dBaseTemp; }
    void SetBaseGravity(double dBaseGravity) { m_dBaseGravity = dBaseGravity; }
    void SetWaterDepth(double dDepth) { m_dDepth = dDepth; }
    void SetSalinity(double dSalinity) { m_dSalinity = dSalinity; }
    double GetBaseTemp() const { return m_dBaseTemp; }
    double GetBaseGravity() const { return m_dBaseGravity; }
    double GetWaterDepth() const { return m_dDepth; }
    double GetSalinity() const { return m_dSalinity; }

private:
    COptionDlg(CWnd* pParent, const CConverterSettings& defaults);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnPaint();

    void LoadButtonFaces();
    void PlaceWindow();

    // Committed values: set before the dialog runs, read after IDOK.
    double m_dBaseTemp;        // degrees Celsius
    double m_dBaseGravity;     // specific gravity at the base temperature
    double m_dDepth;           // metres
    double m_dSalinity;        // per mille
    CBitmapButton m_btnOK;
    CBitmapButton m_btnCancel;
    // The values the edits show while the dialog runs.
    double m_dEditBaseTemp;
    double m_dEditBaseGravity;
    double m_dEditDepth;
    double m_dEditSalinity;

    DECLARE_MESSAGE_MAP()
};
