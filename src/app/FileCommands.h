#pragma once
// The "Archivos" menu's commands.

// Asks where to save (proposing the opened file) and writes the image there
// at its own size; tells the user how it went.
void SaveCommand();

// Shows the author's note.
void AboutCommand();
