#include "app/HomePage.h"
#include "tests/support/TestHost.h"
#include "Version.h"
#include <gtest/gtest.h>
#include <map>

namespace
{
// The bytes of one resource of this program in its language, empty when there is none.
std::string ResourceBytes(LPCSTR type, int id)
{
    HRSRC info = ::FindResourceExA(nullptr, type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!info)
        return "";
    return std::string(static_cast<const char*>(::LockResource(::LoadResource(nullptr, info))),
                       ::SizeofResource(nullptr, info));
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// A dialog of this program created from its template with no code behind it.
struct CreatedDialog
{
    explicit CreatedDialog(int id)
        : m_hWnd(::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainDialogProc, 0))
    {
    }
    ~CreatedDialog() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

// A control as its template gives it: ID (-1 for none), kind and style letters, text.
// The first letter is the kind: E edit, L drop-down list, B push button, D default push button,
// G group box, S left text, I icon, H etched line. The letters after it name the style bits it
// has, of # digits only, U capitals, R read-only, s sorted, n notify, p no prefix, g group and
// t tab stop; the others of these it must not have. The icon's text is not looked at.
struct Control { int id; const char* kind; const char* text; };

const Control kMainControls[] = {
    {-1, "Sg", "\xB0"}, {-1, "Sg", "'"}, {-1, "Sg", "''"}, {-1, "Sg", "\xB0"}, {-1, "Sg", "'"}, {-1, "Sg", "''"},
    {1000, "E#t", ""}, {1001, "E#t", ""}, {1002, "Et", ""}, {1003, "Lst", ""},
    {1004, "E#t", ""}, {1005, "E#t", ""}, {1006, "Et", ""}, {1007, "Lst", ""}, {1008, "Bt", "Calculate"},
    {1020, "Et", ""}, {1021, "Et", ""}, {1022, "Bt", "Calculate"}, {1024, "Lt", ""}, {1009, "EUt", ""},
    {1010, "Bt", "Calculate"}, {1011, "Bt", "Reset"}, {1012, "EUt", ""}, {1013, "EUt", ""},
    {1017, "Bt", "Calculate"}, {1018, "Bt", "Reset"}, {2, "Bt", "Close"},
    {-1, "G", "GRIDSQUARE"}, {-1, "Sg", "Latitude: "}, {-1, "Sg", "Longitude: "}, {-1, "Sg", "IARU Locator: "},
    {-1, "G", "DISTANCE"}, {-1, "Sg", "Local Locator:"}, {-1, "Sg", "Distant Locator:"},
    {-1, "Sg", "Bearing in degrees:"}, {1014, "ERt", ""}, {-1, "Sg", "Distance in Statute miles: "},
    {-1, "Sg", "Distance in Kilometers: "}, {1015, "ERt", ""}, {1016, "ERt", ""},
    {-1, "Sg", "Distance in Nautical miles: "}, {1019, "ERt", ""}, {-1, "Sg", "Latitude Decimal: "},
    {-1, "Sg", "Longitude Decimal: "}, {1023, "Sn", ""}, {-1, "Sg", "Display Locator with:"}, {-1, "Sg", "characters"}};

const Control kAboutControls[] = {
    {-1, "I", nullptr}, {1000, "Spg", LOCATRIX_ABOUT_TITLE}, {-1, "Sg", "Copyright (C) 2026 Norvane"}, {IDOK, "Dgt", "OK"},
    {-1, "Sg", "Calculate IARU Locator and Distance"}, {-1, "H", ""}, {1001, "Sg", kHomePageUrl}, {-1, "H", ""}};

// Each child of the dialog in Z order, which is template order, against its expected control;
// the children with their rectangles on the dialog.
std::vector<std::pair<HWND, RECT>> ExpectControls(HWND dialog, const Control* expected, size_t count)
{
    struct Kind { const char* cls; DWORD style, mask; };
    static const std::map<char, Kind> kinds = {
        {'E', {"Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL | ES_MULTILINE | ES_PASSWORD}},
        {'L', {"ComboBox", CBS_DROPDOWNLIST, 0xF}},
        {'B', {"Button", BS_PUSHBUTTON, BS_TYPEMASK}}, {'D', {"Button", BS_DEFPUSHBUTTON, BS_TYPEMASK}},
        {'G', {"Button", BS_GROUPBOX, BS_TYPEMASK}}, {'S', {"Static", SS_LEFT, SS_TYPEMASK}},
        {'I', {"Static", SS_ICON | SS_REALSIZEIMAGE, SS_TYPEMASK | SS_REALSIZEIMAGE}},
        {'H', {"Static", SS_ETCHEDHORZ, SS_TYPEMASK}}};
    static const struct { char letter, kind; DWORD bit; } bits[] = {
        {'#', 'E', ES_NUMBER}, {'U', 'E', ES_UPPERCASE}, {'R', 'E', ES_READONLY}, {'s', 'L', CBS_SORT},
        {'n', 'S', SS_NOTIFY}, {'p', 'S', SS_NOPREFIX},  {'g', 0, WS_GROUP},      {'t', 0, WS_TABSTOP}};
    std::vector<std::pair<HWND, RECT>> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        RECT rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        children.push_back({child, rect});
        if (children.size() > count)
            continue;
        const Control& control = expected[children.size() - 1];
        const Kind& kind = kinds.at(control.kind[0]);
        SCOPED_TRACE(testing::Message() << "control " << children.size() - 1 << " '" << control.text << "'");
        const DWORD style = ::GetWindowLongA(child, GWL_STYLE);
        DWORD wanted = kind.style | WS_CHILD | WS_VISIBLE, mask = kind.mask | WS_CHILD | WS_VISIBLE | WS_DISABLED;
        for (const auto& b : bits)
            if (!b.kind || b.kind == control.kind[0])
            {
                mask |= b.bit;
                wanted |= strchr(control.kind + 1, b.letter) ? b.bit : 0;
            }
        char cls[16] = {};
        ::GetClassNameA(child, cls, sizeof(cls));
        EXPECT_EQ(control.id, static_cast<short>(::GetDlgCtrlID(child)));
        EXPECT_STRCASEEQ(kind.cls, cls);
        EXPECT_EQ(wanted, style & mask) << std::hex << style;
        // A bordered box draws its border itself, in 3D.
        EXPECT_TRUE(control.kind[0] != 'E' || (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        EXPECT_TRUE(!control.text || control.text == WindowText(child)) << WindowText(child);
    }
    EXPECT_EQ(count, children.size());
    children.resize(count);
    return children;
}

// The dialog's frame: caption, style bits, client size in dialog units, font.
void ExpectFrame(HWND dialog, const char* title, DWORD style, int cx, int cy)
{
    EXPECT_EQ(title, WindowText(dialog));
    const DWORD mask = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                       WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_DISABLED;
    EXPECT_EQ(style, ::GetWindowLongA(dialog, GWL_STYLE) & mask);
    RECT size = {0, 0, cx, cy}, client;
    ::MapDialogRect(dialog, &size);
    ::GetClientRect(dialog, &client);
    EXPECT_TRUE(::EqualRect(&size, &client));
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ("MS Sans Serif", font.lfFaceName);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(-::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
    ::ReleaseDC(nullptr, screen);
    EXPECT_TRUE(font.lfWeight <= FW_NORMAL && !font.lfItalic);
}
}

TEST(Resources, MainDialogFrameAndControlsInOrder)
{
    ASSERT_EQ(1252u, ::GetACP()) << "the degree sign is the byte 0xB0 of code page 1252";
    CreatedDialog dialog(102);
    ASSERT_NE(nullptr, dialog.m_hWnd);
    ExpectFrame(dialog.m_hWnd, "Locatrix", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                360, 212);
    EXPECT_TRUE(::GetWindowLongA(dialog.m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    const auto children = ExpectControls(dialog.m_hWnd, kMainControls, std::size(kMainControls));

    // Everything sits on the dialog; everything but the Close button and the banner below them
    // in one of the two frames; nothing overlaps but the unit marks' boxes, which reach under
    // the next box while their glyphs do not.
    RECT client, common;
    ::GetClientRect(dialog.m_hWnd, &client);
    std::vector<RECT> frames;
    for (size_t i = 0; i < children.size(); ++i)
        if (*kMainControls[i].kind == 'G')
            frames.push_back(children[i].second);
    ASSERT_EQ(2u, frames.size());
    auto within = [&](const RECT& inner, const RECT& outer) {
        return ::IntersectRect(&common, &inner, &outer) && ::EqualRect(&common, &inner);
    };
    for (size_t i = 0; i < children.size(); ++i)
    {
        const RECT& rect = children[i].second;
        const Control& control = kMainControls[i];
        SCOPED_TRACE(testing::Message() << "control " << i << " '" << control.text << "'");
        EXPECT_TRUE(within(rect, client));
        if (*control.kind == 'G')
            continue;
        EXPECT_EQ(control.id == IDCANCEL || control.id == 1023 ? 0 : 1,
                  within(rect, frames[0]) + within(rect, frames[1]));
        const bool mark = control.id == -1 && *control.kind == 'S' && strlen(control.text) <= 2;
        for (size_t j = i + 1; j < children.size() && !mark; ++j)
            EXPECT_TRUE(*kMainControls[j].kind == 'G' || !::IntersectRect(&common, &rect, &children[j].second)) << j;
    }
}

TEST(Resources, AboutBoxFrameAndControlsInOrder)
{
    CreatedDialog dialog(104);
    ASSERT_NE(nullptr, dialog.m_hWnd);
    ExpectFrame(dialog.m_hWnd, "About Locatrix", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 216,
                90);
    ExpectControls(dialog.m_hWnd, kAboutControls, std::size(kAboutControls));
}

TEST(Resources, IconsVersionAndManifest)
{
    // Each icon group lists its images; each loads, a bitmap at the size the group gives it.
    auto images = [](int group) {
        std::vector<std::pair<int, int>> found; // size, bits per pixel
        const std::string directory = ResourceBytes(RT_GROUP_ICON, group);
        for (size_t entry = 6; entry + 14 <= directory.size(); entry += 14)
        {
            std::string image = ResourceBytes(RT_ICON, *reinterpret_cast<const WORD*>(&directory[entry + 12]));
            image.resize(std::max(image.size(), sizeof(BITMAPINFOHEADER)));
            const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
            HICON icon = ::CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&image[0]), image.size(), TRUE,
                                                    0x00030000, 0, 0, 0);
            const int size = static_cast<BYTE>(directory[entry]);
            found.push_back({icon && header->biWidth == size && header->biHeight == 2 * size ? size : -1,
                             header->biBitCount});
            ::DestroyIcon(icon);
        }
        return found;
    };
    const std::vector<std::pair<int, int>> app = {{16, 32}, {20, 32}, {24, 32}, {32, 32}, {40, 32}, {48, 32}, {64, 32}};
    const std::vector<std::pair<int, int>> about = {{48, 8}, {48, 32}, {60, 32}, {72, 32}, {96, 32}};
    EXPECT_EQ(app, images(128));
    EXPECT_EQ(about, images(129));

    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::vector<char> version(::GetFileVersionInfoSizeA(path, nullptr));
    ASSERT_FALSE(version.empty());
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, version.size(), version.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(version.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const WORD fileVersion[] = {LOCATRIX_FILE_VERSION};
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(fileVersion[1], fileVersion[0])), fixed->dwFileVersionMS);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(fileVersion[3], fileVersion[2])), fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(401, 9)), fixed->dwProductVersionLS);
    for (const auto& [name, expected] : std::map<std::string, std::string>{
             {"ProductVersion", "1.0.9.0401"}, {"FileVersion", LOCATRIX_FILE_VERSION_TEXT}, {"ProductName", "Locatrix"},
             {"CompanyName", "Norvane"}})
    {
        char* data = nullptr;
        const std::string query = "\\StringFileInfo\\040904B0\\" + name;
        EXPECT_TRUE(::VerQueryValueA(version.data(), query.c_str(), reinterpret_cast<void**>(&data), &length) &&
                    expected == data) << name;
    }
    const std::string manifest = ResourceBytes(RT_MANIFEST, 1);
    for (const char* wanted : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
                               "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"})
        EXPECT_NE(std::string::npos, manifest.find(wanted)) << wanted;
    // Windows refuses to start a program whose manifest names another processor.
    const bool wide = sizeof(void*) == 8;
    EXPECT_NE(std::string::npos, manifest.find(wide ? "=\"amd64\"" : "=\"x86\"")) << manifest;
    EXPECT_EQ(std::string::npos, manifest.find(wide ? "=\"x86\"" : "=\"amd64\"")) << manifest;
}
