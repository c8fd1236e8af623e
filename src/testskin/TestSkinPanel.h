#pragma once
// What the test window holds inside its frame: one of every control the skin can dress, each in the states
// a skin author wants to see side by side (normal, default, checked, three-state, disabled), a progress
// bar that keeps moving, tab widgets with their tabs on each side, an MDI area with a child window, a tool
// bar with the frame picker and a status bar.

#include <QStringList>

class QComboBox;
class QLabel;
class QMdiArea;
class QProgressBar;
class QWidget;

struct TestSkinPanel {
    QLabel* status = nullptr;        // reload and failure messages
    QComboBox* framePicker = nullptr;
    QProgressBar* progress = nullptr;
    QMdiArea* mdiArea = nullptr;
};

// Fills panel (which must have no layout yet) with the controls.
TestSkinPanel BuildTestPanel(QWidget* panel);

// Lists the frames a skin has in framePicker in collection order, choosing the one at current; the picker is disabled with one frame.
void FillFramePicker(QComboBox* framePicker, const QStringList& frames, int current);
