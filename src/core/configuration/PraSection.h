#pragma once
// The output-block section of a family-9 controller's configuration image.
//
// A head (its length, the number of blocks, the model's block parameters, the
// image offset of every block record, a checksum), then one record per block
// with the model output index wired to each channel, and for InternalID 16 a
// record with the numbers of work phases and work cycles. Every offset and the
// size come from one plan, so the size handed out beforehand and the bytes
// written always agree.

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace lir {

class ByteWriter;
class TController;
class TPRASettings;

// The section cannot be built: a model without ЛОВ/ПРА blocks ("unknown LOV
// controller internal id"), or values that do not fit their fields.
class EPRASectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Offsets are relative to the section start.
struct TPRASectionPlan {
  std::size_t HeadFixedLength = 0;  // the bytes before the block offsets
  std::size_t HeadLength = 0;       // the whole head, its checksum included
  std::vector<std::size_t> BlockOffsets;
  std::vector<std::size_t> BlockLengths;
  std::size_t PhaseCountOffset = 0;  // InternalID 16 only, else 0
  std::size_t Size = 0;
};

// Throws EPRASectionError for an InternalID other than 10, 15 and 16, or a head
// too long for its length byte.
TPRASectionPlan planPRASection(const TPRASettings& settings, int internalId);

struct TPRASectionInput {
  int InternalID = 0;
  // The controller the image is for: a channel wired to another controller's
  // output is written empty. Null counts every output.
  const TController* Controller = nullptr;
  // InternalID 16 only, 0..255 each.
  int WorkPhases = 0;
  int WorkCycles = 0;
};

// Appends the section at the writer's position, which must be its offset in
// the image: the block offsets are image offsets. Throws EPRASectionError as
// planPRASection does, and when an offset passes 65535 or a count its byte.
void writePRASection(ByteWriter& image, const TPRASettings& settings, const TPRASectionInput& input);

}  // namespace lir
