#include "testskin/LineEditStylePart.h"

#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QPainter>

#include "Resource/ResObjects/ResIPAddress.h"
#include "preview/ControlPreview.h"
#include "preview/FieldControls.h"
#include "testskin/SkinStyle.h"

namespace {

// The edge picture's index for the field's state: disabled before highlighted.
int EdgeIndexOf(const QStyleOption& option) {
    if (!(option.state & QStyle::State_Enabled)) return vd::preview::kThreeDisabled;
    if (option.state & (QStyle::State_MouseOver | QStyle::State_HasFocus)) return vd::preview::kThreeHighlighted;
    return vd::preview::kThreeNormal;
}

}  // namespace

const SkinIPAddress* LineEditStylePart::RecordFor(const QWidget* widget) const {
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    const CSkinDocument* doc = Style().Document();
    if (!edit || !doc) return nullptr;
    if (edit->objectName() == QLatin1String(kIPAddressFieldName)) return FirstRecordOf(doc->IPAddresses());
    if (qobject_cast<const QKeySequenceEdit*>(edit->parentWidget())) return FirstRecordOf(doc->HotKeys());
    return FirstRecordOf(doc->Edits());
}

bool LineEditStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (element != QStyle::PE_PanelLineEdit && element != QStyle::PE_FrameLineEdit) return false;
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (!frame || frame->lineWidth <= 0) return false;
    const SkinIPAddress* record = RecordFor(widget);
    if (!record) return false;
    painter->save();
    vd::preview::DrawEditFieldFace(*painter, Style().Document()->Env(), *record, frame->rect, EdgeIndexOf(*frame));
    painter->restore();
    return true;
}
