// The windows at the DPI this run was started for (dpi_test.sh sets the prefix's LogPixels and
// names it in LOCATRIX_TEST_DPI): what we paint ourselves grows with the dialogs, and the icons
// come from images drawn at the size the system asks for.
#include "app/AboutDlg.h"
#include "app/LocatorDlg.h"
#include "controls/HomeBanner.h"
#include "app/HomePage.h"
#include "res/resource.h"
#include "tests/controls/PixelCanvas.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

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

TEST(Dpi, TheProgramIsDpiAwareAtTheScreenDpi)
{
    // Unaware, Windows would tell it 96 and stretch its window as a bitmap (Wine does neither,
    // so the manifest is read as well).
    HRSRC info = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_NE(nullptr, info);
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(nullptr, info))),
                               ::SizeofResource(nullptr, info));
    EXPECT_NE(std::string::npos,
              manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"))
        << manifest;
    EXPECT_TRUE(::IsProcessDPIAware());
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(ExpectedDpi(), ::GetDeviceCaps(screen, LOGPIXELSY));
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
    CHomeBanner twin(RGB(180, 0, 0), RGB(0, 180, 0), RGB(30, 30, 220));
    twin.SetLinkText(kSiteName);
    ASSERT_TRUE(twin.SubclassWindow(twinWindow));
    const COLORREF face = RGB(200, 20, 20), light = RGB(20, 200, 20), dark = RGB(10, 10, 200);
    const int margin = width;
    CPixelCanvas canvas(width + 2 * margin, height + 2 * margin, RGB(255, 255, 255));
    const RECT inside = {margin, margin, margin + width, margin + height};
    twin.Paint(canvas.m_hDC, inside);

    RECT text = {canvas.m_rect.right, canvas.m_rect.bottom, 0, 0};
    for (COLORREF colour : {face, light, dark})
    {
        RECT box = {};
        ASSERT_GT(canvas.Count(colour, &box), 0);
        ::UnionRect(&text, &text, &box);
    }
    RECT within = {};
    ::IntersectRect(&within, &text, &inside);
    EXPECT_TRUE(::EqualRect(&within, &text)) << "text " << text.left - margin << "," << text.top - margin << " to "
                                             << text.right - margin << "," << text.bottom - margin
                                             << " in a control of " << width << "x" << height;
    // Letters about half the control's height: the font grew with the dialog.
    EXPECT_GE(2 * (text.bottom - text.top), height);
    twin.DestroyWindow();
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
