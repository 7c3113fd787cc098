// The windows at the DPI this run was started for (dpi_test.sh sets the prefix's LogPixels and
// names it in LOCATRIX_TEST_DPI; 96 otherwise): every label and the link show their whole text,
// the banner grows with the dialogs, and the icons come at the size the system asks for.
#include "app/AboutDlg.h"
#include "app/HomePage.h"
#include "app/LocatorDlg.h"
#include "controls/HomeBanner.h"
#include "res/resource.h"
#include "tests/controls/PixelCanvas.h"
#include "tests/support/TestHost.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace
{
int Scaled(int pixels)
{
    const char* dpi = std::getenv("LOCATRIX_TEST_DPI");
    return ::MulDiv(pixels, dpi ? std::atoi(dpi) : USER_DEFAULT_SCREEN_DPI, USER_DEFAULT_SCREEN_DPI);
}

int IconWidth(HICON icon)
{
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap = {};
    ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// The labels whose text does not fit, each measured as a static control draws it, in the font
// the dialog gave it (the About box's link draws its address so too; the banner is measured
// by its own test).
std::string CutLabels(HWND dialog, int& measured)
{
    measured = 0;
    std::string cut;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        char className[16] = {};
        ::GetClassNameA(child, className, sizeof className);
        const LONG style = ::GetWindowLongA(child, GWL_STYLE), type = style & SS_TYPEMASK;
        const std::string text = WindowText(child);
        if (lstrcmpiA(className, "Static") != 0 || text.empty() ||
            (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE))
            continue;
        ++measured;
        RECT client = {};
        ::GetClientRect(child, &client);
        UINT flags = DT_CALCRECT | DT_EXPANDTABS | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
        flags |= (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) ? DT_SINGLELINE : DT_WORDBREAK;
        HDC dc = ::GetDC(child);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0)));
        RECT needed = {0, 0, client.right, 0};
        ::DrawTextA(dc, text.c_str(), -1, &needed, flags);
        ::SelectObject(dc, old);
        ::ReleaseDC(child, dc);
        if (needed.right > client.right || needed.bottom > client.bottom)
            cut += "\"" + text + "\" needs " + std::to_string(needed.right) + "x" + std::to_string(needed.bottom) +
                   ", has " + std::to_string(client.right) + "x" + std::to_string(client.bottom) + "\n";
    }
    return cut;
}

struct Dialogs
{
    Dialogs()
    {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        EXPECT_TRUE(calculator.Create() && about.Create());
        ::ShowWindow(about.m_hWnd, SW_SHOWNOACTIVATE);
        ::UpdateWindow(about.m_hWnd);
        PumpMessages();
    }
    ~Dialogs()
    {
        about.DestroyWindow();
        calculator.DestroyWindow();
        PumpMessages();
    }
    CScratchKey key;
    CLocatorDlg calculator{nullptr, key.m_strPath};
    CAboutDlg about;
};
} // namespace

// A font wider than the one the layout was made for (a missing "MS Sans Serif" falls back to one)
// cuts labels; this catches it in both dialogs.
TEST(LabelFit, EveryLabelOfBothDialogsShowsItsWholeText)
{
    Dialogs dialogs;
    int measured = 0;
    EXPECT_EQ("", CutLabels(dialogs.calculator.m_hWnd, measured));
    EXPECT_EQ(19, measured); // every label of the calculator was looked at
    EXPECT_EQ("", CutLabels(dialogs.about.m_hWnd, measured));
    EXPECT_EQ(4, measured); // title, purpose, copyright, link
}

// Unaware, Windows would tell the program 96 and stretch its window as a bitmap.
TEST(Dpi, TheProgramIsDpiAwareAtTheScreenDpi)
{
    EXPECT_TRUE(::IsProcessDPIAware());
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(Scaled(USER_DEFAULT_SCREEN_DPI), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
}

TEST(Dpi, TheBannerTextFitsItsControlAndGrowsWithTheDialog)
{
    Dialogs dialogs;
    HWND dialog = dialogs.calculator.m_hWnd;
    RECT control = {};
    ::GetWindowRect(dialogs.calculator.GetDlgItem(IDC_HOME_BANNER), &control);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control), 2);
    // A twin of the banner on the same dialog, in colours of its own, painted onto a canvas with
    // a margin all round so that any pixel outside the control's rectangle shows.
    const int width = control.right - control.left, height = control.bottom - control.top;
    HWND twinWindow = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_NOTIFY, control.left, control.top, width,
                                        height, dialog, nullptr, nullptr, nullptr);
    const COLORREF face = RGB(200, 20, 20), light = RGB(20, 200, 20), dark = RGB(10, 10, 200);
    CHomeBanner twin(RGB(180, 0, 0), RGB(0, 180, 0), RGB(30, 30, 220));
    twin.SetLinkText(kSiteName);
    ASSERT_TRUE(twin.SubclassWindow(twinWindow));
    const int margin = width;
    CPixelCanvas canvas(width + 2 * margin, height + 2 * margin, RGB(255, 255, 255));
    const RECT inside = {margin, margin, margin + width, margin + height};
    twin.Paint(canvas.m_hDC, inside);

    RECT text = {canvas.m_rect.right, canvas.m_rect.bottom, 0, 0}, within = {};
    for (COLORREF colour : {face, light, dark})
    {
        RECT box = {};
        ASSERT_GT(canvas.Count(colour, &box), 0);
        ::UnionRect(&text, &text, &box);
    }
    ::IntersectRect(&within, &text, &inside);
    EXPECT_TRUE(::EqualRect(&within, &text)) << "text " << text.left - margin << "," << text.top - margin << " to "
                                             << text.right - margin << "," << text.bottom - margin
                                             << " in a control of " << width << "x" << height;
    // Letters about half the control's height: the font grew with the dialog.
    EXPECT_GE(2 * (text.bottom - text.top), height);
    twin.DestroyWindow();
}

// The icon groups hold an image for each of these sizes (the resource tests list them), so
// nothing is stretched.
TEST(Dpi, IconsComeAtTheSizeForThisDpi)
{
    Dialogs dialogs;
    const int big = ::GetSystemMetrics(SM_CXICON);
    EXPECT_EQ(big, IconWidth(reinterpret_cast<HICON>(dialogs.calculator.SendMessage(WM_GETICON, ICON_BIG))));
    HWND aboutIcon = ::GetWindow(dialogs.about.m_hWnd, GW_CHILD);
    EXPECT_EQ(Scaled(48), IconWidth(reinterpret_cast<HICON>(::SendMessageA(aboutIcon, STM_GETICON, 0, 0))));
    RECT shown = {};
    ::GetClientRect(aboutIcon, &shown);
    EXPECT_EQ(Scaled(48), shown.right);
}
