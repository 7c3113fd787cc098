// The windows at the DPI this run was started for (dpi_test.sh sets the prefix's LogPixels and
// names it in LOCATRIX_TEST_DPI): what we paint ourselves grows with the dialogs, and the icons
// come from images drawn at the size the system asks for.
#include "app/AboutDlg.h"
#include "app/LocatorDlg.h"
#include "controls/HomeBanner.h"
#include "controls/HomePage.h"
#include "res/resource.h"
#include "tests/controls/PixelCanvas.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace
{
int ExpectedDpi()
{
    const char* dpi = std::getenv("LOCATRIX_TEST_DPI");
    return dpi ? std::atoi(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int Scaled(int pixels)
{
    return ::MulDiv(pixels, ExpectedDpi(), USER_DEFAULT_SCREEN_DPI);
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

// Whether the icon group holds an image of exactly this size, so that nothing was scaled.
bool GroupHasImage(int group, int size)
{
    HRSRC info = ::FindResourceA(nullptr, MAKEINTRESOURCEA(group), RT_GROUP_ICON);
    const auto* directory = info ? static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, info))) : nullptr;
    if (!directory)
        return false;
    const int count = *reinterpret_cast<const WORD*>(directory + 4);
    for (int entry = 0; entry < count; ++entry)
        if (directory[6 + 14 * entry] == size % 256)
            return true;
    return false;
}

struct Dialogs
{
    Dialogs()
    {
        calculator.Create();
        about.Create();
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

TEST(Dpi, TheProgramRunsAtTheScreenDpiUnstretched)
{
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(ExpectedDpi(), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    // Laid out for this DPI: 360 dialog units of an 8-point font come to about 540 pixels at 96.
    Dialogs dialogs;
    RECT client = {};
    ::GetClientRect(dialogs.calculator.m_hWnd, &client);
    EXPECT_GE(client.right, Scaled(500));
    EXPECT_LE(client.right, Scaled(600));
}

TEST(Dpi, TheBannerTextGrowsWithTheDialogAndFitsItsControl)
{
    Dialogs dialogs;
    RECT control = {};
    ::GetClientRect(dialogs.calculator.GetDlgItem(IDC_HOME_BANNER), &control);
    // Painted onto a canvas with a margin all round, in three colours of its own, so that any
    // pixel outside the control's rectangle shows.
    const CHomeBanner banner(RGB(180, 0, 0), RGB(0, 180, 0), RGB(30, 30, 220));
    const COLORREF face = RGB(200, 20, 20), light = RGB(20, 200, 20), dark = RGB(10, 10, 200);
    const int margin = control.right;
    CPixelCanvas canvas(control.right + 2 * margin, control.bottom + 2 * margin, RGB(255, 255, 255));
    const RECT inside = {margin, margin, margin + control.right, margin + control.bottom};
    banner.Paint(canvas.m_hDC, inside);

    RECT text = {canvas.m_rect.right, canvas.m_rect.bottom, 0, 0};
    for (COLORREF colour : {face, light, dark})
    {
        RECT box = {};
        ASSERT_GT(canvas.Count(colour, &box), 0);
        ::UnionRect(&text, &text, &box);
    }
    EXPECT_GE(text.left, inside.left);
    EXPECT_GE(text.top, inside.top);
    EXPECT_LE(text.right, inside.right);
    EXPECT_LE(text.bottom, inside.bottom) << "text " << text.left << "," << text.top << " to " << text.right
                                          << "," << text.bottom << " in a control of " << control.right << "x"
                                          << control.bottom << " at " << margin << "," << margin;
    // The letters of a 26-pixel font at 96 DPI stand about 15 pixels high.
    EXPECT_GE(text.bottom - text.top, Scaled(13));
}

TEST(Dpi, TheLinkIsHitExactlyOverItsWholeText)
{
    Dialogs dialogs;
    HWND link = dialogs.about.GetDlgItem(IDC_ABOUT_LINK);
    HDC dc = ::GetDC(link);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(link, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, kHomePageUrl, lstrlenA(kHomePageUrl), &extent);
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(link, dc);
    RECT client = {};
    ::GetClientRect(link, &client);
    const int right = extent.cx + metrics.tmAveCharWidth / 2;
    EXPECT_LE(extent.cx, client.right) << "the address is cut";
    EXPECT_GE(metrics.tmHeight, Scaled(11)); // 13 pixels at 96 DPI

    CShellRecorder shell;
    ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(right - 1, client.bottom - 1));
    EXPECT_EQ(1u, shell.m_calls.size()) << "just inside the text";
    ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(right, 0));
    EXPECT_EQ(1u, shell.m_calls.size()) << "just right of the text";
}

TEST(Dpi, IconsComeFromImagesDrawnForThisDpi)
{
    Dialogs dialogs;
    const int big = ::GetSystemMetrics(SM_CXICON), small = ::GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(Scaled(32), big);
    EXPECT_EQ(Scaled(16), small);
    EXPECT_TRUE(GroupHasImage(IDR_MAINFRAME, big)) << big;
    EXPECT_TRUE(GroupHasImage(IDR_MAINFRAME, small)) << small;
    EXPECT_EQ(big, IconWidth(reinterpret_cast<HICON>(dialogs.calculator.SendMessage(WM_GETICON, ICON_BIG))));

    HWND aboutIcon = ::GetWindow(dialogs.about.m_hWnd, GW_CHILD);
    EXPECT_TRUE(GroupHasImage(IDI_ABOUT, Scaled(48))) << Scaled(48);
    EXPECT_EQ(Scaled(48), IconWidth(reinterpret_cast<HICON>(::SendMessageA(aboutIcon, STM_GETICON, 0, 0))));
    RECT shown = {};
    ::GetClientRect(aboutIcon, &shown);
    EXPECT_EQ(Scaled(48), shown.right);
}
