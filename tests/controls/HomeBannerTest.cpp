#include "controls/HomeBanner.h"
#include "framework/Font.h"
#include "tests/controls/PixelCanvas.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>

TEST(HomeBanner, EmbossesTheSiteNameBottomRightInShadedButtonColours)
{
    // Components on both sides of the 235 and 20 limits.
    CHomeBanner banner(RGB(234, 235, 100), RGB(255, 0, 236), RGB(21, 20, 200));
    banner.SetLinkText("Locatrix");
    const COLORREF face = RGB(254, 255, 120), light = RGB(255, 20, 255), dark = RGB(1, 0, 180);
    const COLORREF backdrop = RGB(40, 90, 60);
    // The passes step by fifths of the context's own average width; 40 makes the steps plain.
    CFont wide;
    ASSERT_TRUE(wide.CreateFont(80, 40, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    RECT previous = {};
    for (SIZE size : {SIZE{300, 60}, SIZE{360, 90}})
    {
        CPixelCanvas canvas(size.cx, size.cy, backdrop);
        ::SelectObject(canvas.m_hDC, wide);
        banner.Paint(canvas.m_hDC, canvas.m_rect);
        // The face copy comes last and shows whole, the light one 4 pixels left of it and the
        // dark one 8 pixels right, both only where the face copy leaves them room.
        RECT onFace, onLight, onDark;
        const int faceCount = canvas.Count(face, &onFace);
        const int lightCount = canvas.Count(light, &onLight), darkCount = canvas.Count(dark, &onDark);
        EXPECT_TRUE(faceCount > lightCount && faceCount > darkCount && lightCount * darkCount > 0);
        EXPECT_EQ(onFace.left - 4, onLight.left);
        EXPECT_EQ(onFace.right + 8, onDark.right);
        EXPECT_GT(onDark.right, size.cx - 40);
        // Nothing but the letters is painted, not even behind them.
        const LONG textArea = (onDark.right - onLight.left) * (onDark.bottom - onFace.top);
        EXPECT_GT(canvas.Count(backdrop), size.cx * size.cy - textArea);
        // Anchored at the bottom right: a bigger rectangle moves the text by as much.
        EXPECT_TRUE(!previous.right || (previous.right + 60 == onDark.right && previous.bottom + 30 == onDark.bottom));
        previous = onDark;
    }
}

// In high contrast the shades of the button colours could vanish against the dialog: one copy
// of the name, in the system's button text colour, where the face copy goes.
TEST(HomeBanner, InHighContrastDrawsOneCopyInTheSystemTextColour)
{
    CHomeBanner banner(RGB(200, 200, 200), RGB(255, 255, 255), RGB(100, 100, 100));
    banner.SetLinkText("Locatrix");
    const COLORREF backdrop = RGB(40, 90, 60), text = ::GetSysColor(COLOR_BTNTEXT);
    ASSERT_NE(backdrop, text);
    CPixelCanvas shaded(300, 60, backdrop), plain(300, 60, backdrop);
    banner.Paint(shaded.m_hDC, shaded.m_rect);
    RECT face = {}, drawn = {};
    ASSERT_GT(shaded.Count(RGB(220, 220, 220), &face), 0);
    {
        CHighContrastOn contrast;
        banner.Paint(plain.m_hDC, plain.m_rect);
    }
    EXPECT_GT(plain.Count(text, &drawn), 50);
    EXPECT_TRUE(::EqualRect(&face, &drawn));
    for (COLORREF shade : {RGB(220, 220, 220), RGB(255, 255, 255), RGB(80, 80, 80)})
        EXPECT_EQ(0, plain.Count(shade));
}
