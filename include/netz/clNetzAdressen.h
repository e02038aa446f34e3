#ifndef CLNETZADRESSEN_H
#define CLNETZADRESSEN_H

#include <string>
#include <vector>

// The addresses under which phones in the hall reach this machine.
class clNetzAdressen
{
public:
    // The addresses of the network interfaces that are up, in the order of
    // ordne().
    static std::vector<std::string> getAdressen();
    // Private IPv4 networks first (where a hall's WLAN is), then other IPv4,
    // then IPv6, loopback last; each address once.
    static std::vector<std::string> ordne(std::vector<std::string> vecAdressen);
    // "http://192.168.1.20:8080", "http://[fd00::1]:8080"
    static std::string getUrl(const std::string& adresse, int port);
};

#endif
