#pragma once
// TObjList<T>: a TSafeObjList whose elements are known to be T, so callers get
// T* without casts and cannot offer an object of another type. It keeps that
// promise through Assign, which accepts only lists of T or of a class derived
// from T. It reports itself by the class name of the untyped list.

#include <stdexcept>

#include "common/Format.h"
#include "model/SafeObjList.h"

namespace lir {

template <class T>
class TObjList : public TSafeObjList {
 public:
  using ThisClass = TObjList;
  using ParentClass = TSafeObjList;
  static constexpr const char* StaticClassName() { return TSafeObjList::StaticClassName(); }

  explicit TObjList(bool ownsObjects) : TSafeObjList(classOf<T>(), ownsObjects) {}
  // A list admitting only a class derived from T (the item class of a plan).
  TObjList(const TClassRef& itemClass, bool ownsObjects) : TSafeObjList(itemClass, ownsObjects) {
    if (!itemClass.InheritsFrom(classOf<T>())) {
      throw std::invalid_argument(sformat("%s is not a %s", itemClass.name, T::StaticClassName()));
    }
  }

  T* Items(int index) const { return static_cast<T*>(TSafeObjList::Items(index)); }
  T* First() const { return static_cast<T*>(TSafeObjList::First()); }
  T* Last() const { return static_cast<T*>(TSafeObjList::Last()); }
  int Add(T* obj) { return TSafeObjList::Add(obj); }
  bool Insert(int index, T* obj) { return TSafeObjList::Insert(index, obj); }
  T* Extract(T* obj) { return static_cast<T*>(TSafeObjList::Extract(obj)); }

  void Assign(const TObject* source) override {
    const auto* list = dynamic_cast<const TSafeObjList*>(source);
    if (list != nullptr && list != this && !list->ItemClass().InheritsFrom(classOf<T>())) {
      throw EConvertError(sformat("Cannot assign a %s to a %s", ClassNameOf(source), ClassName()));
    }
    TSafeObjList::Assign(source);
  }
};

}  // namespace lir
