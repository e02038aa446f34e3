#include "ausgabe/clQrCode.h"

#include <qrcodegen.hpp>

#include <cstring>

clQrCode::clQrCode(const std::string& text)
{
    // Medium error correction: the code stays readable with a smudge or a
    // reflection on the screen; the library raises it when that costs no size.
    const auto code = qrcodegen::QrCode::encodeText(text.c_str(), qrcodegen::QrCode::Ecc::MEDIUM);
    m_Groesse = code.getSize();
    for (int y = 0; y < m_Groesse; ++y)
        for (int x = 0; x < m_Groesse; ++x)
            m_vecDunkel.push_back(code.getModule(x, y));
}

wxImage clQrCode::alsBild(int modulPixel) const
{
    const int seite = (m_Groesse + 2 * RAND) * modulPixel;
    wxImage bild(seite, seite, false);
    unsigned char* rgb = bild.GetData();
    std::memset(rgb, 255, static_cast<size_t>(seite) * seite * 3);
    for (int y = 0; y < m_Groesse; ++y)
        for (int x = 0; x < m_Groesse; ++x)
            if (istDunkel(x, y))
                for (int py = 0; py < modulPixel; ++py)
                    std::memset(rgb + (static_cast<size_t>((y + RAND) * modulPixel + py) * seite +
                                       static_cast<size_t>((x + RAND) * modulPixel)) *
                                          3,
                                0, static_cast<size_t>(modulPixel) * 3);
    return bild;
}
