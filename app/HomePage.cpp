#include "app/HomePage.h"

const char kHomePageUrl[] = LOCATRIX_HOME_URL;
const char kSiteName[] = LOCATRIX_SITE_NAME;
