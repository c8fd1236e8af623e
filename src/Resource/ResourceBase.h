#pragma once
// Base of every collection: the items of one object kind, their ID block, and the generic load and save of
// a collection ("Indexs" list plus one LoadItem/SaveItem per item).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Resource/KindInfo.h"
#include "Resource/RecordIO.h"
#include "Resource/RecordSchema.h"
#include "Resource/SkinRecords.h"

// The key of the member that names the frame (tool window, free frame) an object belongs to, in every kind
// that has one; 0 means none.
inline constexpr const char* kOwnerFrameIdKey = "OwnerFrameID";

class CSkinDocument;

class CResourceBase {
public:
    CResourceBase(CSkinDocument& doc, const KindInfo& info);
    virtual ~CResourceBase();
    CResourceBase(const CResourceBase&) = delete;
    CResourceBase& operator=(const CResourceBase&) = delete;

    const KindInfo& Info() const { return m_info; }
    const char* SectionName() const { return m_info.sectionName; }
    const char* ItemPrefix() const { return m_info.itemPrefix; }
    int BaseId() const { return m_info.baseId; }
    int IdRange() const { return m_info.idRange; }
    int LastId() const { return m_lastId; }
    bool IsCreatable() const { return m_info.captionFormat != nullptr; }

    CResourceBase* OwnsId(int id) { return id >= BaseId() && id < BaseId() + IdRange() ? this : nullptr; }

    // Creates a record with the kind's defaults, ID LastId + 1 and the kind's caption. Null, with a reason in
    // *error, when the kind cannot be created or its ID block is used up.
    virtual SkinResStruct* NewItem(std::string* error = nullptr);
    virtual bool LoadItem(int n) = 0;
    virtual bool SaveItem(const SkinResStruct& item) = 0;
    virtual void RemoveAll();
    // An exact copy of a record of this kind (records are value types).
    virtual std::unique_ptr<SkinResStruct> CloneItem(const SkinResStruct& item) const = 0;
    // Overwrites a record of this kind with another's values in place, so pointers to it stay valid.
    virtual void AssignItem(SkinResStruct& target, const SkinResStruct& source) const = 0;
    // Whether two records of this kind hold the same values.
    virtual bool SameItem(const SkinResStruct& a, const SkinResStruct& b) const = 0;
    // Points a record's picture references at what their names resolve to now; true when one changed.
    virtual bool ResolveImages(SkinResStruct&, const PictureResolver&) const { return false; }

    // The generic collection load: false when "Indexs" is empty, a listed number has no ID key or an item
    // fails (items before it stay). Each listed number loads once; an item whose ID another item of the
    // collection holds, or whose ID is outside the block, is given a free ID of the block; an item that
    // cannot be numbered is left out unread. Every such change is told through the document's warnings.
    virtual bool Load();
    // The generic collection save: each item, then "Indexs". False with a reason at the first failing item.
    virtual bool Save(std::string* error = nullptr);

    SkinResStruct* AddItem(std::unique_ptr<SkinResStruct> item);
    // Puts a record back at a position (undo of a deletion); LastId follows as for AddItem.
    SkinResStruct* InsertItem(size_t index, std::unique_ptr<SkinResStruct> item);
    // Removes the first item with the ID and hands it over; null when there is none.
    std::unique_ptr<SkinResStruct> TakeItem(int id, size_t* index = nullptr);
    SkinResStruct* Duplicate(int id, std::string* error = nullptr);
    SkinResStruct* Find(int id) const;
    const std::vector<std::unique_ptr<SkinResStruct>>& Items() const { return m_items; }
    size_t Count() const { return m_items.size(); }
    void Sort(const std::function<bool(const SkinResStruct&, const SkinResStruct&)>& less);

    // The caption NewItem gives item number n.
    std::string NewCaption(int number) const;
    std::string Prefix(const SkinResStruct& item) const { return std::to_string(item.ID - BaseId()); }

    CSkinDocument& Document() const { return m_doc; }
    const SystemEnvironment& Env() const { return m_env; }

protected:
    // A record of this kind with its new-record defaults (ID and caption not set yet).
    virtual std::unique_ptr<SkinResStruct> MakeRecord() const = 0;
    bool ReserveNextId(std::string* error) const;
    // A loaded record whose stored ID lies outside this collection's block could not be saved under its
    // number again (its keys would be written under ID - BaseId): it takes BaseId + n, or is passed over
    // when n itself is outside the block.
    bool AcceptLoadedId(SkinResStruct& record, int n) const;
    ConfigReader Reader() const;
    ConfigWriter Writer() const;
    // "the IDs 3000 to 3499 of Frames", for messages.
    std::string BlockText() const;

    CSkinDocument& m_doc;
    const SystemEnvironment& m_env;
    const KindInfo& m_info;
    int m_lastId;
    std::vector<std::unique_ptr<SkinResStruct>> m_items;
};

// A collection whose records are described by a RecordSchema.
template <class R>
class CResTyped : public CResourceBase {
public:
    using Record = R;
    CResTyped(CSkinDocument& doc, const KindInfo& info, const RecordSchema<R>& schema)
        : CResourceBase(doc, info), m_schema(schema) {}

    const RecordSchema<R>& Schema() const { return m_schema; }

    R* NewRecord(std::string* error = nullptr) { return static_cast<R*>(NewItem(error)); }
    R* At(size_t i) const { return static_cast<R*>(m_items[i].get()); }
    R* FindRecord(int id) const { return static_cast<R*>(Find(id)); }

    bool LoadItem(int n) override {
        auto record = std::make_unique<R>();
        const ConfigReader in = Reader();
        m_schema.ApplyNewDefaults(*record, in.Env());
        m_schema.Load(*record, in, std::to_string(n));
        if (AcceptLoadedId(*record, n)) AddItem(std::move(record));
        return true;
    }
    bool SaveItem(const SkinResStruct& item) override {
        ConfigWriter out = Writer();
        m_schema.Save(static_cast<const R&>(item), out, Prefix(item));
        return true;
    }
    std::unique_ptr<SkinResStruct> CloneItem(const SkinResStruct& item) const override {
        return std::make_unique<R>(static_cast<const R&>(item));
    }
    void AssignItem(SkinResStruct& target, const SkinResStruct& source) const override {
        static_cast<R&>(target) = static_cast<const R&>(source);
    }
    bool SameItem(const SkinResStruct& a, const SkinResStruct& b) const override {
        return static_cast<const R&>(a) == static_cast<const R&>(b);
    }
    bool ResolveImages(SkinResStruct& item, const PictureResolver& resolve) const override {
        return m_schema.ResolveImages(static_cast<R&>(item), resolve);
    }

protected:
    std::unique_ptr<SkinResStruct> MakeRecord() const override;

    const RecordSchema<R>& m_schema;
};

template <class R>
std::unique_ptr<SkinResStruct> CResTyped<R>::MakeRecord() const {
    auto record = std::make_unique<R>();
    m_schema.ApplyNewDefaults(*record, Env());
    return record;
}
