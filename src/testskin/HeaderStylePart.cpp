#include "testskin/HeaderStylePart.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResHeader.h"
#include "platform/LogFontQt.h"
#include "preview/ControlPreview.h"
#include "preview/HeaderPreview.h"
#include "preview/PreviewCommon.h"
#include "testskin/SkinStyle.h"

namespace {

// A section is never measured beyond this, whatever a picture or a text inset says.
constexpr int kMaxMeasured = 512;
// Room between the caption, an icon and the section's ends.
constexpr int kLabelSpacing = 4;

int Measured(long long value) { return static_cast<int>(std::clamp(value, 0LL, static_cast<long long>(kMaxMeasured))); }

}  // namespace

const SkinHeader* HeaderStylePart::RecordFor(const QWidget* widget) const {
    if (!qobject_cast<const QHeaderView*>(widget) || !Style().Document()) return nullptr;
    return FirstRecordOf(Style().Document()->Headers());
}

const SkinImageBase* HeaderStylePart::SortArrow(const SkinHeader& record, const QStyleOptionHeader& option) const {
    // Qt marks an ascending sort SortDown; the record's up arrow is the ascending one.
    const size_t index = static_cast<size_t>(StateIndexOf(option));
    const SkinImageBase* arrow = nullptr;
    if (option.sortIndicator == QStyleOptionHeader::SortDown) arrow = &record.upArrows[index];
    if (option.sortIndicator == QStyleOptionHeader::SortUp) arrow = &record.downArrows[index];
    return arrow && vd::preview::NamesPicture(*arrow) ? arrow : nullptr;
}

QRect HeaderStylePart::ArrowRect(const SkinHeader& record, const QStyleOptionHeader& option) const {
    if (const SkinImageBase* arrow = SortArrow(record, option)) return vd::preview::HeaderArrowRect(*arrow, option.rect);
    if (option.sortIndicator == QStyleOptionHeader::None) return {};
    return Style().baseStyle()->subElementRect(QStyle::SE_HeaderArrow, &option, nullptr);
}

QRect HeaderStylePart::LabelRect(const SkinHeader& record, const QStyleOptionHeader& option) const {
    QRect label = option.rect;
    const QRect arrow = ArrowRect(record, option);
    if (!arrow.isEmpty()) label.setRight(std::max(label.left(), arrow.left() - 1));
    return label;
}

void HeaderStylePart::DrawSection(const SkinHeader& record, const QStyleOption& option, QPainter* painter,
                                  const QWidget* widget) const {
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    // The bar's picture spans the whole header, each section showing its own part of it.
    vd::preview::DrawImageRef(*painter, widget->rect(), record.background);
    vd::preview::DrawHeaderItemFace(*painter, *Style().Document(), record, option.rect, StateIndexOf(option));
    painter->restore();
}

void HeaderStylePart::DrawLabel(const SkinHeader& record, const QStyleOptionHeader& option, QPainter* painter) const {
    QRect text = option.rect;
    if (!option.icon.isNull()) {
        const int side = Style().pixelMetric(QStyle::PM_SmallIconSize, &option, nullptr);
        const QRect icon(text.left() + kLabelSpacing, text.top() + (text.height() - side) / 2, side, side);
        option.icon.paint(painter, icon, Qt::AlignCenter,
                          (option.state & QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled);
        text.setLeft(icon.right() + 1 + kLabelSpacing);
    }
    if (option.text.isEmpty() || text.isEmpty()) return;
    painter->save();
    vd::DrawStyledText(*painter, option.text, text, record.font,
                       record.itemStyles[static_cast<size_t>(StateIndexOf(option))]);
    painter->restore();
}

bool HeaderStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const {
    if (element != QStyle::PE_IndicatorHeaderArrow) return false;
    const SkinHeader* record = RecordFor(widget);
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (!record || !header) return false;
    const SkinImageBase* arrow = SortArrow(*record, *header);
    if (!arrow) return false;
    vd::preview::DrawImageRef(*painter, header->rect, *arrow);
    return true;
}

bool HeaderStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    const SkinHeader* record = RecordFor(widget);
    if (!record) return false;
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    switch (element) {
    case QStyle::CE_Header: {
        if (!header) return false;
        DrawSection(*record, *header, painter, widget);
        QStyleOptionHeader label(*header);
        label.rect = LabelRect(*record, *header);
        DrawLabel(*record, label, painter);
        if (header->sortIndicator != QStyleOptionHeader::None) {
            QStyleOptionHeader arrow(*header);
            arrow.rect = ArrowRect(*record, *header);
            Style().drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &arrow, painter, widget);
        }
        return true;
    }
    case QStyle::CE_HeaderSection:
        DrawSection(*record, *option, painter, widget);
        return true;
    case QStyle::CE_HeaderLabel:
        if (!header) return false;
        DrawLabel(*record, *header, painter);
        return true;
    case QStyle::CE_HeaderEmptyArea:
        painter->save();
        painter->setClipRect(option->rect, Qt::IntersectClip);
        if (!vd::preview::DrawImageRef(*painter, widget->rect(), record->background))
            vd::preview::DrawControlGround(*painter, *Style().Document(), option->rect);
        painter->restore();
        return true;
    default: return false;
    }
}

std::optional<QRect> HeaderStylePart::SubElementRect(QStyle::SubElement element, const QStyleOption* option,
                                                     const QWidget* widget) const {
    const SkinHeader* record = RecordFor(widget);
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (!record || !header) return std::nullopt;
    if (element == QStyle::SE_HeaderLabel) return LabelRect(*record, *header);
    if (element == QStyle::SE_HeaderArrow && SortArrow(*record, *header)) return ArrowRect(*record, *header);
    return std::nullopt;
}

std::optional<QSize> HeaderStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                       const QSize& size, const QWidget* widget) const {
    if (type != QStyle::CT_HeaderSection) return std::nullopt;
    const SkinHeader* record = RecordFor(widget);
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (!record || !header) return std::nullopt;
    const QSize platform = Style().baseStyle()->sizeFromContents(type, option, size, widget);
    // The caption in the record's font with the normal style's insets, and the normal face's own height.
    const SkinTextStyle& style = record->itemStyles[0];
    const QFontMetrics metrics(vd::ToQFont(record->font));
    const int textWidth = Measured(static_cast<long long>(metrics.horizontalAdvance(header->text)) +
                                   Measured(style.leftOffset) + Measured(style.rightOffset) + 2 * kLabelSpacing);
    const int textHeight = Measured(static_cast<long long>(metrics.height()) + Measured(style.topOffset) +
                                    Measured(style.bottomOffset) + kLabelSpacing);
    const SkinImageBase& face = record->itemImages[0];
    const int faceHeight = vd::preview::NamesPicture(face) ? Measured(vd::preview::SliceHeight(face)) : 0;
    int arrowWidth = 0;
    for (const auto* arrows : {&record->upArrows, &record->downArrows})
        if (vd::preview::NamesPicture((*arrows)[0]))
            arrowWidth = std::max(arrowWidth, Measured(vd::preview::SliceWidth((*arrows)[0]) + 2 * kLabelSpacing));
    return QSize(std::max(platform.width(), textWidth + arrowWidth),
                 std::max({platform.height(), textHeight, faceHeight}));
}
