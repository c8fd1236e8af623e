#include "designer/dialogs/AboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "designer/ProductInfo.h"

CAboutDlg::CAboutDlg(OpenUrl openUrl, QWidget* parent)
    : QDialog(parent), m_openUrl(std::move(openUrl)), m_link(new QLabel(this)) {
    setWindowTitle(QStringLiteral("About Vornadesk"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/app-48.png")));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(vd::ProductVersionText(), this);
    name->setObjectName(QStringLiteral("productName"));
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    name->setFont(big);

    auto* blurb = new QLabel(QStringLiteral("Designer for window-skin packages (.rss)"), this);
    blurb->setObjectName(QStringLiteral("blurb"));

    const QString url = vd::HomePageUrl();
    m_link->setObjectName(QStringLiteral("homePageLink"));
    m_link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped()));
    m_link->setTextFormat(Qt::RichText);
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_link->setOpenExternalLinks(false);
    connect(m_link, &QLabel::linkActivated, this, [this] { ActivateLink(); });

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(blurb);
    text->addSpacing(6);
    text->addWidget(m_link);
    text->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(12);
    body->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::ActivateLink() {
    if (m_openUrl)
        m_openUrl(vd::HomePageUrl());
}
