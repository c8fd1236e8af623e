#pragma once
// The open slider row: the number as text, then a QSlider (0 to 100) over the rest of the cell when there
// is room for one. Every move of the thumb commits; the values of one drag share a gesture number, any
// other change (keys, a click on the groove, the wheel) starts a new one. The slider paints no background
// of its own: the grid's background shows through it.

#include "designer/propertygrid/PropertyEditor.h"

#include <memory>

class QSlider;

namespace vd {

class SliderEditor : public PropertyEditor {
    Q_OBJECT

public:
    // gesture is the row's gesture number, moved on by the editor.
    explicit SliderEditor(std::shared_ptr<int> gesture, QWidget* parent = nullptr);

    QVariant value() const override;
    void setValue(const QVariant& value) override;
    QWidget* focusTarget() override;
    QSlider* slider() const { return m_slider; }
    // Width kept for the number before the slider starts.
    int textWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeSlider();
    void sliderMoved(int position);

    std::shared_ptr<int> m_gesture;
    int m_value = 0;
    QSlider* m_slider;
};

}  // namespace vd
