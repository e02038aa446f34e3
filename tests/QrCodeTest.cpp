#include <gtest/gtest.h>

#include <cstring>

#include "ausgabe/clQrCode.h"

namespace
{
bool schwarz(const wxImage& bild, int x, int y)
{
    return bild.GetRed(x, y) == 0 && bild.GetGreen(x, y) == 0 && bild.GetBlue(x, y) == 0;
}
bool weiss(const wxImage& bild, int x, int y)
{
    return bild.GetRed(x, y) == 255 && bild.GetGreen(x, y) == 255 && bild.GetBlue(x, y) == 255;
}
} // namespace

TEST(QrCode, BildMitRuheZoneUndSuchmusternInDreiEcken)
{
    const int PX = 3;
    for (const std::string text : {"http://192.168.1.20:8080", "http://[fd00::1]:8080/gruppe/2?ä=ü"})
    {
        const clQrCode code(text);
        const int n = code.getGroesse();
        EXPECT_EQ(0, (n - 17) % 4) << text; // 21, 25, … modules: a QR code's sizes
        const wxImage bild = code.alsBild(PX);
        ASSERT_EQ((n + 2 * clQrCode::RAND) * PX, bild.GetWidth());
        ASSERT_EQ(bild.GetWidth(), bild.GetHeight());

        // Finder patterns: a black ring of 7 modules, a white ring, a black 3×3 core,
        // a white separator; white quiet zone in front. Each sampled at a module's
        // first and last pixel.
        const auto modul = [&](int mx, int my, bool dunkel)
        {
            for (int d : {0, PX - 1})
            {
                const int x = (mx + clQrCode::RAND) * PX + d, y = (my + clQrCode::RAND) * PX + d;
                EXPECT_TRUE(dunkel ? schwarz(bild, x, y) : weiss(bild, x, y))
                    << text << " Modul " << mx << "," << my;
            }
        };
        for (auto [ex, ey] : {std::pair{0, 0}, {n - 7, 0}, {0, n - 7}})
            for (auto [dx, dy, dunkel] : {std::tuple{0, 0, true},
                                          {6, 6, true},
                                          {1, 1, false},
                                          {5, 3, false},
                                          {3, 3, true},
                                          {2, 4, true},
                                          {-1, 3, false},
                                          {7, 3, false}})
                modul(ex + dx, ey + dy, dunkel);
        for (int i = 0; i < bild.GetWidth(); i += PX)
            EXPECT_TRUE(weiss(bild, i, 0) && weiss(bild, 0, i) && weiss(bild, bild.GetWidth() - 1, i));

        // The SVG draws the same modules.
        int dunkle = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                dunkle += schwarz(bild, (x + clQrCode::RAND) * PX, (y + clQrCode::RAND) * PX);
        const std::string svg = code.alsSvg();
        int quadrate = 0;
        for (size_t pos = 0; (pos = svg.find("h1v1h-1z", pos)) != std::string::npos; ++pos)
            ++quadrate;
        EXPECT_EQ(dunkle, quadrate);
        EXPECT_NE(std::string::npos,
                  svg.find("viewBox=\"0 0 " + std::to_string(n + 8) + " " + std::to_string(n + 8)));
    }
    const wxImage a = clQrCode("http://192.168.1.20:8080").alsBild(2);
    const wxImage b = clQrCode("http://192.168.1.21:8080").alsBild(2);
    ASSERT_EQ(a.GetSize(), b.GetSize());
    EXPECT_NE(0,
              std::memcmp(a.GetData(), b.GetData(), static_cast<size_t>(a.GetWidth() * a.GetHeight() * 3)));
}
