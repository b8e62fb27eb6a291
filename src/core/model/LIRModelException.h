#pragma once
// Errors of the controller models.

#include <stdexcept>
#include <string>

namespace lir {

// A model plug-in that cannot be used; the message is the reason shown to the
// user after "Ошибка при загрузке библиотеки %s.".
class ELIRModelException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The folder of the model plug-ins cannot be listed at all. Not an
// ELIRModelException: it ends the loading instead of refusing one file.
class ELIRModelFolderException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lir
