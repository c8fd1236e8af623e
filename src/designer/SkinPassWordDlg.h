#pragma once
// Asks for the password of a protected skin while opening it. The typed characters stay visible, and the
// field takes at most seven: the package has room for no more.

#include <QDialog>

class QLineEdit;

class CSkinPassWordDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSkinPassWordDlg(QWidget* parent = nullptr);
    QString Password() const;
    QLineEdit* Edit() const { return m_edit; }

private:
    QLineEdit* m_edit;
};
