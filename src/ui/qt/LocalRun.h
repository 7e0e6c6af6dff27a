#pragma once
// Runs a dialog of Qt's own (a message box, a file chooser) without blocking
// the program's other windows: the dialog is shown non-modal and a local event
// loop waits for it to finish. Internal to src/ui/qt.

class QDialog;

// Centres the dialog on the work area of the primary screen, at the size its
// builder gave it or else at its own, shows it, brings it to the front and
// returns the dialog's result when it is done.
int RunUntilFinished(QDialog& dialog);
