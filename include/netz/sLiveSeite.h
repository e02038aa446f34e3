#ifndef SLIVESEITE_H
#define SLIVESEITE_H

#include <map>
#include <memory>
#include <string>

// One page of the live site: its content type and its bytes.
struct sLiveSeite
{
    std::string typ = "text/html; charset=utf-8";
    std::string inhalt;
};

// The whole live site by path ("/", "/gruppe/2", …): built by the window after
// every change and handed to the server as a whole, which never changes it.
typedef std::map<std::string, sLiveSeite> mapLiveSeiten;
typedef std::shared_ptr<const mapLiveSeiten> spLiveSeiten;

#endif
