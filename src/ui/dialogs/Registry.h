#pragma once
// The records the dialog services keep per dialog and per control, found by
// handle. Internal to src/ui. The window, control and run of a record are
// the backend's (ui/Backend.h), kept as its opaque pointers.

#include "ui/Types.h"

#include <cstdint>

struct DialogRecord {
    Handle owner = 0;
    std::int32_t units = 0;
    std::uint32_t style = 0;
    void* window = nullptr;
    WindowProc handler = nullptr;
    std::int32_t* result = nullptr;
    bool running = false;  // inside RunModal
    bool ending = false;   // EndModal is under way (its WM_CLOSE is being handled)
    bool ended = false;    // EndModal was called; the handle names nothing any more
    void* loop = nullptr;   // the backend's local loop while the run waits
};

struct ControlRecord {
    Handle handle = 0;
    Handle dialog = 0;
    std::int32_t id = 0;
    void* widget = nullptr;
    WindowProc procedure = nullptr;
    std::int32_t font = 1;
};

// Live records only: an ended dialog and its controls are not found.
DialogRecord* FindDialog(Handle dialog);
ControlRecord* FindControl(Handle control);
ControlRecord* FindControlById(Handle dialog, std::int32_t id);
// The control whose backend window that is.
ControlRecord* FindControlByWindow(const void* widget);

// Any record, ended or not: for the services' own bookkeeping.
DialogRecord* FindDialogRecord(Handle dialog);

DialogRecord& AddDialogRecord(Handle handle);
ControlRecord& AddControlRecord(Handle handle);

// Forgets a dialog and its controls, and gives their handles back; the
// dialog's window is the caller's.
void RemoveDialogRecords(Handle dialog);

void ForEachControlRecord(void (*visit)(ControlRecord&, void*), void* context);
