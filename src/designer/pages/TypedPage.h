#pragma once
// A page over one typed collection: reads the selected record from the document, binds grid rows to the
// fields of the kind's RecordSchema (defaults for bold values and "Reset to default" come from the table),
// and turns every committed value into one EditObjectCommand. Pages of kinds without their own grid yet
// show the "General" category built here.

#include <QCoreApplication>

#include <array>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "designer/DialogProvider.h"
#include "designer/SkinSession.h"
#include "designer/pages/ResObjProperty.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/DialogItem.h"
#include "designer/propertygrid/PositionBuilder.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "designer/propertygrid/SliderItem.h"
#include "designer/propertygrid/TextStyleItem.h"
#include "designer/undo/EditObjectCommand.h"
#include "designer/undo/SliderDragCommand.h"
#include "designer/undo/UndoIds.h"
#include "preview/PreviewKind.h"

template <class Coll>
class CTypedPage : public CResObjProperty {
public:
    using R = typename Coll::Record;
    using Field = typename RecordSchema<R>::Field;

    using CResObjProperty::CResObjProperty;

    R* Record(int id) const {
        if (!m_pSession) return nullptr;
        return dynamic_cast<R*>(m_pSession->Document().FindItem(id));
    }
    R* Current() const { return Record(m_nCurrentId); }

    // The size the kind's preview opens the object with; kinds without a preview of their own yet open it
    // at its stored preview size.
    QSize PreviewSize() const override {
        R* r = Current();
        if (!r) return CResObjProperty::PreviewSize();
        if (const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(m_nTypeBase); kind && kind->size)
            return kind->size(m_pSession->Document(), *r);
        const Field* w = Coll::Table().Find("VornadeskPreviewWidth");
        const Field* h = Coll::Table().Find("VornadeskPreviewHeight");
        if (!w || !h) return CResObjProperty::PreviewSize();
        return {w->template Ref<int>(*r), h->template Ref<int>(*r)};
    }

    // The kind's preview from the preview library, drawn with the page's selectors; nothing for kinds
    // without one or without a selected object.
    void DrawPreview(QPainter& painter, const QRect& rc) override {
        const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(m_nTypeBase);
        R* r = Current();
        if (!kind || !r || rc.isEmpty()) return;
        const vd::preview::SelectorValues selectors = PreviewSelectors();
        painter.save();
        painter.translate(rc.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), rc.size()), Qt::IntersectClip);
        kind->draw(painter, vd::preview::PreviewContext{m_pSession->Document(), *r, selectors, rc.size()});
        painter.restore();
    }

    bool IsResizable() const override {
        const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(m_nTypeBase);
        R* r = Current();
        return !kind || !r || kind->Resizable(m_pSession->Document(), *r);
    }

    // The values of the preview selectors ("State", ...) the page's grid and mouse have chosen; a selector
    // the user has not touched takes its initial value.
    virtual vd::preview::SelectorValues PreviewSelectors() const { return m_selectorValues; }

protected:
    // What a row over field f does, from the kind's table; empty when the table says nothing.
    static QString Description(const Field* f) { return f ? QString::fromStdString(f->description) : QString(); }

    // What a row over field f edits, from the kind's table: the key a check finding names it by.
    static QString Key(const Field* f) { return f ? QString::fromStdString(f->key) : QString(); }

    // Gives a row built from a member the description and key of the table's field that reaches the same
    // member (found by the member both reach in one record), so such rows keep the table's sentence and can
    // be found by key. The sentence comes from the first such field that has one.
    template <class T, class Member>
    static void DescribeFromTable(vd::PropertyItem* item, const Member& member) {
        if constexpr (std::is_default_constructible_v<R>) {
            R probe;
            const T* target = &member(probe);
            bool keyed = false, described = false;
            for (const Field& f : Coll::Table().Fields()) {
                if (!std::holds_alternative<typename RecordSchema<R>::template Access<T>>(f.access) ||
                    &f.template Ref<T>(probe) != target)
                    continue;
                if (!keyed && f.phase != FieldPhase::SaveOnly) {
                    item->setKey(Key(&f));
                    keyed = true;
                }
                if (!described && !f.description.empty()) {
                    item->setDescription(Description(&f));
                    described = true;
                }
            }
        }
    }

    // Pushes one undoable change of the current object, described by the row's caption.
    template <class Edit>
    void Change(int id, const QString& caption, Edit edit) const {
        EditObjectCommand::Push(*m_pSession, id, QCoreApplication::translate("Page", "Change %1").arg(caption),
                                [edit](SkinResStruct& s) { edit(static_cast<R&>(s)); });
    }

    // A text row over any string member, cut to the member's byte capacity (one byte stays for the end).
    vd::TextItem* AddText(vd::PropertyItem* parent, const QString& caption, std::string& (*member)(R&),
                          size_t capacity, std::optional<QString> def = std::nullopt) {
        const int id = m_nCurrentId;
        vd::Binding<QString> b{[this, id, member]() -> QString {
                                   R* r = Record(id);
                                   return r ? QString::fromStdString(member(*r)) : QString();
                               },
                               [this, id, member, capacity, caption](const QString& v) {
                                   const std::string text = vd::CutToCapacity(v.toStdString(), capacity);
                                   Change(id, caption, [member, text](R& r) { member(r) = text; });
                               },
                               def};
        vd::TextItem* item = vd::addText(parent, caption, b, static_cast<int>(capacity) - 1);
        DescribeFromTable<std::string>(item, member);
        return item;
    }

    vd::TextItem* AddName(vd::PropertyItem* parent, const QString& caption = QStringLiteral("Name")) {
        return AddText(parent, caption, [](R& r) -> std::string& { return r.Caption; }, kText255);
    }
    vd::TextItem* AddResId(vd::PropertyItem* parent) {
        return AddText(parent, QStringLiteral("ResourceID"), [](R& r) -> std::string& { return r.ResID; }, kText255,
                       QString());
    }

    // Rows bound to a schema field by key; null when the kind has no such field.
    vd::TextItem* AddTextField(vd::PropertyItem* parent, const QString& caption, const char* key) {
        const Field* f = Coll::Table().Find(key);
        if (!f || f->type != FieldType::Text) return nullptr;
        const int id = m_nCurrentId;
        vd::Binding<QString> b{[this, id, f]() -> QString {
                                   R* r = Record(id);
                                   return r ? QString::fromStdString(f->template Ref<std::string>(*r)) : QString();
                               },
                               [this, id, f, caption](const QString& v) {
                                   const std::string text = vd::CutToCapacity(v.toStdString(), f->capacity);
                                   Change(id, caption, [f, text](R& r) { f->template Ref<std::string>(r) = text; });
                               },
                               QString::fromStdString(f->textNew), Description(f), Key(f)};
        return vd::addText(parent, caption, b, static_cast<int>(f->capacity) - 1);
    }

    vd::IntBinding IntField(const Field* f, const QString& caption) {
        const int id = m_nCurrentId;
        const SystemEnvironment& env = m_pSession->Document().Env();
        return vd::IntBinding{[this, id, f]() -> int {
                                  R* r = Record(id);
                                  return r ? f->template Ref<int>(*r) : 0;
                              },
                              [this, id, f, caption](const int& v) {
                                  Change(id, caption, [f, v](R& r) { f->template Ref<int>(r) = v; });
                              },
                              f->intNew.Resolve(env), Description(f), Key(f)};
    }

    // Four int fields (left, top, right, bottom) edited as one margin: one edit is one undoable step.
    vd::Binding<QMargins> MarginField(const Field* l, const Field* t, const Field* rt, const Field* b,
                                      const QString& caption) {
        const int id = m_nCurrentId;
        const SystemEnvironment& env = m_pSession->Document().Env();
        return vd::Binding<QMargins>{
            [this, id, l, t, rt, b]() -> QMargins {
                R* r = Record(id);
                return r ? QMargins(l->template Ref<int>(*r), t->template Ref<int>(*r), rt->template Ref<int>(*r),
                                    b->template Ref<int>(*r))
                         : QMargins();
            },
            [this, id, l, t, rt, b, caption](const QMargins& v) {
                Change(id, caption, [l, t, rt, b, v](R& r) {
                    l->template Ref<int>(r) = v.left();
                    t->template Ref<int>(r) = v.top();
                    rt->template Ref<int>(r) = v.right();
                    b->template Ref<int>(r) = v.bottom();
                });
            },
            QMargins(l->intNew.Resolve(env), t->intNew.Resolve(env), rt->intNew.Resolve(env),
                     b->intNew.Resolve(env)),
            vd::JoinDescriptions({Description(l), Description(t), Description(rt), Description(b)})};
    }

    vd::ColorItem* AddColorField(vd::PropertyItem* parent, const QString& caption, const Field* f) {
        const int id = m_nCurrentId;
        const SystemEnvironment& env = m_pSession->Document().Env();
        vd::Binding<Color> b{[this, id, f]() -> Color {
                                 R* r = Record(id);
                                 return r ? f->template Ref<Color>(*r) : Color{};
                             },
                             [this, id, f, caption](const Color& v) {
                                 Change(id, caption, [f, v](R& r) { f->template Ref<Color>(r) = v; });
                             },
                             f->colorNew.Resolve(env), Description(f), Key(f)};
        return vd::addColor(parent, caption, b);
    }

    // The field stored under `key` with the given type: several members may share one key ("Caption" is
    // a frame's name, its caption font and its caption text style). Null when the kind has none.
    static const Field* FindField(std::string_view key, FieldType type) {
        for (const Field& f : Coll::Table().Fields())
            if (f.key == key && f.type == type && f.phase != FieldPhase::SaveOnly) return &f;
        return nullptr;
    }

    // A font row over a font field; one edit replaces the whole LOGFONT in one undoable step, and the new
    // record's font is the row's default.
    vd::FontItem* AddFontField(vd::PropertyItem* parent, const QString& caption, const Field* f) {
        if (!f || f->type != FieldType::Font) return nullptr;
        const int id = m_nCurrentId;
        std::optional<LogFont> def;
        if constexpr (std::is_default_constructible_v<R>) {
            R fresh;
            if (f->applyNew) f->applyNew(fresh, m_pSession->Document().Env());
            def = f->template Ref<LogFont>(fresh);
        }
        vd::Binding<LogFont> b{[this, id, f]() -> LogFont {
                                   R* r = Record(id);
                                   return r ? f->template Ref<LogFont>(*r) : LogFont{};
                               },
                               [this, id, f, caption](const LogFont& v) {
                                   Change(id, caption, [f, v](R& r) { f->template Ref<LogFont>(r) = v; });
                               },
                               def, Description(f), Key(f)};
        return vd::addFont(parent, caption, b);
    }

    // A text-style row over any style member (a state's entry of an array, say); the dialog's OK replaces
    // the whole style in one undoable step, Cancel changes nothing.
    vd::TextStyleItem* AddTextStyleField(vd::PropertyItem* parent, const QString& caption,
                                         std::function<SkinTextStyle&(R&)> member,
                                         std::optional<SkinTextStyle> def = std::nullopt) {
        const int id = m_nCurrentId;
        vd::Binding<SkinTextStyle> b{[this, id, member]() -> SkinTextStyle {
                                         R* r = Record(id);
                                         return r ? member(*r) : SkinTextStyle::Fresh(m_pSession->Document().Env());
                                     },
                                     [this, id, member, caption](const SkinTextStyle& v) {
                                         Change(id, caption, [member, v](R& r) { member(r) = v; });
                                     },
                                     def};
        vd::TextStyleItem* item = vd::addTextStyle(parent, caption, b, m_pSession->Document().Env(), m_pDialogs);
        DescribeFromTable<SkinTextStyle>(item, member);
        return item;
    }

    // The same over a style field of the kind's table, whose new-record style is the row's default.
    vd::TextStyleItem* AddTextStyleField(vd::PropertyItem* parent, const QString& caption, const Field* f) {
        if (!f || f->type != FieldType::TextStyle) return nullptr;
        std::optional<SkinTextStyle> def;
        if constexpr (std::is_default_constructible_v<R>) {
            R fresh;
            if (f->applyNew) f->applyNew(fresh, m_pSession->Document().Env());
            def = f->template Ref<SkinTextStyle>(fresh);
        }
        return AddTextStyleField(
            parent, caption, [f](R& r) -> SkinTextStyle& { return f->template Ref<SkinTextStyle>(r); }, def);
    }

    // A number edited with a slider (0 to 100) over an int field; one drag of the thumb is one undo step.
    vd::SliderItem* AddSliderField(vd::PropertyItem* parent, const QString& caption, const Field* f) {
        if (!f || f->type != FieldType::Int) return nullptr;
        const int id = m_nCurrentId;
        vd::SliderBinding b{[this, id, f]() -> int {
                                R* r = Record(id);
                                return r ? f->template Ref<int>(*r) : 0;
                            },
                            [this, id, f, caption](int v, int gesture) {
                                SliderDragCommand::Push(
                                    *m_pSession, id, QCoreApplication::translate("Page", "Change %1").arg(caption),
                                    gesture, [f, v](SkinResStruct& s) { f->template Ref<int>(static_cast<R&>(s)) = v; });
                            },
                            f->intNew.Resolve(m_pSession->Document().Env())};
        vd::SliderItem* item = vd::addSlider(parent, caption, b);
        item->setDescription(Description(f));
        item->setKey(Key(f));
        return item;
    }

    // A bitmap row over a SkinImageBase member; its "..." opens the Skin Image Editor. OK is one undoable
    // step: the name (the picture resolved by it) and the thirteen numbers, and for a caption button also
    // its preview size, which follows the chosen rectangle.
    vd::ImageItem* AddImageField(vd::PropertyItem* parent, const QString& caption,
                                 std::function<SkinImageBase&(R&)> member) {
        const int id = m_nCurrentId;
        vd::Binding<SkinImageBase> b{[this, id, member]() -> SkinImageBase {
                                         R* r = Record(id);
                                         return r ? member(*r) : SkinImageBase{};
                                     },
                                     [this, id, member, caption](const SkinImageBase& v) {
                                         SkinImageBase chosen = v;
                                         chosen.name = vd::CutToCapacity(chosen.name, kText260);
                                         chosen.image = m_pSession->Document().PictureImageByName(chosen.name);
                                         const Field* w = Coll::Table().Find("VornadeskPreviewWidth");
                                         const Field* h = Coll::Table().Find("VornadeskPreviewHeight");
                                         const bool captionButton = id >= 3500 && id < 4000 && w && h;
                                         Change(id, caption, [member, chosen, captionButton, w, h](R& r) {
                                             member(r) = chosen;
                                             if (!captionButton) return;
                                             w->template Ref<int>(r) = chosen.right - chosen.left;
                                             h->template Ref<int>(r) = chosen.bottom - chosen.top;
                                         });
                                     }};
        SkinSession* session = m_pSession;
        DialogProvider* dialogs = m_pDialogs;
        vd::ImageItem* item = vd::addImage(parent, caption, b, [session, dialogs](QWidget* owner, SkinImageBase* image) {
            return session && dialogs && dialogs->EditImage(owner, *session, image);
        });
        DescribeFromTable<SkinImageBase>(item, member);
        return item;
    }
    vd::ImageItem* AddImageField(vd::PropertyItem* parent, const QString& caption, const char* key) {
        const Field* f = Coll::Table().Find(key);
        if (!f || f->type != FieldType::Image) return nullptr;
        return AddImageField(parent, caption, [f](R& r) -> SkinImageBase& { return f->template Ref<SkinImageBase>(r); });
    }

    // The "Position" group over the kind's placement; each row is one undoable step, the four offsets of
    // "Margin" and the two sizes of "Size" included. A new record's placement gives the defaults.
    vd::PropertyItem* AddPositionField(vd::PropertyItem* parent) {
        const Field* f = FindField("", FieldType::Placement);
        if (!f) return nullptr;
        const int id = m_nCurrentId;
        const QString caption = QStringLiteral("Position");
        auto read = [this, id, f]() -> const SkinPlacement* {
            R* r = Record(id);
            return r ? &f->template Ref<SkinPlacement>(*r) : nullptr;
        };
        auto write = [this, id, f, caption](std::function<void(SkinPlacement&)> edit) {
            Change(id, caption, [f, edit](R& r) { edit(f->template Ref<SkinPlacement>(r)); });
        };
        const SkinPlacement fresh;
        auto axis = [&](SkinPositionBase SkinPlacement::*which) {
            auto rule = [&](int SkinPositionBase::*member) {
                return vd::IntBinding{[read, which, member]() -> int {
                                          const SkinPlacement* p = read();
                                          return p ? p->*which.*member : 0;
                                      },
                                      [write, which, member](const int& v) {
                                          write([which, member, v](SkinPlacement& p) { p.*which.*member = v; });
                                      },
                                      fresh.*which.*member};
            };
            // Offsets and sizes go through "Margin" and "Size" below.
            return vd::PositionAxisBinding{rule(&SkinPositionBase::ignore), rule(&SkinPositionBase::alignType),
                                           rule(&SkinPositionBase::spaceType), {}, {}, {}};
        };
        vd::Binding<QMargins> margin{
            [read]() -> QMargins {
                const SkinPlacement* p = read();
                return p ? QMargins(p->horz.nearOffset, p->vert.nearOffset, p->horz.farOffset, p->vert.farOffset)
                         : QMargins();
            },
            [write](const QMargins& v) {
                write([v](SkinPlacement& p) {
                    p.horz.nearOffset = v.left();
                    p.vert.nearOffset = v.top();
                    p.horz.farOffset = v.right();
                    p.vert.farOffset = v.bottom();
                });
            },
            QMargins(fresh.horz.nearOffset, fresh.vert.nearOffset, fresh.horz.farOffset, fresh.vert.farOffset)};
        vd::Binding<QSize> size{[read]() -> QSize {
                                    const SkinPlacement* p = read();
                                    return p ? QSize(p->horz.sizeValue, p->vert.sizeValue) : QSize();
                                },
                                [write](const QSize& v) {
                                    write([v](SkinPlacement& p) {
                                        p.horz.sizeValue = v.width();
                                        p.vert.sizeValue = v.height();
                                    });
                                },
                                QSize(fresh.horz.sizeValue, fresh.vert.sizeValue)};
        vd::PropertyItem* position =
            vd::addPosition(parent, axis(&SkinPlacement::horz), axis(&SkinPlacement::vert), margin, size);
        if (position) position->setDescription(Description(f));
        return position;
    }

    // A row over per-command check images (a frame's menu items, a toolbar's commands): one summary line,
    // and "..." opens the check-image editor on the entries; OK replaces the whole map in one undoable step,
    // with every entry's pictures (and their grey copies) resolved from the chosen names.
    vd::DialogItem* AddCheckImagesField(vd::PropertyItem* parent, const QString& caption, CheckImagesOf what,
                                        std::function<CheckImageMap&(R&)> member, const QString& description) {
        const int id = m_nCurrentId;
        vd::Binding<CheckImageMap> b{[this, id, member]() -> CheckImageMap {
                                         R* r = Record(id);
                                         return r ? member(*r) : CheckImageMap{};
                                     },
                                     [this, id, member, caption](const CheckImageMap& v) {
                                         CheckImageMap resolved = v;
                                         const CSkinDocument& doc = m_pSession->Document();
                                         for (auto& [itemId, entry] : resolved)
                                             ResolveCheckImages(entry, [&doc](std::string_view name) {
                                                 return doc.PictureImageByName(name);
                                             });
                                         Change(id, caption, [member, resolved](R& r) { member(r) = resolved; });
                                     },
                                     CheckImageMap{}};
        SkinSession* session = m_pSession;
        DialogProvider* dialogs = m_pDialogs;
        std::function<bool(QWidget*, CheckImageMap*)> chooser = [session, dialogs, what](QWidget* owner,
                                                                                          CheckImageMap* entries) {
            if (!session || !dialogs) return false;
            QStringList names;
            const CResPicture& pictures = session->Document().Pictures();
            for (size_t i = 0; i < pictures.Count(); ++i) names << QString::fromStdString(pictures.At(i)->name);
            return dialogs->EditCheckImages(owner, what, names, entries);
        };
        vd::DialogItem* item = vd::addDialogRow<CheckImageMap>(parent, caption, b, &CMenuItemImagesDlg::Summary,
                                                               dialogs ? chooser : nullptr);
        item->setDescription(description);
        item->setKey(QString::fromLatin1(what == CheckImagesOf::MenuItems ? kFrameMenuItemsKey : kToolBarCommandsKey));
        return item;
    }

    // The four border sub-categories "Left", "Right", "Top" and "Bottom" under parent, each with its active
    // and inactive picture ("ActiveLeft", "InactiveLeft", ...), for the window kinds that store them so.
    // Returns the sub-categories in that order.
    std::array<vd::GroupItem*, 4> AddBorderImages(vd::PropertyItem* parent) {
        static constexpr std::array<std::array<const char*, 3>, 4> kBorders = {{
            {"Left", "ActiveLeft", "InactiveLeft"},
            {"Right", "ActiveRight", "InactiveRight"},
            {"Top", "ActiveTop", "InactiveTop"},
            {"Bottom", "ActiveBottom", "InactiveBottom"},
        }};
        std::array<vd::GroupItem*, 4> groups{};
        for (size_t i = 0; i < kBorders.size(); ++i) {
            const auto& [caption, active, inactive] = kBorders[i];
            groups[i] = vd::addGroup(parent, QString::fromLatin1(caption), true);
            AddImageField(groups[i], QString::fromLatin1(active), active);
            AddImageField(groups[i], QString::fromLatin1(inactive), inactive);
        }
        return groups;
    }

    // ResourceID and Name. A preview's size is the page's or the one stored with the object, never a row:
    // grip drags change the view only.
    vd::GroupItem* AddGeneral(vd::PropertyGrid& grid) {
        vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
        AddResId(general);
        AddName(general);
        general->setExpanded(true);
        return general;
    }

    // The "Action" category: a row for each selector of the kind's preview, in the table's order, bound to
    // the page's own value. These values belong to the page (every object of the kind is previewed with
    // them) and are never saved with the skin; changing one only redraws the preview. Null when the kind's
    // preview has no selectors.
    vd::GroupItem* AddActionCategory(vd::PropertyGrid& grid) {
        const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(m_nTypeBase);
        if (!kind || kind->selectors.empty()) return nullptr;
        vd::GroupItem* action = grid.addCategory(QStringLiteral("Action"));
        for (const vd::preview::SelectorInfo& s : kind->selectors) {
            const std::string key = s.caption;
            const int initial = s.initial;
            vd::IntBinding b{[this, key, initial]() -> int {
                                 return vd::preview::SelectorValue(m_selectorValues, key.c_str(), initial);
                             },
                             [this, key](const int& v) { m_selectorValues[key] = v; }, initial};
            const QString caption = QString::fromLatin1(s.caption);
            switch (s.edit) {
            case vd::preview::SelectorEdit::List: {
                QList<vd::EnumEntry> entries;
                for (const vd::preview::SelectorOption& o : s.options)
                    entries.append({QString::fromLatin1(o.label), o.value});
                vd::addEnum(action, caption, entries, b);
                break;
            }
            case vd::preview::SelectorEdit::Number: vd::addNumber(action, caption, b, s.minimum, s.maximum); break;
            case vd::preview::SelectorEdit::Slider: vd::addSlider(action, caption, b); break;
            }
        }
        action->setExpanded(true);
        return action;
    }

    void BuildProperties(vd::PropertyGrid& grid) override { AddGeneral(grid); }

private:
    vd::preview::SelectorValues m_selectorValues;
};
