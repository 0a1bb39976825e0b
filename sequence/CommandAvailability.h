#pragma once

#include "sequence/TableState.h"

// Which commands of the main window can act in a given situation. A command
// that cannot act is disabled, so that no button or menu item does nothing
// without saying so. The window applies this after every change of the
// marks, the rows, the active sequence, the clipboard, playback or upload.
namespace CommandAvailability {

enum Command : unsigned
{
    Append = 1u << 0,       // cmdWeiter
    Insert = 1u << 1,       // cmdEinfügen
    Change = 1u << 2,       // cmdÄndern
    Delete = 1u << 3,       // cmdLöschen
    CreateLoop = 1u << 4,   // cmdSchleife
    RemoveLoop = 1u << 5,   // cmdSchleife_L
    Send = 1u << 6,         // cmdDaten
    Copy = 1u << 7,         // List_1(1)
    Cut = 1u << 8,          // List_1(2)
    PasteAtFocus = 1u << 9, // List_1(3)
    PasteAtEnd = 1u << 10,  // List_1(4)
    // The Edit menu's tools (ComposeTools).
    SelectAll = 1u << 11,
    Mirror = 1u << 12,
    Reverse = 1u << 13,
    Scale = 1u << 14,
    Pattern = 1u << 15,
    Farewell = 1u << 16,
};

struct Situation
{
    TableState table;       // the active table with its marks and focused row
    bool showEmpty = false; // the unlock sequence has no rows and no greeting light is on
    bool clipboardEmpty = true;
    bool playing = false;    // playback runs: nothing may change the table under it
    bool uploading = false;  // the module link is busy
    bool unlockEmpty = true; // the unlock sequence has no rows (nothing to make a farewell from)
};

// The commands (Command bits) that can act.
unsigned available(const Situation& s);

} // namespace CommandAvailability
