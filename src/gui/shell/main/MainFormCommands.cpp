// MainFormCommands.cpp: the menus, their entries and the toolbar buttons of the
// main window with their designed (Italian) captions, shortcuts and handlers.
// Entries without a handler belong to work not in this build: they are shown
// disabled.
#include "shell/main/MainFormCommands.h"

#include "shell/main/TMainForm.h"

namespace quor {

const std::vector<MenuDef>& MainFormMenus()
{
    static const std::vector<MenuDef> menus = {
        {"FileMenu", "&File", ""},
        {"EditMenu", "&Modifica", "e"},
        {"SearchMenu", "&Cerca", "e"},
        {"InsertMenu", "&Inserisci", "e"},
        {"FormatMenu", "F&ormato", "e"},
        {"HypertextMenu", "&Ipertesto", ""},
        {"GoToPageMenu", "&Vai a pagina", ""},
        {"PublishMenu", "&Pubblica", "e"},
        {"BrowserMenu", "&Anteprima nel browser", ""},
        {"ToolsMenu", "S&trumenti", "e"},
        {"HelpMenu", "&?", ""},
    };
    return menus;
}

const std::vector<CommandDef>& MainFormCommands()
{
    static const std::vector<CommandDef> commands = {
        {"FileMenu", "FileNewItem", "&Nuovo ipertesto", "Ctrl+N", &TMainForm::NewHypertext, ""},
        {"FileMenu", "Nuovoda1", "Nuovo &da...", "", nullptr, ""},
        {"FileMenu", "FileOpenItem", "&Apri...", "Ctrl+F12", &TMainForm::OpenFile, ""},
        {"FileMenu", "Importa1", "&Importa pagine...", "", nullptr, "e"},
        {"FileMenu", "Nuovapagina2", "Aggiungi nuova pa&gina", "", nullptr, "e"},
        {"FileMenu", "Trovafile1", "&Trova file...", "Ctrl+F10", nullptr, ""},
        {"FileMenu", "Prendiipertesto1", "Prendi ipertesto dalla rete...", "", nullptr, ""},
        {"FileMenu", "-", "", "", nullptr, ""},
        {"FileMenu", "FileSaveItem", "&Salva tutto", "Ctrl+S", &TMainForm::SaveAll, ""},
        {"FileMenu", "FileSaveAsItem", "Salva &con nome...", "", &TMainForm::SaveAs, ""},
        {"FileMenu", "Salvacomemodello1", "Salva come &modello...", "", &TMainForm::SaveAsTemplate, ""},
        {"FileMenu", "Esporta1", "&Esporta pagine...", "Ctrl+E", &TMainForm::ExportPages, "e"},
        {"FileMenu", "Listapagine1", "&Lista pagine...", "", nullptr, ""},
        {"FileMenu", "-", "", "", nullptr, ""},
        {"FileMenu", "Impostastampante1", "Imposta stampante...", "", nullptr, ""},
        {"FileMenu", "Impostamargini1", "Imposta margini...", "", nullptr, ""},
        {"FileMenu", "FilePrintItem", "S&tampa...", "", nullptr, ""},
        {"FileMenu", "Stampapagina1", "Stampa pagina corrente", "", nullptr, ""},
        {"FileMenu", "Stampatutto1", "Stampa tutto", "", nullptr, ""},
        {"FileMenu", "-", "", "", nullptr, ""},
        {"FileMenu", "FileExitItem", "&Esci", "Alt+X", &TMainForm::Exit, ""},
        {"EditMenu", "EditUndoItem", "&Annulla", "Alt+Backspace", nullptr, ""},
        {"EditMenu", "Annullalista1", "Lista annullamenti...", "", nullptr, ""},
        {"EditMenu", "EditRedoItem", "&Ripeti", "", nullptr, ""},
        {"EditMenu", "Ripetilista1", "Lista ripetizioni...", "", nullptr, ""},
        {"EditMenu", "-", "", "", nullptr, ""},
        {"EditMenu", "EditCutItem", "&Taglia", "Shift+Del", nullptr, ""},
        {"EditMenu", "EditCopyItem", "&Copia", "Ctrl+Ins", nullptr, ""},
        {"EditMenu", "EditPasteItem", "&Incolla", "Shift+Ins", nullptr, ""},
        {"EditMenu", "Incollapaginada1", "Incolla pagina da...", "", nullptr, ""},
        {"EditMenu", "-", "", "", nullptr, ""},
        {"EditMenu", "Selezionabrano1", "Seleziona &tutto", "Ctrl+F2", &TMainForm::SelectAll, ""},
        {"SearchMenu", "Cerca1", "&Cerca...", "Ctrl+F", nullptr, ""},
        {"SearchMenu", "Sostituisci1", "Cerca/&sostituisci...", "Ctrl+R", nullptr, ""},
        {"SearchMenu", "Ripetinellapagina1", "Ripeti nella pagina", "F3", nullptr, ""},
        {"SearchMenu", "Ripetinellipertesto1", "Ripeti nell'ipertesto", "F4", nullptr, ""},
        {"SearchMenu", "Cercaperparolachiave1", "Cerca per parola chiave...", "Ctrl+F3", nullptr, ""},
        {"InsertMenu", "Simbolo1", "Simbolo...", "Shift+F2", nullptr, ""},
        {"InsertMenu", "Immagine1", "&Immagine/mappa...", "Ctrl+I", nullptr, ""},
        {"InsertMenu", "Tabella1", "&Tabella...", "Ctrl+T", nullptr, ""},
        {"InsertMenu", "Cornicelibera1", "Cornice &libera...", "", nullptr, ""},
        {"InsertMenu", "Animazione1", "&Animazione/suono...", "", nullptr, ""},
        {"InsertMenu", "Embed1", "Embed/Java/ActiveX...", "", nullptr, ""},
        {"InsertMenu", "Componente1", "Componente personalizzato...", "", nullptr, ""},
        {"InsertMenu", "-", "", "", nullptr, ""},
        {"InsertMenu", "Filesditesto1", "File di testo...", "", nullptr, ""},
        {"InsertMenu", "Nuovapagina1", "Nuova pagina", "Ctrl+Shift+N", nullptr, ""},
        {"InsertMenu", "-", "", "", nullptr, ""},
        {"InsertMenu", "Autocollegamento1", "Autocollegamento", "Shift+F6", nullptr, ""},
        {"InsertMenu", "Collegamento1", "&Collegamento...", "Ctrl+F5", nullptr, ""},
        {"InsertMenu", "Collegamentospeciale1", "Collegamento &speciale...", "F5", nullptr, ""},
        {"InsertMenu", "Ancora1", "&Ancora", "Shift+F5", nullptr, ""},
        {"FormatMenu", "Carattere1", "&Carattere...", "", nullptr, ""},
        {"FormatMenu", "Normale1", "N&ormale", "", &TMainForm::PositionNormal, ""},
        {"FormatMenu", "Apice1", "&Apice", "", &TMainForm::PositionSuperscript, ""},
        {"FormatMenu", "Pedice1", "&Pedice", "", &TMainForm::PositionSubscript, ""},
        {"FormatMenu", "-", "", "", nullptr, ""},
        {"FormatMenu", "Stili1", "&Stili...", "", nullptr, ""},
        {"FormatMenu", "Proprietacollegamento1", "Propriet\xe0" " collegamento...", "", nullptr, ""},
        {"FormatMenu", "Seguicollegamento1", "Segui colle&gamento (doppio clic)", "F9", &TMainForm::FollowLinkAtCaret, "a"},
        {"FormatMenu", "Proprietapagina1", "Propriet\xe0" " pagina...", "Ctrl+F11", nullptr, ""},
        {"FormatMenu", "-", "", "", nullptr, ""},
        {"FormatMenu", "Salvalayoutcornici1", "Salva layout cornici...", "", &TMainForm::SaveFrameLayout, ""},
        {"FormatMenu", "Caricalayoutcornici1", "Carica layout cornici...", "", &TMainForm::LoadFrameLayout, ""},
        {"HypertextMenu", "Copertina1", "&Copertina", "", &TMainForm::GoToCover, "a"},
        {"HypertextMenu", "Indice1", "&Indice", "", &TMainForm::GoToContents, "a"},
        {"HypertextMenu", "-", "", "", nullptr, ""},
        {"HypertextMenu", "SolaLettura1", "Sola &lettura", "F11", &TMainForm::ToggleReadOnly, "ac"},
        {"HypertextMenu", "Mostracornici1", "Mostra cornici", "", &TMainForm::ToggleShowFrames, "ec"},
        {"HypertextMenu", "Ricaricapagina1", "Ricarica pagina", "", &TMainForm::ReloadPage, "p"},
        {"HypertextMenu", "-", "", "", nullptr, ""},
        {"HypertextMenu", "Paginaprecedente1", "Pagina &precedente", "", &TMainForm::HistoryPrevious, "a"},
        {"HypertextMenu", "Paginasuccessiva1", "Pagina &successiva", "", &TMainForm::HistoryNext, "a"},
        {"HypertextMenu", "Paginapiu1", "Pagina +1", "Ctrl++", &TMainForm::PagePlusOne, "a"},
        {"HypertextMenu", "Paginameno1", "Pagina -1", "Ctrl+-", &TMainForm::PageMinusOne, "a"},
        {"HypertextMenu", "@GoToPageMenu", "", "", nullptr, ""},
        {"HypertextMenu", "-", "", "", nullptr, ""},
        {"HypertextMenu", "Slides1", "Slides...", "", nullptr, ""},
        {"HypertextMenu", "Album1", "Album...", "F12", nullptr, ""},
        {"HypertextMenu", "Parolechiave1", "Parole chiave...", "", nullptr, "e"},
        {"HypertextMenu", "Proprietaipertesto1", "Propriet\xe0" " ipertesto...", "", nullptr, "e"},
        {"HypertextMenu", "Cancellapagine1", "Cancella pagine...", "", nullptr, "e"},
        {"GoToPageMenu", "Tuttelepagine1", "Tutte le pagine...", "", nullptr, ""},
        {"GoToPageMenu", "N37", "-", "", nullptr, ""},
        {"PublishMenu", "InternetFtp1", "Pubblica ipertesto via FTP...", "Ctrl+P", nullptr, ""},
        {"PublishMenu", "InternetQuor1", "Pubblica su server Quor...", "", nullptr, ""},
        {"PublishMenu", "@BrowserMenu", "", "", nullptr, ""},
        {"PublishMenu", "EsportaHtml1", "Esporta Html...", "", &TMainForm::ExportPages, ""},
        {"PublishMenu", "Cdrom1", "Cd-Rom", "", nullptr, ""},
        {"BrowserMenu", "Paginacorrente1", "Pagina corrente nel browser predefinito", "Ctrl+A", &TMainForm::PreviewCurrentPage, "a"},
        {"BrowserMenu", "Tuttoipertesto1", "Tutto l'ipertesto nel browser predefinito", "", &TMainForm::PreviewAllPages, "a"},
        {"BrowserMenu", "N28", "-", "", nullptr, ""},
        {"BrowserMenu", "Opzionibrowser1", "Opzioni e impostazione altri browser...", "", nullptr, ""},
        {"ToolsMenu", "Controllopagina1", "Controllo ortografico pagina", "F7", nullptr, ""},
        {"ToolsMenu", "Controlloipertesto1", "Controllo ortografico ipertesto", "Ctrl+F7", nullptr, ""},
        {"ToolsMenu", "Barrestrumenti1", "Barre strumenti...", "", nullptr, ""},
        {"ToolsMenu", "Finestre1", "Finestre...", "Alt+0", nullptr, ""},
        {"ToolsMenu", "Opzioniprogramma1", "Opzioni programma...", "", nullptr, ""},
        {"HelpMenu", "Indice2", "&Indice", "", &TMainForm::Refocus, "a"},
        {"HelpMenu", "Aiutosu1", "&Aiuto su...", "", &TMainForm::Refocus, "a"},
        {"HelpMenu", "Informazioni1", "&Informazioni...", "", &TMainForm::ShowAbout, "a"},
        {"HelpMenu", "Presentazione1", "Presentazione rapida", "", nullptr, ""},
        {"HelpMenu", "Esempi1", "&Esempi", "", &TMainForm::OpenExamples, "a"},
        {"HelpMenu", "LealtreversionidiQuor1", "Le altre versioni di Quor", "", nullptr, ""},
    };
    return commands;
}

const std::vector<ToolbarDef>& MainFormToolbars()
{
    static const std::vector<ToolbarDef> toolbars = {
        {"ToolbarFile", "Principale", {
            {"", "BPrecedente", "Precedente", "", &TMainForm::HistoryPrevious, "a"},
            {"", "Bseguente", "Seguente", "", &TMainForm::HistoryNext, "a"},
            {"", "BFileOpen", "Apri", "", &TMainForm::OpenFile, "a"},
            {"", "BSaveAll", "Salva tutto", "", &TMainForm::SaveAll, "a"},
            {"", "BFileExport", "Esporta", "", &TMainForm::ExportPages, "e"},
            {"", "PrintButton", "Stampa", "", nullptr, "a"},
            {"", "EditButton", "Modifica", "", &TMainForm::ToggleEditButton, "ac"},
            {"", "BCopertina", "Copertina", "", &TMainForm::GoToCover, "a"},
            {"", "BIndice", "Indice", "", &TMainForm::GoToContents, "a"},
            {"", "KeySearchButton", "Parole chiave", "", nullptr, "a"},
            {"", "NewButton", "Nuovo", "", &TMainForm::NewHypertext, "e"},
        }},
        {"ToolbarFormato", "Formato", {
            {"", "FontButton", "Carattere", "", nullptr, "e"},
            {"", "BoldButton", "G", "", &TMainForm::ToggleBold, "ec"},
            {"", "ItalicButton", "C", "", &TMainForm::ToggleItalic, "ec"},
            {"", "LinkButton", "Collegamento", "", nullptr, "e"},
        }},
        {"ToolbarParag", "Paragrafi", {
            {"", "LeftAlign", "Sinistra", "", &TMainForm::AlignLeft, "ec"},
            {"", "CenterAlign", "Centro", "", &TMainForm::AlignCenter, "ec"},
            {"", "RightAlign", "Destra", "", &TMainForm::AlignRight, "ec"},
            {"", "BulletsButton", "Punti", "", &TMainForm::ToggleBullets, "ec"},
            {"", "NumberButton", "Numeri", "", &TMainForm::ToggleNumbers, "ec"},
            {"", "RiduciRientroButton", "<<", "", &TMainForm::DecreaseIndent, "e"},
            {"", "AumentaRientroButton", ">>", "", &TMainForm::IncreaseIndent, "e"},
        }},
        {"ToolbarHistory", "Pagine visitate", {
        }},
        {"ToolbarEdit", "Pagina", {
            {"", "BfileImport", "Importa", "", nullptr, "e"},
            {"", "NuovaPagina", "Nuova pagina", "", nullptr, "e"},
            {"", "KeyPageButton", "Parole chiave pagina", "", nullptr, "e"},
        }},
    };
    return toolbars;
}

} // namespace quor
