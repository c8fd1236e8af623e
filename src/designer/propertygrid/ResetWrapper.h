#pragma once
// The one wrapper around every editor the grid opens: it adds the "reset to default" button and gives all
// editors the same keys. Enter commits, Escape reverts, Tab and Shift+Tab commit and move to the next or
// previous row, leaving the editor commits, and typing never reaches the application's shortcuts.
// It reports through signals only; the grid decides what they mean for its row.

#include <QKeySequence>
#include <QList>
#include <QPersistentModelIndex>
#include <QWidget>

class QToolButton;

namespace vd {

class PropertyEditor;

class ResetWrapper : public QWidget {
    Q_OBJECT

public:
    // Takes ownership of editor. The reset button exists only when the row has a default.
    ResetWrapper(PropertyEditor* editor, bool hasDefault, const QModelIndex& index, QWidget* parent);

    PropertyEditor* editor() const { return m_editor; }
    QModelIndex index() const { return m_index; }
    // Enabled while the value differs from the default.
    void setResetEnabled(bool enabled);
    QToolButton* resetButton() const { return m_reset; }

    // Whether a key press would be typed into an editor rather than be a command.
    static bool isEditingKey(const QKeyEvent* event);
    // Ctrl shortcuts the application may still act on while this editor has the keyboard (commands that
    // commit the edit first); every other Ctrl key stays with the editor.
    void setPassingShortcuts(const QList<QKeySequence>& shortcuts) { m_passing = shortcuts; }
    bool keepsShortcut(const QKeyEvent* event) const;

signals:
    void commitRequested();
    void revertRequested();
    void resetRequested();
    // +1 next row, -1 previous row.
    void navigateRequested(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* object);

    PropertyEditor* m_editor;
    QToolButton* m_reset = nullptr;
    QPersistentModelIndex m_index;
    QList<QKeySequence> m_passing;
};

}  // namespace vd
