#pragma once
// Changes the skin password (the application page's "PassWord" item).

#include <QUndoCommand>
#include <string>

#include "designer/SkinSession.h"

class SetPasswordCommand : public QUndoCommand {
public:
    SetPasswordCommand(SkinSession& session, std::string password);
    void undo() override;
    void redo() override;

private:
    void Apply(const std::string& password);
    SkinSession& m_session;
    std::string m_before;
    std::string m_after;
};
