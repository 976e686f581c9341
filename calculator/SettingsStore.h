// Persistence of the calculator's settings and window position.
#pragma once
#include "SettingsKey.h"

// A saved window position that asks for the window to be centred.
const int POSITION_NOT_SET = -5000;

// Everything the calculator keeps between runs, at its first-run values:
// the one place the calculator's defaults are written down.
struct CConverterSettings
{
    double dBaseTemp = 24.0;     // base water temperature [degC]
    double dBaseGravity = 1.024; // specific gravity read at the base temperature
    double dDepth = 1.0;         // water depth [m]
    double dSalinity = 35.0;     // salinity [per mille], stored as "density"
    int bPotential = 1;          // potential-density flag, 0 or 1
    int nPosX = POSITION_NOT_SET; // left edge of the main window [px]
    int nPosY = POSITION_NOT_SET; // top edge of the main window [px]
};

// Reads and writes the settings in a key; each operation opens and closes it.
// Nothing is reported: what cannot be read takes its default, failed writes are dropped.
class CSettingsStore
{
public:
    explicit CSettingsStore(CSettingsKey& key);

    // Sets all seven fields from the key, each missing or unreadable one to its
    // default; all to defaults when the key cannot be opened. Writes nothing.
    void Load(CConverterSettings& settings);
    // Writes the four doubles as "%lf" texts and the flag as 0 or 1.
    void SaveSettings(const CConverterSettings& settings);
    // Writes the window position as two signed 32-bit values.
    void SavePosition(int nPosX, int nPosY);

private:
    double ReadText(const char* pszName, double dDefault);
    BOOL ReadDword(const char* pszName, unsigned char (&data)[4]);
    void WriteText(const char* pszName, double dValue);

    CSettingsKey& m_key; // where the values live
};
