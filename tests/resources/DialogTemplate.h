// A dialog template read back from its binary form (DLGTEMPLATE or
// DLGTEMPLATEEX), so that tests can compare it field by field.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// A name-or-ordinal field of a template: a string, an ordinal or nothing.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;     // meaningful when isOrdinal
    std::wstring name;    // meaningful otherwise; empty for "none"
};

struct DialogItem {
    DWORD helpId = 0;           // DLGTEMPLATEEX only
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    DWORD id = 0;               // a WORD in DLGTEMPLATE, widened here
    std::wstring className;     // predefined class atoms are given by name
    NameOrOrdinal title;
    WORD extraBytes = 0;        // size of the creation data
};

struct DialogTemplate {
    bool extended = false;      // DLGTEMPLATEEX
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring caption;
    // Font fields, present when the style has DS_SETFONT.
    WORD pointSize = 0;
    WORD weight = 0;            // DLGTEMPLATEEX only
    BYTE italic = 0;            // DLGTEMPLATEEX only
    BYTE charset = 0;           // DLGTEMPLATEEX only
    std::wstring typeface;
    std::vector<DialogItem> items;
};

// Reads a template; false when the bytes end early or are malformed.
bool ParseDialogTemplate(const BYTE* data, std::size_t size, DialogTemplate& result);

// The class name of a predefined control atom (0x0080 "BUTTON" to 0x0085
// "COMBOBOX"); empty for other values.
std::wstring PredefinedClassName(WORD atom);
