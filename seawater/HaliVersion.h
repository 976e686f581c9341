// The library's version, read by the resource script and by the code alike.
// Plain #defines only: the resource compiler includes this file too.
#pragma once
#include "Identity.h"

// String 1 of the string table: what CHalin::GetVersion reports.
#define IDS_HALI_VERSION 1
#define HALI_VERSION_STRING VARNOK_VERSION_STRING
