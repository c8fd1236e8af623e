#include "designer/SkinSession.h"

SkinSession::SkinSession(QObject* parent) : QObject(parent), m_document(std::make_unique<CSkinDocument>()) {
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

SkinSession::~SkinSession() {
    // Commands refer to the document; they go first.
    m_undo.clear();
}

void SkinSession::Replace(std::unique_ptr<CSkinDocument> document) {
    const bool wasModified = IsModified();
    m_undo.clear();
    m_document = std::move(document);
    emit changed(DocumentChange{DocumentChange::Replaced, 0});
    if (wasModified) emit modifiedChanged(false);
}

void SkinSession::Undo() {
    if (m_commitPending) m_commitPending();
    m_undo.undo();
}

void SkinSession::Redo() {
    if (m_commitPending) m_commitPending();
    m_undo.redo();
}
