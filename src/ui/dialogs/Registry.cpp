#include "ui/dialogs/Registry.h"

#include "ui/Handles.h"
#include "ui/graphics/Surfaces.h"

#include <map>
#include <memory>

namespace {
// Ordered maps keep records at stable addresses and iterate in creation order.
std::map<Handle, std::unique_ptr<DialogRecord>> dialogs;
std::map<Handle, std::unique_ptr<ControlRecord>> controls;
} // namespace

DialogRecord* FindDialog(Handle dialog) {
    const auto it = dialogs.find(dialog);
    return it == dialogs.end() || it->second->ended ? nullptr : it->second.get();
}

DialogRecord* FindDialogRecord(Handle dialog) {
    const auto it = dialogs.find(dialog);
    return it == dialogs.end() ? nullptr : it->second.get();
}

ControlRecord* FindControl(Handle control) {
    const auto it = controls.find(control);
    if (it == controls.end() || !FindDialog(it->second->dialog)) return nullptr;
    return it->second.get();
}

ControlRecord* FindControlById(Handle dialog, std::int32_t id) {
    if (!FindDialog(dialog)) return nullptr;
    for (auto& [handle, record] : controls) {
        if (record->dialog == dialog && record->id == id) return record.get();
    }
    return nullptr;
}

ControlRecord* FindControlByWindow(const void* widget) {
    if (!widget) return nullptr;
    for (auto& [handle, record] : controls) {
        if (record->widget == widget) return FindControl(handle);
    }
    return nullptr;
}

DialogRecord& AddDialogRecord(Handle handle) {
    auto& slot = dialogs[handle];
    slot = std::make_unique<DialogRecord>();
    return *slot;
}

ControlRecord& AddControlRecord(Handle handle) {
    auto& slot = controls[handle];
    slot = std::make_unique<ControlRecord>();
    slot->handle = handle;
    return *slot;
}

void RemoveDialogRecords(Handle dialog) {
    for (auto it = controls.begin(); it != controls.end();) {
        if (it->second->dialog != dialog) {
            ++it;
            continue;
        }
        // A graphic control's surface is kept under its handle, which
        // therefore stays in use.
        if (!SurfaceSize(it->first, nullptr, nullptr)) ReleaseHandle(it->first);
        it = controls.erase(it);
    }
    if (dialogs.erase(dialog) != 0) ReleaseHandle(dialog);
}

void ForEachControlRecord(void (*visit)(ControlRecord&, void*), void* context) {
    for (auto& [handle, record] : controls) {
        if (FindControl(handle)) visit(*record, context);
    }
}
