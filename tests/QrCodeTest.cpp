#include <gtest/gtest.h>

#include "ausgabe/clQrCode.h"

// The picture is the code's modules, scaled, with a white quiet zone; the three
// finder patterns (dark 7×7 ring, light ring, dark 3×3 core) sit in their corners.
TEST(QrCode, BildMitRuhezoneUndSuchmustern)
{
    const int PX = 3;
    const clQrCode code("http://192.168.1.20:8080");
    const int n = code.getGroesse();
    const wxImage bild = code.alsBild(PX);
    ASSERT_EQ((n + 2 * clQrCode::RAND) * PX, bild.GetWidth());
    const auto dunkel = [&](int mx, int my)
    { return bild.GetRed((mx + clQrCode::RAND) * PX + PX - 1, (my + clQrCode::RAND) * PX) == 0; };
    for (int i = -clQrCode::RAND; i < n + clQrCode::RAND; ++i)
        EXPECT_FALSE(dunkel(i, -1) || dunkel(-1, i) || dunkel(n, i)) << i;
    for (auto [ex, ey] : {std::pair{0, 0}, {n - 7, 0}, {0, n - 7}})
        for (auto [dx, dy, d] :
             {std::tuple{0, 0, true}, {6, 6, true}, {1, 5, false}, {3, 3, true}, {7, 3, false}})
            EXPECT_EQ(d, dunkel(ex + dx, ey + dy)) << ex << "," << ey << " +" << dx << "," << dy;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            ASSERT_EQ(code.istDunkel(x, y), dunkel(x, y));
    const clQrCode anders("http://192.168.1.21:8080");
    bool verschieden = false;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            verschieden = verschieden || anders.istDunkel(x, y) != code.istDunkel(x, y);
    EXPECT_TRUE(verschieden);
}
