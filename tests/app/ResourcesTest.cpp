#include "controls/HomePage.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

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

struct DialogItem
{
    DWORD style;
    short x, y, cx, cy;
    int id;
    std::string cls;  // upper case; ordinal classes by their names
    std::string text; // in code page 1252; an ordinal as "#n"
};

struct DialogTemplate
{
    bool extended = false;
    DWORD style = 0, exStyle = 0;
    short cx = 0, cy = 0;
    std::string title, face;
    WORD points = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<DialogItem> items;
};

// Reads a dialog template resource of this program, classic or extended.
class CTemplateReader
{
public:
    explicit CTemplateReader(int id)
        : m_strData(ResourceBytes(RT_DIALOG, id)),
          m_pStart(reinterpret_cast<const BYTE*>(m_strData.data())),
          m_pNext(m_pStart)
    {
    }

    DialogTemplate Read()
    {
        DialogTemplate dialog;
        if (m_strData.size() < 4)
            return dialog;
        dialog.extended = reinterpret_cast<const WORD*>(m_pStart)[1] == 0xFFFF;
        if (dialog.extended)
            Skip(8), dialog.exStyle = Dword(), dialog.style = Dword();
        else
            dialog.style = Dword(), dialog.exStyle = Dword();
        WORD count = Word();
        Skip(4);
        dialog.cx = static_cast<short>(Word()), dialog.cy = static_cast<short>(Word());
        Text(false), Text(true); // menu, class
        dialog.title = Text(false);
        dialog.points = Word();
        if (dialog.extended)
            dialog.weight = Word(), dialog.italic = Byte(), dialog.charset = Byte();
        dialog.face = Text(false);
        for (WORD i = 0; i < count; ++i)
        {
            Align();
            DialogItem item = {};
            if (dialog.extended)
                Skip(8), item.style = Dword();
            else
                item.style = Dword(), Skip(4);
            item.x = Word(), item.y = Word(), item.cx = Word(), item.cy = Word();
            item.id = dialog.extended ? static_cast<int>(Dword()) : static_cast<short>(Word());
            item.cls = Text(true);
            CharUpperA(&item.cls[0]);
            item.text = Text(false);
            Skip(Word());
            dialog.items.push_back(item);
        }
        return dialog;
    }

private:
    BYTE Byte() { return *m_pNext++; }
    WORD Word() { WORD value; memcpy(&value, m_pNext, 2); m_pNext += 2; return value; }
    DWORD Dword() { DWORD value; memcpy(&value, m_pNext, 4); m_pNext += 4; return value; }
    void Skip(size_t bytes) { m_pNext += bytes; }
    void Align() { m_pNext += (4 - (m_pNext - m_pStart) % 4) % 4; }
    std::string Text(bool isClass)
    {
        static const char* const kOrdinalClasses[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
        WORD first = Word();
        if (first == 0xFFFF)
        {
            WORD ordinal = Word();
            if (isClass && ordinal >= 0x80 && ordinal <= 0x85)
                return kOrdinalClasses[ordinal - 0x80];
            return "#" + std::to_string(ordinal);
        }
        std::wstring wide;
        for (WORD ch = first; ch; ch = Word())
            wide += static_cast<wchar_t>(ch);
        std::string text(wide.size() * 2 + 1, '\0');
        int length = ::WideCharToMultiByte(1252, 0, wide.c_str(), static_cast<int>(wide.size()), &text[0],
                                           static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(length);
        return text;
    }

    std::string m_strData;
    const BYTE* m_pStart;
    const BYTE* m_pNext;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// A dialog of this program created from its template, destroyed at the end of the test.
struct CreatedDialog
{
    explicit CreatedDialog(int id)
        : m_hWnd(::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainDialogProc, 0)) {}
    ~CreatedDialog() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

std::string Text(HWND hWnd)
{
    char text[256] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

// The calculator's controls in template order: ID (-1 for none), kind, text.
// Kinds: E edit, L drop-down list, B push button, G group box, S left-aligned static text.
struct ExpectedControl { int id; char kind; const char* text; };
const ExpectedControl kMainControls[] = {
    {-1, 'S', "\xB0"}, {-1, 'S', "'"}, {-1, 'S', "''"}, {-1, 'S', "\xB0"}, {-1, 'S', "'"}, {-1, 'S', "''"},
    {1000, 'E', ""}, {1001, 'E', ""}, {1002, 'E', ""}, {1003, 'L', ""},
    {1004, 'E', ""}, {1005, 'E', ""}, {1006, 'E', ""}, {1007, 'L', ""}, {1008, 'B', "Calculate"},
    {1020, 'E', ""}, {1021, 'E', ""}, {1022, 'B', "Calculate"}, {1024, 'L', ""}, {1009, 'E', ""},
    {1010, 'B', "Calculate"}, {1011, 'B', "Reset"}, {1012, 'E', ""}, {1013, 'E', ""},
    {1017, 'B', "Calculate"}, {1018, 'B', "Reset"}, {2, 'B', "Close"},
    {-1, 'G', "GRIDSQUARE"}, {-1, 'S', "Latitude: "}, {-1, 'S', "Longitude: "}, {-1, 'S', "IARU Locator: "},
    {-1, 'G', "DISTANCE"}, {-1, 'S', "Local Locator:"}, {-1, 'S', "Distant Locator:"},
    {-1, 'S', "Bearing in degrees:"}, {1014, 'E', ""}, {-1, 'S', "Distance in Statute miles: "},
    {-1, 'S', "Distance in Kilometers: "}, {1015, 'E', ""}, {1016, 'E', ""},
    {-1, 'S', "Distance in Nautical miles: "}, {1019, 'E', ""}, {-1, 'S', "Latitude Decimal: "},
    {-1, 'S', "Longitude Decimal: "}, {1023, 'S', ""}, {-1, 'S', "Display Locator with:"}, {-1, 'S', "characters"}};

bool IsFrame(const DialogItem& item)
{
    return item.cls == "BUTTON" && (item.style & BS_TYPEMASK) == BS_GROUPBOX;
}

bool KindMatches(char kind, const DialogItem& item)
{
    switch (kind)
    {
    case 'E': return item.cls == "EDIT";
    case 'L': return item.cls == "COMBOBOX";
    case 'B': return item.cls == "BUTTON" && (item.style & BS_TYPEMASK) == BS_PUSHBUTTON;
    case 'G': return IsFrame(item);
    default: return item.cls == "STATIC" && (item.style & SS_TYPEMASK) == SS_LEFT;
    }
}

RECT Rect(const DialogItem& item)
{
    // A drop-down list's height includes its list; on the dialog it is one line.
    short height = item.cls == "COMBOBOX" ? 12 : item.cy;
    return {item.x, item.y, item.x + item.cx, item.y + height};
}
}

TEST(Resources, MainDialogTemplateHasItsFrameFontAndControlsInOrder)
{
    DialogTemplate dialog = CTemplateReader(102).Read();
    ASSERT_TRUE(dialog.extended);
    EXPECT_EQ(static_cast<DWORD>(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU),
              dialog.style);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW), dialog.exStyle);
    EXPECT_EQ(360, dialog.cx);
    EXPECT_EQ(212, dialog.cy);
    EXPECT_EQ("Locatrix", dialog.title);
    EXPECT_EQ("MS Sans Serif", dialog.face);
    EXPECT_EQ(8, dialog.points);
    EXPECT_EQ(0, dialog.weight);
    EXPECT_EQ(0, dialog.italic);
    EXPECT_EQ(DEFAULT_CHARSET, dialog.charset);

    ASSERT_EQ(std::size(kMainControls), dialog.items.size());
    const std::set<int> digitsOnly = {1000, 1001, 1004, 1005}, upperCase = {1009, 1012, 1013},
                        readOnly = {1014, 1015, 1016, 1019}, sorted = {1003, 1007};
    std::vector<int> tabStops;
    for (size_t i = 0; i < dialog.items.size(); ++i)
    {
        const DialogItem& item = dialog.items[i];
        const ExpectedControl& expected = kMainControls[i];
        SCOPED_TRACE("control " + std::to_string(i) + ", ID " + std::to_string(item.id));
        EXPECT_EQ(expected.id, item.id);
        EXPECT_TRUE(KindMatches(expected.kind, item)) << item.cls << " " << std::hex << item.style;
        EXPECT_EQ(expected.text, item.text);
        EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE), item.style & (WS_CHILD | WS_VISIBLE | WS_DISABLED));
        if (item.style & WS_TABSTOP)
            tabStops.push_back(item.id);
        if (expected.kind == 'E')
        {
            EXPECT_TRUE((item.style & (WS_BORDER | ES_AUTOHSCROLL)) == (WS_BORDER | ES_AUTOHSCROLL));
            EXPECT_EQ(digitsOnly.count(item.id) != 0, (item.style & ES_NUMBER) != 0);
            EXPECT_EQ(upperCase.count(item.id) != 0, (item.style & ES_UPPERCASE) != 0);
            EXPECT_EQ(readOnly.count(item.id) != 0, (item.style & ES_READONLY) != 0);
        }
        if (expected.kind == 'L')
        {
            EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWNLIST | WS_VSCROLL), item.style & (0xF | WS_VSCROLL));
            EXPECT_EQ(sorted.count(item.id) != 0, (item.style & CBS_SORT) != 0);
        }
        if (expected.kind == 'S')
        {
            EXPECT_EQ(item.id == 1023, (item.style & SS_NOTIFY) != 0);
        }
    }
    const std::vector<int> tabOrder = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1020, 1021, 1022, 1024,
                                       1009, 1010, 1011, 1012, 1013, 1017, 1018, 2,    1014, 1015, 1016, 1019};
    EXPECT_EQ(tabOrder, tabStops);
}

TEST(Resources, MainDialogControlsNeitherOverlapNorLeaveTheirFrames)
{
    DialogTemplate dialog = CTemplateReader(102).Read();
    std::vector<RECT> frames;
    for (const DialogItem& item : dialog.items)
        if (IsFrame(item))
            frames.push_back(Rect(item));
    ASSERT_EQ(2u, frames.size());
    for (size_t i = 0; i < dialog.items.size(); ++i)
    {
        const DialogItem& item = dialog.items[i];
        RECT rect = Rect(item), common;
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + item.text + "\", ID " + std::to_string(item.id));
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= dialog.cx && rect.bottom <= dialog.cy);
        if (IsFrame(item))
            continue;
        // Everything but the Close button and the banner below them sits in one of the two frames.
        int inside = 0;
        for (const RECT& frame : frames)
            inside += ::IntersectRect(&common, &rect, &frame) && ::EqualRect(&common, &rect);
        EXPECT_EQ(item.id == IDCANCEL || item.id == 1023 ? 0 : 1, inside);
        // The unit marks' boxes reach under the next box; their glyphs do not.
        bool mark = item.cls == "STATIC" && item.id == -1 && item.text.size() <= 2;
        for (size_t j = i + 1; j < dialog.items.size() && !mark; ++j)
        {
            RECT otherRect = Rect(dialog.items[j]);
            if (!IsFrame(dialog.items[j]))
            {
                EXPECT_FALSE(::IntersectRect(&common, &rect, &otherRect)) << "overlaps control " << j;
            }
        }
    }
}

TEST(Resources, MainDialogCreatesItsControlsWithTheirTexts)
{
    ASSERT_EQ(1252u, ::GetACP()) << "the degree sign is the byte 0xB0 of code page 1252";
    CreatedDialog dialog(102);
    ASSERT_NE(nullptr, dialog.m_hWnd);
    EXPECT_EQ("Locatrix", Text(dialog.m_hWnd));
    size_t index = 0;
    for (HWND child = ::GetWindow(dialog.m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT), ++index)
    {
        ASSERT_LT(index, std::size(kMainControls));
        SCOPED_TRACE("control " + std::to_string(index));
        EXPECT_EQ(kMainControls[index].id, static_cast<short>(::GetDlgCtrlID(child)));
        if (kMainControls[index].kind != 'L')
        {
            EXPECT_EQ(kMainControls[index].text, Text(child));
        }
    }
    EXPECT_EQ(std::size(kMainControls), index);
}

TEST(Resources, AboutBoxTemplateShowsIconTitleAndHomePage)
{
    DialogTemplate dialog = CTemplateReader(104).Read();
    ASSERT_FALSE(dialog.extended);
    EXPECT_EQ(static_cast<DWORD>(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU), dialog.style);
    EXPECT_EQ(216, dialog.cx);
    EXPECT_EQ(90, dialog.cy);
    EXPECT_EQ("About Locatrix", dialog.title);
    EXPECT_EQ("MS Sans Serif", dialog.face);
    EXPECT_EQ(8, dialog.points);

    ASSERT_EQ(8u, dialog.items.size());
    const std::vector<DialogItem>& items = dialog.items;
    EXPECT_EQ("#129", items[0].text);
    EXPECT_EQ(static_cast<DWORD>(SS_ICON | SS_REALSIZEIMAGE), items[0].style & (SS_TYPEMASK | SS_REALSIZEIMAGE));
    EXPECT_EQ(20, items[0].cx);
    EXPECT_EQ(1000, items[1].id);
    EXPECT_EQ("Locatrix v1.0", items[1].text);
    EXPECT_EQ(static_cast<DWORD>(SS_NOPREFIX | WS_GROUP), items[1].style & (SS_NOPREFIX | WS_GROUP));
    EXPECT_EQ("Copyright (C) 2026 Norvane", items[2].text);
    EXPECT_EQ(IDOK, items[3].id);
    EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP),
              items[3].style & (BS_TYPEMASK | WS_GROUP | WS_TABSTOP));
    EXPECT_EQ("Calculate IARU Locator and Distance", items[4].text);
    EXPECT_EQ(static_cast<DWORD>(SS_ETCHEDHORZ), items[5].style & SS_TYPEMASK);
    EXPECT_EQ(1001, items[6].id);
    EXPECT_EQ(kHomePageUrl, items[6].text);
    EXPECT_EQ(static_cast<DWORD>(SS_ETCHEDHORZ), items[7].style & SS_TYPEMASK);

    CreatedDialog created(104);
    ASSERT_NE(nullptr, created.m_hWnd);
    HWND icon = ::GetWindow(created.m_hWnd, GW_CHILD);
    EXPECT_NE(0, ::SendMessageA(icon, STM_GETICON, 0, 0));
    EXPECT_EQ(kHomePageUrl, Text(::GetDlgItem(created.m_hWnd, 1001)));
}

TEST(Resources, StringIconsVersionAndManifest)
{
    char text[64] = {};
    EXPECT_EQ(18, ::LoadStringA(::GetModuleHandleA(nullptr), 101, text, sizeof(text)));
    EXPECT_STREQ("&About Locatrix...", text);

    // Each icon group lists its images; every image must load, at the size the group gives it.
    auto images = [](int group) {
        std::vector<std::pair<int, int>> found; // size, bits per pixel
        std::string directory = ResourceBytes(RT_GROUP_ICON, group);
        for (size_t entry = 6; entry + 14 <= directory.size(); entry += 14)
        {
            WORD bits = 0, id = 0;
            memcpy(&bits, &directory[entry + 6], 2);
            memcpy(&id, &directory[entry + 12], 2);
            std::string image = ResourceBytes(RT_ICON, id);
            HICON icon = ::CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&image[0]), image.size(), TRUE,
                                                    0x00030000, 0, 0, 0);
            ICONINFO info = {};
            BITMAP bitmap = {};
            if (icon && ::GetIconInfo(icon, &info))
            {
                ::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
                ::DeleteObject(info.hbmColor);
                ::DeleteObject(info.hbmMask);
                ::DestroyIcon(icon);
            }
            int size = static_cast<BYTE>(directory[entry]);
            found.push_back({bitmap.bmWidth == size && bitmap.bmHeight == size ? size : -1, bits});
        }
        return found;
    };
    const std::vector<std::pair<int, int>> app = {{16, 32}, {24, 32}, {32, 32}, {48, 32}, {64, 32}};
    const std::vector<std::pair<int, int>> about = {{48, 8}, {48, 32}};
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
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(401, 9)), fixed->dwProductVersionLS);
    auto value = [&](const char* name) {
        char* data = nullptr;
        std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
        return ::VerQueryValueA(version.data(), query.c_str(), reinterpret_cast<void**>(&data), &length) ? std::string(data)
                                                                                                        : "";
    };
    EXPECT_EQ("1.0.9.0401", value("ProductVersion"));
    EXPECT_EQ("1.0.0.1", value("FileVersion"));
    EXPECT_EQ("Locatrix", value("ProductName"));
    EXPECT_EQ("Norvane", value("CompanyName"));

    std::string manifest = ResourceBytes(RT_MANIFEST, 1);
    EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
}
