#ifndef BROWSER_H
#define BROWSER_H

#include <string>

#include "netz/sLiveSeite.h"

// The DOM of a page of the site as headless Chromium renders it, served by a
// clLiveServer on 127.0.0.1; an empty text after a failure added to the test.
std::string domImBrowser(const spLiveSeiten& seiten, const std::string& pfad = "/");

#endif
