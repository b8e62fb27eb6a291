#pragma once
// TSafeObjList: an ordered list of objects that admits only instances of one
// class, with a policy for null entries and one for repeated entries. An owning
// list destroys an object when it is deleted or removed from the list, and all
// of them when the list is cleared or destroyed.
//
// Admission failures are silent: Add answers -1 and Insert does nothing, and
// the caller keeps the object it offered (an owning list did not take it).
//
// The class to admit is a TClassRef (a reference, never null) and entries are
// TObject pointers, so the class test itself cannot fail; a dangling pointer
// is the caller's fault and is not detected.

#include <vector>

#include "common/ObjectBase.h"

namespace lir {

class TSafeObjList : public TObject {
  LIR_CLASS(TSafeObjList, TObject)

  // AllowNil starts as the negation of ownsObjects, AllowDuplicates as true.
  TSafeObjList(const TClassRef& itemClass, bool ownsObjects);
  ~TSafeObjList() override;

  const TClassRef& ItemClass() const { return *itemClass_; }
  bool OwnsObjects() const { return ownsObjects_; }
  bool AllowNil() const { return allowNil_; }
  void SetAllowNil(bool value) { allowNil_ = value; }
  bool AllowDuplicates() const { return allowDuplicates_; }
  // Switching it off removes the later repeats of every non-null entry
  // (the first occurrence stays, so no object is destroyed).
  void SetAllowDuplicates(bool value);

  int Count() const { return static_cast<int>(items_.size()); }
  TObject* Items(int index) const;
  TObject* First() const { return items_.empty() ? nullptr : items_.front(); }
  TObject* Last() const { return items_.empty() ? nullptr : items_.back(); }
  int IndexOf(const TObject* obj) const;

  // The new index, or -1 when the object is not admitted.
  int Add(TObject* obj);
  // True when the object was admitted; index may equal Count.
  bool Insert(int index, TObject* obj);
  // Deletes the first occurrence; answers its former index or -1.
  int Remove(TObject* obj);
  void Delete(int index);
  // Takes the first occurrence out without destroying it; answers obj, or null
  // when absent. The caller owns what an owning list hands out this way.
  TObject* Extract(TObject* obj);
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  void Clear();

  // From another TSafeObjList: this list becomes a copy of its references and
  // takes its ItemClass, AllowNil and AllowDuplicates. An owning list cannot
  // hold references another list holds (each object would be destroyed twice),
  // so it accepts only a source without objects. Errors (EConvertError) leave
  // this list unchanged.
  virtual void Assign(const TObject* source);

 protected:
  // The admission rule of Add and Insert.
  bool Admits(const TObject* obj) const;

 private:
  void CheckIndex(int index) const;

  const TClassRef* itemClass_;
  bool ownsObjects_;
  bool allowNil_;
  bool allowDuplicates_ = true;
  std::vector<TObject*> items_;
};

}  // namespace lir
