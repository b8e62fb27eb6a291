#pragma once
// The root of the model's class tree and a run-time class reference.
//
// Lists of the model admit "instances of a class or of a class derived from it"
// and name classes in their error texts, so a class has to be a value that can
// be stored, tested against an object and printed. TClassRef is that value;
// classOf<T>() answers the one reference of class T.
//
// Every class used as a class reference declares itself first thing in its
// body with LIR_CLASS(ThisClass, ParentClass); classOf<T>() refuses to compile
// for a class that has not, so a reference never carries a parent's name.

#include <stdexcept>
#include <type_traits>

namespace lir {

class TObject;

struct TClassRef {
  const char* name;
  // True when the object is an instance of this class or of a derived class;
  // false for null.
  bool (*isInstance)(const TObject* obj);
  // Null only for TObject.
  const TClassRef* parent;

  // True for this class itself and for every class derived from it.
  bool InheritsFrom(const TClassRef& ancestor) const {
    for (const TClassRef* c = this; c != nullptr; c = c->parent) {
      if (c == &ancestor) return true;
    }
    return false;
  }
};

template <class T>
const TClassRef& classOf();

// Declares the class name and parent of a TObject descendant. Put it first in
// the class body; it leaves the access at public.
#define LIR_CLASS(Class, Parent)                                       \
 public:                                                               \
  using ThisClass = Class;                                             \
  using ParentClass = Parent;                                          \
  static constexpr const char* StaticClassName() { return #Class; }   \
  const char* ClassName() const override { return StaticClassName(); }

class TObject {
 public:
  using ThisClass = TObject;
  static constexpr const char* StaticClassName() { return "TObject"; }

  TObject() = default;
  virtual ~TObject() = default;
  // Model objects have identity: lists and links hold them by address.
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  virtual const char* ClassName() const { return StaticClassName(); }
};

template <class T>
const TClassRef& classOf() {
  static_assert(std::is_base_of_v<TObject, T>, "class references are for TObject descendants");
  static_assert(std::is_same_v<typename T::ThisClass, T>,
                "the class lacks its own LIR_CLASS declaration");
  static const TClassRef ref{
      T::StaticClassName(),
      [](const TObject* obj) { return dynamic_cast<const T*>(obj) != nullptr; },
      [] {
        if constexpr (std::is_same_v<T, TObject>) {
          return static_cast<const TClassRef*>(nullptr);
        } else {
          return &classOf<typename T::ParentClass>();
        }
      }()};
  return ref;
}

// The class name of an object for error texts, "nil" for none.
inline const char* ClassNameOf(const TObject* obj) { return obj != nullptr ? obj->ClassName() : "nil"; }

// An object cannot be copied into another of an unsuitable class.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A list position outside the list.
class EListError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

// Raises EListError "List index out of bounds (%d)".
[[noreturn]] void ThrowListIndexError(int index);

}  // namespace lir
