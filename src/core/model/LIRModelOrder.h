#pragma once
// The order of the model list: families with a higher number first, within a
// family alphabetically by description, ignoring case.

#include <string>
#include <string_view>

namespace lir {

class TLIRModel;

// The decimal text of Family − 1000 with at least three digits ("-991" for
// family 9, "-1000" for family 0), followed by the upper-cased description.
// Compared as byte strings (code point order), ascending keys give the list
// order; family 0 therefore comes before all other families.
std::string ModelSortKey(const TLIRModel& model);

}  // namespace lir
