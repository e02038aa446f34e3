#ifndef CLPORTALDOKUMENT_H
#define CLPORTALDOKUMENT_H

#include <string>
#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

#include "modell/clPerson.h"

namespace pugi
{
class xml_attribute;
class xml_document;
class xml_node;
} // namespace pugi

// A registration: one person, or the two of a pair.
struct sPortalSpieler
{
    wxString id;
    bool warteliste = false;
    // With the portal's data of each (birth year, sex, licence, the portal's number).
    std::vector<clPerson> personen;
    // Where it stands in the file, for messages.
    int zeile = 0;

    // "Anna Meier", of a pair "Anna Meier / Berta Schulz".
    wxString getName() const;
    // The persons' identities (clPerson::getIdentitaet), sorted: the same
    // registration in another download.
    wxString getIdentitaet(bool nurNamen = false) const;
    // The persons' identities of a registration as getIdentitaet joins them.
    static wxString verbinde(std::vector<wxString> identitaeten);
};

// A competition of the tournament, which becomes a class.
struct sPortalWettbewerb
{
    wxString altersklasse;
    // "Einzel", "Doppel" or "Mixed".
    wxString art;
    int zeile = 0;
    std::vector<sPortalSpieler> spieler;

    // "Damen/Herren Einzel".
    wxString getName() const;
    // Names the competition across downloads and in the tournament file.
    wxString getSchluessel() const { return altersklasse + '\t' + art; }
    // The class's type (modKonkurrenzArt).
    int getKonkurrenzArt() const;
};

// A document of the federation's tournament portal: the registrations of a
// tournament as its organiser downloads them, checked as a whole. The document
// is read by an XML library that resolves no entity of its own and opens no
// other file or address: a document that declares entities is refused.
class clPortalDokument
{
public:
    static constexpr size_t MaxGroesse = 16 * 1024 * 1024;

    // Reads the file; fehler names the file and, where it can, the line.
    bool liesDatei(const wxString& pfad, wxString* fehler);
    // Reads the document from its bytes; name is the file for messages.
    bool lies(const std::string& bytes, const wxString& name, wxString* fehler);

    const wxString& getTurnier() const { return m_Turnier; }
    // The first day of the tournament, "12.12.2026"; empty when the file has none.
    const wxString& getDatum() const { return m_Datum; }
    // The competitions Quobel takes, in the order of the file.
    const std::vector<sPortalWettbewerb>& getWettbewerbe() const { return m_Wettbewerbe; }
    const sPortalWettbewerb* findeWettbewerb(const wxString& schluessel) const;
    // What was read other than asked for: competitions left out, ratings that are not numbers.
    const wxArrayString& getHinweise() const { return m_Hinweise; }
    // The document as Quobel keeps it: UTF-8, laid out anew, every element and attribute as read.
    const std::string& getText() const { return m_Text; }
    // A document as Quobel writes it: UTF-8, one element a line, indented by tabs.
    static std::string alsText(const pugi::xml_document& doc);
    // An attribute's value as Quobel takes it: one line, without blanks around it.
    static wxString wert(const pugi::xml_attribute& attribut);
    // The key (sPortalWettbewerb::getSchluessel) of a competition element.
    static wxString schluesselVon(const pugi::xml_node& wettbewerb);

private:
    wxString m_Turnier;
    wxString m_Datum;
    std::vector<sPortalWettbewerb> m_Wettbewerbe;
    wxArrayString m_Hinweise;
    std::string m_Text;
};

#endif
