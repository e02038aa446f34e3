#ifndef CLTEILNEHMERIMPORT_H
#define CLTEILNEHMERIMPORT_H

#include <wx/string.h>

#include "modell/clTeilnehmer.h"

// Reads participants from text as it comes from a spreadsheet, a CSV file or a
// hand-written list, one participant a line, into rows that the participants
// table puts in.
//
// Each line is one of:
// - fields separated by Tab or ';': first name, surname, display name, club,
//   rating, as the participants page shows them;
// - fields separated by ',': "Name, Vorname", then display name, club, rating;
// - words: "Vorname Name"; the last word is the surname together with the
//   lower-case words before it ("Ludwig van Beethoven"), a single word is the
//   first name.
// Fields may be quoted as spreadsheets write them, with separators and line
// breaks inside the quotes; the separator is guessed outside them. Blanks around
// and between the words of a name count as one, as does a line break inside a
// name; lines without any name are skipped. A line that names columns
// ("Vorname", "Name", "Nachname", "Anzeige", "Verein", "TTR", "Q-TTR", "Rating")
// is a header, no participant: the lines after it are split at its separator and
// read in its order of columns, columns of other names are left out.
//
// A list of pairs (paare) has the partner's first name, surname, club and rating
// after the first person's fields, in the same order of first name and surname,
// or "Anna Meier / Berta Schulz" as words; a header names them "Partner Vorname",
// "Partner Name", "Partner Verein" and "Partner TTR".
class clTeilnehmerImport
{
public:
    static vecEditListe zerlege(const wxString& text, bool paare = false);
    // Reads a participant list, UTF-8, Windows-1252 or UTF-16 with its byte order
    // mark. On failure zeilen stays untouched and fehler says why, naming the file.
    static bool liesDatei(const wxString& pfad, vecEditListe& zeilen, wxString* fehler, bool paare = false);
};

#endif
