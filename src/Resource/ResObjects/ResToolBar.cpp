#include "Resource/ResObjects/ResToolBar.h"

CResToolBar::CResToolBar(CSkinDocument& doc) : CResTyped(doc, kKinds[kToolBars], Table()) {}

const RecordSchema<SkinToolBar>& CResToolBar::Table() {
    static const RecordSchema<SkinToolBar> schema = [] {
        using R = SkinToolBar;
        RecordSchema<R> s;
        // A new toolbar is 400 wide; a stored one without the key is 800, so new toolbars save their width.
        s.Head(&R::previewWidth, &R::previewHeight, 400, 80, 800, 80);
        // The toolbar's colours are always written, as text with an empty default.
        const ColorDefault face = ColorDefault::Sys(COLOR_BTNFACE);
        s.Colour("BackgroundColor", &R::backgroundColor, face, face, face, true);
        s.Image("Background", &R::background);
        s.Int("TransparentBK", &R::transparentBk, 0);
        s.Image("Separator", &R::separator);
        s.Image("SeparatorHorz", &R::separatorHorz);
        s.Int("NoDrawSepWidth", &R::noDrawSepWidth, 15);
        s.Image("Gripper", &R::gripper);
        s.Image("GripperHorz", &R::gripperHorz);
        for (size_t i = 0; i < 5; ++i) s.Image(kToolBarButtonStates[i], Elem(&R::buttonImages, i));
        for (size_t i = 0; i < 5; ++i) s.TextStyle(kToolBarButtonStates[i], Elem(&R::buttonStyles, i));
        for (size_t i = 0; i < 5; ++i) s.Image(std::string("Dropdownleft") + kToolBarDropStates[i], Elem(&R::dropLeft, i));
        for (size_t i = 0; i < 5; ++i) s.Image(std::string("DropdownRight") + kToolBarDropStates[i], Elem(&R::dropRight, i));
        for (size_t i = 0; i < 5; ++i) s.Image(std::string("DropdownArrow") + kToolBarDropStates[i], Elem(&R::dropArrow, i));
        // Arrow colours: the file order (Normal, Press, Hot, Disabled, Floated) differs from the member order.
        struct ArrowColor {
            const char* key;
            size_t member;
            int sysIndex;
        };
        const ArrowColor arrows[] = {
            {"DropdownArrowNormalColor", 0, COLOR_WINDOWTEXT},    {"DropdownArrowPressColor", 1, COLOR_HIGHLIGHTTEXT},
            {"DropdownArrowHotColor", 3, COLOR_HIGHLIGHTTEXT},    {"DropdownArrowDisabledColor", 2, COLOR_GRAYTEXT},
            {"DropdownArrowFloatedColor", 4, COLOR_WINDOWTEXT},
        };
        for (const ArrowColor& a : arrows) {
            const ColorDefault d = ColorDefault::Sys(a.sysIndex);
            s.Colour(a.key, Elem(&R::arrowColors, a.member), d, d, d, true);
        }
        s.Font("", &R::font);
        s.Int("CustomImage", &R::customImage, 0);
        s.Int("TextAlign", &R::textAlign, 0);
        s.Custom(
            kToolBarCommandsKey, [](R& r, const SystemEnvironment&) { r.commands.clear(); },
            [](R& r, const ConfigReader& in, const std::string& p) {
                LoadCheckImageEntries(in, p, "Item%d", false, r.commands);
            },
            [](const R& r, ConfigWriter& out, const std::string& p) {
                SaveCheckImageEntries(out, p, "Item%d", false, r.commands);
            })
            .Resolving([](R& r, const PictureResolver& resolve) { return ResolveChangedCheckImages(r.commands, resolve); });
        return s;
    }();
    return schema;
}
