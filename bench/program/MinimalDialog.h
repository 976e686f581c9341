// Resource ids of minimal_dialog.exe.
#pragma once

#define IDD_MINIMAL       100
#define IDC_MINIMAL_EDIT  1002
