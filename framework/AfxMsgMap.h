// Message maps: a table per class, one line per message or command, chained
// to the base class's table. The dispatch cracks wParam and lParam once, so
// handlers take typed arguments.
#pragma once
#include "AfxTypes.h"

class CCmdTarget;
class CWnd;
class CDC;
class CPoint;

typedef void (CCmdTarget::*AFX_PMSG)();

// The handler signatures the dispatch knows.
enum AfxSig
{
    AfxSig_end = 0,
    AfxSig_vv,    // void ()
    AfxSig_vwl,   // void (UINT, LPARAM)
    AfxSig_hv,    // HCURSOR ()
    AfxSig_vii,   // void (int, int)
    AfxSig_vwp,   // void (UINT, CPoint)
    AfxSig_bD,    // BOOL (CDC*)
    AfxSig_vwii,  // void (UINT, int, int)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // WM_xxx
    UINT nCode;    // notification code of WM_COMMAND
    UINT nID;      // control or command id of WM_COMMAND
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define CN_COMMAND 0 // a command from a menu or an accelerator

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const AFX_MSGMAP* GetThisMessageMap();               \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                  \
    const AFX_MSGMAP* theClass::GetMessageMap() const           \
    {                                                           \
        return GetThisMessageMap();                             \
    }                                                           \
    const AFX_MSGMAP* theClass::GetThisMessageMap()             \
    {                                                           \
        using ThisClass [[maybe_unused]] = theClass;            \
        typedef baseClass TheBaseClass;                         \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                       \
            { 0, 0, 0, AfxSig_end, nullptr }                    \
        };                                                      \
        static const AFX_MSGMAP messageMap =                    \
            { &TheBaseClass::GetThisMessageMap, _messageEntries }; \
        return &messageMap;                                     \
    }

// The handler's type is checked here, then stored as AFX_PMSG and cast back
// to the same type by the dispatch.
#define AFX_MSG_ENTRY(msg, sig, type, fn) \
    { msg, 0, 0, sig, reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn)) },

#define ON_WM_SYSCOMMAND()    AFX_MSG_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_PAINT()         AFX_MSG_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR (CWnd::*)(), OnQueryDragIcon)
#define ON_WM_CLOSE()         AFX_MSG_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_MOVE()          AFX_MSG_ENTRY(WM_MOVE, AfxSig_vii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_LBUTTONDOWN()   AFX_MSG_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_ERASEBKGND()    AFX_MSG_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE()          AFX_MSG_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)

// Commands: a click of control id, or command id from a menu or an
// accelerator, which routes exactly like a click.
#define ON_COMMAND(id, fn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::fn) },
#define ON_BN_CLICKED(id, fn) \
    { WM_COMMAND, BN_CLICKED, (UINT)(id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::fn) },

// The entry of a message map chain for message (and, for WM_COMMAND, code
// and id), or null.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);
