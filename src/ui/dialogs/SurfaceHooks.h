#pragma once
// Internal to src/ui: installs the hooks through which the drawing surfaces
// find controls and have the backend show what was drawn on them.

void ConnectSurfacesToControls();
