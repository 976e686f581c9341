// Ids the framework gives meaning to. Plain #defines: resource scripts
// include this file too.
#pragma once

#define ID_HELP 0xE146 // 57670: help for the active window

// Strings the framework shows, which the program's resources provide in its
// languages.
#define AFX_IDP_PARSE_REAL 0xF113 // the data exchange's prompt for text that is no number
