#pragma once
// The pictures of the "Amberline" sample's containers: the MDI client's workspace, the control bar, the
// group box, the static, the dialog and the free-form window (the rebar wears the toolbar's band and gripper). As in
// SampleArtwork.h, each rectangle the skin refers to is named beside the drawing that fills it; index 1 of
// a pair is the disabled look.

#include <QImage>
#include <QRect>

namespace amber {

// --- Amber_Panels.png ---
QRect ClientTile();                   // a small woven tile, repeated over the workspace
QRect ControlBarBackground();
inline constexpr int kGroupCaptionBand = 16;  // the group frame's top slice: the caption band's height
inline constexpr int kGroupSide = 6;          // its left and right slices, which inset the caption
QRect GroupFrame(bool disabled);
QRect GroupCaption(bool disabled);
QRect StaticBackground(bool disabled);
QRect DialogBackground();
QImage PanelsPicture();

// --- Amber_Shape.png: the free-form window, a rounded cream window under an amber caption, active then
//     inactive side by side; everything outside the rounded outline is the key colour ---
inline constexpr int kShapeWidth = 200;
inline constexpr int kShapeHeight = 150;
QRect ShapeWindow(bool inactive);
QImage ShapePicture();

}  // namespace amber
