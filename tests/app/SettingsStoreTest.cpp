#include "app/SettingsStore.h"
#include "tests/support/TestHost.h"
#include "framework/Edit.h"
#include <sddl.h>
#include <gtest/gtest.h>
#include <map>

namespace
{
// The text values in the order the calculator loads them, then the lists with their entries.
const char* const kTextNames[] = {"Locator",         "Location1",       "Location2",       "LatitudeDegree",
                                  "LatitudeMinute",  "LatitudeSecond",  "LongitudeDegree", "LongitudeMinute",
                                  "LongitudeSecond", "LongitudeDecimal", "LatitudeDecimal"};
const std::vector<std::vector<const char*>> kLists = {
    {"LatitudeWorld", "N", "S"}, {"LongitudeWorld", "E", "W"}, {"LocatorChars", "6", "8", "10"}};

// Real edit boxes and drop-down lists for the values, and a scratch key of the test's own:
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
        for (const char* name : kTextNames)
            m_boxes[name].Attach(m_host.AddControl("EDIT", WS_BORDER | ES_AUTOHSCROLL, 0, 10, 10, 100, 20));
        for (const auto& entries : kLists)
        {
            CComboBox& list = m_lists[entries[0]];
            list.Attach(m_host.AddControl("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 10, 40, 60, 80));
            for (size_t i = 1; i < entries.size(); ++i)
                list.AddString(entries[i]);
            list.SetCurSel(0);
        }
        // Two digits when typed, as in the calculator.
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
    // The stored data with its type as its first byte; empty when there is no such value.
    std::string Stored(const std::string& keyPath, const char* name)
    {
        HKEY key = nullptr;
        std::string data(64, '\0');
        DWORD type = 0, size = data.size();
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "";
        LONG result = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
        ::RegCloseKey(key);
        return result == ERROR_SUCCESS ? static_cast<char>(type) + data.substr(0, size) : "";
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
}

TEST_F(SettingsStoreTest, EveryGroupRoundTripsAndTextsKeepAtMostFifteenCharacters)
{
    m_lists["LatitudeWorld"].SetCurSel(1);
    m_lists["LongitudeWorld"].SetCurSel(1);
    SaveSettings(m_strKey, {{"LatitudeDegree", "52"}, {"LatitudeMinute", "31"}, {"LatitudeSecond", "0"},
                            {"LongitudeDegree", "13"}, {"LongitudeMinute", "22"}, {"LongitudeSecond", "30.00"}},
                 Lists({"LatitudeWorld", "LongitudeWorld", "LocatorChars"}));
    m_lists["LocatorChars"].SetCurSel(2);
    SaveSettings(m_strKey, {{"LatitudeDecimal", "-52.520833"}, {"LongitudeDecimal", "13.375000"}},
                 Lists({"LocatorChars"}));
    SaveSettings(m_strKey, {{"Locator", "JO62QM55AAabcdefgh"}}, Lists({"LocatorChars"}));
    // Exactly as the boxes held them: no trimming, no change of case.
    SaveSettings(m_strKey, {{"Location1", "JO62QM"}, {"Location2", " io91wm "}}, {});

    EXPECT_EQ(std::string("\x01" "30.00", 7), Stored(m_strKey, "LongitudeSecond"));
    EXPECT_EQ(std::string("\x01" "JO62QM55AAabcde", 17), Stored(m_strKey, "Locator"));
    EXPECT_EQ(std::string("\x04\x02\0\0\0", 5), Stored(m_strKey, "LocatorChars"));

    for (auto& box : m_boxes)
        box.second.SetWindowText("");
    for (auto& list : m_lists)
        list.second.SetCurSel(0);
    Load();
    const std::map<std::string, std::string> expected = {
        {"LatitudeDegree", "52"},          {"LatitudeMinute", "31"},          {"LatitudeSecond", "0"},
        {"LongitudeDegree", "13"},         {"LongitudeMinute", "22"},         {"LongitudeSecond", "30.00"},
        {"LatitudeDecimal", "-52.520833"}, {"LongitudeDecimal", "13.375000"}, {"Locator", "JO62QM55AAabcde"},
        {"Location1", "JO62QM"},           {"Location2", " io91wm "}};
    for (const auto& value : expected)
        EXPECT_EQ(value.second, WindowText(m_boxes[value.first])) << value.first;
    EXPECT_EQ(1, m_lists["LatitudeWorld"].GetCurSel());
    EXPECT_EQ(1, m_lists["LongitudeWorld"].GetCurSel());
    EXPECT_EQ(2, m_lists["LocatorChars"].GetCurSel());
}

TEST_F(SettingsStoreTest, MissingKeyOrUnfitValuesKeepTheirFieldsAndTheRestStillLoads)
{
    for (auto& box : m_boxes)
        box.second.SetWindowText("keep");
    Load();
    EXPECT_EQ("keep", WindowText(m_boxes["LatitudeDecimal"]));
    EXPECT_FALSE(KeyExists(m_strKey));

    PutText("Location1", "ABCDEFGHIJKLMNOP");            // 17 bytes with its NUL
    Put("Location2", REG_BINARY, "ABCDEFGHIJKLMNOP", 16); // 16 bytes, no NUL
    Put("LatitudeMinute", REG_BINARY, "12345678901234567890", 20);
    const DWORD digits = 0x3937;                          // read as the text "79": the type is not looked at
    Put("LongitudeDegree", REG_DWORD, &digits, sizeof(digits));
    PutText("LatitudeSecond", "");
    PutText("LatitudeDegree", "123");                     // set whole, past the typing limit
    PutText("LongitudeMinute", "ABCDEFGHIJKLMNO");
    const ULONGLONG wide = 1;
    Put("LatitudeWorld", REG_QWORD, &wide, sizeof(wide));
    PutText("LongitudeWorld", "1");                       // '1' and a NUL: a non-zero number
    Load();
    const std::map<std::string, std::string> expected = {
        {"Locator", "keep"},      {"Location1", "keep"},       {"Location2", "keep"},
        {"LatitudeMinute", "keep"}, {"LongitudeDegree", "79"}, {"LatitudeSecond", ""},
        {"LatitudeDegree", "123"}, {"LongitudeMinute", "ABCDEFGHIJKLMNO"}, {"LatitudeDecimal", "keep"}};
    for (const auto& value : expected)
        EXPECT_EQ(value.second, WindowText(m_boxes[value.first])) << value.first;
    EXPECT_EQ(0, m_lists["LatitudeWorld"].GetCurSel());
    EXPECT_EQ(1, m_lists["LongitudeWorld"].GetCurSel());
}

TEST_F(SettingsStoreTest, StoredNumbersSelectListEntriesByTheirRules)
{
    struct Case { const char* name; DWORD stored; int before; int after; };
    const Case cases[] = {
        {"LocatorChars", 1, 0, 1},          {"LocatorChars", 2, 0, 2},     {"LocatorChars", 0, 1, 1},
        {"LocatorChars", 3, 0, 0},          {"LocatorChars", 0xFFFFFFFF, 0, 0},
        {"LocatorChars", 0x101, 0, 0},      {"LatitudeWorld", 5, 0, 1},    {"LatitudeWorld", 0xFFFFFFFF, 0, 1},
        {"LongitudeWorld", 0x100, 0, 1},    {"LongitudeWorld", 0, 1, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(c.stored));
        PutNumber(c.name, c.stored);
        m_lists[c.name].SetCurSel(c.before);
        Load();
        EXPECT_EQ(c.after, m_lists[c.name].GetCurSel());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_strKey.c_str());
    }
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
    EXPECT_EQ(std::string("\x01JO62QM", 8), Stored(m_strKey, "Locator"));
    EXPECT_EQ(std::string("\x04\x01\0\0\0", 5), Stored(m_strKey, "LocatorChars"));
    EXPECT_FALSE(KeyExists(uncreatable));
    EXPECT_TRUE(messages.m_calls.empty());
}
