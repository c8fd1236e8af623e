#include "designer/PictureReloadBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "Resource/ResObjects/ResPicture.h"
#include "designer/SkinSession.h"
#include "designer/undo/ReloadPicturesCommand.h"

PictureReloadBar::PictureReloadBar(SkinSession& session, QWidget* parent)
    : QFrame(parent),
      m_session(session),
      m_message(new QLabel(this)),
      m_reload(new QPushButton(tr("Reload"), this)),
      m_reloadAll(new QPushButton(tr("Reload all"), this)),
      m_close(new QToolButton(this)) {
    setObjectName(QStringLiteral("PictureReloadBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 244, 206));  // a soft note colour: seen, not alarming
    pal.setColor(QPalette::WindowText, QColor(40, 40, 40));
    setPalette(pal);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    m_close->setToolTip(tr("Close"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 3, 3);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_reload);
    layout->addWidget(m_reloadAll);
    layout->addWidget(m_close);
    connect(m_reload, &QPushButton::clicked, this, &PictureReloadBar::ReloadFirst);
    connect(m_reloadAll, &QPushButton::clicked, this, &PictureReloadBar::ReloadAll);
    connect(m_close, &QToolButton::clicked, this, &PictureReloadBar::Dismiss);
    connect(&m_session, &SkinSession::changed, this, &PictureReloadBar::OnDocumentChanged);
    hide();
}

void PictureReloadBar::Offer(const std::vector<int>& pictureIds) {
    for (int id : pictureIds)
        if (std::find(m_pending.begin(), m_pending.end(), id) == m_pending.end()) m_pending.push_back(id);
    m_problem.clear();
    Refresh();
}

QString PictureReloadBar::Message() const { return m_message->text(); }

void PictureReloadBar::ReloadFirst() {
    if (!m_pending.empty()) Reload({m_pending.front()});
}

void PictureReloadBar::ReloadAll() { Reload(m_pending); }

void PictureReloadBar::Dismiss() {
    m_pending.clear();
    m_problem.clear();
    Refresh();
}

void PictureReloadBar::Reload(const std::vector<int>& ids) {
    const std::vector<int> asked = ids;  // ids may be m_pending itself
    const ReloadPicturesCommand::Outcome outcome = ReloadPicturesCommand::Push(m_session, asked);
    // Every picture asked about is settled: reloaded, already up to date, or reported below.
    for (int id : asked) m_pending.erase(std::remove(m_pending.begin(), m_pending.end(), id), m_pending.end());
    m_problem = outcome.problems.join(QLatin1Char('\n'));
    Refresh();
}

void PictureReloadBar::OnDocumentChanged(const DocumentChange& change) {
    if (change.kind == DocumentChange::Replaced) {
        Dismiss();
    } else if (change.kind == DocumentChange::ObjectRemoved) {
        const auto it = std::find(m_pending.begin(), m_pending.end(), change.id);
        if (it == m_pending.end()) return;
        m_pending.erase(it);
        Refresh();
    }
}

void PictureReloadBar::Refresh() {
    QString text;
    const CResPicture& pictures = m_session.Document().Pictures();
    if (!m_pending.empty()) {
        const Picture* first = pictures.FindPicture(m_pending.front());
        const QString name = first ? QString::fromStdString(first->name) : QString();
        const size_t others = m_pending.size() - 1;
        text = others == 0   ? tr("%1 changed on disk.").arg(name)
               : others == 1 ? tr("%1 and one other picture changed on disk.").arg(name)
                             : tr("%1 and %2 other pictures changed on disk.").arg(name).arg(others);
    }
    if (!m_problem.isEmpty()) text = text.isEmpty() ? m_problem : m_problem + QLatin1Char('\n') + text;
    m_message->setText(text);
    m_reload->setVisible(!m_pending.empty());
    m_reloadAll->setVisible(!m_pending.empty());
    setVisible(!text.isEmpty());
}
