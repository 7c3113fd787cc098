#include "app/LocatorDlg.h"
#include "app/AboutDlg.h"
#include "app/HomePage.h"
#include "app/RotatorDlg.h"
#include "app/WsjtxDlg.h"
#include "base/NumberText.h"
#include "framework/MessageBoxSeam.h"
#include "framework/PaintDC.h"
#include "framework/WinApp.h"
#include "net/AzimuthRange.h"
#include "res/resource.h"
#include "engine/LocatorCodec.h"
#include <cstdlib>

namespace
{
const char kCaption[] = "Locatrix";

// Which control shows which box and list of the form.
const struct
{
    Box box;
    int id;
} kBoxes[] = {
    {Box::LatitudeDegree, IDC_LATITUDE_DEGREE},   {Box::LatitudeMinute, IDC_LATITUDE_MINUTE},
    {Box::LatitudeSecond, IDC_LATITUDE_SECOND},   {Box::LongitudeDegree, IDC_LONGITUDE_DEGREE},
    {Box::LongitudeMinute, IDC_LONGITUDE_MINUTE}, {Box::LongitudeSecond, IDC_LONGITUDE_SECOND},
    {Box::LatitudeDecimal, IDC_LATITUDE_DECIMAL}, {Box::LongitudeDecimal, IDC_LONGITUDE_DECIMAL},
    {Box::Locator, IDC_LOCATOR},                  {Box::Location1, IDC_LOCATION1},
    {Box::Location2, IDC_LOCATION2},              {Box::Bearing, IDC_BEARING},
    {Box::StatuteMiles, IDC_STATUTE_MILES},       {Box::Kilometers, IDC_KILOMETERS},
    {Box::NauticalMiles, IDC_NAUTICAL_MILES},
};

const struct
{
    List list;
    int id;
} kLists[] = {
    {List::LatitudeWorld, IDC_LATITUDE_WORLD},
    {List::LongitudeWorld, IDC_LONGITUDE_WORLD},
    {List::LocatorChars, IDC_LOCATOR_CHARS},
};

// The boxes and lists of each group: while one of them has the focus, Enter presses the group's
// Calculate. On a button, Enter presses the button.
const struct
{
    int calculate;
    int members[8]; // 0 past the last
} kGroups[] = {
    {IDC_CALCULATE_DMS, {IDC_LATITUDE_DEGREE, IDC_LATITUDE_MINUTE, IDC_LATITUDE_SECOND, IDC_LATITUDE_WORLD,
                         IDC_LONGITUDE_DEGREE, IDC_LONGITUDE_MINUTE, IDC_LONGITUDE_SECOND, IDC_LONGITUDE_WORLD}},
    {IDC_CALCULATE_DECIMAL, {IDC_LATITUDE_DECIMAL, IDC_LONGITUDE_DECIMAL}},
    {IDC_CALCULATE_LOCATOR, {IDC_LOCATOR_CHARS, IDC_LOCATOR}},
    {IDC_CALCULATE_DISTANCE,
     {IDC_LOCATION1, IDC_LOCATION2, IDC_BEARING, IDC_STATUTE_MILES, IDC_KILOMETERS, IDC_NAUTICAL_MILES}},
};

// The Calculate of the group a box or list belongs to; 0 for a button.
int GroupCalculate(int id)
{
    for (const auto& group : kGroups)
        for (int member : group.members)
            if (member == id)
                return group.calculate;
    return 0;
}

int ControlOf(Box box)
{
    for (const auto& bound : kBoxes)
        if (bound.box == box)
            return bound.id;
    return 0;
}

std::string WindowText(HWND window)
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
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

std::string LoadText(UINT id)
{
    char text[256] = {};
    return ::LoadStringA(AfxGetInstanceHandle(), id, text, sizeof(text)) > 0 ? text : "";
}

// A call sign from the network as the state line shows it: printable and short.
std::string Shown(const std::string& text)
{
    std::string shown;
    for (char c : text.substr(0, 16))
        shown += c >= ' ' && c <= '~' ? c : '?';
    return shown;
}

const int kRotatorButtons[] = {IDC_SHORT_PATH, IDC_LONG_PATH, IDC_STOP_ROTATOR};
const UINT_PTR kRotatorTipId = 1;
}

CLocatorDlg::CLocatorDlg(CWnd* parent, const std::string& settingsKeyPath)
    : CDialog(IDD_LOCATRIX_DIALOG, parent),
      m_hIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_map(settingsKeyPath), m_strSettingsKeyPath(settingsKeyPath)
{
}

// Our own controls take over their windows; the plain boxes and the length list are only
// addressed, so they keep their messages to themselves (a subclassed window pays for every
// message). The form reaches every box and list through its control ID.
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
    BindHandle(this, IDC_LONGITUDE_MINUTE, m_editLongitudeMinute);
    BindHandle(this, IDC_LONGITUDE_DEGREE, m_editLongitudeDegree);
    BindHandle(this, IDC_LATITUDE_MINUTE, m_editLatitudeMinute);
    BindHandle(this, IDC_LATITUDE_DEGREE, m_editLatitudeDegree);
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
            ::AppendMenuA(systemMenu, MF_STRING, IDM_MAP, LoadText(IDS_MAP).c_str());
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ROTATOR, LoadText(IDS_ROTATOR).c_str());
            ::AppendMenuA(systemMenu, MF_STRING, IDM_FOLLOW_WSJTX, LoadText(IDS_FOLLOW_WSJTX).c_str());
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    m_map.SetPickHandler([this](const LatLon& point) { OnMapPicked(point); });
    m_banner.SetLinkText(kSiteName);
    m_banner.SetLinkTarget(kHomePageUrl);

    m_editLatitudeDegree.LimitText(2);
    m_editLatitudeMinute.LimitText(2);
    m_editLongitudeDegree.LimitText(3);
    m_editLongitudeMinute.LimitText(2);

    // The boxes take as many decimals as the results they show.
    SetNumberFormat(m_editLatitudeSecond, 2, DecimalsShown(Box::LatitudeSecond), false);
    SetNumberFormat(m_editLongitudeSecond, 2, DecimalsShown(Box::LongitudeSecond), false);
    SetNumberFormat(m_editLatitudeDecimal, 2, DecimalsShown(Box::LatitudeDecimal), true);
    SetNumberFormat(m_editLongitudeDecimal, 3, DecimalsShown(Box::LongitudeDecimal), true);

    m_editLocator.SetMask(LongestLocatorMask());
    m_editLocation1.SetMask(LongestLocatorMask());
    m_editLocation2.SetMask(LongestLocatorMask());

    for (const auto& bound : kLists)
    {
        for (const std::string& entry : ListEntries(bound.list))
            ::SendDlgItemMessageA(m_hWnd, bound.id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        ::SendDlgItemMessageA(m_hWnd, bound.id, CB_SETCURSEL, 0, 0);
    }

    // The locator is loaded under the longest mask and cut to the stored length afterwards.
    const CForm empty = ReadForm();
    CForm stored = empty;
    Restore(stored, LoadSettings(m_strSettingsKeyPath, RememberedTextNames(), RememberedNumberNames()));
    WriteForm(stored, empty);
    ChooseLocatorMask();
    StartLinks();
    return TRUE;
}

// The rotator and the WSJT-X feed from the settings; their threads report through posted calls.
void CLocatorDlg::StartLinks()
{
    m_posted = std::make_shared<CPostedCalls>(m_hWnd, kPostedCallsMessage);
    m_rotator = std::make_unique<CRotatorLink>(
        m_posted, CRotatorLink::Events{[this](double heading) { OnAntennaHeading(heading); },
                                       [this](const std::string& why) { OnRotatorFailed(why); }});
    m_rotator->Set(LoadRotator(m_strSettingsKeyPath));

    // Disabled buttons get no mouse messages, so the tip belongs to the dialog, over all three.
    RECT buttons = {};
    for (int id : kRotatorButtons)
    {
        RECT button = {};
        ::GetWindowRect(GetDlgItem(id), &button);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&button), 2);
        ::UnionRect(&buttons, &buttons, &button);
    }
    m_tipRotator.Create(this);
    m_tipRotator.AddTool(this, LoadText(IDS_NO_ROTATOR_TIP), buttons, kRotatorTipId);
    UpdateRotatorButtons();

    m_wsjtxSetting = LoadWsjtx(m_strSettingsKeyPath);
    m_wsjtx = std::make_unique<CWsjtxLink>(
        m_posted, CWsjtxLink::Events{
                      [this](int port) {
                          ShowWsjtxState("Following WSJT-X on UDP port " + std::to_string(port) +
                                             (m_wsjtxSetting.group.empty() ? "" : " in " + m_wsjtxSetting.group),
                                         0);
                      },
                      [this](const WsjtxMessage& dx) { OnWsjtxDx(dx); },
                      [this](long dropped) { ShowWsjtxState(m_strWsjtxState, dropped); },
                      [this](const std::string& why) {
                          ShowWsjtxState("Not following WSJT-X: its port could not be opened", 0);
                          ShowMessageBox(m_hWnd, why, kCaption, MB_ICONEXCLAMATION | MB_OK);
                      }});
    m_wsjtx->Follow(m_wsjtxSetting);
}

void CLocatorDlg::OnDestroy()
{
    // Calls still queued or on their way refer to this window: drop them, then end the threads.
    if (m_posted)
        m_posted->Detach();
    m_wsjtx.reset();
    m_rotator.reset();
}

BOOL CLocatorDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST && m_tipRotator.m_hWnd)
        m_tipRotator.RelayEvent(msg);
    return CDialog::PreTranslateMessage(msg);
}

void CLocatorDlg::OnAntennaHeadingChanged(std::function<void(std::optional<double>)> onChange)
{
    m_onAntennaHeading = std::move(onChange);
}

void CLocatorDlg::OnRotatorSettings()
{
    CRotatorDlg dialog(this, *m_rotator, m_rotator->Setting());
    if (dialog.DoModal() != IDOK)
        return;
    SaveRotator(m_strSettingsKeyPath, dialog.Setting());
    m_rotator->Set(dialog.Setting());
    OnAntennaHeading(std::nullopt);
    UpdateRotatorButtons();
}

// The turns need a rotator and a bearing in DISTANCE; Stop only the rotator.
void CLocatorDlg::UpdateRotatorButtons()
{
    const bool rotator = m_rotator && m_rotator->Setting().IsSet();
    double bearing = 0;
    const bool shown = ShownBearing(ReadForm(), false, bearing);
    ::EnableWindow(GetDlgItem(IDC_SHORT_PATH), rotator && shown);
    ::EnableWindow(GetDlgItem(IDC_LONG_PATH), rotator && shown);
    ::EnableWindow(GetDlgItem(IDC_STOP_ROTATOR), rotator);
    m_tipRotator.UpdateTipText(rotator ? "" : LoadText(IDS_NO_ROTATOR_TIP), this, kRotatorTipId);
}

void CLocatorDlg::OnTurn(bool longPath)
{
    double bearing = 0;
    if (m_rotator && ShownBearing(ReadForm(), longPath, bearing))
        m_rotator->Turn(bearing);
}

void CLocatorDlg::OnAntennaHeading(std::optional<double> heading)
{
    m_antennaHeading = heading;
    const std::string text = heading ? "Antenna at " + FormatShown(CAzimuthRange::Compass(*heading), 1) + "\xB0" : "";
    ::SetDlgItemTextA(m_hWnd, IDC_ANTENNA_HEADING, text.c_str());
    m_map.SetAntennaHeading(heading);
    if (m_onAntennaHeading)
        m_onAntennaHeading(heading);
}

void CLocatorDlg::OnRotatorFailed(const std::string& why)
{
    ShowMessageBox(m_hWnd, why, kCaption, MB_ICONEXCLAMATION | MB_OK);
}

void CLocatorDlg::OnWsjtxSettings()
{
    CWsjtxDlg dialog(this, m_wsjtxSetting);
    if (dialog.DoModal() != IDOK)
        return;
    SaveWsjtx(m_strSettingsKeyPath, dialog.Setting());
    m_wsjtxSetting = dialog.Setting();
    ShowWsjtxState("", 0);
    m_wsjtx->Follow(m_wsjtxSetting);
}

// A new DX from WSJT-X, unless the user is typing a locator: then it is only named. A window in
// the background keeps its focus box, but nobody types there.
void CLocatorDlg::OnWsjtxDx(const WsjtxMessage& dx)
{
    const std::string named = Shown(dx.dxCall) + " in " + Shown(dx.dxGrid);
    const HWND focus = ::GetFocus();
    if (focus && ::GetForegroundWindow() == m_hWnd &&
        (focus == GetDlgItem(IDC_LOCATION1) || focus == GetDlgItem(IDC_LOCATION2)))
    {
        ShowWsjtxState("WSJT-X: " + named + ", not taken while you type", m_nWsjtxDropped);
        return;
    }
    const CForm before = ReadForm();
    CForm form = before;
    if (!TakeDx(form, dx.deGrid, dx.dxGrid, m_strWsjtxOwnGrid))
    {
        ShowWsjtxState("WSJT-X: " + named + ", not a locator here", m_nWsjtxDropped);
        return;
    }
    if (form.Text(Box::Location1) != before.Text(Box::Location1))
        m_strWsjtxOwnGrid = form.Text(Box::Location1);
    WriteForm(form, before);
    RunCommand(CalculateDistance);
    ShowWsjtxState("Following WSJT-X: " + named, m_nWsjtxDropped);
    if (m_wsjtxSetting.turnAntenna)
        OnTurn(false);
}

void CLocatorDlg::ShowWsjtxState(const std::string& state, long dropped)
{
    m_strWsjtxState = state;
    m_nWsjtxDropped = dropped;
    const std::string shown = dropped > 0 ? state + " (" + std::to_string(dropped) + " bad datagrams dropped)" : state;
    ::SetDlgItemTextA(m_hWnd, IDC_WSJTX_STATE, shown.c_str());
}

// Enter presses the default button, which follows the focus; IDOK comes only while no control has
// had the focus yet, and must not close the calculator.
void CLocatorDlg::OnOK()
{
}

BOOL CLocatorDlg::OnCommand(WORD id, WORD code, HWND)
{
    // The default button follows the focus: a box or list hands it to the Calculate of its group,
    // a button (they notify their focus) takes it.
    const int calculate = GroupCalculate(id);
    const bool gotFocus = calculate ? code == EN_SETFOCUS || code == CBN_SETFOCUS : code == BN_SETFOCUS;
    if (gotFocus)
    {
        OnControlFocus(calculate ? calculate : id);
        return TRUE;
    }
    if (id == IDC_LOCATOR_CHARS)
    {
        if (code != CBN_SELCHANGE)
            return FALSE;
        OnSelChangeLocatorChars();
        return TRUE;
    }
    // Buttons that notify their focus tell a second quick click apart; it presses all the same.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return FALSE;
    switch (id)
    {
    case IDC_CALCULATE_DISTANCE: RunCommand(CalculateDistance); return TRUE;
    case IDC_RESET_DISTANCE: RunReset(ResetDistance); return TRUE;
    case IDC_CALCULATE_DMS: RunCommand(CalculateDms); return TRUE;
    case IDC_RESET_POSITION: RunReset(ResetPosition); return TRUE;
    case IDC_CALCULATE_DECIMAL: RunCommand(CalculateDecimal); return TRUE;
    case IDC_CALCULATE_LOCATOR: RunCommand(CalculateLocator); return TRUE;
    case IDC_MAP: OnMap(); return TRUE;
    case IDC_SHORT_PATH: OnTurn(false); return TRUE;
    case IDC_LONG_PATH: OnTurn(true); return TRUE;
    case IDC_STOP_ROTATOR: if (m_rotator) m_rotator->Stop(); return TRUE;
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
    case kPostedCallsMessage:
        if (m_posted)
            m_posted->RunQueued();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

void CLocatorDlg::OnSysCommand(WPARAM command, LPARAM)
{
    switch (command & 0xFFF0)
    {
    case IDM_MAP: OnMap(); return;
    case IDM_ROTATOR: OnRotatorSettings(); return;
    case IDM_FOLLOW_WSJTX: OnWsjtxSettings(); return;
    case IDM_ABOUTBOX: break;
    default: Default(); return;
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

// The command reads the form, the window shows what it left there, then complains or saves.
void CLocatorDlg::RunCommand(Outcome (*pfnCommand)(CForm&))
{
    const CForm before = ReadForm();
    CForm form = before;
    const Outcome outcome = pfnCommand(form);
    WriteForm(form, before);
    if (outcome.kind == Outcome::kComplaint)
    {
        MessageBox(outcome.text, kCaption, MB_ICONEXCLAMATION | MB_OK);
        ::SetFocus(GetDlgItem(ControlOf(outcome.focus)));
    }
    else if (outcome.kind == Outcome::kDone)
    {
        SaveSettings(m_strSettingsKeyPath, SavedValues(form, outcome));
        // The map follows each pair the calculator took; a refused one leaves it as it was.
        CMapLegend pair;
        if (outcome.saved == SavedGroup::Distance
            && pair.SetLocations(form.Text(Box::Location1), form.Text(Box::Location2)))
            m_map.ShowPair(pair);
    }
    UpdateRotatorButtons();
}

void CLocatorDlg::OnMap()
{
    m_map.Open(m_hWnd);
}

// A point picked on the map becomes the distant locator, at the length the locator list shows,
// and is calculated as Calculate would.
void CLocatorDlg::OnMapPicked(const LatLon& point)
{
    const std::vector<std::string>& lengths = ListEntries(List::LocatorChars);
    const int choice = m_listLocatorChars.GetCurSel();
    const size_t chars = choice >= 0 && choice < static_cast<int>(lengths.size())
                             ? static_cast<size_t>(std::atoi(lengths[static_cast<size_t>(choice)].c_str()))
                             : 6;
    ::SetWindowTextA(GetDlgItem(IDC_LOCATION2), EncodeLocator(point.Latitude, point.Longitude).substr(0, chars).c_str());
    RunCommand(CalculateDistance);
}

void CLocatorDlg::RunReset(void (*pfnReset)(CForm&))
{
    const CForm before = ReadForm();
    CForm form = before;
    pfnReset(form);
    WriteForm(form, before);
    UpdateRotatorButtons();
}

CForm CLocatorDlg::ReadForm() const
{
    CForm form;
    for (const auto& bound : kBoxes)
        form.Text(bound.box) = WindowText(GetDlgItem(bound.id));
    for (const auto& bound : kLists)
        form.Choice(bound.list) = static_cast<int>(::SendMessageA(GetDlgItem(bound.id), CB_GETCURSEL, 0, 0));
    return form;
}

void CLocatorDlg::WriteForm(const CForm& form, const CForm& before)
{
    for (const auto& bound : kBoxes)
        if (form.Text(bound.box) != before.Text(bound.box))
            ::SetWindowTextA(GetDlgItem(bound.id), form.Text(bound.box).c_str());
    for (const auto& bound : kLists)
        if (form.Choice(bound.list) != before.Choice(bound.list))
            ::SendMessageA(GetDlgItem(bound.id), CB_SETCURSEL, form.Choice(bound.list), 0);
}

// The dialog manager presses the default button on Enter, and draws it so.
void CLocatorDlg::OnControlFocus(int enterPresses)
{
    SendMessage(DM_SETDEFID, static_cast<WPARAM>(enterPresses));
}

void CLocatorDlg::OnSelChangeLocatorChars()
{
    ChooseLocatorMask();
}

void CLocatorDlg::ChooseLocatorMask()
{
    if (const char* mask = LocatorMask(m_listLocatorChars.GetCurSel()))
        m_editLocator.SetMask(mask);
}
