// The library's version, read by the resource script and by the code alike.
// Plain #defines only: the resource compiler includes this file too.
#pragma once

// String 1 of the string table: what CHalin::GetVersion reports.
#define IDS_HALI_VERSION 1
#define HALI_VERSION_STRING "1.0.0.0"

// The version resource. The file version runs one build ahead of the product
// version that GetVersion reports.
#define HALI_PRODUCT_VERSION 1, 0, 0, 0
#define HALI_PRODUCT_VERSION_STRING "1.0.0.0"
#define HALI_FILE_VERSION 1, 0, 0, 1
#define HALI_FILE_VERSION_STRING "1.0.0.1"
