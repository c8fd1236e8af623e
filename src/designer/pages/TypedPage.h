#pragma once
// A page over one typed collection: reads the selected record from the document, binds grid rows to the
// fields of the kind's RecordSchema (defaults for bold values and "Reset to default" come from the table),
// and turns every committed value into one EditObjectCommand. Pages of kinds without their own grid yet
// show the "General" category built here.

#include <QCoreApplication>

#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "designer/SkinSession.h"
#include "designer/pages/ResObjProperty.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/undo/EditObjectCommand.h"
#include "designer/undo/UndoIds.h"

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

    QSize PreviewSize() const override {
        const Field* w = Coll::Table().Find("VornadeskPreviewWidth");
        const Field* h = Coll::Table().Find("VornadeskPreviewHeight");
        R* r = Current();
        if (!w || !h || !r) return CResObjProperty::PreviewSize();
        return {w->template Ref<int>(*r), h->template Ref<int>(*r)};
    }

    void StorePreviewSize(QSize size) override {
        const Field* w = Coll::Table().Find("VornadeskPreviewWidth");
        const Field* h = Coll::Table().Find("VornadeskPreviewHeight");
        if (!w || !h || !Current()) return CResObjProperty::StorePreviewSize(size);
        EditObjectCommand::Push(
            *m_pSession, m_nCurrentId, QCoreApplication::translate("Page", "Resize preview"),
            [w, h, size](SkinResStruct& s) {
                w->template Ref<int>(static_cast<R&>(s)) = size.width();
                h->template Ref<int>(static_cast<R&>(s)) = size.height();
            },
            // The view stores the size once, when the drag ends, so each drag is its own undo step.
            kNoMerge);
    }

protected:
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
        return vd::addText(parent, caption, b, static_cast<int>(capacity) - 1);
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
                               QString::fromStdString(f->textNew)};
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
                              f->intNew.Resolve(env)};
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
                             f->colorNew.Resolve(env)};
        return vd::addColor(parent, caption, b);
    }

    // ResourceID, Name and, for kinds that store one, the preview size.
    vd::GroupItem* AddGeneral(vd::PropertyGrid& grid) {
        vd::GroupItem* general = grid.addCategory(QStringLiteral("General"));
        AddResId(general);
        AddName(general);
        const Field* w = Coll::Table().Find("VornadeskPreviewWidth");
        const Field* h = Coll::Table().Find("VornadeskPreviewHeight");
        if (w && h && w->phase == FieldPhase::Stored)
            vd::addSize(general, QStringLiteral("PreviewSize"), IntField(w, QStringLiteral("PreviewWidth")),
                        IntField(h, QStringLiteral("PreviewHeight")));
        general->setExpanded(true);
        return general;
    }

    void BuildProperties(vd::PropertyGrid& grid) override { AddGeneral(grid); }
};
