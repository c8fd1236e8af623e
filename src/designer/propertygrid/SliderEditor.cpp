#include "designer/propertygrid/SliderEditor.h"

#include "designer/propertygrid/SliderItem.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>

namespace vd {

namespace {
// Narrower than this a slider cannot be dragged to a chosen value; the number alone is shown then.
constexpr int kMinimumSliderWidth = 24;
}  // namespace

SliderEditor::SliderEditor(std::shared_ptr<int> gesture, QWidget* parent)
    : PropertyEditor(parent), m_gesture(std::move(gesture)), m_slider(new QSlider(Qt::Horizontal, this)) {
    m_slider->setObjectName(QStringLiteral("valueSlider"));
    m_slider->setRange(SliderItem::kSliderMinimum, SliderItem::kSliderMaximum);
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_slider->setTracking(true);
    // Not filled: the row the grid paints (base or alternate shade) shows through, as it does under every
    // other editor, so opening the row never changes its colour.
    m_slider->setAutoFillBackground(false);
    setFocusProxy(m_slider);
    connect(m_slider, &QSlider::sliderPressed, this, [this] { *m_gesture = SliderItem::newGesture(); });
    // After the drag nothing may join it: the next change, whatever it is, starts afresh.
    connect(m_slider, &QSlider::sliderReleased, this, [this] { *m_gesture = SliderItem::newGesture(); });
    connect(m_slider, &QSlider::valueChanged, this, &SliderEditor::sliderMoved);
}

QVariant SliderEditor::value() const { return m_value; }

void SliderEditor::setValue(const QVariant& value) {
    m_value = value.toInt();
    const QSignalBlocker block(m_slider);
    // While the thumb is held, the grid's echo of the committed value must not move it.
    if (!m_slider->isSliderDown())
        m_slider->setValue(m_value);
    update();
}

QWidget* SliderEditor::focusTarget() { return m_slider; }

int SliderEditor::textWidth() const { return kContentInset + QFontMetrics(font()).horizontalAdvance(QStringLiteral("XXX")) + 2; }

void SliderEditor::sliderMoved(int position) {
    if (!m_slider->isSliderDown())
        *m_gesture = SliderItem::newGesture();
    if (position == m_value)
        return;
    m_value = position;
    update();
    emit commitRequested();
}

void SliderEditor::placeSlider() {
    const int left = textWidth();
    const int room = width() - left;
    m_slider->setVisible(room >= kMinimumSliderWidth);
    m_slider->setGeometry(left, 0, std::max(room, 0), height());
}

void SliderEditor::paintEvent(QPaintEvent* event) {
    PropertyEditor::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Text));
    // Without a slider the number may use the whole cell.
    const int right = m_slider->isVisible() ? textWidth() : width();
    p.drawText(QRect(kContentInset, 0, right - kContentInset, height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               QString::number(m_value));
}

void SliderEditor::resizeEvent(QResizeEvent* event) {
    PropertyEditor::resizeEvent(event);
    placeSlider();
}

void SliderEditor::changeEvent(QEvent* event) {
    PropertyEditor::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placeSlider();
}

}  // namespace vd
