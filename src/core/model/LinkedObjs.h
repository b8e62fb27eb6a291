#pragma once
// Named, reference-counted containers: work cycles and day, week and year plans
// are TLinkedObjects whose items (TLinkedObjItem) each hold a small fixed-size
// record and may link to another TLinkedObject. Every link counts in the linked
// object's RefCount, which is how the project knows a cycle or plan is in use.
//
// A linked object must outlive the items that link to it: release or destroy
// the referring items (or the plans holding them) before the object itself.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/ObjectBase.h"
#include "model/ObjList.h"

namespace lir {

class TLinkedObject;
class TLinkedObjItem;

// An item class: its class reference and its constructor, so a container can
// create items of the class it was given.
struct TLinkedObjItemClass {
  const TClassRef* classRef;
  // data: DataSize() bytes, or null for a zeroed record; link may be null.
  TLinkedObjItem* (*create)(const void* data, TLinkedObject* link);
};

template <class T>
const TLinkedObjItemClass& itemClassOf();

class TLinkedObjItem : public TObject {
  LIR_CLASS(TLinkedObjItem, TObject)

  TLinkedObjItem() = default;
  // Releases the link.
  ~TLinkedObjItem() override;

  // A new item of class T with a copy of the record and a counted link.
  template <class T>
  static T* Create(const void* data, TLinkedObject* link);

  // Size in bytes of the item's record; its layout (little-endian) belongs to
  // the derived class. Must not change during the item's life.
  virtual int DataSize() const { return 4; }
  void GetData(void* record) const;
  // Copies DataSize() bytes in; null clears the record.
  void SetData(const void* record);
  std::span<const uint8_t> Data() const;

  TLinkedObject* Link() const { return link_; }
  // Moves the reference from the old link to the new one.
  void SetLink(TLinkedObject* newLink);

  // Copies the record and the link (counted). Items with fields beyond the
  // record override this to copy those as well.
  virtual void Assign(const TLinkedObjItem& source);

 protected:
  std::span<uint8_t> MutableData();

 private:
  // The record is sized on first use: a constructor cannot ask DataSize().
  void SizeRecord() const;

  mutable std::vector<uint8_t> data_;
  TLinkedObject* link_ = nullptr;
};

class TLinkedObject : public TObject {
  LIR_CLASS(TLinkedObject, TObject)

  // Items exist only when an item class is given.
  explicit TLinkedObject(std::string name = {}, const TLinkedObjItemClass* itemClass = nullptr);
  ~TLinkedObject() override;

  // Number of items elsewhere that link to this object.
  int32_t RefCount() const { return refCount_; }
  void AddRef() { ++refCount_; }
  // Never below 0.
  void Release();

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const TLinkedObjItemClass* ItemClass() const { return itemClass_; }
  // The owning list of items, null without an item class.
  TObjList<TLinkedObjItem>* Items() const { return items_.get(); }

  int Count() const { return items_ ? items_->Count() : 0; }
  TLinkedObjItem* Item(int index) const;
  TLinkedObjItem* Last() const { return items_ ? items_->Last() : nullptr; }
  int IndexOf(const TLinkedObjItem* item) const { return items_ ? items_->IndexOf(item) : -1; }
  void Delete(int index);
  // Deletes the item; answers its former index or -1.
  int Remove(TLinkedObjItem* item) { return items_ ? items_->Remove(item) : -1; }

  // Whether an item may follow position index; any position here.
  virtual bool CanAddItem(int index) const;
  // Takes the name, the item class and copies of the items (new items with the
  // same records, linking to the same objects). The reference count stays:
  // it counts the items that link to this object, which copying does not change.
  virtual void Assign(const TLinkedObject* source);
  // A new item after position index (-1: at the front; the last position or
  // beyond: at the end), or null when there are no items or CanAddItem refuses.
  virtual TLinkedObjItem* AddItem(int index, const void* data, TLinkedObject* link);

 private:
  int32_t refCount_ = 0;
  std::string name_;
  const TLinkedObjItemClass* itemClass_;
  std::unique_ptr<TObjList<TLinkedObjItem>> items_;
};

template <class T>
T* TLinkedObjItem::Create(const void* data, TLinkedObject* link) {
  static_assert(std::is_base_of_v<TLinkedObjItem, T>, "items derive from TLinkedObjItem");
  auto item = std::make_unique<T>();
  item->SetData(data);
  item->SetLink(link);
  return item.release();
}

template <class T>
const TLinkedObjItemClass& itemClassOf() {
  static const TLinkedObjItemClass ref{
      &classOf<T>(),
      [](const void* data, TLinkedObject* link) -> TLinkedObjItem* { return TLinkedObjItem::Create<T>(data, link); }};
  return ref;
}

}  // namespace lir
