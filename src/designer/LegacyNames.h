#pragma once
// Skins made by older versions of the designer named new objects "Frame1", "Button2" and so on. When such a
// skin is loaded, those default names take today's form ("SkinFrameWnd1", "SkinButton2"), as they always
// have when the tree was filled. This is part of loading, so it is not an undoable edit.

#include <string>

class CSkinDocument;

// The name an object of the kind at typeBase takes; the same name when no rule applies.
std::string ModernDefaultName(int typeBase, const std::string& name);
// Renames every object of the document that has an old default name; returns how many were renamed.
int RenameLegacyNames(CSkinDocument& document);
