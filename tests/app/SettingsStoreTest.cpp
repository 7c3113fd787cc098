#include "app/SettingsStore.h"
#include "tests/support/TestHost.h"
#include "framework/Edit.h"
#include <sddl.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace
{
// The text values in the order the calculator loads them.
const char* const kTextNames[] = {"Locator",         "Location1",       "Location2",
                                  "LatitudeDegree",  "LatitudeMinute",  "LatitudeSecond",
                                  "LongitudeDegree", "LongitudeMinute", "LongitudeSecond",
                                  "LongitudeDecimal", "LatitudeDecimal"};
struct ListSpec { const char* name; std::vector<const char*> entries; };
const ListSpec kLists[] = {{"LatitudeWorld", {"N", "S"}},
                           {"LongitudeWorld", {"E", "W"}},
                           {"LocatorChars", {"6", "8", "10"}}};

struct RawValue { LONG result; DWORD type; std::string data; };

// Real edit boxes and drop-down lists bound to the value names, and a scratch key of our own:
// the tests run in parallel in one Wine prefix.
class SettingsStoreTest : public ::testing::Test
{
protected:
    SettingsStoreTest()
        : m_strKey(std::string("Software\\LocatrixTest-") +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                   std::to_string(::GetCurrentProcessId()))
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strKey.c_str());
        int id = 1000;
        for (const char* name : kTextNames)
        {
            m_boxes[name].Attach(m_host.AddControl("EDIT", WS_BORDER | ES_AUTOHSCROLL, id++, 10, 10, 100, 20));
        }
        for (const ListSpec& spec : kLists)
        {
            CComboBox& list = m_lists[spec.name];
            list.Attach(m_host.AddControl("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, id++, 10, 40, 60, 80));
            for (const char* entry : spec.entries)
                list.AddString(entry);
            list.SetCurSel(0);
        }
        // The degree box takes two digits when typed, as in the calculator.
        m_boxes["LatitudeDegree"].ModifyStyle(0, ES_NUMBER);
        m_boxes["LatitudeDegree"].LimitText(2);
    }
    ~SettingsStoreTest() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strKey.c_str()); }

    void Load()
    {
        std::vector<TextSetting> texts;
        for (const char* name : kTextNames)
            texts.push_back({name, &m_boxes[name]});
        LoadSettings(m_strKey, texts, Lists({"LatitudeWorld", "LongitudeWorld", "LocatorChars"}));
    }
    std::vector<ListSetting> Lists(std::initializer_list<const char*> names)
    {
        std::vector<ListSetting> lists;
        for (const char* name : names)
            lists.push_back({name, &m_lists[name]});
        return lists;
    }
    void FillBoxes(const std::string& text)
    {
        for (auto& box : m_boxes)
            box.second.SetWindowText(text);
    }
    void Put(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, nullptr, 0,
                                                   KEY_ALL_ACCESS, nullptr, &key, nullptr));
        ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }
    void PutText(const char* name, const std::string& text) { Put(name, REG_SZ, text.c_str(), text.size() + 1); }
    void PutNumber(const char* name, DWORD value) { Put(name, REG_DWORD, &value, sizeof(value)); }
    RawValue Query(const std::string& keyPath, const char* name)
    {
        RawValue value = {ERROR_FILE_NOT_FOUND, REG_NONE, std::string(64, '\0')};
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return value;
        DWORD size = value.data.size();
        value.result = ::RegQueryValueExA(key, name, nullptr, &value.type,
                                          reinterpret_cast<BYTE*>(&value.data[0]), &size);
        value.data.resize(value.result == ERROR_SUCCESS ? size : 0);
        ::RegCloseKey(key);
        return value;
    }
    bool KeyExists(const std::string& keyPath)
    {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(key);
        return true;
    }

    CTestHost m_host;
    std::string m_strKey;
    std::map<std::string, CEdit> m_boxes;
    std::map<std::string, CComboBox> m_lists;
};

// Logs the text and selection changes that reach a control, to see the load's order.
class CLoggingWnd : public CWnd
{
public:
    CLoggingWnd(const char* name, std::vector<std::string>& log) : m_strName(name), m_log(log) {}

protected:
    LRESULT WindowProc(UINT msg, WPARAM, LPARAM) override
    {
        if (msg == WM_SETTEXT || msg == CB_SETCURSEL)
            m_log.push_back(m_strName);
        return Default();
    }

private:
    std::string m_strName;
    std::vector<std::string>& m_log;
};
}

TEST_F(SettingsStoreTest, EveryGroupRoundTripsWithItsTextsAndListSelections)
{
    m_lists["LatitudeWorld"].SetCurSel(1);
    m_lists["LongitudeWorld"].SetCurSel(1);
    m_lists["LocatorChars"].SetCurSel(2);
    SaveSettings(m_strKey, {{"LatitudeDegree", "52"}, {"LatitudeMinute", "31"}, {"LatitudeSecond", "0"},
                            {"LongitudeDegree", "13"}, {"LongitudeMinute", "22"}, {"LongitudeSecond", "30.00"}},
                 Lists({"LatitudeWorld", "LongitudeWorld", "LocatorChars"}));
    SaveSettings(m_strKey, {{"LatitudeDecimal", "-52.520833"}, {"LongitudeDecimal", "13.375000"}},
                 Lists({"LocatorChars"}));
    SaveSettings(m_strKey, {{"Locator", "JO62QM55AA"}}, Lists({"LocatorChars"}));
    // Texts are kept exactly as the boxes held them: no trimming, no change of case.
    SaveSettings(m_strKey, {{"Location1", "JO62QM"}, {"Location2", " io91wm "}}, {});

    RawValue text = Query(m_strKey, "LongitudeSecond");
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), text.type);
    EXPECT_EQ(std::string("30.00", 6), text.data);
    RawValue number = Query(m_strKey, "LocatorChars");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), number.type);
    EXPECT_EQ(std::string("\x02\0\0\0", 4), number.data);

    FillBoxes("");
    for (auto& list : m_lists)
        list.second.SetCurSel(0);
    Load();
    const std::map<std::string, std::string> expected = {
        {"LatitudeDegree", "52"},          {"LatitudeMinute", "31"},          {"LatitudeSecond", "0"},
        {"LongitudeDegree", "13"},         {"LongitudeMinute", "22"},         {"LongitudeSecond", "30.00"},
        {"LatitudeDecimal", "-52.520833"}, {"LongitudeDecimal", "13.375000"}, {"Locator", "JO62QM55AA"},
        {"Location1", "JO62QM"},           {"Location2", " io91wm "}};
    for (const auto& value : expected)
        EXPECT_EQ(value.second, WindowText(m_boxes[value.first])) << value.first;
    EXPECT_EQ(1, m_lists["LatitudeWorld"].GetCurSel());
    EXPECT_EQ(1, m_lists["LongitudeWorld"].GetCurSel());
    EXPECT_EQ(2, m_lists["LocatorChars"].GetCurSel());
}

TEST_F(SettingsStoreTest, SaveKeepsFifteenCharactersAndOverwritesEarlierValues)
{
    SaveSettings(m_strKey, {{"Locator", "JO62QM"}}, {});
    SaveSettings(m_strKey, {{"Locator", "ABCDEFGHIJKLMNOPQRS"}, {"Location1", "ABCDEFGHIJKLMNO"}}, {});
    EXPECT_EQ(std::string("ABCDEFGHIJKLMNO", 16), Query(m_strKey, "Locator").data);
    EXPECT_EQ(std::string("ABCDEFGHIJKLMNO", 16), Query(m_strKey, "Location1").data);

    Load();
    EXPECT_EQ("ABCDEFGHIJKLMNO", WindowText(m_boxes["Locator"]));
}

TEST_F(SettingsStoreTest, MissingKeyLeavesEveryFieldAndIsNotCreated)
{
    FillBoxes("keep");
    m_lists["LocatorChars"].SetCurSel(1);
    Load();
    for (const char* name : kTextNames)
        EXPECT_EQ("keep", WindowText(m_boxes[name])) << name;
    EXPECT_EQ(0, m_lists["LatitudeWorld"].GetCurSel());
    EXPECT_EQ(1, m_lists["LocatorChars"].GetCurSel());
    EXPECT_FALSE(KeyExists(m_strKey));
}

TEST_F(SettingsStoreTest, ValueThatDoesNotFitKeepsItsFieldAndTheRestStillLoads)
{
    PutText("Location1", "ABCDEFGHIJKLMNOP");                 // 17 bytes with its NUL
    Put("Location2", REG_BINARY, "ABCDEFGHIJKLMNOP", 16);      // 16 bytes, no NUL
    Put("LatitudeMinute", REG_BINARY, "12345678901234567890", 20);
    const DWORD digits = 0x3937;                               // "79" read as text: the type is not looked at
    Put("LongitudeDegree", REG_DWORD, &digits, sizeof(digits));
    PutText("LatitudeSecond", "");
    PutText("LatitudeDegree", "123");                          // set whole, past the typing limit
    PutText("LongitudeMinute", "ABCDEFGHIJKLMNO");
    PutText("LatitudeDecimal", "-52.520833");
    const ULONGLONG wide = 1;
    Put("LatitudeWorld", REG_QWORD, &wide, sizeof(wide));
    PutText("LongitudeWorld", "1");                            // "1" and its NUL: a non-zero number
    FillBoxes("keep");

    Load();
    EXPECT_EQ("keep", WindowText(m_boxes["Locator"]));
    EXPECT_EQ("keep", WindowText(m_boxes["Location1"]));
    EXPECT_EQ("keep", WindowText(m_boxes["Location2"]));
    EXPECT_EQ("keep", WindowText(m_boxes["LatitudeMinute"]));
    EXPECT_EQ("123", WindowText(m_boxes["LatitudeDegree"]));
    EXPECT_EQ("", WindowText(m_boxes["LatitudeSecond"]));
    EXPECT_EQ("79", WindowText(m_boxes["LongitudeDegree"]));
    EXPECT_EQ("ABCDEFGHIJKLMNO", WindowText(m_boxes["LongitudeMinute"]));
    EXPECT_EQ("-52.520833", WindowText(m_boxes["LatitudeDecimal"]));
    EXPECT_EQ(0, m_lists["LatitudeWorld"].GetCurSel());
    EXPECT_EQ(1, m_lists["LongitudeWorld"].GetCurSel());
    EXPECT_EQ(0, m_lists["LocatorChars"].GetCurSel());
}

TEST_F(SettingsStoreTest, StoredNumbersSelectListEntriesByTheirRules)
{
    struct Case { const char* name; DWORD stored; int before; int after; };
    const Case cases[] = {
        {"LocatorChars", 1, 0, 1},          {"LocatorChars", 2, 0, 2},
        {"LocatorChars", 0, 1, 1},          {"LocatorChars", 3, 0, 0},
        {"LocatorChars", 0xFFFFFFFF, 0, 0}, {"LocatorChars", 0x101, 0, 0},
        {"LatitudeWorld", 5, 0, 1},         {"LatitudeWorld", 0xFFFFFFFF, 0, 1},
        {"LongitudeWorld", 0x100, 0, 1},    {"LongitudeWorld", 0, 1, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(c.stored));
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strKey.c_str());
        PutNumber(c.name, c.stored);
        m_lists[c.name].SetCurSel(c.before);
        Load();
        EXPECT_EQ(c.after, m_lists[c.name].GetCurSel());
    }
}

TEST_F(SettingsStoreTest, LoadSetsTheTextsInTheirOrderThenTheLists)
{
    std::vector<std::string> log;
    std::vector<std::unique_ptr<CLoggingWnd>> loggers;
    for (auto& control : m_boxes)
    {
        PutText(control.first.c_str(), "1");
        loggers.push_back(std::make_unique<CLoggingWnd>(control.first.c_str(), log));
        loggers.back()->SubclassWindow(control.second);
    }
    for (auto& control : m_lists)
    {
        PutNumber(control.first.c_str(), 1);
        loggers.push_back(std::make_unique<CLoggingWnd>(control.first.c_str(), log));
        loggers.back()->SubclassWindow(control.second);
    }

    Load();
    std::vector<std::string> expected(std::begin(kTextNames), std::end(kTextNames));
    expected.insert(expected.end(), {"LatitudeWorld", "LongitudeWorld", "LocatorChars"});
    EXPECT_EQ(expected, log);
}

TEST_F(SettingsStoreTest, KeyThatCannotBeWrittenStillLoadsAndSavesNothingSilently)
{
    PutText("Locator", "JO62QM");
    PutNumber("LocatorChars", 1);
    // Below a volatile key only volatile keys may be created, and the store creates lasting ones.
    const std::string uncreatable = m_strKey + "\\Volatile\\Below";
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, (m_strKey + "\\Volatile").c_str(), 0, nullptr,
                                               REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    ::RegCloseKey(key);
    // Everyone may read the key, nobody may write it.
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                                       &readOnly, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, WRITE_DAC, &key));
    EXPECT_EQ(ERROR_SUCCESS, ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly));
    ::RegCloseKey(key);
    ::LocalFree(readOnly);
    ASSERT_EQ(ERROR_ACCESS_DENIED, ::RegOpenKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, KEY_SET_VALUE, &key));

    Load();
    EXPECT_EQ("JO62QM", WindowText(m_boxes["Locator"]));
    EXPECT_EQ(1, m_lists["LocatorChars"].GetCurSel());

    CMessageBoxRecorder messages;
    m_lists["LocatorChars"].SetCurSel(2);
    SaveSettings(m_strKey, {{"Locator", "IO91WM"}}, Lists({"LocatorChars"}));
    SaveSettings(uncreatable, {{"Locator", "IO91WM"}}, Lists({"LocatorChars"}));
    EXPECT_EQ(std::string("JO62QM", 7), Query(m_strKey, "Locator").data);
    EXPECT_EQ(std::string("\x01\0\0\0", 4), Query(m_strKey, "LocatorChars").data);
    EXPECT_FALSE(KeyExists(uncreatable));
    EXPECT_TRUE(messages.m_calls.empty());
}
