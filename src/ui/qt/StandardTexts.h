#pragma once
// The language of the texts that Qt itself draws: the buttons, labels and
// columns of the file chooser, the message boxes' standard button.

// Makes Qt's own texts Spanish, whatever the system's language, as the
// program's texts are, and sets the default locale to Spanish (Spain) for the
// dates, sizes and type names the chooser shows. Call once, after the window
// services have started and before the first dialog is built. Without Qt's
// Spanish translation on the system, its texts stay English, and nothing is
// reported.
void UseSpanishStandardTexts();
