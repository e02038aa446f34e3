#include <gtest/gtest.h>

#include "netz/clNetzAdressen.h"

TEST(NetzAdressen, HallennetzZuerstLoopbackZuletzt)
{
    EXPECT_EQ((std::vector<std::string>{"192.168.1.20", "10.0.0.5", "172.20.1.1", "8.8.8.8", "172.32.0.1",
                                        "2001:db8::1", "127.0.0.1", "::1"}),
              clNetzAdressen::ordne({"127.0.0.1", "2001:db8::1", "8.8.8.8", "192.168.1.20", "10.0.0.5",
                                     "172.20.1.1", "172.32.0.1", "::1", "192.168.1.20"}));
    for (auto [adresse, port, url] : {std::tuple{"192.168.1.20", 8080, "http://192.168.1.20:8080"},
                                      {"fd00::1", 80, "http://[fd00::1]:80"}})
        EXPECT_EQ(url, clNetzAdressen::getUrl(adresse, port));

    // Only read, never connected to.
    const auto vecAdressen = clNetzAdressen::getAdressen();
    for (const auto& adresse : vecAdressen)
        EXPECT_NE(0u, adresse.rfind("fe80", 0)) << adresse;
    if (vecAdressen.size() > 1)
    {
        EXPECT_NE("127.0.0.1", vecAdressen.front());
    }
}
