#pragma once
// Base of the in-place editors. An editor only shows and edits a value; it never sees the item it edits
// (the grid resolves the row when the editor asks to commit), so an editor outliving its row is harmless.

#include <QVariant>
#include <QWidget>

class QToolButton;

namespace vd {

class PropertyEditor : public QWidget {
    Q_OBJECT

public:
    explicit PropertyEditor(QWidget* parent = nullptr) : QWidget(parent) {}

    // The edited value; invalid when the current input does not parse (the grid then reverts the editor).
    virtual QVariant value() const = 0;
    // Shows a value without asking for a commit.
    virtual void setValue(const QVariant& value) = 0;
    // The widget that takes the keyboard focus when the row is entered.
    virtual QWidget* focusTarget() { return this; }
    // Selects the editable text, if any, so typing replaces it.
    virtual void selectAll() {}
    // A click on the value cell that opened this editor (a check box toggles on it).
    virtual void activateByClick(const QPoint& posInEditor) { Q_UNUSED(posInEditor); }
    // Left inset of the editor's content, so painted values and editors line up.
    static constexpr int kContentInset = 4;
    // The "..." button of editors that open a dialog.
    static QToolButton* makeEllipsisButton(QWidget* parent);

protected:
    // Lays out an editor that opens a dialog: `leading` (or empty room) and then the "..." button, which
    // takes the focus so Tab, Enter and Escape reach the editor and Space opens the dialog.
    QToolButton* addDialogButton(QWidget* leading = nullptr);

signals:
    // The editor has a finished value (a list choice, a dialog's OK, a toggled box).
    void commitRequested();
};

}  // namespace vd
