#include "LocatorDlg.h"
#include "app/AboutDlg.h"
#include "engine/GeoPoint.h"
#include "engine/NumberText.h"
#include "engine/PathCalc.h"
#include "framework/PaintDC.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <iterator>

namespace
{
const char kCaption[] = "Locatrix";
const char* const kLocatorMasks[] = {"**##**", "**##**##", "**##**##**"};
const char kLongestMask[] = "**##**##**";

// A box counts as missing when it is empty or its whole number reaches the limit.
bool IsMissing(const std::string& text, int limit)
{
    return text.empty() || std::abs(IntegerValue(text)) >= limit;
}

// Setting the digit count also sets the sign rule, so the sign rule comes last.
void SetNumberFormat(CNumericEdit& box, int wholeDigits, int decimalDigits, bool allowNegative)
{
    box.ModifyOptions(NUMF_AUTO_DECIMAL, 0);
    box.SetWholeDigits(wholeDigits);
    box.SetDecimalDigits(decimalDigits);
    box.SetSeparatorChars('.', '.');
    box.AllowNegative(allowNegative);
}

void BindHandle(CWnd* dialog, int id, CWnd& control)
{
    control.Attach(dialog->GetDlgItem(id));
}

void EmptyBoxes(std::initializer_list<CEdit*> boxes)
{
    for (CEdit* box : boxes)
        box->SetWindowText("");
}

void FillList(CComboBox& list, std::initializer_list<const char*> entries)
{
    for (const char* entry : entries)
        list.AddString(entry);
    list.SetCurSel(0);
}
}

CLocatorDlg::CLocatorDlg(CWnd* parent, const std::string& settingsKeyPath)
    : CDialog(IDD_LOCATRIX_DIALOG, parent),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_strSettingsKeyPath(settingsKeyPath)
{
}

// Our own controls take over their windows; the plain boxes and lists are only addressed, so
// they keep their messages to themselves (a subclassed window pays for every message).
void CLocatorDlg::DoDataExchange()
{
    BindHandle(this, IDC_LOCATOR_CHARS, m_listLocatorChars);
    DDX_Control(this, IDC_HOME_BANNER, m_banner);
    DDX_Control(this, IDC_LATITUDE_DECIMAL, m_editLatitudeDecimal);
    DDX_Control(this, IDC_LONGITUDE_DECIMAL, m_editLongitudeDecimal);
    DDX_Control(this, IDC_LONGITUDE_SECOND, m_editLongitudeSecond);
    DDX_Control(this, IDC_LATITUDE_SECOND, m_editLatitudeSecond);
    DDX_Control(this, IDC_LOCATOR, m_editLocator);
    DDX_Control(this, IDC_LOCATION2, m_editLocation2);
    DDX_Control(this, IDC_LOCATION1, m_editLocation1);
    BindHandle(this, IDC_LONGITUDE_WORLD, m_listLongitudeWorld);
    BindHandle(this, IDC_LATITUDE_WORLD, m_listLatitudeWorld);
    BindHandle(this, IDC_LONGITUDE_MINUTE, m_editLongitudeMinute);
    BindHandle(this, IDC_LONGITUDE_DEGREE, m_editLongitudeDegree);
    BindHandle(this, IDC_LATITUDE_MINUTE, m_editLatitudeMinute);
    BindHandle(this, IDC_LATITUDE_DEGREE, m_editLatitudeDegree);
    BindHandle(this, IDC_NAUTICAL_MILES, m_editNauticalMiles);
    BindHandle(this, IDC_STATUTE_MILES, m_editStatuteMiles);
    BindHandle(this, IDC_KILOMETERS, m_editKilometers);
    BindHandle(this, IDC_BEARING, m_editBearing);
}

BOOL CLocatorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE))
    {
        char about[64] = {};
        if (::LoadStringA(AfxGetInstanceHandle(), IDS_ABOUTBOX, about, sizeof(about)) > 0)
        {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));

    m_editLatitudeDegree.LimitText(2);
    m_editLatitudeMinute.LimitText(2);
    m_editLongitudeDegree.LimitText(3);
    m_editLongitudeMinute.LimitText(2);

    SetNumberFormat(m_editLatitudeSecond, 2, 2, false);
    SetNumberFormat(m_editLongitudeSecond, 2, 2, false);
    SetNumberFormat(m_editLatitudeDecimal, 2, 6, true);
    SetNumberFormat(m_editLongitudeDecimal, 3, 6, true);

    m_editLocator.SetMask(kLongestMask);
    m_editLocation1.SetMask(kLongestMask);
    m_editLocation2.SetMask(kLongestMask);

    FillList(m_listLatitudeWorld, {"N", "S"});
    FillList(m_listLongitudeWorld, {"E", "W"});
    FillList(m_listLocatorChars, {"6", "8", "10"});

    // The locator is loaded under the longest mask and cut to the stored length afterwards.
    LoadSettings(m_strSettingsKeyPath,
                 {{"Locator", &m_editLocator},
                  {"Location1", &m_editLocation1},
                  {"Location2", &m_editLocation2},
                  {"LatitudeDegree", &m_editLatitudeDegree},
                  {"LatitudeMinute", &m_editLatitudeMinute},
                  {"LatitudeSecond", &m_editLatitudeSecond},
                  {"LongitudeDegree", &m_editLongitudeDegree},
                  {"LongitudeMinute", &m_editLongitudeMinute},
                  {"LongitudeSecond", &m_editLongitudeSecond},
                  {"LongitudeDecimal", &m_editLongitudeDecimal},
                  {"LatitudeDecimal", &m_editLatitudeDecimal}},
                 {{"LatitudeWorld", &m_listLatitudeWorld},
                  {"LongitudeWorld", &m_listLongitudeWorld},
                  {"LocatorChars", &m_listLocatorChars}});
    ChooseLocatorMask();
    return TRUE;
}

// Enter arrives as IDOK; it must neither close the calculator nor calculate.
void CLocatorDlg::OnOK()
{
}

BOOL CLocatorDlg::OnCommand(WORD id, WORD code, HWND)
{
    if (id == IDC_LOCATOR_CHARS)
    {
        if (code != CBN_SELCHANGE)
            return FALSE;
        OnSelChangeLocatorChars();
        return TRUE;
    }
    if (code != BN_CLICKED)
        return FALSE;
    switch (id)
    {
    case IDC_CALCULATE_DISTANCE: OnCalculateDistance(); return TRUE;
    case IDC_RESET_DISTANCE: OnResetDistance(); return TRUE;
    case IDC_CALCULATE_DMS: OnCalculateDMS(); return TRUE;
    case IDC_RESET_POSITION: OnResetPosition(); return TRUE;
    case IDC_CALCULATE_DECIMAL: OnCalculateDecimal(); return TRUE;
    case IDC_CALCULATE_LOCATOR: OnCalculateLocator(); return TRUE;
    }
    return FALSE;
}

LRESULT CLocatorDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_SYSCOMMAND:
        OnSysCommand(wParam, lParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

void CLocatorDlg::OnSysCommand(WPARAM command, LPARAM)
{
    if ((command & 0xFFF0) != IDM_ABOUTBOX)
    {
        Default();
        return;
    }
    // Owned by the calculator, so the calculator is disabled while the About box is open.
    CAboutDlg about(this);
    about.DoModal();
}

void CLocatorDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd))
    {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    RECT client;
    GetClientRect(&client);
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
}

HCURSOR CLocatorDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CLocatorDlg::OnCalculateDistance()
{
    std::string local = m_editLocation1.GetWindowText();
    std::string distant = m_editLocation2.GetWindowText();
    if (local.size() < 6)
        return Complain("Please enter first location", m_editLocation1);
    if (distant.size() < 6)
        return Complain("Please enter second location", m_editLocation2);

    EmptyBoxes({&m_editBearing, &m_editStatuteMiles, &m_editKilometers, &m_editNauticalMiles});
    CPathCalc path;
    if (!path.SetLocations(local, distant))
        return;
    m_editBearing.SetWindowText(FormatFixed(path.GetBearing(), 1));
    m_editStatuteMiles.SetWindowText(FormatFixed(path.GetStatuteMiles(), 1));
    m_editKilometers.SetWindowText(FormatFixed(path.GetKilometers(), 1));
    m_editNauticalMiles.SetWindowText(FormatFixed(path.GetNauticalMiles(), 1));
    SaveSettings(m_strSettingsKeyPath, {{"Location1", local}, {"Location2", distant}}, {});
}

void CLocatorDlg::OnResetDistance()
{
    EmptyBoxes({&m_editLocation1, &m_editLocation2, &m_editBearing, &m_editStatuteMiles, &m_editKilometers,
                &m_editNauticalMiles});
}

void CLocatorDlg::OnCalculateDMS()
{
    std::string latitudeDegree = m_editLatitudeDegree.GetWindowText();
    std::string latitudeMinute = m_editLatitudeMinute.GetWindowText();
    std::string latitudeSecond = m_editLatitudeSecond.GetWindowText();
    std::string longitudeDegree = m_editLongitudeDegree.GetWindowText();
    std::string longitudeMinute = m_editLongitudeMinute.GetWindowText();
    std::string longitudeSecond = m_editLongitudeSecond.GetWindowText();

    if (IsMissing(latitudeDegree, 90))
        return Complain("Please enter Latitude Degrees", m_editLatitudeDegree);
    if (IsMissing(latitudeMinute, 60))
        return Complain("Please enter Latitude Minutes", m_editLatitudeMinute);
    // Seconds are optional: missing ones count as zero.
    if (IsMissing(latitudeSecond, 60))
    {
        latitudeSecond = "0";
        m_editLatitudeSecond.SetWindowText("0.00");
    }
    if (IsMissing(longitudeDegree, 180))
        return Complain("Please enter Longitude Degrees", m_editLongitudeDegree);
    if (IsMissing(longitudeMinute, 60))
        return Complain("Please enter Longitude Minutes", m_editLongitudeMinute);
    if (IsMissing(longitudeSecond, 60))
    {
        longitudeSecond = "0";
        m_editLongitudeSecond.SetWindowText("0.00");
    }

    m_editLocator.SetWindowText("");
    char latitudeWorld = m_listLatitudeWorld.GetCurSel() == 1 ? 'S' : 'N';
    char longitudeWorld = m_listLongitudeWorld.GetCurSel() == 1 ? 'W' : 'E';
    CGeoPoint point;
    if (!point.SetLatitudeDMS(RealValue(latitudeDegree), RealValue(latitudeMinute), RealValue(latitudeSecond),
                              latitudeWorld))
        return;
    if (!point.SetLongitudeDMS(RealValue(longitudeDegree), RealValue(longitudeMinute),
                               RealValue(longitudeSecond), longitudeWorld))
        return;

    SaveSettings(m_strSettingsKeyPath,
                 {{"LatitudeDegree", latitudeDegree},
                  {"LatitudeMinute", latitudeMinute},
                  {"LatitudeSecond", latitudeSecond},
                  {"LongitudeDegree", longitudeDegree},
                  {"LongitudeMinute", longitudeMinute},
                  {"LongitudeSecond", longitudeSecond}},
                 {{"LatitudeWorld", &m_listLatitudeWorld},
                  {"LongitudeWorld", &m_listLongitudeWorld},
                  {"LocatorChars", &m_listLocatorChars}});
    m_editLatitudeDecimal.SetWindowText(FormatFixed(point.GetLatitude(), 6));
    m_editLongitudeDecimal.SetWindowText(FormatFixed(point.GetLongitude(), 6));
    // The box's mask cuts the ten characters to the chosen length.
    m_editLocator.SetWindowText(point.GetLocator());
}

void CLocatorDlg::OnResetPosition()
{
    EmptyBoxes({&m_editLatitudeDecimal, &m_editLongitudeDecimal, &m_editLatitudeDegree, &m_editLatitudeMinute,
                &m_editLatitudeSecond, &m_editLongitudeDegree, &m_editLongitudeMinute, &m_editLongitudeSecond,
                &m_editLocator});
    m_listLatitudeWorld.SetCurSel(0);
    m_listLongitudeWorld.SetCurSel(0);
}

void CLocatorDlg::OnCalculateDecimal()
{
    std::string latitude = m_editLatitudeDecimal.GetWindowText();
    std::string longitude = m_editLongitudeDecimal.GetWindowText();
    // The whole value is checked, not its whole part: 90.5 is no latitude.
    if (latitude.empty() || std::fabs(RealValue(latitude)) > 90)
        return Complain("Please enter Latitude", m_editLatitudeDecimal);
    if (longitude.empty() || std::fabs(RealValue(longitude)) > 180)
        return Complain("Please enter Longitude", m_editLongitudeDecimal);

    m_editLocator.SetWindowText("");
    CGeoPoint point;
    if (!point.SetLatitude(RealValue(latitude)) || !point.SetLongitude(RealValue(longitude)))
        return;

    SaveSettings(m_strSettingsKeyPath, {{"LatitudeDecimal", latitude}, {"LongitudeDecimal", longitude}},
                 {{"LocatorChars", &m_listLocatorChars}});
    m_editLocator.SetWindowText(point.GetLocator());
    ShowLatitudeParts(point);
    ShowLongitudeParts(point);
}

void CLocatorDlg::OnCalculateLocator()
{
    std::string locator = m_editLocator.GetWindowText();
    if (locator.size() < 6)
        return Complain("Please enter IARU Locator", m_editLocator);
    CGeoPoint point;
    if (!point.SetLocator(locator))
        return;

    SaveSettings(m_strSettingsKeyPath, {{"Locator", locator}}, {{"LocatorChars", &m_listLocatorChars}});
    m_editLatitudeDecimal.SetWindowText(FormatFixed(point.GetLatitude(), 6));
    ShowLatitudeParts(point);
    m_editLongitudeDecimal.SetWindowText(FormatFixed(point.GetLongitude(), 6));
    ShowLongitudeParts(point);
}

void CLocatorDlg::OnSelChangeLocatorChars()
{
    ChooseLocatorMask();
}

void CLocatorDlg::ChooseLocatorMask()
{
    int index = m_listLocatorChars.GetCurSel();
    if (index >= 0 && index < static_cast<int>(std::size(kLocatorMasks)))
        m_editLocator.SetMask(kLocatorMasks[index]);
}

void CLocatorDlg::ShowLatitudeParts(CGeoPoint& point)
{
    ShowParts(point.GetLatitudeDegree(), point.GetLatitudeMinute(), point.GetLatitudeSecond(),
              point.GetLatitude() < 0, m_editLatitudeDegree, m_editLatitudeMinute, m_editLatitudeSecond,
              m_listLatitudeWorld);
}

void CLocatorDlg::ShowLongitudeParts(CGeoPoint& point)
{
    ShowParts(point.GetLongitudeDegree(), point.GetLongitudeMinute(), point.GetLongitudeSecond(),
              point.GetLongitude() < 0, m_editLongitudeDegree, m_editLongitudeMinute, m_editLongitudeSecond,
              m_listLongitudeWorld);
}

// Index 1 of a hemisphere list is "S" or "W".
void CLocatorDlg::ShowParts(double degrees, double minutes, double seconds, bool negative, CEdit& degreeBox,
                            CEdit& minuteBox, CEdit& secondBox, CComboBox& hemisphereList)
{
    degreeBox.SetWindowText(FormatFixed(degrees, 0));
    minuteBox.SetWindowText(FormatFixed(minutes, 0));
    secondBox.SetWindowText(FormatFixed(seconds, 2));
    hemisphereList.SetCurSel(negative ? 1 : 0);
}

void CLocatorDlg::Complain(const char* text, CWnd& box)
{
    MessageBox(text, kCaption, MB_ICONEXCLAMATION | MB_OK);
    box.SetFocus();
}
