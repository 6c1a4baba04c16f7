#pragma once
// The control panel's pictures, looked up by their resource numbers: bitmap 169 is the
// resource "BITMAP_169", frame f of animation 128 is "AVI_128_<f>", icon 128 "ICON_128".

#include <QImage>

// A null image when the program has no such picture.
QImage PanelBitmap(int resourceId);
QImage PanelIcon(int resourceId);
// The frames of an animation, in order, until the first one missing.
QList<QImage> PanelAnimation(int resourceId);
