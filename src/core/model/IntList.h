#pragma once
// TIntList: a list of 32-bit integers kept within [Min, Max], optionally in
// ascending order, with a policy for values stored twice. Every refusal raises
// EIntegerListError and leaves the list as it was.

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "common/ObjectBase.h"

namespace lir {

class EIntegerListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TDuplicates { Ignore = 0, Accept = 1, Error = 2 };

class TIntList : public TObject {
  LIR_CLASS(TIntList, TObject)

  // The default lower bound is one above the smallest 32-bit value.
  static constexpr int32_t kDefaultMin = -2147483647;
  static constexpr int32_t kDefaultMax = 2147483647;

  TIntList() = default;

  int32_t Min() const { return min_; }
  int32_t Max() const { return max_; }
  void SetMin(int32_t value);
  void SetMax(int32_t value);
  TDuplicates Duplicates() const { return duplicates_; }
  // Applies to later stores; repeats already present stay.
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  const std::vector<int32_t>& Values() const { return values_; }

  virtual int Count() const { return static_cast<int>(values_.size()); }
  virtual int32_t Get(int index) const;
  virtual void Put(int index, int32_t value);
  // The index of the value: new, or of the present one when repeats are ignored.
  virtual int Add(int32_t value);
  // Adds every element of source in order; all or nothing.
  virtual void AddList(const TIntList& source);
  virtual void Clear();
  virtual void Delete(int index);
  // The highest index holding value.
  virtual bool Find(int32_t value, int& index) const;
  virtual void Exchange(int index1, int index2);
  virtual int IndexOf(int32_t value) const;
  virtual void Insert(int index, int32_t value);
  virtual void Move(int curIndex, int newIndex);
  virtual void Sort();

  // From a TIntList: takes its bounds, policies and elements (repeats follow
  // the copied policy). Anything else is an EConvertError. On any error this
  // list keeps its former state.
  virtual void Assign(const TObject* source);

 private:
  struct State {
    std::vector<int32_t> values;
    int32_t min, max;
    TDuplicates duplicates;
    bool sorted;
  };
  State Save() const { return {values_, min_, max_, duplicates_, sorted_}; }
  void Restore(State&& state);
  void CheckIndex(int index) const;
  void CheckRange(int32_t value) const;
  // For a value already present: false when it is to be ignored; raises under
  // the Error policy.
  bool MayRepeat() const;

  std::vector<int32_t> values_;
  int32_t min_ = kDefaultMin;
  int32_t max_ = kDefaultMax;
  TDuplicates duplicates_ = TDuplicates::Accept;
  bool sorted_ = false;
};

}  // namespace lir
