// The settings window: its layout, its controls by their layout names, and its handlers.
#pragma once

#include "runtime/form.h"
#include "runtime/label.h"
#include "runtime/picture_box.h"
#include "runtime/slider.h"
#include "runtime/transparent_label.h"

extern runtime::Slider 滑块条1;  // opacity, 0..255
extern runtime::Slider 滑块条2;  // tint preset, 0..4
extern runtime::Slider 滑块条3;  // start at logon: 1 off, 2 on
extern runtime::Label 标签1;
extern runtime::Label 标签2;
extern runtime::PictureBox 图片框1;
extern runtime::TransparentLabel 透明标签1;
extern runtime::Form SettingsWindow;

void OnSettingsWindowCreated();
void OnOpacityChanged();
