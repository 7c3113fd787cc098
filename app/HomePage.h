#pragma once

// The maker's home page (handed to the banner and to the About box's link) and the site name the
// banner shows. Both are set at build time: LOCATRIX_HOME_URL and LOCATRIX_SITE_NAME.
extern const char kHomePageUrl[];
extern const char kSiteName[];
