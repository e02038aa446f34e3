#include "verlauf/clBefehlsverlauf.h"

#include <algorithm>
#include <wx/intl.h>
#include <wx/menu.h>

#include "verlauf/clAbbildBefehl.h"
#include "verlauf/clErgebnisBefehl.h"
#include "modell/clRunde.h"
#include "modell/clTurnier.h"

clBefehlsverlauf::clBefehlsverlauf(clTurnier* turnier)
    : wxCommandProcessor(MaxSchritte), m_Turnier(turnier), m_Wiedergabe(false)
{
    m_Turnier->addBeobachter(this);
    merkeStand();
}

clBefehlsverlauf::~clBefehlsverlauf()
{
    m_Turnier->removeBeobachter(this);
}

void clBefehlsverlauf::merkeStand()
{
    const std::vector<clTTSpiel>& spiele = m_Turnier->getSchema().getSpiele();
    m_Stand.resize(spiele.size());
    for (size_t k = 0; k < spiele.size(); ++k)
        m_Stand[k] = spiele[k].getEingaben();
}

void clBefehlsverlauf::neuerVerlauf()
{
    ClearCommands();
    SetMenuStrings();
}

wxString clBefehlsverlauf::getRueckgaengigText() const
{
    const wxString text = wxGetTranslation(L"Rückgängig");
    return CanUndo() ? text + ": " + GetCurrentCommand()->GetName() : text;
}

wxString clBefehlsverlauf::getWiederherstellenText() const
{
    const wxString text = _("Wiederherstellen");
    if (!CanRedo())
        return text;
    const wxList::compatibility_iterator naechster =
        m_currentCommand ? m_currentCommand->GetNext() : m_commands.GetFirst();
    return text + ": " + static_cast<wxCommand*>(naechster->GetData())->GetName();
}

void clBefehlsverlauf::SetMenuStrings()
{
    wxMenu* menu = GetEditMenu();
    if (menu == nullptr)
        return;
    menu->SetLabel(wxID_UNDO, getRueckgaengigText() + GetUndoAccelerator());
    menu->Enable(wxID_UNDO, CanUndo());
    menu->SetLabel(wxID_REDO, getWiederherstellenText() + GetRedoAccelerator());
    menu->Enable(wxID_REDO, CanRedo());
}

bool clBefehlsverlauf::gibWieder(const std::function<bool()>& schritt)
{
    m_Wiedergabe = true;
    const bool erfolg = schritt();
    m_Wiedergabe = false;
    merkeStand();
    return erfolg;
}

bool clBefehlsverlauf::DoCommand(wxCommand& befehl)
{
    return gibWieder([&] { return wxCommandProcessor::DoCommand(befehl); });
}

bool clBefehlsverlauf::UndoCommand(wxCommand& befehl)
{
    return gibWieder([&] { return wxCommandProcessor::UndoCommand(befehl); });
}

void clBefehlsverlauf::speichereErgebnisse(const wxString& schritt)
{
    // Compared where they lie, so that a keystroke costs little even with many matches.
    const std::vector<clTTSpiel>& spiele = m_Turnier->getSchema().getSpiele();
    std::vector<size_t> geaendert;
    for (size_t k = 0; k < spiele.size() && k < m_Stand.size(); ++k)
        if (spiele[k].getEingaben() != m_Stand[k])
            geaendert.push_back(k);
    if (geaendert.empty())
        return;
    std::vector<clErgebnisBefehl::sAenderung> aenderungen;
    for (int r = 1; r <= m_Turnier->getAnzahlRunden(); ++r)
    {
        for (int p = 1; clTTSpiel* sp = m_Turnier->getSpiel(r, p); ++p)
        {
            const size_t k = static_cast<size_t>(sp - spiele.data());
            if (std::binary_search(geaendert.begin(), geaendert.end(), k))
            {
                aenderungen.push_back({r, p, m_Stand[k], sp->getEingaben()});
                m_Stand[k] = aenderungen.back().nachher;
            }
        }
    }
    const wxString name =
        !schritt.empty() ? schritt
        : aenderungen.size() == 1
            ? wxString::Format(_("Ergebnis Runde %d, Platte %d"), aenderungen[0].runde, aenderungen[0].platte)
            : wxString(_("Ergebnisse"));
    Store(new clErgebnisBefehl(m_Turnier, name, std::move(aenderungen)));
}

void clBefehlsverlauf::turnierWirdGeaendert()
{
    if (!m_Wiedergabe)
        m_Vorher = m_Turnier->getAbbild();
}

void clBefehlsverlauf::turnierGeaendert(modAenderung art, const wxString& schritt)
{
    if (m_Wiedergabe)
        return;
    switch (art)
    {
    case aendNeu:
    case aendGeladen:
        m_Vorher.clear();
        neuerVerlauf();
        break;
    case aendTeilnehmer:
    case aendAllgemein:
        // A step only when something was taken over.
        if (!m_Vorher.empty() && m_Vorher != m_Turnier->getAbbild())
            Store(new clAbbildBefehl(m_Turnier, schritt, std::move(m_Vorher)));
        m_Vorher.clear();
        break;
    case aendErgebnis:
        speichereErgebnisse(schritt);
        return;
    }
    merkeStand();
}
