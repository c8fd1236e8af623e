#include "testskin/ListBoxStylePart.h"

#include <QFontMetrics>
#include <QListView>
#include <QPainter>
#include <QVariant>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResListBox.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"
#include "platform/SystemColors.h"
#include "preview/PreviewCommon.h"
#include "preview/SkinColors.h"
#include "testskin/SkinStyle.h"

namespace {

// An item is never measured beyond this, whatever the record says.
constexpr int kMaxMeasured = 1024;
// Room around an item's text and icon.
constexpr int kItemSpacing = 2;
// Marks a list whose own background this part switched off, so that only such a list gets it back.
constexpr char kBackgroundOffProperty[] = "vornadeskListBackgroundOff";

// Where an item's image stands relative to its text ("Type").
enum ImagePlace { kImageLeft = 0, kImageTop = 1, kImageRight = 2 };

int Measured(long long value) { return static_cast<int>(std::clamp(value, 0LL, static_cast<long long>(kMaxMeasured))); }

// A combo box's drop-down list belongs to the combo box.
const QListView* OwnList(const QWidget* widget) {
    const auto* list = qobject_cast<const QListView*>(widget);
    if (!list || list->inherits("QComboBoxListView")) return nullptr;
    if (list->parentWidget() && list->parentWidget()->inherits("QComboBoxPrivateContainer")) return nullptr;
    return list;
}

}  // namespace

const SkinListBox* ListBoxStylePart::RecordFor(const QWidget* widget) const {
    if (!OwnList(widget) || !Style().Document()) return nullptr;
    return FirstRecordOf(Style().Document()->ListBoxes());
}

void ListBoxStylePart::Polish(QWidget* widget) const {
    if (!RecordFor(widget)) return;
    // The background picture is drawn with the list's frame, under the items; the view's own fill would
    // cover it.
    auto* list = static_cast<QListView*>(widget);
    if (list->viewport()->autoFillBackground()) {
        list->viewport()->setAutoFillBackground(false);
        list->setProperty(kBackgroundOffProperty, true);
    }
}

void ListBoxStylePart::Unpolish(QWidget* widget) const {
    auto* list = qobject_cast<QListView*>(widget);
    if (!list || !list->property(kBackgroundOffProperty).toBool()) return;
    list->viewport()->setAutoFillBackground(true);
    list->setProperty(kBackgroundOffProperty, QVariant());
}

void ListBoxStylePart::DrawBackground(const SkinListBox& record, const QStyleOption& option, QPainter* painter,
                                      const QWidget* widget) const {
    const QRect whole = widget->rect();
    painter->save();
    // A transparent list shows what lies under it where the picture is keyed out or missing.
    if (!record.transparent) painter->fillRect(whole, vd::preview::SkinSysColor(*Style().Document(), COLOR_WINDOW));
    const bool pictured = vd::preview::DrawImageRef(*painter, whole, record.background);
    painter->restore();
    if (!pictured) Style().baseStyle()->drawControl(QStyle::CE_ShapedFrame, &option, painter, widget);
}

void ListBoxStylePart::DrawItem(const SkinListBox& record, const QStyleOptionViewItem& option, QPainter* painter,
                                const QWidget* widget) const {
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected && !vd::preview::DrawImageRef(*painter, option.rect, record.selectedBackground))
        painter->fillRect(option.rect, vd::ToQColor(record.selection));

    QRect text = option.rect;
    // The record has no check box look: a checkable item shows the style's check indicator before its text.
    if (option.features & QStyleOptionViewItem::HasCheckIndicator) {
        QStyleOptionViewItem check(option);
        check.rect = Style().baseStyle()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
        check.state &= ~QStyle::State_HasFocus;
        check.state |= option.checkState == Qt::Checked            ? QStyle::State_On
                       : option.checkState == Qt::PartiallyChecked ? QStyle::State_NoChange
                                                                   : QStyle::State_Off;
        Style().drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, widget);
        text.setLeft(check.rect.right() + 1 + kItemSpacing);
    }
    if ((option.features & QStyleOptionViewItem::HasDecoration) && !option.icon.isNull()) {
        const QRect area = text;
        const int w = std::clamp(record.itemImageWidth, 0, std::max(area.width(), 0));
        const int h = std::clamp(record.itemImageHeight, 0, std::max(area.height(), 0));
        const int middle = area.top() + (area.height() - h) / 2;
        QRect image;
        switch (record.type) {
        case kImageTop:
            image = QRect(area.left() + (area.width() - w) / 2, area.top(), w, h);
            text.setTop(image.bottom() + 1);
            break;
        case kImageRight:
            image = QRect(area.right() + 1 - kItemSpacing - w, middle, w, h);
            text.setRight(image.left() - 1);
            break;
        default:
            image = QRect(area.left() + kItemSpacing, middle, w, h);
            text.setLeft(image.right() + 1 + kItemSpacing);
            break;
        }
        option.icon.paint(painter, image, Qt::AlignCenter,
                          (option.state & QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled);
    }
    if (!option.text.isEmpty() && !text.isEmpty())
        vd::DrawStyledText(*painter, option.text, text, record.font, selected ? record.textSelected : record.textNormal);
    painter->restore();
}

bool ListBoxStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    if (element != QStyle::CE_ShapedFrame && element != QStyle::CE_ItemViewItem) return false;
    const SkinListBox* record = RecordFor(widget);
    if (!record) return false;
    if (element == QStyle::CE_ShapedFrame) {
        DrawBackground(*record, *option, painter, widget);
        return true;
    }
    const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (!item) return false;
    DrawItem(*record, *item, painter, widget);
    return true;
}

std::optional<QSize> ListBoxStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                        const QSize& size, const QWidget* widget) const {
    if (type != QStyle::CT_ItemViewItem) return std::nullopt;
    const SkinListBox* record = RecordFor(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (!record || !item) return std::nullopt;
    const QSize platform = Style().baseStyle()->sizeFromContents(type, option, size, widget);
    const QFontMetrics metrics(vd::ToQFont(record->font));
    long long width = static_cast<long long>(metrics.horizontalAdvance(item->text)) +
                      Measured(record->textNormal.leftOffset) + Measured(record->textNormal.rightOffset) +
                      2 * kItemSpacing;
    const bool hasImage = (item->features & QStyleOptionViewItem::HasDecoration) && !item->icon.isNull();
    if (hasImage && record->type != kImageTop) width += Measured(record->itemImageWidth) + kItemSpacing;
    if (item->features & QStyleOptionViewItem::HasCheckIndicator)
        width += Style().pixelMetric(QStyle::PM_IndicatorWidth, option, widget) + kItemSpacing;
    const int height = record->itemHeight > 0 ? Measured(record->itemHeight) : platform.height();
    return QSize(std::max(platform.width(), Measured(width)), height);
}
