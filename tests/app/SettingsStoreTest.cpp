#include "app/SettingsStore.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>

// Hostile values stored by hand: each one that does not fit is left out, the rest still load.
TEST(SettingsStore, LoadsWhatFitsInTheGivenOrder)
{
    CScratchKey key;
    const SettingValues none = LoadSettings(key.m_strPath, {"Locator"}, {"LocatorChars"});
    EXPECT_TRUE(none.texts.empty() && none.numbers.empty());
    EXPECT_FALSE(key.Exists());

    key.Set("Location1", "JO62QM55AAJO62Q");                   // 15 characters and the NUL fit
    key.Set("Location2", "JO62QM55AAJO62QM");                  // 16 do not
    key.Put("Locator", REG_BINARY, "JO62QM55AAJO62QM", 16);    // nor do 16 without a NUL
    key.Put("LatitudeMinute", REG_BINARY, "12345678901234567890", 20);
    key.Set("LongitudeDegree", DWORD{0x3937});                 // the type is not looked at
    key.Set("LatitudeWorld", DWORD{5});
    key.Put("LongitudeWorld", REG_SZ, "1", 2);                 // two bytes: a small number
    const DWORD wide[2] = {1, 0};
    key.Put("LocatorChars", REG_QWORD, wide, sizeof(wide));    // eight bytes do not fit
    const SettingValues loaded = LoadSettings(
        key.m_strPath, {"LongitudeDegree", "Locator", "Location1", "Location2", "LatitudeMinute", "LongitudeMinute"},
        {"LatitudeWorld", "LongitudeWorld", "LocatorChars"});
    EXPECT_EQ((decltype(loaded.texts){{"LongitudeDegree", "79"}, {"Location1", "JO62QM55AAJO62Q"}}), loaded.texts);
    EXPECT_EQ((decltype(loaded.numbers){{"LatitudeWorld", 5}, {"LongitudeWorld", 49}}), loaded.numbers);
}

// What is saved loads back as it was, texts cut to 15 characters.
TEST(SettingsStore, SavesTextsCutTo15CharactersAndNumbersAsDwords)
{
    CScratchKey key;
    SaveSettings(key.m_strPath, {{{"Location2", " io91wm 0123456789"}, {"Locator", ""}},
                                 {{"LocatorChars", 2}, {"LatitudeWorld", 0xFFFFFFFF}}});
    const SettingValues saved = LoadSettings(key.m_strPath, {"Location2", "Locator"}, {"LocatorChars", "LatitudeWorld"});
    EXPECT_EQ((decltype(saved.texts){{"Location2", " io91wm 0123456"}, {"Locator", ""}}), saved.texts);
    EXPECT_EQ((decltype(saved.numbers){{"LocatorChars", 2}, {"LatitudeWorld", 0xFFFFFFFF}}), saved.numbers);

    // A key that cannot be written: silently nothing.
    key.Lock();
    SaveSettings(key.m_strPath, {{{"Locator", "AA00AA"}}, {}});
    EXPECT_EQ(saved.texts, LoadSettings(key.m_strPath, {"Location2", "Locator"}, {}).texts);
}

// The rotator and the WSJT-X feed load back as saved; anything hostile among their values means
// no rotator and not following, and leaves the calculator's inputs alone.
TEST(SettingsStore, RotatorAndWsjtxComeBackAndHostileValuesMeanNone)
{
    CScratchKey key;
    EXPECT_FALSE(LoadRotator(key.m_strPath).IsSet());
    EXPECT_FALSE(LoadWsjtx(key.m_strPath).follow);
    const std::string longHost(253, 'h');
    SaveRotator(key.m_strPath, StoredRotator(2, longHost, 12001));
    WsjtxSetting wsjtx;
    wsjtx.follow = true;
    wsjtx.port = 2238;
    wsjtx.group = "239.255.0.1";
    wsjtx.turnAntenna = true;
    SaveWsjtx(key.m_strPath, wsjtx);
    const RotatorSetting rotator = LoadRotator(key.m_strPath);
    EXPECT_EQ(RotatorKind::PstRotator, rotator.kind);
    EXPECT_EQ(longHost, rotator.host);
    EXPECT_EQ(12001, rotator.port);
    const WsjtxSetting loaded = LoadWsjtx(key.m_strPath);
    EXPECT_TRUE(loaded.follow && loaded.turnAntenna);
    EXPECT_EQ(2238, loaded.port);
    EXPECT_EQ("239.255.0.1", loaded.group);

    const struct { const char* name; DWORD type; std::string data; } hostile[] = {
        {"Rotator", REG_DWORD, std::string("\x09\0\0\0", 4)},
        {"RotatorHost", REG_SZ, std::string(300, 'h') + '\0'},
        {"RotatorHost", REG_SZ, std::string("shack pc\0", 9)},
        {"RotatorHost", REG_BINARY, std::string(256, 'h')},
        {"RotatorPort", REG_DWORD, std::string("\0\0\x01\0", 4)},
        {"RotatorPort", REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8)},
    };
    for (const auto& h : hostile)
    {
        SaveRotator(key.m_strPath, StoredRotator(1, "localhost", 4533));
        key.Put(h.name, h.type, h.data.data(), static_cast<DWORD>(h.data.size()));
        EXPECT_FALSE(LoadRotator(key.m_strPath).IsSet()) << h.name << " " << h.data.size();
    }
    for (const auto& [name, value] : {std::pair<const char*, const char*>{"WsjtxGroup", "10.0.0.1"},
                                      {"WsjtxGroup", "239.255.0.1 and more"}})
    {
        SaveWsjtx(key.m_strPath, wsjtx);
        key.Set(name, value);
        EXPECT_FALSE(LoadWsjtx(key.m_strPath).follow) << value;
    }
    SaveWsjtx(key.m_strPath, wsjtx);
    key.Set("WsjtxPort", DWORD{70000});
    EXPECT_FALSE(LoadWsjtx(key.m_strPath).follow);
    EXPECT_TRUE(LoadSettings(key.m_strPath, {"Location1"}, {}).texts.empty());
}
