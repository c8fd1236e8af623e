#include "testskin/MdiAreaStylePart.h"

#include <QEvent>
#include <QImage>
#include <QMdiArea>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QVariant>

#include "Resource/ResObjects/ResClient.h"
#include "platform/QtConvert.h"
#include "preview/PreviewCommon.h"
#include "testskin/SkinStyle.h"

namespace {

constexpr const char* kSavedBackground = "vornadeskClientBackground";
constexpr const char* kPainterName = "vornadeskClientPainter";

// Lives on the area while it is dressed; renders the background for the viewport's size as it changes.
class ClientBackgroundPainter : public QObject {
public:
    ClientBackgroundPainter(QMdiArea* area, const CSkinStyle& style) : QObject(area), m_area(area), m_style(style) {
        setObjectName(QString::fromLatin1(kPainterName));
        area->viewport()->installEventFilter(this);
        Render();
    }

    void Render() {
        // The record is read each time: the skin may have been reloaded since.
        const CSkinDocument* doc = m_style.Document();
        const SkinClient* record = doc ? FirstRecordOf(doc->Clients()) : nullptr;
        const QSize size = m_area->viewport()->size();
        if (!record || !vd::preview::FitsPreviewLimits(size)) return;
        m_area->setBackground(QBrush(QPixmap::fromImage(MdiAreaStylePart::Background(*record, size))));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_area->viewport() && event->type() == QEvent::Resize) Render();
        return false;
    }

private:
    QMdiArea* m_area;
    const CSkinStyle& m_style;
};

}  // namespace

QImage MdiAreaStylePart::Background(const SkinClient& record, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(vd::ToQColor(record.backgroundColor));
    QPainter painter(&image);
    vd::preview::DrawImageRef(painter, image.rect(), record.background);
    return image;
}

void MdiAreaStylePart::Polish(QWidget* widget) const {
    auto* area = qobject_cast<QMdiArea*>(widget);
    if (!area || !FirstRecordOf(Style().Document()->Clients())) return;
    if (!area->property(kSavedBackground).isValid()) area->setProperty(kSavedBackground, area->background());
    // Only this part names a child so, and it names nothing else so.
    if (auto* painter = area->findChild<QObject*>(QString::fromLatin1(kPainterName), Qt::FindDirectChildrenOnly))
        static_cast<ClientBackgroundPainter*>(painter)->Render();
    else
        new ClientBackgroundPainter(area, Style());
}

void MdiAreaStylePart::Unpolish(QWidget* widget) const {
    auto* area = qobject_cast<QMdiArea*>(widget);
    if (!area) return;
    delete area->findChild<QObject*>(QString::fromLatin1(kPainterName), Qt::FindDirectChildrenOnly);
    const QVariant saved = area->property(kSavedBackground);
    if (!saved.isValid()) return;
    area->setBackground(saved.value<QBrush>());
    area->setProperty(kSavedBackground, QVariant());
}
