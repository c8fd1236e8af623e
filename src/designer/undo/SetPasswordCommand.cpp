#include "designer/undo/SetPasswordCommand.h"

SetPasswordCommand::SetPasswordCommand(SkinSession& session, std::string password)
    : QUndoCommand(QStringLiteral("Change password")), m_session(session),
      m_before(session.Document().Password()), m_after(std::move(password)) {}

void SetPasswordCommand::Apply(const std::string& password) {
    m_session.Document().SetPassword(password);
    m_session.Notify(DocumentChange{DocumentChange::PasswordChanged, 0});
}

void SetPasswordCommand::undo() { Apply(m_before); }
void SetPasswordCommand::redo() { Apply(m_after); }
