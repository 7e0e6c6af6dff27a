#pragma once
// The mouse pointer over the window that has the pointer.

#include <cstdint>

// Shapes are the PointerShape values of ui/dialogs/Styles.h. The shape holds
// until it is set again.
void SetMousePointer(std::int32_t shape);

// The shape last set (for tests).
std::int32_t CurrentMousePointer();
