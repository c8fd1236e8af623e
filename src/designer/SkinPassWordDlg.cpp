#include "designer/SkinPassWordDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "Resource/PackageFormat.h"

CSkinPassWordDlg::CSkinPassWordDlg(QWidget* parent) : QDialog(parent), m_edit(new QLineEdit(this)) {
    setWindowTitle(tr("Try Open the Rss"));
    m_edit->setObjectName(QStringLiteral("password"));
    m_edit->setMaxLength(static_cast<int>(vd::kMaxPasswordLength));
    // Said up front, so an eighth character that does not appear is no surprise.
    m_edit->setPlaceholderText(tr("at most %1 characters").arg(vd::kMaxPasswordLength));
    auto* form = new QFormLayout;
    form->addRow(tr("PassWord"), m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please put in password!"), this));
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString CSkinPassWordDlg::Password() const { return m_edit->text().left(static_cast<int>(vd::kMaxPasswordLength)); }
