#pragma once
#include "app/MapWnd.h"
#include "app/RotatorLink.h"
#include "app/SettingsStore.h"
#include "app/WsjtxLink.h"
#include "calc/Commands.h"
#include "controls/HomeBanner.h"
#include "controls/MaskEdit.h"
#include "controls/NumericEdit.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/PostedCalls.h"
#include "framework/ToolTipCtrl.h"
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The calculator: GRIDSQUARE converts one position between degrees/minutes/seconds, decimal
// degrees and the locator; DISTANCE gives bearing and distances between two locators.
class CLocatorDlg : public CDialog
{
public:
    // The settings key is a parameter so tests can run against a scratch key.
    explicit CLocatorDlg(CWnd* parent = nullptr, const std::string& settingsKeyPath = kSettingsKeyPath);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Where the antenna points, as rotctld last said; none for the other rotators, or before it
    // said. The function is told each change (the map draws it).
    std::optional<double> AntennaHeading() const { return m_antennaHeading; }
    void OnAntennaHeadingChanged(std::function<void(std::optional<double>)> onChange);

    // Calls from the network threads arrive as this message.
    static constexpr UINT kPostedCallsMessage = WM_APP + 1;

    // The map window, which the rotator's heading reaches through.
    CMapWnd& GetMapWindow() { return m_map; }

protected:
    void DoDataExchange() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSysCommand(WPARAM command, LPARAM position);
    void OnDestroy();
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    void OnControlFocus(int enterPresses);
    void OnSelChangeLocatorChars();
    void OnMap();
    void OnMapPicked(const LatLon& point);

    // The boxes and lists as a form, and back: only what the form changed is written.
    CForm ReadForm() const;
    void WriteForm(const CForm& form, const CForm& before);
    // Runs a command on the form the window shows, then shows its outcome.
    void RunCommand(Outcome (*pfnCommand)(CForm&));
    void RunReset(void (*pfnReset)(CForm&));
    void ChooseLocatorMask();

    // The antenna: the rotator from the settings, the buttons that turn it, its heading.
    void StartLinks();
    void OnRotatorSettings();
    void OnTurn(bool longPath);
    void UpdateRotatorButtons();
    void OnAntennaHeading(std::optional<double> heading);
    void OnRotatorFailed(const std::string& why);

    // WSJT-X: its new DX goes into DISTANCE, and the state line says so.
    void OnWsjtxSettings();
    void OnWsjtxDx(const WsjtxMessage& dx);
    void ShowWsjtxState(const std::string& state, long dropped);

    // Declaration order is binding order.
    CComboBox m_listLocatorChars;
    CHomeBanner m_banner;
    CNumericEdit m_editLatitudeDecimal;
    CNumericEdit m_editLongitudeDecimal;
    CNumericEdit m_editLongitudeSecond;
    CNumericEdit m_editLatitudeSecond;
    CMaskEdit m_editLocator;
    CMaskEdit m_editLocation2;
    CMaskEdit m_editLocation1;
    CEdit m_editLongitudeMinute;
    CEdit m_editLongitudeDegree;
    CEdit m_editLatitudeMinute;
    CEdit m_editLatitudeDegree;
    HICON m_hIcon;
    CMapWnd m_map;

    std::string m_strSettingsKeyPath;

    CToolTipCtrl m_tipRotator;
    std::optional<double> m_antennaHeading;
    std::function<void(std::optional<double>)> m_onAntennaHeading;
    WsjtxSetting m_wsjtxSetting;
    std::string m_strWsjtxOwnGrid;  // what WSJT-X last put into Local Locator
    std::string m_strWsjtxState;
    long m_nWsjtxDropped = 0;
    // Last: the links' threads end, and their calls are dropped, before the rest goes.
    std::shared_ptr<CPostedCalls> m_posted;
    std::unique_ptr<CRotatorLink> m_rotator;
    std::unique_ptr<CWsjtxLink> m_wsjtx;
};
