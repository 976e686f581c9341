// What the calculator keeps between runs, at its first-run values: the one
// place the settings are listed.
#pragma once
#include "resource.h"

// A saved window position that asks for the window to be centred.
const int POSITION_NOT_SET = -5000;

// The four conversion settings, in the order they are exchanged, saved and
// loaded: the name of their members (m_d<Name> in both dialogs, m_dEdit<Name>
// in the settings dialog, d<Name> in the record), the settings dialog's
// accessors (Set<Access>, Get<Access>), the registry value, the first-run
// value and the settings dialog's edit. A new setting is a line here, its
// members and accessors, and its label. The registry names are what users'
// saved settings already hold: salinity stays under "density", or every
// user's salinity would fall back to its first-run value.
#define VARNOK_CONVERSION_SETTINGS(X)                                                                 \
    X(BaseTemp, BaseTemp, "baseTemperature", 24.0, IDC_EDIT_BASE_TEMP)         /* degC */             \
    X(BaseGravity, BaseGravity, "baseGravity", 1.024, IDC_EDIT_BASE_GRAVITY)   /* read at BaseTemp */ \
    X(Depth, WaterDepth, "depth", 1.0, IDC_EDIT_DEPTH)                         /* m, passed as dbar */ \
    X(Salinity, Salinity, "density", 35.0, IDC_EDIT_SALINITY)                  /* per mille */

// The record that the settings store loads and saves.
struct CConverterSettings
{
#define VARNOK_SETTING_FIELD(name, access, value, first, edit) double d##name = first;
    VARNOK_CONVERSION_SETTINGS(VARNOK_SETTING_FIELD)
#undef VARNOK_SETTING_FIELD
    int bPotential = 1;           // potential-density flag, 0 or 1
    int nPosX = POSITION_NOT_SET; // left edge of the main window [px]
    int nPosY = POSITION_NOT_SET; // top edge of the main window [px]
};
