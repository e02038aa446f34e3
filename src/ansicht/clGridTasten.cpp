#include "ansicht/clGridTasten.h"

#include <wx/textctrl.h>

namespace
{
bool istText(const wxKeyEvent& event)
{
    const wxChar zeichen = event.GetUnicodeKey();
    return zeichen != WXK_NONE && zeichen >= ' ' && zeichen != WXK_DELETE &&
           (event.GetModifiers() & ~wxMOD_SHIFT) == 0;
}
} // namespace

void clGridTasten::verbinde(wxGrid* grid)
{
    // Before the new editor has the focus: the character goes into it.
    grid->Bind(wxEVT_CHAR,
               [grid](wxKeyEvent& event)
               {
                   wxTextCtrl* editor = nullptr;
                   if (istText(event) && grid->IsCellEditControlShown())
                   {
                       wxGridCellEditor* ed =
                           grid->GetCellEditor(grid->GetGridCursorRow(), grid->GetGridCursorCol());
                       editor = wxDynamicCast(ed->GetControl(), wxTextCtrl);
                       ed->DecRef();
                   }
                   if (editor == nullptr || event.GetEventObject() == editor)
                   {
                       event.Skip();
                       return;
                   }
                   editor->WriteText(wxString(event.GetUnicodeKey()));
                   editor->SetFocus();
               });
    // After the old editor was closed but still has the focus: the character
    // starts the new cell's editor, as typed into the grid.
    grid->Bind(wxEVT_GRID_EDITOR_CREATED,
               [grid](wxGridEditorCreatedEvent& erzeugt)
               {
                   if (wxTextCtrl* editor = wxDynamicCast(erzeugt.GetControl(), wxTextCtrl))
                       editor->Bind(wxEVT_CHAR,
                                    [grid, editor](wxKeyEvent& event)
                                    {
                                        if (editor->IsShown() || !istText(event))
                                        {
                                            event.Skip();
                                            return;
                                        }
                                        grid->SetFocus();
                                        grid->GetGridWindow()->GetEventHandler()->ProcessEvent(event);
                                    });
                   erzeugt.Skip();
               });
}
