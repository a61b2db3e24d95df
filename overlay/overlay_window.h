// The borderless window that carries the tint.
#pragma once

#include "runtime/form.h"

extern runtime::Form OverlayWindow;

void OnOverlayWindowCreated();
