// The calculator's commands over a form: each checks its boxes in a fixed order, hands the
// values to the engine and leaves in the form everything the window shows afterwards.
#pragma once

#include "calc/Form.h"

#include <string>

// The settings a done command saves: the inputs of its own kind of calculation.
enum class SavedGroup { Dms, Decimal, Locator, Distance };

struct Outcome {
    enum Kind {
        kDone,       // save the values SavedValues gives for `saved`
        kComplaint,  // show `text`, then put the focus in `focus`
        kRefused     // the engine refused a value: the window says nothing, `text` says which
    };
    Kind kind = kDone;
    std::string text;
    Box focus = Box::LatitudeDegree;
    SavedGroup saved = SavedGroup::Dms;
    unsigned zeroedBoxes = 0; // bit per Box: a missing box that counted as 0, and is saved as "0"
};

Outcome CalculateDms(CForm& form);
Outcome CalculateDecimal(CForm& form);
Outcome CalculateLocator(CForm& form);
Outcome CalculateDistance(CForm& form);
void ResetPosition(CForm& form);
// What a done command saves, named as the settings store keeps it: worked out from the form it
// left only when asked, since the command line saves nothing.
SettingValues SavedValues(const CForm& form, const Outcome& outcome);
void ResetDistance(CForm& form);

// A DX that another program (WSJT-X) reports: its grid goes into the distant locator box, and
// the sender's own grid into the local one while that box is empty or still holds what such a
// program put there (ownGridBefore); both in capitals, as the boxes show them, a 4-character
// grid as the 6-character square at its centre (FN42 as FN42MM). Taken only when both boxes
// would hold a locator as typed and the distance Calculate would be done with them; otherwise
// false, and the form stays as it was.
bool TakeDx(CForm& form, const std::string& ownGrid, const std::string& dxGrid, const std::string& ownGridBefore);

// The bearing the DISTANCE group shows, for the short path, or the long path (the rest of the
// same great circle, 180 degrees on); false while the group shows none.
bool ShownBearing(const CForm& form, bool longPath, double& bearing);

// What a command says when the box is missing or out of range; empty for boxes it never names.
const char* Complaint(Box box);

// How many decimals a box shows its number with; -1 for a box that shows no number.
int DecimalsShown(Box box);

// The limit a command checks a box's number against; 0 for a box without one.
double CheckLimit(Box box);

// What the engine's refusal of a latitude, a longitude, a locator or a pair of locators says.
extern const char kLatitudeRefused[];
extern const char kLongitudeRefused[];
extern const char kLocatorRefused[];
extern const char kLocationsRefused[];
