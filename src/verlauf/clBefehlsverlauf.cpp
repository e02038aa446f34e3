#include "verlauf/clBefehlsverlauf.h"

#include <algorithm>
#include <wx/intl.h>
#include <wx/menu.h>

#include "verlauf/clAbbildBefehl.h"
#include "verlauf/clErgebnisBefehl.h"
#include "modell/clRunde.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"

clBefehlsverlauf::clBefehlsverlauf(clTurniertag* tag)
    : wxCommandProcessor(MaxSchritte), m_Tag(tag), m_Wiedergabe(false), m_ZielGesichert(false),
      m_GesichertVerloren(false)
{
    m_Tag->addBeobachter(this);
    merkeStand();
}

clBefehlsverlauf::~clBefehlsverlauf()
{
    m_Tag->removeBeobachter(this);
}

void clBefehlsverlauf::merkeStand()
{
    m_Stand.resize(static_cast<size_t>(m_Tag->getAnzahl()));
    for (int i = 0; i < m_Tag->getAnzahl(); ++i)
    {
        const std::vector<clTTSpiel*> spiele = m_Tag->getKonkurrenz(i)->getAlleSpiele();
        std::vector<eingaben>& stand = m_Stand[static_cast<size_t>(i)];
        stand.resize(spiele.size());
        for (size_t k = 0; k < spiele.size(); ++k)
            stand[k] = spiele[k]->getEingaben();
    }
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

bool clBefehlsverlauf::istGesichertBei(const wxList::compatibility_iterator& stand) const
{
    return !m_GesichertVerloren && stand == m_lastSavedCommand;
}

void clBefehlsverlauf::merkeGesichert()
{
    MarkAsSaved();
    m_GesichertVerloren = false;
}

void clBefehlsverlauf::Store(wxCommand* befehl)
{
    // The saved state stays within reach when it lies on the way back from here,
    // unless it is the oldest one, which a full history pushes out.
    bool erreichbar = !m_lastSavedCommand;
    int schritte = 0;
    for (wxList::compatibility_iterator k = m_commands.GetFirst(); m_currentCommand && k; k = k->GetNext())
    {
        ++schritte;
        erreichbar = erreichbar || k == m_lastSavedCommand;
        if (k == m_currentCommand)
            break;
    }
    wxCommandProcessor::Store(befehl);
    if (!erreichbar || (schritte == m_maxNoCommands && !m_lastSavedCommand))
        m_GesichertVerloren = true;
}

bool clBefehlsverlauf::gibWieder(const std::function<bool()>& schritt,
                                 const wxList::compatibility_iterator& ziel)
{
    m_ZielGesichert = istGesichertBei(ziel);
    m_Wiedergabe = true;
    const bool erfolg = schritt();
    m_Wiedergabe = false;
    merkeStand();
    return erfolg;
}

bool clBefehlsverlauf::DoCommand(wxCommand& befehl)
{
    return gibWieder([&] { return wxCommandProcessor::DoCommand(befehl); },
                     m_currentCommand ? m_currentCommand->GetNext() : m_commands.GetFirst());
}

bool clBefehlsverlauf::UndoCommand(wxCommand& befehl)
{
    return gibWieder([&] { return wxCommandProcessor::UndoCommand(befehl); },
                     m_currentCommand->GetPrevious());
}

void clBefehlsverlauf::speichereErgebnisse(const wxString& schritt)
{
    // In the order the tournament lists them, in which a bracket's later matches
    // come after those they follow from, as undo puts them back.
    // Between two changes the matches stay where they are, so their places in the
    // list tell which changed; the step names them by their identities.
    const int i = m_Tag->getGeaenderte();
    clTurnier* turnier = m_Tag->getKonkurrenz(i);
    if (turnier == nullptr || static_cast<size_t>(i) >= m_Stand.size())
        return;
    std::vector<eingaben>& stand = m_Stand[static_cast<size_t>(i)];
    std::vector<sSpielKennung> kennungen;
    const std::vector<clTTSpiel*> spiele = turnier->getAlleSpiele(&kennungen);
    std::vector<clErgebnisBefehl::sAenderung> aenderungen;
    const clTTSpiel* erstes = nullptr;
    for (size_t k = 0; k < spiele.size() && k < stand.size(); ++k)
    {
        if (spiele[k]->getEingaben() != stand[k])
        {
            aenderungen.push_back({kennungen[k], stand[k], spiele[k]->getEingaben()});
            stand[k] = aenderungen.back().nachher;
            if (erstes == nullptr)
                erstes = spiele[k];
        }
    }
    if (aenderungen.empty())
        return;
    // On a day of several classes the step names the class.
    const wxString ort = m_Tag->getAnzahl() > 1 ? m_Tag->getName(i) + ", " : wxString();
    const wxString name = !schritt.empty() ? schritt
                          : aenderungen.size() == 1
                              ? wxString::Format(_("Ergebnis %s%s"), ort, turnier->getSpielort(erstes))
                              : wxString(_("Ergebnisse"));
    Store(new clErgebnisBefehl(m_Tag, m_Tag->getKennung(i), name, std::move(aenderungen),
                               turnier->getSpielbetrieb().getVerworfene()));
}

void clBefehlsverlauf::turnierWirdGeaendert(modAenderung)
{
    if (!m_Wiedergabe)
        m_Vorher = m_Tag->getAbbild();
}

void clBefehlsverlauf::turnierGeaendert(modAenderung art, const wxString& schritt)
{
    if (m_Wiedergabe)
    {
        // The observers after this one see whether the step leads back to the saved state.
        m_Tag->setGeaendert(!m_ZielGesichert);
        return;
    }
    switch (art)
    {
    case aendNeu:
    case aendGeladen:
        m_Vorher.clear();
        neuerVerlauf();
        // A new tournament with general data typed for it is saved nowhere yet.
        m_GesichertVerloren = m_Tag->istGeaendert();
        break;
    case aendAbbild:
        break;
    case aendTeilnehmer:
    case aendAllgemein:
    case aendAuslosung:
    case aendAufruf:
    case aendKonkurrenzen:
        // A step only when something was taken over.
        if (!m_Vorher.empty() && m_Vorher != m_Tag->getAbbild())
            Store(new clAbbildBefehl(m_Tag, schritt, std::move(m_Vorher)));
        m_Vorher.clear();
        break;
    case aendErgebnis:
        speichereErgebnisse(schritt);
        return;
    }
    merkeStand();
}
