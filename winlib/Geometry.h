#pragma once
// CPoint and CRect: POINT and RECT with the few operations the program uses.
#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int xIn, int yIn) : POINT{xIn, yIn} {}
    explicit CPoint(LPARAM lParam)
        : POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))} {}
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
