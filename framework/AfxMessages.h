// The messages a message map may name, one line each: the message, its
// handler's name, result and parameter types, and how the dispatch cracks
// wParam and lParam into the handler's arguments. Each line gives CWnd its
// default handler (the window's own processing) and the map its dispatch:
// a new message is one more line here.
#pragma once

#define AFX_MESSAGES(X)                                                                                              \
    X(WM_SYSCOMMAND, OnSysCommand, void, (UINT, LPARAM), (AfxCrackUint(wParam), lParam))                             \
    X(WM_PAINT, OnPaint, void, (), ())                                                                               \
    X(WM_QUERYDRAGICON, OnQueryDragIcon, HCURSOR, (), ())                                                            \
    X(WM_CLOSE, OnClose, void, (), ())                                                                               \
    X(WM_MOVE, OnMove, void, (int, int), (AfxCrackLow(lParam), AfxCrackHigh(lParam)))                                \
    X(WM_LBUTTONDOWN, OnLButtonDown, void, (UINT, CPoint), (AfxCrackUint(wParam), AfxCrackPoint(lParam)))            \
    X(WM_ERASEBKGND, OnEraseBkgnd, BOOL, (CDC*), (CDC::FromHandle(reinterpret_cast<HDC>(wParam))))                   \
    X(WM_SIZE, OnSize, void, (UINT, int, int), (AfxCrackUint(wParam), AfxCrackLow(lParam), AfxCrackHigh(lParam)))
