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
