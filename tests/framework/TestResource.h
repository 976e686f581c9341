// Resource and control ids of the framework's window tests.
#pragma once

#define IDD_FIELDS          200 // three number fields, a check box, buttons
#define IDD_BROKEN          201 // names a control class nobody registered
#define IDD_NOT_THERE       299 // no template has this id

#define IDC_FIELD1          301
#define IDC_FIELD2          302
#define IDC_FIELD3          303
#define IDC_CHECK           304
#define IDC_ACTION          305
#define IDC_OTHER           306
#define IDC_FACES           307 // owner-drawn, for the bitmap button

#define IDB_FACE_UP         401
#define IDB_FACE_DOWN       402
#define IDB_FACE_FOCUS      403
#define IDB_FACE_DISABLED   404
#define IDB_NOT_THERE       499
