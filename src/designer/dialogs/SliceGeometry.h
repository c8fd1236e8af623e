#pragma once
// Checks on an image reference against its picture that the Skin Image Editor shows as a warning line.

#include <QSize>
#include <QString>

#include "Resource/SkinRecords.h"

// Empty when the reference is fine or there is no picture to check against; otherwise one sentence per
// problem: an empty rectangle, a rectangle leaving the picture, corners wider or taller than the rectangle.
QString SliceWarning(const SkinImageBase& image, QSize picture);

// The mode fields of a reference in the editor's order: left, right, top, bottom, client.
enum class EdgeMode { Left, Right, Top, Bottom, Client };
int& ModeRef(SkinImageBase& image, EdgeMode mode);
int ModeOf(const SkinImageBase& image, EdgeMode mode);
bool AllModes(const SkinImageBase& image, bool stretch);
