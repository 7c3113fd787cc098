#include "Calculator.h"
#include "res/resource.h"
#include "tests/support/TestHost.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace
{
using Texts = std::initializer_list<std::pair<int, const char*>>;

void ExpectTexts(const CCalculator& calc, Texts expected)
{
    for (const auto& [id, text] : expected)
        EXPECT_EQ(text, calc.Text(id)) << "box " << id;
}

void TypeAll(CCalculator& calc, Texts typed)
{
    for (const auto& [id, text] : typed)
        calc.Type(id, text);
}
}

class CalculatorTest : public ::testing::Test
{
protected:
    // Exactly one complaint since the last look, shown as the program shows them all, and the
    // focus in the box it names.
    void ExpectComplaint(const CCalculator& calc, const char* text, int focusId)
    {
        ASSERT_EQ(1u, m_boxes.m_calls.size()) << text;
        const CMessageBoxRecorder::Call& call = m_boxes.m_calls[0];
        EXPECT_EQ(text, call.text);
        EXPECT_EQ("Locatrix", call.caption);
        EXPECT_EQ(0x30u, call.type);
        EXPECT_EQ(calc.m_dlg.m_hWnd, call.owner);
        EXPECT_TRUE(calc.HasFocus(focusId)) << text;
        m_boxes.m_calls.clear();
    }

    CScratchKey m_key;
    CMessageBoxRecorder m_boxes;
};

TEST_F(CalculatorTest, FirstStartShowsAnEmptyCalculatorWithItsInputRulesAndSavesNothing)
{
    {
        CCalculator calc(m_key);
        for (int id : {IDC_LATITUDE_DEGREE, IDC_LATITUDE_SECOND, IDC_LONGITUDE_DEGREE, IDC_LATITUDE_DECIMAL,
                       IDC_LOCATOR, IDC_LOCATION1, IDC_BEARING, IDC_KILOMETERS})
            EXPECT_EQ("", calc.Text(id)) << id;
        EXPECT_EQ("N", calc.Shown(IDC_LATITUDE_WORLD));
        EXPECT_EQ("E", calc.Shown(IDC_LONGITUDE_WORLD));
        EXPECT_EQ("6", calc.Shown(IDC_LOCATOR_CHARS));
        EXPECT_TRUE(calc.HasFocus(IDC_LATITUDE_DEGREE));
        const auto icon =
            reinterpret_cast<LRESULT>(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
        EXPECT_EQ(icon, calc.m_dlg.SendMessage(WM_GETICON, ICON_BIG));
        EXPECT_EQ(icon, calc.m_dlg.SendMessage(WM_QUERYDRAGICON));

        // Limits, digits only, number formats, locator masks and capitals.
        TypeAll(calc, {{IDC_LATITUDE_DEGREE, "123"}, {IDC_LATITUDE_MINUTE, "-5.a7"}, {IDC_LONGITUDE_DEGREE, "1234"},
                       {IDC_LATITUDE_SECOND, "-12345"}, {IDC_LONGITUDE_SECOND, "-598"},
                       {IDC_LATITUDE_DECIMAL, "-123456789"}, {IDC_LONGITUDE_DECIMAL, "-123456789"},
                       {IDC_LOCATOR, "jo62qm55aa"}, {IDC_LOCATION2, "jo62qm55aa"}});
        ExpectTexts(calc, {{IDC_LATITUDE_DEGREE, "12"}, {IDC_LATITUDE_MINUTE, "57"}, {IDC_LONGITUDE_DEGREE, "123"},
                           {IDC_LATITUDE_SECOND, "12.34"}, {IDC_LONGITUDE_SECOND, "59.8"},
                           {IDC_LATITUDE_DECIMAL, "-12.345678"}, {IDC_LONGITUDE_DECIMAL, "-123.456789"},
                           {IDC_LOCATOR, "JO62QM"}, {IDC_LOCATION2, "JO62QM55AA"}});
    }
    EXPECT_FALSE(m_key.Exists());
}

TEST_F(CalculatorTest, DistanceGivesBearingAndDistancesAndRefusesShortLocators)
{
    CCalculator calc(m_key);
    TypeAll(calc, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
    calc.Click(IDC_CALCULATE_DISTANCE);
    const Texts results = {
        {IDC_BEARING, "67.4"}, {IDC_STATUTE_MILES, "1000.5"}, {IDC_KILOMETERS, "1610.1"},
        {IDC_NAUTICAL_MILES, "869.4"}};
    ExpectTexts(calc, results);
    EXPECT_EQ("KO85TS", m_key.Text("Location2"));

    // Short locators are refused before anything changes.
    calc.Type(IDC_LOCATION1, "JO62Q");
    calc.Click(IDC_CALCULATE_DISTANCE);
    ExpectComplaint(calc, "Please enter first location", IDC_LOCATION1);
    TypeAll(calc, {{IDC_LOCATION1, "KO85TS"}, {IDC_LOCATION2, "JO62Q"}});
    calc.Click(IDC_CALCULATE_DISTANCE);
    ExpectComplaint(calc, "Please enter second location", IDC_LOCATION2);
    ExpectTexts(calc, results);
    EXPECT_EQ("JO62QM", m_key.Text("Location1"));

    calc.Type(IDC_LATITUDE_DEGREE, "52");
    calc.Click(IDC_RESET_DISTANCE);
    ExpectTexts(calc, {{IDC_LOCATION1, ""}, {IDC_LOCATION2, ""}, {IDC_BEARING, ""}, {IDC_STATUTE_MILES, ""},
                       {IDC_KILOMETERS, ""}, {IDC_NAUTICAL_MILES, ""}, {IDC_LATITUDE_DEGREE, "52"}});
}

TEST_F(CalculatorTest, DegreesMinutesSecondsAreCheckedInOrderThenConverted)
{
    CCalculator calc(m_key);
    calc.Type(IDC_LOCATOR, "AA00AA");
    struct Case
    {
        const char *latitudeDegree, *latitudeMinute, *longitudeDegree, *longitudeMinute, *complaint;
        int focusId;
    };
    for (const Case& c : {Case{"", "31", "13", "22", "Please enter Latitude Degrees", IDC_LATITUDE_DEGREE},
                          Case{"90", "31", "13", "22", "Please enter Latitude Degrees", IDC_LATITUDE_DEGREE},
                          Case{"52", "", "", "", "Please enter Latitude Minutes", IDC_LATITUDE_MINUTE},
                          Case{"52", "60", "13", "22", "Please enter Latitude Minutes", IDC_LATITUDE_MINUTE},
                          Case{"52", "31", "", "22", "Please enter Longitude Degrees", IDC_LONGITUDE_DEGREE},
                          Case{"52", "31", "180", "22", "Please enter Longitude Degrees", IDC_LONGITUDE_DEGREE},
                          Case{"52", "31", "13", "60", "Please enter Longitude Minutes", IDC_LONGITUDE_MINUTE}})
    {
        TypeAll(calc, {{IDC_LATITUDE_DEGREE, c.latitudeDegree}, {IDC_LATITUDE_MINUTE, c.latitudeMinute},
                       {IDC_LONGITUDE_DEGREE, c.longitudeDegree}, {IDC_LONGITUDE_MINUTE, c.longitudeMinute}});
        calc.Click(IDC_CALCULATE_DMS);
        ExpectComplaint(calc, c.complaint, c.focusId);
    }
    // Nothing emptied or saved, but the missing latitude seconds had already become zero.
    ExpectTexts(calc, {{IDC_LOCATOR, "AA00AA"}, {IDC_LATITUDE_SECOND, "0.00"}, {IDC_LONGITUDE_SECOND, ""}});
    EXPECT_FALSE(m_key.Exists());

    TypeAll(calc, {{IDC_LATITUDE_SECOND, "15"}, {IDC_LONGITUDE_MINUTE, "22"}, {IDC_LONGITUDE_SECOND, "30"}});
    calc.Click(IDC_CALCULATE_DMS);
    ExpectTexts(calc,
                {{IDC_LATITUDE_DECIMAL, "52.520833"}, {IDC_LONGITUDE_DECIMAL, "13.375000"}, {IDC_LOCATOR, "JO62QM"}});
    calc.Choose(IDC_LOCATOR_CHARS, 2);
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_EQ("JO62QM55AA", calc.Text(IDC_LOCATOR));

    // South and west, latitude seconds left empty: zero seconds, shown and saved.
    calc.Choose(IDC_LATITUDE_WORLD, 1);
    calc.Choose(IDC_LONGITUDE_WORLD, 1);
    calc.Type(IDC_LATITUDE_SECOND, "");
    calc.Click(IDC_CALCULATE_DMS);
    ExpectTexts(calc, {{IDC_LATITUDE_DECIMAL, "-52.516667"}, {IDC_LONGITUDE_DECIMAL, "-13.375000"},
                       {IDC_LATITUDE_SECOND, "0.00"}});
    EXPECT_EQ("ID37HL", calc.Text(IDC_LOCATOR).substr(0, 6));
    EXPECT_EQ("0", m_key.Text("LatitudeSecond"));
    EXPECT_EQ("30", m_key.Text("LongitudeSecond"));
    EXPECT_EQ(1u, m_key.Number("LatitudeWorld"));
    EXPECT_EQ(1u, m_key.Number("LongitudeWorld"));
    EXPECT_EQ(2u, m_key.Number("LocatorChars"));

    // A negative degree count passes the whole-number check but not the engine: a silent stop
    // after the locator was emptied, with nothing saved.
    ::SetWindowTextA(calc.Item(IDC_LATITUDE_DEGREE), "-5");
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_TRUE(m_boxes.m_calls.empty());
    ExpectTexts(calc, {{IDC_LOCATOR, ""}, {IDC_LATITUDE_DECIMAL, "-52.516667"}});
    EXPECT_EQ("52", m_key.Text("LatitudeDegree"));
}

TEST_F(CalculatorTest, DecimalDegreesCheckTheWholeValueThenConvert)
{
    CCalculator calc(m_key);
    calc.Choose(IDC_LOCATOR_CHARS, 2);
    TypeAll(calc, {{IDC_LATITUDE_DECIMAL, "-33.8688"}, {IDC_LONGITUDE_DECIMAL, "151.2093"}});
    calc.Click(IDC_CALCULATE_DECIMAL);
    ExpectTexts(calc, {{IDC_LOCATOR, "QF56OD51CL"}, {IDC_LATITUDE_DEGREE, "33"}, {IDC_LATITUDE_MINUTE, "52"},
                       {IDC_LATITUDE_SECOND, "7.68"}, {IDC_LONGITUDE_DEGREE, "151"}, {IDC_LONGITUDE_MINUTE, "12"},
                       {IDC_LONGITUDE_SECOND, "33.48"}});
    EXPECT_EQ("S", calc.Shown(IDC_LATITUDE_WORLD));
    EXPECT_EQ("E", calc.Shown(IDC_LONGITUDE_WORLD));
    EXPECT_EQ("-33.8688", m_key.Text("LatitudeDecimal"));
    EXPECT_EQ(2u, m_key.Number("LocatorChars"));
    EXPECT_EQ("<missing>", m_key.Text("LatitudeDegree"));

    // A shorter length cuts the locator at once; a longer one does not bring it back.
    calc.Choose(IDC_LOCATOR_CHARS, 0);
    calc.Choose(IDC_LOCATOR_CHARS, 2);
    EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));

    // 90.5 is no latitude although its whole part is 90; the bounds themselves pass.
    for (const char* latitude : {"90.5", ""})
    {
        calc.Type(IDC_LATITUDE_DECIMAL, latitude);
        calc.Click(IDC_CALCULATE_DECIMAL);
        ExpectComplaint(calc, "Please enter Latitude", IDC_LATITUDE_DECIMAL);
    }
    TypeAll(calc, {{IDC_LATITUDE_DECIMAL, "90"}, {IDC_LONGITUDE_DECIMAL, "-180.5"}});
    calc.Click(IDC_CALCULATE_DECIMAL);
    ExpectComplaint(calc, "Please enter Longitude", IDC_LONGITUDE_DECIMAL);
    EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));
    EXPECT_EQ("-33.8688", m_key.Text("LatitudeDecimal"));
    calc.Type(IDC_LONGITUDE_DECIMAL, "-180");
    calc.Click(IDC_CALCULATE_DECIMAL);
    EXPECT_TRUE(m_boxes.m_calls.empty());
    ExpectTexts(calc, {{IDC_LATITUDE_DEGREE, "90"}, {IDC_LONGITUDE_DEGREE, "180"}});
    EXPECT_EQ("N", calc.Shown(IDC_LATITUDE_WORLD));
    EXPECT_EQ("W", calc.Shown(IDC_LONGITUDE_WORLD));
}

TEST_F(CalculatorTest, LocatorGivesThePositionAndResetClearsOnlyThePositionSide)
{
    CCalculator calc(m_key);
    calc.Choose(IDC_LATITUDE_WORLD, 1);
    calc.Choose(IDC_LONGITUDE_WORLD, 1);
    calc.Type(IDC_LOCATOR, "JO62Q");
    calc.Click(IDC_CALCULATE_LOCATOR);
    ExpectComplaint(calc, "Please enter IARU Locator", IDC_LOCATOR);
    calc.Type(IDC_LOCATOR, "JO62QM");
    calc.Click(IDC_CALCULATE_LOCATOR);
    ExpectTexts(calc, {{IDC_LATITUDE_DECIMAL, "52.520833"}, {IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_MINUTE, "31"},
                       {IDC_LATITUDE_SECOND, "15.00"}, {IDC_LONGITUDE_DECIMAL, "13.375000"},
                       {IDC_LONGITUDE_DEGREE, "13"}, {IDC_LONGITUDE_MINUTE, "22"}, {IDC_LONGITUDE_SECOND, "30.00"},
                       {IDC_LOCATOR, "JO62QM"}});
    EXPECT_EQ("N", calc.Shown(IDC_LATITUDE_WORLD));
    EXPECT_EQ("E", calc.Shown(IDC_LONGITUDE_WORLD));

    // Saved as the box holds it, not padded.
    calc.Choose(IDC_LOCATOR_CHARS, 1);
    calc.Type(IDC_LOCATOR, "JO62QM55AA");
    calc.Click(IDC_CALCULATE_LOCATOR);
    EXPECT_EQ("JO62QM55", m_key.Text("Locator"));
    EXPECT_EQ(1u, m_key.Number("LocatorChars"));
    EXPECT_EQ("<missing>", m_key.Text("LatitudeDecimal"));

    calc.Type(IDC_LOCATION1, "JO62QM");
    calc.Choose(IDC_LATITUDE_WORLD, 1);
    calc.Click(IDC_RESET_POSITION);
    ExpectTexts(calc, {{IDC_LATITUDE_DECIMAL, ""}, {IDC_LONGITUDE_DECIMAL, ""}, {IDC_LATITUDE_DEGREE, ""},
                       {IDC_LATITUDE_MINUTE, ""}, {IDC_LATITUDE_SECOND, ""}, {IDC_LONGITUDE_DEGREE, ""},
                       {IDC_LONGITUDE_MINUTE, ""}, {IDC_LONGITUDE_SECOND, ""}, {IDC_LOCATOR, ""},
                       {IDC_LOCATION1, "JO62QM"}});
    EXPECT_EQ("N", calc.Shown(IDC_LATITUDE_WORLD));
    EXPECT_EQ("8", calc.Shown(IDC_LOCATOR_CHARS));
    calc.Type(IDC_LOCATOR, "KO85TS12AB");
    EXPECT_EQ("KO85TS12", calc.Text(IDC_LOCATOR));
}

TEST_F(CalculatorTest, ARestartRestoresWhatEachCalculationSaved)
{
    // Stored by hand: a locator longer than the stored length, and fifteen digits whose low 32
    // bits read 5, which an overflowing atoi would let through.
    m_key.Set("Locator", "JO62QM55AA");
    m_key.Set("LocatorChars", DWORD{1});
    m_key.Set("LatitudeDegree", "429496729600005");
    {
        CCalculator first(m_key);
        ExpectTexts(first, {{IDC_LOCATOR, "JO62QM55"}, {IDC_LATITUDE_DEGREE, "429496729600005"}});
        EXPECT_EQ("8", first.Shown(IDC_LOCATOR_CHARS));
        first.Click(IDC_CALCULATE_DMS);
        ExpectComplaint(first, "Please enter Latitude Degrees", IDC_LATITUDE_DEGREE);

        TypeAll(first, {{IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_MINUTE, "31"}, {IDC_LATITUDE_SECOND, "15"},
                        {IDC_LONGITUDE_DEGREE, "13"}, {IDC_LONGITUDE_MINUTE, "22"}, {IDC_LONGITUDE_SECOND, "30"}});
        first.Choose(IDC_LATITUDE_WORLD, 1);
        first.Choose(IDC_LONGITUDE_WORLD, 1);
        first.Click(IDC_CALCULATE_DMS);
        EXPECT_EQ("-52.520833", first.Text(IDC_LATITUDE_DECIMAL));
    }
    {
        CCalculator second(m_key);
        ExpectTexts(second, {{IDC_LATITUDE_DEGREE, "52"}, {IDC_LATITUDE_SECOND, "15"}, {IDC_LONGITUDE_SECOND, "30"},
                             {IDC_LATITUDE_DECIMAL, ""}, {IDC_LOCATOR, "JO62QM55"}});
        EXPECT_EQ("S", second.Shown(IDC_LATITUDE_WORLD));
        EXPECT_EQ("W", second.Shown(IDC_LONGITUDE_WORLD));

        // The locator group, the decimal group (fed by the locator's results), the distance
        // group; a length chosen afterwards is not saved.
        second.Type(IDC_LOCATOR, "JO62QM");
        second.Click(IDC_CALCULATE_LOCATOR);
        second.Click(IDC_CALCULATE_DECIMAL);
        TypeAll(second, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}});
        second.Click(IDC_CALCULATE_DISTANCE);
        second.Choose(IDC_LOCATOR_CHARS, 2);
    }
    CCalculator third(m_key);
    ExpectTexts(third, {{IDC_LOCATOR, "JO62QM"}, {IDC_LATITUDE_DECIMAL, "52.520833"},
                        {IDC_LONGITUDE_DECIMAL, "13.375000"}, {IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"},
                        {IDC_LATITUDE_SECOND, "15"}, {IDC_BEARING, ""}});
    EXPECT_EQ("S", third.Shown(IDC_LATITUDE_WORLD));
    EXPECT_EQ("8", third.Shown(IDC_LOCATOR_CHARS));
    EXPECT_TRUE(m_boxes.m_calls.empty());
}

TEST_F(CalculatorTest, AKeyThatCannotBeWrittenStillShowsEveryResultWithoutAMessage)
{
    m_key.Set("Locator", "AA00AA");
    m_key.Lock();
    CCalculator calc(m_key);
    EXPECT_EQ("AA00AA", calc.Text(IDC_LOCATOR));
    TypeAll(calc, {{IDC_LOCATION1, "JO62QM"}, {IDC_LOCATION2, "KO85TS"}, {IDC_LOCATOR, "JO62QM"}});
    calc.Click(IDC_CALCULATE_DISTANCE);
    calc.Click(IDC_CALCULATE_LOCATOR);
    ExpectTexts(calc, {{IDC_KILOMETERS, "1610.1"}, {IDC_LATITUDE_DECIMAL, "52.520833"}});
    calc.Type(IDC_LOCATOR, "");
    calc.Click(IDC_CALCULATE_DMS);
    EXPECT_EQ("JO62QM", calc.Text(IDC_LOCATOR));
    TypeAll(calc, {{IDC_LATITUDE_DECIMAL, "-33.8688"}, {IDC_LONGITUDE_DECIMAL, "151.2093"}});
    calc.Click(IDC_CALCULATE_DECIMAL);
    EXPECT_EQ("QF56OD", calc.Text(IDC_LOCATOR));
    EXPECT_TRUE(m_boxes.m_calls.empty());
    EXPECT_EQ("AA00AA", m_key.Text("Locator"));
    EXPECT_EQ("<missing>", m_key.Text("Location1"));
}
