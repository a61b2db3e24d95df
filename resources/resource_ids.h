// Ids shared by the resource script and the code that loads the resources.
#pragma once

#define IDI_APPLICATION_ICON 1
#define IDR_RING_PICTURE 101
#define IDR_TINT_RECOMMENDED 200
#define IDR_TINT_BLACK 201
#define IDR_TINT_YELLOW 202
#define IDR_TINT_GREEN 203
#define IDR_TINT_RED 204
