#pragma once
// Merge identifiers of undo commands: consecutive commands with the same identifier on the same object
// merge into one step (dragging a slider or a grip, typing into one field).

enum UndoMergeId : int {
    kNoMerge = -1,
    kMergeGridEdit = 1,
    kMergeGripDrag = 2,
    kMergeSlider = 3,
};
