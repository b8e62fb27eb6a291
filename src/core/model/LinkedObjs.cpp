#include "model/LinkedObjs.h"

#include <algorithm>
#include <cstring>

#include "common/Format.h"

namespace lir {

// --- TLinkedObjItem ---

TLinkedObjItem::~TLinkedObjItem() {
  if (link_ != nullptr) link_->Release();
}

void TLinkedObjItem::SizeRecord() const {
  const auto size = static_cast<std::size_t>(std::max(DataSize(), 0));
  if (data_.size() != size) data_.resize(size);
}

void TLinkedObjItem::GetData(void* record) const {
  SizeRecord();
  if (!data_.empty()) std::memcpy(record, data_.data(), data_.size());
}

void TLinkedObjItem::SetData(const void* record) {
  SizeRecord();
  if (data_.empty()) return;
  if (record != nullptr) {
    std::memcpy(data_.data(), record, data_.size());
  } else {
    std::fill(data_.begin(), data_.end(), 0);
  }
}

std::span<const uint8_t> TLinkedObjItem::Data() const {
  SizeRecord();
  return data_;
}

std::span<uint8_t> TLinkedObjItem::MutableData() {
  SizeRecord();
  return data_;
}

void TLinkedObjItem::SetLink(TLinkedObject* newLink) {
  if (newLink == link_) return;
  if (link_ != nullptr) link_->Release();
  if (newLink != nullptr) newLink->AddRef();
  link_ = newLink;
}

void TLinkedObjItem::Assign(const TLinkedObjItem& source) {
  if (&source == this) return;
  SizeRecord();
  const std::span<const uint8_t> from = source.Data();
  // Records of different item classes may differ in size: copy what both hold.
  const std::size_t common = std::min(from.size(), data_.size());
  std::copy_n(from.begin(), common, data_.begin());
  std::fill(data_.begin() + static_cast<std::ptrdiff_t>(common), data_.end(), 0);
  SetLink(source.link_);
}

// --- TLinkedObject ---

TLinkedObject::TLinkedObject(std::string name, const TLinkedObjItemClass* itemClass)
    : name_(std::move(name)), itemClass_(itemClass) {
  if (itemClass_ != nullptr) items_ = std::make_unique<TObjList<TLinkedObjItem>>(*itemClass_->classRef, true);
}

TLinkedObject::~TLinkedObject() = default;

void TLinkedObject::Release() {
  if (refCount_ > 0) --refCount_;
}

TLinkedObjItem* TLinkedObject::Item(int index) const {
  if (!items_) ThrowListIndexError(index);
  return items_->Items(index);
}

void TLinkedObject::Delete(int index) {
  if (!items_) ThrowListIndexError(index);
  items_->Delete(index);
}

bool TLinkedObject::CanAddItem(int /*index*/) const { return true; }

TLinkedObjItem* TLinkedObject::AddItem(int index, const void* data, TLinkedObject* link) {
  if (!items_ || !CanAddItem(index)) return nullptr;
  // Checked before the item exists, so a refused position takes no reference.
  if (index < -1) ThrowListIndexError(index);
  std::unique_ptr<TLinkedObjItem> item(itemClass_->create(data, link));
  const int at = index < Count() - 1 ? index + 1 : Count();
  if (!items_->Insert(at, item.get())) return nullptr;
  return item.release();
}

void TLinkedObject::Assign(const TLinkedObject* source) {
  if (source == nullptr) throw EConvertError(sformat("Не могу значение %s присвоить %s", "nil", ClassName()));
  if (source == this) return;
  // The copies are built aside first, so a failure leaves this object as it was.
  std::unique_ptr<TObjList<TLinkedObjItem>> copies;
  if (source->itemClass_ != nullptr) {
    copies = std::make_unique<TObjList<TLinkedObjItem>>(*source->itemClass_->classRef, true);
    for (int i = 0; i < source->Count(); ++i) {
      const TLinkedObjItem* original = source->Item(i);
      if (original == nullptr) continue;
      std::unique_ptr<TLinkedObjItem> copy(source->itemClass_->create(nullptr, original->Link()));
      copy->Assign(*original);
      if (copies->Add(copy.get()) >= 0) copy.release();
    }
  }
  name_ = source->name_;
  itemClass_ = source->itemClass_;
  items_ = std::move(copies);  // the former items release their links here
}

}  // namespace lir
