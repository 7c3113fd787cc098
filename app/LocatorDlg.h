#pragma once
#include "app/MapWnd.h"
#include "app/SettingsStore.h"
#include "calc/Commands.h"
#include "controls/HomeBanner.h"
#include "controls/MaskEdit.h"
#include "controls/NumericEdit.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
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

    // The map window, which the rotator's heading reaches through.
    CMapWnd& GetMapWindow() { return m_map; }

protected:
    void DoDataExchange() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSysCommand(WPARAM command, LPARAM position);
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
};
