// Persistence of the calculator's settings and window position.
#pragma once
#include "ConverterSettings.h"
#include "SettingsKey.h"

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
