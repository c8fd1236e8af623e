// Every kind: a record with every stored member set away from its defaults saves and loads back equal, and
// saving the loaded skin again gives the same text.
#include <gtest/gtest.h>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/SkinDocument.h"

namespace {

// Values that differ from every default a field has, distinct per field.
class Filler {
public:
    explicit Filler(const SystemEnvironment& env) : m_env(env) {}

    int Int(const IntDefault& a, const IntDefault& b) {
        return std::max(a.Resolve(m_env), b.Resolve(m_env)) + 3 + Next() % 50;
    }
    Color Colour(const ColorDefault& a, const ColorDefault& b) {
        for (;;) {
            const int n = Next();
            Color c((n * 37) % 256, (n * 91 + 17) % 256, (n * 53 + 101) % 256);
            if (c != a.Resolve(m_env) && c != b.Resolve(m_env) && c != Color(0, 0, 0)) return c;
        }
    }
    std::string Text() { return "T" + std::to_string(Next()); }
    void Image(SkinImageBase& i) {
        const int n = Next();
        i.name = "pic" + std::to_string(n) + ".png";
        int* ints[] = {&i.left, &i.top, &i.right, &i.bottom, &i.topHeight, &i.bottomHeight, &i.leftWidth,
                       &i.rightWidth, &i.leftMode, &i.rightMode, &i.topMode, &i.bottomMode, &i.centerMode};
        int k = 31;
        for (int* p : ints) *p = n % 7 + (k++);
    }
    void Style(SkinTextStyle& s) {
        const int n = Next() % 5;
        s.horzAlign = 2;
        s.vertAlign = 0;
        s.effect = 1;
        s.shadowHSpace = 5 + n;
        s.shadowVSpace = 6 + n;
        s.leftOffset = 1 + n;
        s.rightOffset = 2 + n;
        s.topOffset = 3 + n;
        s.bottomOffset = 4 + n;
        s.textColor = Colour(Color(0, 0, 0), ColorDefault::Sys(COLOR_WINDOWTEXT));
        s.shadowColor = Colour(ColorDefault::Sys(COLOR_BTNSHADOW), ColorDefault::Sys(COLOR_BTNSHADOW));
    }
    void Font(LogFont& f) {
        const int n = Next() % 5;
        f.faceName = "Liberation Sans";
        f.height = 17 + n;
        f.width = 3 + n;
        f.escapement = 900;
        f.orientation = 450;
        f.weight = 700;
        f.italic = f.underline = f.strikeOut = 1;
        f.charSet = 134;
        f.outPrecision = 7;
        f.clipPrecision = 5;
        f.quality = 4;
        f.pitchAndFamily = 49;
    }
    void Placement(SkinPlacement& p) {
        for (SkinPositionBase* a : {&p.horz, &p.vert}) {
            const int n = Next() % 9;
            a->alignType = 2;
            a->spaceType = 3;
            a->nearOffset = 4 + n;
            a->farOffset = 5 + n;
            a->sizeValue = 21 + n;
            a->ignore = 0;
        }
    }

private:
    int Next() { return ++m_counter; }
    const SystemEnvironment& m_env;
    int m_counter = 0;
};

template <class R>
void FillRecord(R& r, const RecordSchema<R>& schema, Filler& fill) {
    using Field = typename RecordSchema<R>::Field;
    for (const Field& f : schema.Fields()) {
        if (f.phase != FieldPhase::Stored) continue;
        switch (f.type) {
        case FieldType::Int:
            if (f.key != "ID") f.template Ref<int>(r) = fill.Int(f.intLoad, f.intSave);
            break;
        case FieldType::Text: f.template Ref<std::string>(r) = fill.Text(); break;
        case FieldType::Color: f.template Ref<Color>(r) = fill.Colour(f.colorLoad, f.colorSave); break;
        case FieldType::Image: fill.Image(f.template Ref<SkinImageBase>(r)); break;
        case FieldType::TextStyle: fill.Style(f.template Ref<SkinTextStyle>(r)); break;
        case FieldType::Font: fill.Font(f.template Ref<LogFont>(r)); break;
        case FieldType::Placement: fill.Placement(f.template Ref<SkinPlacement>(r)); break;
        case FieldType::Custom: break;  // numbered entry lists: filled per kind below
        }
    }
}

// The entry lists that are not simple fields.
void FillCustom(SkinResStruct& r, Filler& fill) {
    auto entry = [](int id, bool doubleRow) {
        CheckImageEntry e;
        e.id = id;
        e.checkImage = "check" + std::to_string(id) + ".bmp";
        e.uncheckImage = "uncheck" + std::to_string(id) + ".bmp";
        e.doubleRow = doubleRow ? 1 : 0;
        return e;
    };
    if (auto* f = dynamic_cast<SkinFrame*>(&r)) {
        f->menu.items[101] = entry(101, true);
        f->menu.items[7] = entry(7, false);
    } else if (auto* t = dynamic_cast<SkinToolBar*>(&r)) {
        t->commands[40001] = entry(40001, false);
        t->commands[40002] = entry(40002, false);
    } else if (auto* s = dynamic_cast<SkinStatusBar*>(&r)) {
        fill.Style(s->paneStyles[59392]);
        fill.Style(s->paneStyles[2]);
    } else if (auto* h = dynamic_cast<SkinHeader*>(&r)) {
        fill.Image(h->itemImageMap[5]);
        fill.Image(h->itemImageMap[9]);
    } else if (auto* a = dynamic_cast<SkinApp*>(&r)) {
        a->Caption = "Application";  // always stored under that name
    }
}

template <class C>
class KindRoundTrip : public ::testing::Test {};

using AllKinds = ::testing::Types<CResApp, CResFreeFrame, CResButton, CResFrame, CResToolWindow, CResSysButton,
                                  CResToolBar, CResStatusBar, CResProgressBar, CResScrollBar, CResHeader,
                                  CResComboBox, CResIPAddress, CResHotKey, CResEdit, CResCheckBox, CResRadioBox,
                                  CResTrackBar, CResSpin, CResTabCtrl, CResClient, CResControlBar, CResReBar,
                                  CResGroupBox, CResStatic, CResDialog, CResDatetime, CResListBox>;
TYPED_TEST_SUITE(KindRoundTrip, AllKinds);

template <class C>
C& CollectionOf(CSkinDocument& doc) {
    for (const auto& c : doc.Collections())
        if (auto* typed = dynamic_cast<C*>(c.get())) return *typed;
    throw std::logic_error("kind missing from the document");
}

TYPED_TEST(KindRoundTrip, EveryMemberAwayFromItsDefaultSurvivesSaveAndLoad) {
    using R = typename TypeParam::Record;
    CSkinDocument doc;
    TypeParam& collection = CollectionOf<TypeParam>(doc);
    R* first = collection.NewRecord();
    R* second = collection.NewRecord();
    ASSERT_TRUE(first && second);
    Filler fill(doc.Env());
    FillRecord(*second, TypeParam::Table(), fill);
    FillCustom(*second, fill);

    const std::string text = doc.SaveConfigText();
    CSkinDocument loaded;
    loaded.Cfg().Parse(text);
    loaded.LoadAll();
    TypeParam& back = CollectionOf<TypeParam>(loaded);
    ASSERT_EQ(back.Count(), 2u);
    if constexpr (std::is_same_v<R, SkinApp>) first->Caption = "Application";
    EXPECT_TRUE(*back.At(0) == *first) << text;
    EXPECT_TRUE(*back.At(1) == *second) << text;
    EXPECT_EQ(loaded.SaveConfigText(), text);
}

TYPED_TEST(KindRoundTrip, NewObjectsAreNamedAndNumberedFromTheirBlock) {
    CSkinDocument doc;
    TypeParam& collection = CollectionOf<TypeParam>(doc);
    SkinResStruct* a = collection.NewItem();
    SkinResStruct* b = collection.NewItem();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->ID, collection.BaseId() + 1);
    EXPECT_EQ(b->ID, collection.BaseId() + 2);
    EXPECT_EQ(a->Caption, collection.NewCaption(1));
    EXPECT_EQ(doc.FindCollection(a->ID), &collection);
    EXPECT_TRUE(a->ResID.empty());
}

TYPED_TEST(KindRoundTrip, ANewRecordWithOnlyItsIdKeyLoadsWithTheKeyDefaults) {
    using R = typename TypeParam::Record;
    CSkinDocument doc;
    TypeParam& collection = CollectionOf<TypeParam>(doc);
    const std::string section = collection.SectionName();
    doc.Cfg().Parse("[" + section + "]\r\n4ID=" + std::to_string(collection.BaseId() + 4) + "\r\nIndexs=4\r\n");
    doc.LoadAll();
    ASSERT_EQ(collection.Count(), 1u);
    R loaded = *collection.At(0);
    // Saving the loaded record writes its ID and nothing that differs from a key default, except the few
    // members always written (toolbar colours) and the stored caption of applications.
    const std::string text = doc.SaveConfigText();
    CSkinDocument again;
    again.Cfg().Parse(text);
    again.LoadAll();
    if constexpr (std::is_same_v<R, SkinApp>) loaded.Caption = "Application";
    EXPECT_TRUE(*CollectionOf<TypeParam>(again).At(0) == loaded);
    EXPECT_EQ(loaded.ID, collection.BaseId() + 4);
}

}  // namespace
