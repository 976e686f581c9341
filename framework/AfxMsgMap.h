// Message maps: a table per class, one line per message or command, chained
// to the base class's table. Each entry holds the dispatch made for its
// handler when the map is compiled: it cracks wParam and lParam once, so
// handlers take typed arguments, and calls the handler by its own type, so
// nothing is cast.
#pragma once
#include "AfxMessages.h"
#include "CDC.h"
#include "CPoint.h"

#include <type_traits>

class CCmdTarget;

// Calls the entry's handler on pTarget; the message's result.
typedef LRESULT (*AFX_DISPATCH)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;            // WM_xxx
    UINT nCode;               // notification code of WM_COMMAND
    UINT nID;                 // control or command id of WM_COMMAND
    AFX_DISPATCH pfnDispatch; // null ends the table
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define CN_COMMAND 0 // a command from a menu or an accelerator

// Arguments as handlers take them: coordinates are signed 16-bit halves.
inline UINT AfxCrackUint(WPARAM wParam) { return static_cast<UINT>(wParam); }
inline int AfxCrackLow(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
inline int AfxCrackHigh(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }
inline CPoint AfxCrackPoint(LPARAM lParam) { return CPoint(AfxCrackLow(lParam), AfxCrackHigh(lParam)); }

// What a handler returns as the message's result, and back.
template <class R>
LRESULT AfxToResult(R result)
{
    if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<LRESULT>(result);
    else
        return static_cast<LRESULT>(result);
}

template <class R>
R AfxFromResult(LRESULT lResult)
{
    if constexpr (std::is_void_v<R>)
        return;
    else if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<R>(lResult);
    else
        return static_cast<R>(lResult);
}

template <class FnCall>
LRESULT AfxCallForResult(FnCall call)
{
    if constexpr (std::is_void_v<decltype(call())>)
    {
        call();
        return 0;
    }
    else
    {
        return AfxToResult(call());
    }
}

// Whether PMF is a member function of some class with the type Fn.
template <class PMF, class Fn>
struct AfxIsHandler : std::false_type
{
};
template <class T, class Fn>
struct AfxIsHandler<Fn T::*, Fn> : std::true_type
{
};

// The dispatch of each message of the list, for handler pfnHandler of class T.
template <UINT nMessage>
struct AfxMessage;

#define AFX_MESSAGE_DISPATCH(msg, fn, R, params, args)                                                         \
    template <>                                                                                                \
    struct AfxMessage<msg>                                                                                     \
    {                                                                                                          \
        template <class T, auto pfnHandler>                                                                    \
        static LRESULT Dispatch(CCmdTarget* pTarget, [[maybe_unused]] WPARAM wParam,                           \
                                [[maybe_unused]] LPARAM lParam)                                                \
        {                                                                                                      \
            static_assert(AfxIsHandler<decltype(pfnHandler), R params>::value, "the handler of " #msg          \
                                                                               " is " #R " " #fn #params);     \
            return AfxCallForResult([&] { return (static_cast<T*>(pTarget)->*pfnHandler) args; });            \
        }                                                                                                      \
    };
AFX_MESSAGES(AFX_MESSAGE_DISPATCH)
#undef AFX_MESSAGE_DISPATCH

// The dispatch of a command: its handler takes nothing.
template <class T, auto pfnHandler>
LRESULT AfxCommand(CCmdTarget* pTarget, WPARAM, LPARAM)
{
    static_assert(AfxIsHandler<decltype(pfnHandler), void()>::value, "a command's handler is void fn()");
    (static_cast<T*>(pTarget)->*pfnHandler)();
    return 0;
}

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
            { 0, 0, 0, nullptr }                                \
        };                                                      \
        static const AFX_MSGMAP messageMap =                    \
            { &TheBaseClass::GetThisMessageMap, _messageEntries }; \
        return &messageMap;                                     \
    }

// A message of the list to its handler, such as ON_WM(WM_PAINT, OnPaint).
#define ON_WM(msg, fn) { msg, 0, 0, &AfxMessage<msg>::Dispatch<ThisClass, &ThisClass::fn> },

// Commands: a click of control id, or command id from a menu or an
// accelerator, which routes exactly like a click.
#define ON_COMMAND(id, fn) { WM_COMMAND, CN_COMMAND, (UINT)(id), &AfxCommand<ThisClass, &ThisClass::fn> },
#define ON_BN_CLICKED(id, fn) { WM_COMMAND, BN_CLICKED, (UINT)(id), &AfxCommand<ThisClass, &ThisClass::fn> },

// The entry of a message map chain for message (and, for WM_COMMAND, code
// and id), or null.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);
