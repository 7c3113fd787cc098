#include "Calculator.h"
#include "app/SettingsStore.h"
#include "res/resource.h"

// What the calculator shows when it starts on values stored by hand. (Round trips of each
// command's group and a key that cannot be written are the dialog tests'.)
TEST(SettingsStore, TextsLoadWholeThroughTheirBoxesAndUnfitOnesAreSkipped)
{
    CScratchKey key;
    CCalculator(key).ExpectTexts({{IDC_LOCATOR, ""}});
    EXPECT_FALSE(key.Exists());

    key.Set("Location1", "JO62QM55AAJO62Q");                   // 15 characters and the NUL fit
    key.Set("Location2", "JO62QM55AAJO62QM");                  // 16 do not
    key.Put("Locator", REG_BINARY, "JO62QM55AAJO62QM", 16);    // nor do 16 without a NUL
    key.Put("LatitudeMinute", REG_BINARY, "12345678901234567890", 20);
    key.Set("LongitudeDegree", DWORD{0x3937});                 // the type is not looked at
    key.Set("LatitudeDegree", "123");                          // set whole, past the typing limit
    key.Set("LatitudeSecond", "7");
    CCalculator calc(key); // LongitudeMinute is missing: the rest still loads
    calc.ExpectTexts({{IDC_LOCATION1, "JO62QM55AA"}, {IDC_LOCATION2, ""}, {IDC_LOCATOR, ""},
                      {IDC_LATITUDE_MINUTE, ""}, {IDC_LONGITUDE_DEGREE, "79"}, {IDC_LATITUDE_DEGREE, "123"},
                      {IDC_LATITUDE_SECOND, "7"}, {IDC_LONGITUDE_MINUTE, ""}});

    // Saved as given, cut to 15 characters.
    SaveSettings(key.m_strPath, {{"Location2", " io91wm 0123456789"}}, {});
    EXPECT_EQ(std::string("\x01 io91wm 0123456\0", 17), key.Raw("Location2"));
}

TEST(SettingsStore, StoredNumbersChooseListEntriesByTheirRules)
{
    // The locator length is 1 or 2 or left alone; the worlds are 0 or anything else. Each round
    // stores the three lists' values as type and bytes ("" for none).
    const auto dword = [](DWORD number) { return "\x04" + std::string(reinterpret_cast<char*>(&number), 4); };
    const struct { std::string locatorChars, latitudeWorld, longitudeWorld; const char* shown; } rounds[] = {
        {dword(1), dword(0), dword(1), "8 N W"},
        {dword(2), dword(5), dword(0x100), "10 S W"},
        {dword(3), dword(0xFFFFFFFF), std::string("\x01" "1", 3), "6 S W"}, // a text '1' and NUL: not zero
        {dword(0xFFFFFFFF), "\x0B" + dword(1).substr(1) + std::string(4, '\0'), "", "6 N E"}, // too wide
        {dword(0x101), "", dword(0), "6 N E"},
    };
    for (const auto& round : rounds)
    {
        CScratchKey key;
        for (const auto& [name, stored] : {std::pair{"LocatorChars", round.locatorChars},
                                           {"LatitudeWorld", round.latitudeWorld},
                                           {"LongitudeWorld", round.longitudeWorld}})
            if (!stored.empty())
                key.Put(name, stored[0], stored.data() + 1, stored.size() - 1);
        EXPECT_EQ(round.shown, CCalculator(key).Shown({IDC_LOCATOR_CHARS, IDC_LATITUDE_WORLD, IDC_LONGITUDE_WORLD}));
    }

    // The calculator's lists start at their first entries; from the second, a stored 0 leaves
    // the length where it is and takes a world back to the first.
    CScratchKey key;
    key.Set("LocatorChars", DWORD{0});
    key.Set("LongitudeWorld", DWORD{0});
    CTestHost host;
    CComboBox lists[2];
    for (CComboBox& list : lists)
    {
        list.Attach(host.AddControl("COMBOBOX", CBS_DROPDOWNLIST, 0, 0, 0, 60, 80));
        list.AddString("a");
        list.AddString("b");
        list.SetCurSel(1);
    }
    LoadSettings(key.m_strPath, {}, {{"LocatorChars", &lists[0]}, {"LongitudeWorld", &lists[1]}});
    EXPECT_EQ(1, lists[0].GetCurSel());
    EXPECT_EQ(0, lists[1].GetCurSel());
}
