#pragma once
// The "Amberline" sample's switches and containers: one check box, radio box, trackbar, spin, tab control,
// MDI client, control bar, rebar, group box, static, dialog and free-form window, and the pictures they use.

#include <string>
#include <vector>

#include "SampleControls.h"

class CSkinDocument;

namespace amber {

std::vector<NamedPicture> SwitchPictures();

// Creates and describes the twelve objects; the static belongs to the frame `frameId`, as the project tree
// creates a static under a frame. The pictures (and the toolbar's, which the rebar wears) must have been
// added first. False, with the reason in `error`, when the document refuses an object.
bool AddSwitchesAndContainers(CSkinDocument& doc, int frameId, std::string* error);

}  // namespace amber
