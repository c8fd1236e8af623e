#pragma once
// Skins made by older versions of the designer named new objects "Frame1", "Button2" and so on. When such a
// skin is loaded, those default names take today's form ("SkinFrameWnd1", "SkinButton2"). Only a whole old
// default name (the old text followed by digits) is one; any other name is the author's own and stays.

#include <string>

class SkinSession;

// The name an object of the kind at typeBase takes; the same name when it is no old default name.
std::string ModernDefaultName(int typeBase, const std::string& name);
// Renames every object of the session's document that has an old default name, as one undoable step, so
// the skin counts as modified (undoing it gives back the names the file holds). Returns how many were
// renamed.
int RenameLegacyNames(SkinSession& session);
