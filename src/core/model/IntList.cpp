#include "model/IntList.h"

#include <algorithm>
#include <utility>

#include "common/Format.h"

namespace lir {

void TIntList::Restore(State&& state) {
  values_ = std::move(state.values);
  min_ = state.min;
  max_ = state.max;
  duplicates_ = state.duplicates;
  sorted_ = state.sorted;
}

void TIntList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EIntegerListError(sformat("List index out of bounds (%d)", index));
}

void TIntList::CheckRange(int32_t value) const {
  if (value < min_ || value > max_) throw EIntegerListError("Value out of range [min, max]");
}

bool TIntList::MayRepeat() const {
  if (duplicates_ == TDuplicates::Error) throw EIntegerListError("Integer list duplicates error");
  return duplicates_ == TDuplicates::Accept;
}

void TIntList::SetMin(int32_t value) {
  if (value == min_) return;
  if (value > max_ || std::any_of(values_.begin(), values_.end(), [value](int32_t v) { return v < value; })) {
    throw EIntegerListError("Set int list min value error");
  }
  min_ = value;
}

void TIntList::SetMax(int32_t value) {
  if (value == max_) return;
  if (value < min_ || std::any_of(values_.begin(), values_.end(), [value](int32_t v) { return v > value; })) {
    throw EIntegerListError("Set int list max value error");
  }
  max_ = value;
}

void TIntList::SetSorted(bool value) {
  if (value && !sorted_) Sort();
  sorted_ = value;
}

int32_t TIntList::Get(int index) const {
  CheckIndex(index);
  return values_[static_cast<std::size_t>(index)];
}

void TIntList::Put(int index, int32_t value) {
  CheckIndex(index);
  if (values_[static_cast<std::size_t>(index)] == value) return;
  CheckRange(value);
  if (duplicates_ != TDuplicates::Accept && IndexOf(value) >= 0 && !MayRepeat()) return;
  values_[static_cast<std::size_t>(index)] = value;
  if (sorted_) Sort();
}

int TIntList::Add(int32_t value) {
  CheckRange(value);
  if (sorted_) {
    // After the last element not above the value, so equal values keep their
    // order of arrival.
    int at = Count() - 1;
    while (at >= 0 && values_[static_cast<std::size_t>(at)] > value) --at;
    if (at >= 0 && values_[static_cast<std::size_t>(at)] == value && !MayRepeat()) return at;
    values_.insert(values_.begin() + (at + 1), value);
    return at + 1;
  }
  if (duplicates_ != TDuplicates::Accept) {
    const int present = IndexOf(value);
    if (present >= 0 && !MayRepeat()) return present;
  }
  values_.push_back(value);
  return Count() - 1;
}

void TIntList::AddList(const TIntList& source) {
  const std::vector<int32_t> incoming = source.values_;  // source may be this list
  State saved = Save();
  try {
    for (const int32_t v : incoming) Add(v);
  } catch (...) {
    Restore(std::move(saved));
    throw;
  }
}

void TIntList::Clear() { values_.clear(); }

void TIntList::Delete(int index) {
  CheckIndex(index);
  values_.erase(values_.begin() + index);
}

bool TIntList::Find(int32_t value, int& index) const {
  for (index = Count() - 1; index >= 0; --index) {
    if (values_[static_cast<std::size_t>(index)] == value) return true;
  }
  return false;
}

void TIntList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  auto& a = values_[static_cast<std::size_t>(index1)];
  auto& b = values_[static_cast<std::size_t>(index2)];
  if (a == b) return;
  if (sorted_) throw EIntegerListError("Can't exchange items in sorted list");
  std::swap(a, b);
}

int TIntList::IndexOf(int32_t value) const {
  int index;
  Find(value, index);
  return index;
}

void TIntList::Insert(int index, int32_t value) {
  CheckRange(value);
  if (sorted_) throw EIntegerListError("Can't insert item in sorted list");
  if (duplicates_ != TDuplicates::Accept && IndexOf(value) >= 0 && !MayRepeat()) return;
  if (index < 0 || index > Count()) throw EIntegerListError(sformat("List index out of bounds (%d)", index));
  values_.insert(values_.begin() + index, value);
}

void TIntList::Move(int curIndex, int newIndex) {
  if (sorted_) throw EIntegerListError("Can't move item in sorted list");
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  const int32_t value = values_[static_cast<std::size_t>(curIndex)];
  values_.erase(values_.begin() + curIndex);
  values_.insert(values_.begin() + newIndex, value);
}

void TIntList::Sort() { std::sort(values_.begin(), values_.end()); }

void TIntList::Assign(const TObject* source) {
  if (source == this) return;
  const auto* list = dynamic_cast<const TIntList*>(source);
  if (list == nullptr) {
    throw EConvertError(sformat("Cannot assign a %s to a %s", ClassNameOf(source), ClassName()));
  }
  State saved = Save();
  try {
    min_ = list->min_;
    max_ = list->max_;
    duplicates_ = list->duplicates_;
    sorted_ = list->sorted_;
    Clear();
    AddList(*list);
  } catch (...) {
    Restore(std::move(saved));
    throw;
  }
}

}  // namespace lir
