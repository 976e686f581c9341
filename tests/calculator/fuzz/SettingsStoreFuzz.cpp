// Loads settings from a key whose values come from the input, checks each
// field against what its stored bytes must give, then saves and reloads.
//
// Input: a byte whose low bit makes queries scribble over the buffer beyond
// the value, then records of [name byte][type byte][size, 2 bytes
// little-endian][bytes], the last record cut short by the end of the input.
#include "MemorySettingsKey.h"
#include "SettingsStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
const char* const kNames[] = {"baseTemperature", "baseGravity", "depth", "density",
                              "potential", "posx", "posy", "other"};

void Check(bool bHolds, const char* pszWhat)
{
    if (!bHolds)
    {
        std::fprintf(stderr, "settings store: %s\n", pszWhat);
        std::abort();
    }
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

// What a text value must load as.
double ExpectedText(const CMemorySettingsKey& key, const char* pszName, double dDefault)
{
    if (!key.Has(pszName))
        return dDefault;
    const std::string strBytes = key.Bytes(pszName);
    if (strBytes.size() > 1024)
        return dDefault;
    return std::atof(strBytes.c_str()); // stops at the first zero, as the store's text does
}

// What a 4-byte value must load as: a shorter one is followed by what the
// query left in the rest of the zeroed buffer.
bool ExpectedDword(const CMemorySettingsKey& key, const char* pszName, std::int32_t& n)
{
    std::string strBytes = key.Bytes(pszName);
    if (!key.Has(pszName) || strBytes.size() > 4)
        return false;
    strBytes.resize(4, key.m_nFillUnused >= 0 ? static_cast<char>(key.m_nFillUnused) : '\0');
    std::uint32_t dw = 0;
    for (size_t i = 4; i-- > 0;)
        dw = (dw << 8) | static_cast<unsigned char>(strBytes[i]);
    n = static_cast<std::int32_t>(dw);
    return true;
}

std::string Formatted(const CConverterSettings& s)
{
    char sz[2048];
    std::snprintf(sz, sizeof(sz), "%lf|%lf|%lf|%lf|%d", s.dBaseTemp, s.dBaseGravity, s.dDepth, s.dSalinity,
                  s.bPotential);
    return sz;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, size_t cbData)
{
    if (cbData == 0)
        return 0;
    CMemorySettingsKey key;
    key.m_nFillUnused = (pData[0] & 1) != 0 ? '7' : -1;
    size_t i = 1;
    while (i + 4 <= cbData)
    {
        const char* pszName = kNames[pData[i] % 8];
        const unsigned long dwType = pData[i + 1] % 12;
        size_t cbValue = pData[i + 2] | (static_cast<size_t>(pData[i + 3]) << 8);
        i += 4;
        if (cbValue > cbData - i)
            cbValue = cbData - i;
        key.Put(pszName, dwType, std::string(reinterpret_cast<const char*>(pData + i), cbValue));
        i += cbValue;
    }

    const CConverterSettings defaults;
    CConverterSettings loaded;
    loaded.bPotential = 99;
    CSettingsStore(key).Load(loaded);
    Check(key.m_writes.empty() && key.m_nOpens == 1 && key.m_nCloses == 1 && key.m_nClosedAccesses == 0,
          "load touches the key only to read it");
    Check(SameBits(loaded.dBaseTemp, ExpectedText(key, "baseTemperature", defaults.dBaseTemp)), "baseTemperature");
    Check(SameBits(loaded.dBaseGravity, ExpectedText(key, "baseGravity", defaults.dBaseGravity)), "baseGravity");
    Check(SameBits(loaded.dDepth, ExpectedText(key, "depth", defaults.dDepth)), "depth");
    Check(SameBits(loaded.dSalinity, ExpectedText(key, "density", defaults.dSalinity)), "density");
    std::int32_t n;
    Check(loaded.bPotential == (ExpectedDword(key, "potential", n) ? (n != 0) : 1), "potential");
    Check(loaded.nPosX == (ExpectedDword(key, "posx", n) ? n : defaults.nPosX), "posx");
    Check(loaded.nPosY == (ExpectedDword(key, "posy", n) ? n : defaults.nPosY), "posy");

    // Saved texts load back as values that save as the same texts.
    CMemorySettingsKey saved;
    CSettingsStore store(saved);
    store.SaveSettings(loaded);
    store.SavePosition(loaded.nPosX, loaded.nPosY);
    Check(saved.Bytes("depth").size() == std::strlen(saved.Bytes("depth").c_str()) + 1, "text size counts the zero");
    CConverterSettings reloaded;
    store.Load(reloaded);
    Check(Formatted(reloaded) == Formatted(loaded), "saved settings load back");
    Check(reloaded.nPosX == loaded.nPosX && reloaded.nPosY == loaded.nPosY, "saved position loads back");
    return 0;
}
