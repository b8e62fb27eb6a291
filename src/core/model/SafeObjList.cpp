#include "model/SafeObjList.h"

#include <algorithm>
#include <utility>

#include "common/Format.h"

namespace lir {

TSafeObjList::TSafeObjList(const TClassRef& itemClass, bool ownsObjects)
    : itemClass_(&itemClass), ownsObjects_(ownsObjects), allowNil_(!ownsObjects) {}

TSafeObjList::~TSafeObjList() { Clear(); }

void TSafeObjList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
}

TObject* TSafeObjList::Items(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)];
}

int TSafeObjList::IndexOf(const TObject* obj) const {
  const auto it = std::find(items_.begin(), items_.end(), obj);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

bool TSafeObjList::Admits(const TObject* obj) const {
  if (obj == nullptr) return allowNil_;
  if (!itemClass_->isInstance(obj)) return false;
  if (IndexOf(obj) < 0) return true;
  // A second entry of an owned object would be destroyed twice.
  return allowDuplicates_ && !ownsObjects_;
}

int TSafeObjList::Add(TObject* obj) {
  if (!Admits(obj)) return -1;
  items_.push_back(obj);
  return Count() - 1;
}

bool TSafeObjList::Insert(int index, TObject* obj) {
  if (index < 0 || index > Count()) ThrowListIndexError(index);
  if (!Admits(obj)) return false;
  items_.insert(items_.begin() + index, obj);
  return true;
}

int TSafeObjList::Remove(TObject* obj) {
  const int index = IndexOf(obj);
  if (index >= 0) Delete(index);
  return index;
}

void TSafeObjList::Delete(int index) {
  CheckIndex(index);
  TObject* obj = items_[static_cast<std::size_t>(index)];
  items_.erase(items_.begin() + index);
  // Destroyed only once it is out of the list, so its destructor sees a
  // consistent list.
  if (ownsObjects_) delete obj;
}

TObject* TSafeObjList::Extract(TObject* obj) {
  const int index = IndexOf(obj);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  return obj;
}

void TSafeObjList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
}

void TSafeObjList::Move(int curIndex, int newIndex) {
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  TObject* obj = items_[static_cast<std::size_t>(curIndex)];
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, obj);
}

void TSafeObjList::Clear() {
  std::vector<TObject*> old;
  old.swap(items_);
  if (!ownsObjects_) return;
  for (auto it = old.rbegin(); it != old.rend(); ++it) delete *it;
}

void TSafeObjList::SetAllowDuplicates(bool value) {
  if (allowDuplicates_ && !value) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] == nullptr) continue;
      // Only the entries go: the object itself stays at position i.
      for (std::size_t j = items_.size() - 1; j > i; --j) {
        if (items_[j] == items_[i]) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(j));
      }
    }
  }
  allowDuplicates_ = value;
}

void TSafeObjList::Assign(const TObject* source) {
  if (source == this) return;
  const auto* list = dynamic_cast<const TSafeObjList*>(source);
  const bool sharesObjects =
      list != nullptr && ownsObjects_ &&
      std::any_of(list->items_.begin(), list->items_.end(), [](const TObject* o) { return o != nullptr; });
  if (list == nullptr || sharesObjects) {
    throw EConvertError(sformat("Cannot assign a %s to a %s", ClassNameOf(source), ClassName()));
  }
  Clear();
  allowNil_ = list->allowNil_;
  allowDuplicates_ = list->allowDuplicates_;
  itemClass_ = list->itemClass_;
  for (TObject* obj : list->items_) Add(obj);
}

}  // namespace lir
