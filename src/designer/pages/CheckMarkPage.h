#pragma once
// The grid shared by the check-box and radio-box pages, whose records carry the same fields but for the
// check box's third mark: each mark's picture and caption style in the four states, the caption font and
// the three flags. The preview shows the mark chosen with the "Action" row "State"; that choice belongs to
// the page, not to the object.

#include <array>
#include <vector>

#include "designer/pages/TypedPage.h"
#include "preview/CheckMarkPreview.h"
#include "preview/ControlPreview.h"

template <class Coll>
class CCheckMarkPage : public CTypedPage<Coll> {
public:
    using R = typename Coll::Record;

    // One mark: its sub-category and the record's state set.
    struct Mark {
        const char* caption;
        SkinStateImages<4> R::*member;
    };

    // disabledImage is the caption of the disabled state's picture row, which the two kinds spell
    // differently.
    CCheckMarkPage(int typeBase, std::vector<Mark> marks, const char* disabledImage)
        : CTypedPage<Coll>(typeBase), m_marks(std::move(marks)), m_disabledImage(disabledImage) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override {
        this->m_nPreviewWidth = vd::preview::kCheckMarkPreviewSize.width();
        this->m_nPreviewHeight = vd::preview::kCheckMarkPreviewSize.height();
        this->AddGeneral(grid);
        vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
        this->AddActionCategory(grid);
        for (const Mark& mark : m_marks) AddMark(look, mark);
        this->AddFontField(look, QStringLiteral("TextFont"), this->FindField("", FieldType::Font));
        for (const char* flag : {"ShowText", "AutoSize", "ShowFocus"}) {
            const QString caption = QString::fromLatin1(flag);
            vd::addBool(look, caption, this->IntField(Coll::Table().Find(flag), caption));
        }
        look->setExpanded(true);
    }

private:
    // A sub-category of picture and caption-style pairs, in the order the preview's rows show the states;
    // each pair edits its state's entry (stored normal, pressed, disabled, highlighted).
    void AddMark(vd::PropertyItem* parent, const Mark& mark) {
        static constexpr std::array<const char*, 4> kStates = {"Normal", "Pressed", "Highlighted", "Disabled"};
        vd::GroupItem* group = vd::addGroup(parent, QString::fromLatin1(mark.caption), true);
        SkinStateImages<4> R::*member = mark.member;
        for (size_t row = 0; row < kStates.size(); ++row) {
            const size_t index = static_cast<size_t>(vd::preview::FourStateIndex(static_cast<int>(row)));
            const QString state = QString::fromLatin1(kStates[row]);
            const QString image = row == 3 ? QString::fromLatin1(m_disabledImage) : QStringLiteral("Image") + state;
            this->AddImageField(group, image, [member, index](R& r) -> SkinImageBase& { return (r.*member).images[index]; });
            this->AddTextStyleField(group, QStringLiteral("TextStyle") + state,
                                    [member, index](R& r) -> SkinTextStyle& { return (r.*member).styles[index]; });
        }
    }

    std::vector<Mark> m_marks;
    const char* m_disabledImage;
};
