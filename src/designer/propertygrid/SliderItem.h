#pragma once
// A number edited with a slider (0 to 100) while its row is open: the number stays readable at the left,
// the slider takes the rest of the cell, and the bound field follows the thumb while it is dragged.
// Each change carries a gesture number: every value of one drag carries the same one, so the setter can
// merge a whole drag into one undo step without merging two drags (or a drag and a key press).

#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PropertyBinding.h"

#include <memory>

namespace vd {

// A setter that also learns the gesture a value belongs to.
struct SliderBinding {
    std::function<int()> get;
    std::function<void(int value, int gesture)> set;
    std::optional<int> defaultValue = std::nullopt;
};

class SliderItem : public NumberItem {
public:
    static constexpr int Kind = UserKind + 3;
    static constexpr int kSliderMinimum = 0;
    static constexpr int kSliderMaximum = 100;

    explicit SliderItem(const QString& caption);

    int kind() const override { return Kind; }

    // The gesture the next committed value belongs to; the editor moves it on.
    int gesture() const { return *m_gesture; }
    std::shared_ptr<int> gestureHandle() const { return m_gesture; }
    // A number no gesture has had before (process-wide, so two rows never share one).
    static int newGesture();

protected:
    void attached() override;

private:
    std::shared_ptr<int> m_gesture;
};

SliderItem* addSlider(PropertyItem* parent, const QString& caption, const SliderBinding& field);
// Without gestures: every value reaches the setter on its own.
SliderItem* addSlider(PropertyItem* parent, const QString& caption, const IntBinding& field);

}  // namespace vd
