#pragma once
// The skin being edited in the designer: the current document, its undo stack and the one change signal
// the tree, the property grid and the view listen to. Undo commands are the only writers of the document.

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "Resource/SkinDocument.h"

struct DocumentChange {
    enum Kind { Replaced, ObjectAdded, ObjectRemoved, ObjectChanged, PasswordChanged };
    Kind kind = Replaced;
    int id = 0;  // the object's ID; 0 for Replaced and PasswordChanged
};

class SkinSession : public QObject {
    Q_OBJECT
public:
    explicit SkinSession(QObject* parent = nullptr);
    ~SkinSession() override;

    CSkinDocument& Document() const { return *m_document; }
    QUndoStack& UndoStack() { return m_undo; }

    // Takes a new document (New, Open, Load Sample): the undo history starts again and the skin counts as
    // unmodified.
    void Replace(std::unique_ptr<CSkinDocument> document);
    bool IsModified() const { return !m_undo.isClean(); }
    void MarkSaved() { m_undo.setClean(); }

    // What hands an edit still open in the user interface (a value being typed in the grid) to the document;
    // Undo and Redo run it first, so they act on the document the user sees.
    void SetPendingEditCommitter(std::function<void()> commit) { m_commitPending = std::move(commit); }
    void Undo();
    void Redo();

    // For undo commands only: announce what they changed.
    void Notify(DocumentChange change) { emit changed(change); }

signals:
    void changed(const DocumentChange& change);
    void modifiedChanged(bool modified);

private:
    std::unique_ptr<CSkinDocument> m_document;
    QUndoStack m_undo;
    std::function<void()> m_commitPending;
};
