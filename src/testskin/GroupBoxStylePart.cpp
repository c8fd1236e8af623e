#include "testskin/GroupBoxStylePart.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>

#include <algorithm>

#include "Resource/ResObjects/ResGroupBox.h"
#include "platform/LogFontQt.h"
#include "preview/GroupBoxPreview.h"
#include "preview/PreviewCommon.h"
#include "testskin/MnemonicText.h"
#include "testskin/SkinStyle.h"
#include "testskin/WidgetRelayout.h"

namespace {

// The inset of the contents from the etched frame that stands in for a missing group picture.
constexpr int kEtchedInset = 3;
// However large a margin a skin names, the contents keep at least this much of the box.
constexpr int kMaxMarginShare = 2;  // at most half the box on each axis

int StateOf(const QStyleOption& option) { return (option.state & QStyle::State_Enabled) ? 0 : 1; }

int TextHeight(const SkinGroupBox& record) { return QFontMetrics(vd::ToQFont(record.font)).height(); }

// The margins of the contents inside a box: the group picture's slice margins, the caption band on top.
QMargins ContentMargins(const SkinGroupBox& record, int state) {
    const SkinImageBase& group = record.group[static_cast<size_t>(state)];
    const int text = TextHeight(record);
    if (!vd::preview::NamesPicture(group))
        return QMargins(kEtchedInset, std::max(text, vd::preview::kGroupEtchTop) + kEtchedInset, kEtchedInset,
                        kEtchedInset);
    const auto margin = [](int value) { return std::clamp(value, 0, int(vd::preview::kLayoutLimit)); };
    return QMargins(margin(group.leftWidth), std::max(margin(group.topHeight), text), margin(group.rightWidth),
                    margin(group.bottomHeight));
}

// Asks the group box to lay its contents out again by the margins the style now gives.
void Recalculate(QWidget* widget) {
    if (qobject_cast<QGroupBox*>(widget)) RelayoutAfterRestyle(widget);
}

}  // namespace

const SkinGroupBox* GroupBoxStylePart::RecordFor(const QStyleOption* option, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const auto* groupBox = qobject_cast<const QGroupBox*>(widget);
    if (!box || !groupBox || groupBox->isCheckable()) return nullptr;
    return FirstRecordOf(Style().Document()->GroupBoxes());
}

void GroupBoxStylePart::Polish(QWidget* widget) const { Recalculate(widget); }

void GroupBoxStylePart::Unpolish(QWidget* widget) const { Recalculate(widget); }

bool GroupBoxStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                           QPainter* painter, const QWidget* widget) const {
    if (control != QStyle::CC_GroupBox) return false;
    const SkinGroupBox* record = RecordFor(option, widget);
    if (!record) return false;
    const auto& box = *qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    vd::preview::DrawGroupBoxState(*painter, *Style().Document(), *record, box.rect, StateOf(box),
                                   WithoutMnemonics(box.text));
    return true;
}

std::optional<QRect> GroupBoxStylePart::SubControlRect(QStyle::ComplexControl control,
                                                      const QStyleOptionComplex* option, QStyle::SubControl sub,
                                                      const QWidget* widget) const {
    if (control != QStyle::CC_GroupBox) return std::nullopt;
    const SkinGroupBox* record = RecordFor(option, widget);
    if (!record) return std::nullopt;
    const QRect& rect = option->rect;
    const int state = StateOf(*option);
    switch (sub) {
    case QStyle::SC_GroupBoxFrame: return rect;
    case QStyle::SC_GroupBoxLabel:
        return vd::preview::GroupCaptionBand(record->group[static_cast<size_t>(state)], rect, TextHeight(*record));
    case QStyle::SC_GroupBoxCheckBox: return QRect();
    case QStyle::SC_GroupBoxContents: {
        QMargins m = ContentMargins(*record, state);
        // Margins larger than the box leave the contents half of it rather than nothing.
        m.setLeft(std::min(m.left(), rect.width() / kMaxMarginShare));
        m.setRight(std::min(m.right(), rect.width() / kMaxMarginShare));
        m.setTop(std::min(m.top(), rect.height() / kMaxMarginShare));
        m.setBottom(std::min(m.bottom(), rect.height() / kMaxMarginShare));
        return rect.marginsRemoved(m);
    }
    default: return std::nullopt;
    }
}

std::optional<QSize> GroupBoxStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                        const QSize&, const QWidget* widget) const {
    if (type != QStyle::CT_GroupBox) return std::nullopt;
    const SkinGroupBox* record = RecordFor(option, widget);
    if (!record) return std::nullopt;
    const auto& box = *qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const int state = StateOf(box);
    const SkinTextStyle& style = record->textStyles[static_cast<size_t>(state)];
    const QMargins m = ContentMargins(*record, state);
    const int text = QFontMetrics(vd::ToQFont(record->font)).horizontalAdvance(WithoutMnemonics(box.text));
    const auto bounded = [](long long v) { return std::clamp(vd::preview::Bounded(v), 0, 4096); };
    const int width = bounded(static_cast<long long>(m.left()) + m.right() + text + style.leftOffset + style.rightOffset +
                              2 * vd::preview::kGroupCaptionIndent);
    return QSize(width, bounded(static_cast<long long>(m.top()) + m.bottom()));
}
