#pragma once
// TEMPORARY: the surface interface the dialog services are written against;
// replaced by the drawing-surface implementation.
#include "ui/Types.h"

bool RegisterControlSurface(Handle control, int width, int height);
const Colour* SurfacePixels(Handle surface, int* width, int* height);
using ControlFinder = Handle (*)(Handle owner, int controlId);
using SurfacePresenter = void (*)(Handle control, int left, int top, int right, int bottom);
void SetControlFinder(ControlFinder finder);
void SetSurfacePresenter(SurfacePresenter presenter);
Handle CurrentSurface();
void AttachSurface(Handle owner, int id, bool deferred);
