// Screen readers name a box after the static text just before it in window order. Wine's oleacc
// does so for edit boxes too, in this process and across processes; it names a list by its
// selection where Windows takes the label before it, so for the lists that label is checked.
#include "tests/app/AccessibleNames.h"
#include "tests/app/Calculator.h"
#include "app/HomePage.h"
#include "res/resource.h"
#include <oleacc.h>
#include <fstream>
#include <sstream>

namespace
{
// Runs the reader in a process of its own on the window, handling this thread's messages
// meanwhile (the reader's questions come to the window as messages). Empty when it fails.
std::string ReadFromAnotherProcess(HWND window)
{
    char path[MAX_PATH] = {}, directory[MAX_PATH] = {}, output[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path);
    program.replace(program.find_last_of('\\') + 1, std::string::npos, "read_accessible_names.exe");
    if (!::GetTempPathA(MAX_PATH, directory) || !::GetTempFileNameA(directory, "acc", 0, output))
        return "";
    std::string command = "\"" + program + "\" " + std::to_string(reinterpret_cast<INT_PTR>(window)) + " \"" +
                          output + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return "";
    const DWORD started = ::GetTickCount();
    DWORD waited = WAIT_TIMEOUT;
    while ((waited = ::MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 1000, QS_ALLINPUT)) != WAIT_OBJECT_0 &&
           ::GetTickCount() - started < 60000)
        PumpMessages();
    DWORD status = 1;
    if (waited != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    else
        ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    std::stringstream lines;
    lines << std::ifstream(output, std::ios::binary).rdbuf();
    ::DeleteFileA(output);
    return status == 0 ? lines.str() : "";
}

std::string WithoutAccessKey(std::string text)
{
    const size_t ampersand = text.find('&');
    return ampersand == std::string::npos ? text : text.erase(ampersand, 1);
}
}

TEST(AccessibleNames, EachControlIsNamedAsAScreenReaderReadsItInThisProcessAndFromAnother)
{
    CScratchKey key;
    CCalculator calc(key);
    HWND dialog = calc.m_dlg.m_hWnd;
    const std::vector<AccessibleControl> here = ReadAccessibleControls(dialog);

    // E a box, R a result box (read-only), L a list, O anything else. A list's name is the label
    // before it (Wine reads its selection instead).
    const struct { int id; char kind; const char* name; } names[] = {
        {IDC_LATITUDE_DEGREE, 'E', "Latitude degrees"},   {IDC_LATITUDE_MINUTE, 'E', "Latitude minutes"},
        {IDC_LATITUDE_SECOND, 'E', "Latitude seconds"},   {IDC_LATITUDE_WORLD, 'L', "Latitude hemisphere"},
        {IDC_LONGITUDE_DEGREE, 'E', "Longitude degrees"}, {IDC_LONGITUDE_MINUTE, 'E', "Longitude minutes"},
        {IDC_LONGITUDE_SECOND, 'E', "Longitude seconds"}, {IDC_LONGITUDE_WORLD, 'L', "Longitude hemisphere"},
        {IDC_LATITUDE_DECIMAL, 'E', "Latitude Decimal: "}, {IDC_LONGITUDE_DECIMAL, 'E', "Longitude Decimal: "},
        {IDC_LOCATOR_CHARS, 'L', "Display Locator with:"}, {IDC_LOCATOR, 'E', "IARU Locator: "},
        {IDC_LOCATION1, 'E', "Local Locator:"},            {IDC_LOCATION2, 'E', "Distant Locator:"},
        {IDC_BEARING, 'R', "Bearing in degrees:"},         {IDC_STATUTE_MILES, 'R', "Distance in Statute miles: "},
        {IDC_KILOMETERS, 'R', "Distance in Kilometers: "}, {IDC_NAUTICAL_MILES, 'R', "Distance in Nautical miles: "},
        {IDC_CALCULATE_DMS, 'O', "Calculate"},             {IDC_RESET_DISTANCE, 'O', "Reset"},
        {IDCANCEL, 'O', "Close"},                          {IDC_HOME_BANNER, 'O', kSiteName},
    };
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), here.size());
    for (const auto& expected : names)
    {
        SCOPED_TRACE(expected.name);
        size_t at = 0;
        while (at < children.size() && children[at] != calc.Item(expected.id))
            ++at;
        ASSERT_TRUE(at > 0 && at < children.size());
        const bool list = expected.kind == 'L';
        EXPECT_EQ(expected.name, list ? WithoutAccessKey(WindowText(children[at - 1])) : here[at].name);
        EXPECT_EQ(expected.kind == 'E' || expected.kind == 'R', here[at].role == ROLE_SYSTEM_TEXT);
        EXPECT_EQ(expected.kind == 'R', (here[at].state & STATE_SYSTEM_READONLY) != 0);
    }
    EXPECT_EQ(FormatAccessibleControls(here), ReadFromAnotherProcess(dialog));
}
