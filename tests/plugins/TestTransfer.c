/* A stand-in transfer library for the journal tests: ReadCrushList records the
   window handle it is called with; ReadJournal is deliberately missing. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

__attribute__((visibility("default"))) void ReadCrushList(uintptr_t window) {
  const char* out = getenv("LIR_TEST_TRANSFER_OUT");
  if (out == NULL) return;
  FILE* file = fopen(out, "w");
  if (file == NULL) return;
  fprintf(file, "ReadCrushList %lu\n", (unsigned long)window);
  fclose(file);
}
