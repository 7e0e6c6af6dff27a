#pragma once
// Internal to src/ui: the backend's font object of a font number, made on
// first use; the dialogs' own font for a number the table does not hold, and
// nullptr without a backend.

#include <cstdint>

void* BackendFontOf(std::int32_t number);
