#ifndef CLQRCODE_H
#define CLQRCODE_H

#include <wx/image.h>

#include <string>
#include <vector>

// A QR code of a short text, such as the live site's address, for phones to
// scan from the screen: a picture with the quiet zone of four modules around it.
class clQrCode
{
public:
    // text in UTF-8; a text too long for any QR code throws std::length_error.
    explicit clQrCode(const std::string& text);

    // Modules per side, without the quiet zone.
    int getGroesse() const { return m_Groesse; }
    bool istDunkel(int x, int y) const { return m_vecDunkel[static_cast<size_t>(y * m_Groesse + x)]; }

    // Black on white, each module modulPixel pixels wide.
    wxImage alsBild(int modulPixel) const;

    static const int RAND = 4;

private:
    int m_Groesse;
    std::vector<bool> m_vecDunkel;
};

#endif
