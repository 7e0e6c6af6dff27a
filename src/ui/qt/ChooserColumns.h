#pragma once
// The file chooser's detail view: every column readable. Internal to src/ui/qt.

class QFileDialog;

// Shows sizes and dates in the default locale, as the type names already
// are, sizes each column to its widest text as the folder's details arrive,
// and makes the chooser wide enough for all four columns. Call before the
// chooser is shown.
void FitChooserColumns(QFileDialog& chooser);
