// The thread hooks close a dropped list on a press elsewhere or a keyboard
// menu. They see real input only, so the presses and keys here are real.
#include "support/control_fixture.h"

#include <algorithm>

namespace {

INPUT Mouse(DWORD flags) { INPUT in = {}; return in.type = INPUT_MOUSE, in.mi.dwFlags = flags, in; }
INPUT Key(DWORD k, bool up) { INPUT in = {}; return in.type = INPUT_KEYBOARD, in.ki.wVk = WORD(k), in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0, in; }
POINT Centre(HWND w) { RECT r = {}; return GetWindowRect(w, &r), POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

using HooksTest = ControlTest;

// A press outside closes the list with cancel and is not delivered; one on
// the control, its field or its list is. Alt or F10 opens the parent's
// system menu (Esc leaves it), which closes the list unless it is kept open.
TEST_F(HooksTest, PressesElsewhereAndKeyboardMenusCloseTheList)
{
    enum Target { kParentClient, kCaption, kControl, kEditField, kList, kKeys };
    const struct { DWORD style; Target at; DWORD press; UINT down; bool closes; } cases[] = {
        {TARNS_DROPDOWNLISTFIXED, kParentClient, MOUSEEVENTF_RIGHTDOWN, WM_RBUTTONDOWN, true},
        {TARNS_DROPDOWN, kCaption, MOUSEEVENTF_LEFTDOWN, WM_NCLBUTTONDOWN, true},
        {TARNS_DROPDOWNLIST, kControl, MOUSEEVENTF_MIDDLEDOWN, WM_MBUTTONDOWN, false},
        {TARNS_DROPDOWN, kEditField, MOUSEEVENTF_LEFTDOWN, WM_LBUTTONDOWN, false},
        // Left-button only: the list itself does nothing with the press.
        {TARNS_DROPDOWN | TARNS_LEFTBUTTONONLY, kList, MOUSEEVENTF_RIGHTDOWN, WM_RBUTTONDOWN, false},
        {TARNS_LISTBOX, kParentClient, MOUSEEVENTF_MIDDLEDOWN, WM_MBUTTONDOWN, false},
        {TARNS_DROPDOWN, kKeys, VK_MENU, 0, true}, {TARNS_DROPDOWN | TARNS_KEEPOPENINMENU, kKeys, VK_F10, 0, false},
    };
    for (const auto& c : cases) {
        HWND h = Create(c.style, 5);
        // The highlight is not to follow the pointer over the list.
        SetForegroundWindow(parent()), SetFocus(h), Tarn_SetCurSel(h, 1), Tarn_SetCursorSelect(h, FALSE), Tarn_ShowDropDown(h, TRUE);
        POINT at[] = {{300, 300}, {150, -GetSystemMetrics(SM_CYCAPTION) / 2}, Centre(h), Centre(Tarn_GetHWNDEdit(h)),
                      Centre(Tarn_GetHWNDDropDown(h))};
        MapWindowPoints(parent(), nullptr, at, 2), SetCursorPos(at[c.at % kKeys].x, at[c.at % kKeys].y), ValidateAll(h);
        // Each mouse release flag follows its press flag.
        INPUT in[2][4] = {{Mouse(c.press), Mouse(c.press << 1)}, {Key(c.press, 0), Key(c.press, 1), Key(VK_ESCAPE, 0), Key(VK_ESCAPE, 1)}};
        SendInput(c.at == kKeys ? 4 : 2, in[c.at == kKeys], sizeof(INPUT));
        int delivered = 0;
        for (DWORD end = GetTickCount() + 200; GetTickCount() < end; Sleep(10))
            for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); DispatchMessageA(&m))
                delivered += c.down && m.message == c.down;
        // Focus and pointer codes may come around it; the closing codes come together.
        const Ints codes = Codes(), closing = {TARNN_SELENDCANCEL, TARNN_DROPDOWNDESTROYED};
        const bool closed = std::search(codes.begin(), codes.end(), closing.begin(), closing.end()) != codes.end();
        EXPECT_TRUE(closed == c.closes && delivered == (c.down && !c.closes) && Tarn_GetDroppedState(h) == !c.closes &&
                    Tarn_GetCurSel(h) == 1) << "style " << c.style << " target " << c.at << " press " << c.press;
        DestroyWindow(h);
    }
}

} // namespace
