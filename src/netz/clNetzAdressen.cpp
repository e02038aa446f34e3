#ifdef _WIN32
// The socket headers before windows.h, which would bring the old ones.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#else
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

#include "netz/clNetzAdressen.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

namespace
{
// Lower first: private IPv4, other IPv4, IPv6, loopback.
int rang(const std::string& adresse)
{
    in_addr v4{};
    if (inet_pton(AF_INET, adresse.c_str(), &v4) == 1)
    {
        const uint32_t a = ntohl(v4.s_addr);
        if ((a >> 24) == 127)
            return 4;
        if ((a >> 24) == 10 || (a >> 20) == (172u << 4 | 1) || (a >> 16) == (192u << 8 | 168))
            return 0;
        return 1;
    }
    in6_addr v6{};
    if (inet_pton(AF_INET6, adresse.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6))
        return 4;
    return 2;
}

// Link-local IPv6 addresses need the interface's name in the URL, which no
// phone knows.
bool brauchbar(const sockaddr* adresse)
{
    if (adresse == nullptr)
        return false;
    if (adresse->sa_family == AF_INET)
        return true;
    return adresse->sa_family == AF_INET6 &&
           !IN6_IS_ADDR_LINKLOCAL(&reinterpret_cast<const sockaddr_in6*>(adresse)->sin6_addr);
}

std::string alsText(const sockaddr* adresse)
{
    char text[INET6_ADDRSTRLEN];
    const void* zahl =
        adresse->sa_family == AF_INET
            ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(adresse)->sin_addr)
            : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(adresse)->sin6_addr);
    return inet_ntop(adresse->sa_family, zahl, text, sizeof text) ? text : "";
}
} // namespace

std::vector<std::string> clNetzAdressen::getAdressen()
{
    std::vector<std::string> vecAdressen;
#ifdef _WIN32
    ULONG groesse = 16 * 1024;
    std::vector<unsigned char> puffer;
    ULONG ergebnis = ERROR_BUFFER_OVERFLOW;
    for (int versuch = 0; versuch < 3 && ergebnis == ERROR_BUFFER_OVERFLOW; ++versuch)
    {
        puffer.resize(groesse);
        ergebnis = GetAdaptersAddresses(
            AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER, nullptr,
            reinterpret_cast<IP_ADAPTER_ADDRESSES*>(puffer.data()), &groesse);
    }
    if (ergebnis == NO_ERROR)
        for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(puffer.data()); adapter;
             adapter = adapter->Next)
        {
            if (adapter->OperStatus != IfOperStatusUp)
                continue;
            for (auto* eintrag = adapter->FirstUnicastAddress; eintrag; eintrag = eintrag->Next)
                if (brauchbar(eintrag->Address.lpSockaddr))
                    vecAdressen.push_back(alsText(eintrag->Address.lpSockaddr));
        }
#else
    ifaddrs* liste = nullptr;
    if (getifaddrs(&liste) == 0)
    {
        for (const ifaddrs* eintrag = liste; eintrag; eintrag = eintrag->ifa_next)
            if ((eintrag->ifa_flags & IFF_UP) && brauchbar(eintrag->ifa_addr))
                vecAdressen.push_back(alsText(eintrag->ifa_addr));
        freeifaddrs(liste);
    }
#endif
    vecAdressen.erase(std::remove(vecAdressen.begin(), vecAdressen.end(), std::string()), vecAdressen.end());
    return ordne(std::move(vecAdressen));
}

std::vector<std::string> clNetzAdressen::ordne(std::vector<std::string> vecAdressen)
{
    std::stable_sort(vecAdressen.begin(), vecAdressen.end(),
                     [](const std::string& a, const std::string& b) { return rang(a) < rang(b); });
    std::vector<std::string> vecEinmal;
    for (auto& adresse : vecAdressen)
        if (std::find(vecEinmal.begin(), vecEinmal.end(), adresse) == vecEinmal.end())
            vecEinmal.push_back(std::move(adresse));
    return vecEinmal;
}

std::string clNetzAdressen::getUrl(const std::string& adresse, int port)
{
    const bool v6 = adresse.find(':') != std::string::npos;
    return "http://" + (v6 ? "[" + adresse + "]" : adresse) + ":" + std::to_string(port);
}
