/* A controller model plug-in for the loader tests, written in plain C as a
 * third-party plug-in would be. Every answer can be bent by a define so that
 * one source gives the good library and each faulty one. Texts are written
 * out as Windows-1251 bytes. */

#include <stddef.h>
#include <stdint.h>

#define EXPORT __attribute__((visibility("default")))
/* Some cases leave a table unused. */
#define MAYBE_UNUSED __attribute__((unused))

#ifndef TEST_INTERNAL_ID
#define TEST_INTERNAL_ID 901
#endif
#ifndef TEST_REVISION
#define TEST_REVISION 91
#endif
#ifndef TEST_FAMILY
#define TEST_FAMILY 3
#endif
#ifndef TEST_FLAGS
#define TEST_FLAGS 0x0000800Au
#endif
#ifndef TEST_ZML_VERSION
#define TEST_ZML_VERSION 2
#endif
#ifndef TEST_CLIENT_VERSION
#define TEST_CLIENT_VERSION 1
#endif
#ifndef TEST_MAX_WORK_CYCLES
#define TEST_MAX_WORK_CYCLES 32
#endif
#ifndef TEST_OUTPUT_COUNT
#define TEST_OUTPUT_COUNT 6
#endif
#ifndef TEST_INPUT_COUNT
#define TEST_INPUT_COUNT 2
#endif
#ifndef TEST_FAIL_MASK_INDEX
#define TEST_FAIL_MASK_INDEX -1
#endif
#ifndef TEST_FAIL_CODE
#define TEST_FAIL_CODE 5
#endif

/* TEST_TEXTS chooses the description and family name. */
#if !defined(TEST_TEXTS) || TEST_TEXTS == 0
#define DESCRIPTION "\xD2\xE5\xF1\xF2-3.1" /* Тест-3.1 */
#define FAMILY_NAME "\xD2\xE5\xF1\xF2\xEE\xE2\xFB\xE5" /* Тестовые */
#elif TEST_TEXTS == 1
#define DESCRIPTION "\xEB\xEE\xE2-\xF2\xE5\xF1\xF2" /* лов-тест */
#define FAMILY_NAME "\xC1\xEB\xEE\xEA\xE8" /* Блоки */
#elif TEST_TEXTS == 2
#define DESCRIPTION "\xCF\xD0\xC0-\xF2\xE5\xF1\xF2" /* ПРА-тест */
#define FAMILY_NAME "\xC1\xEB\xEE\xEA\xE8" /* Блоки */
#elif TEST_TEXTS == 3
#define DESCRIPTION "\xD2\xC5\xD1\xD2-3.1" /* ТЕСТ-3.1 */
#define FAMILY_NAME "\xD2\xE5\xF1\xF2\xEE\xE2\xFB\xE5" /* Тестовые */
#elif TEST_TEXTS == 4
#define DESCRIPTION "\xCD\xEE\xEB\xFC" /* Ноль */
#define FAMILY_NAME "\xCD\xEE\xEB\xFC" /* Ноль */
#elif TEST_TEXTS == 5
#define DESCRIPTION "\xF2\xE5\xF1\xF2-3.1" /* тест-3.1 */
#define FAMILY_NAME "\xD2\xE5\xF1\xF2\xEE\xE2\xFB\xE5" /* Тестовые */
#endif

/* Six outputs covering the monitoring capabilities, with a mask in the top
 * bit to catch sign trouble. */
MAYBE_UNUSED static const char* const kOutputNames[] = {
    "\xC2\xFB\xF5\xEE\xE4 1", "\xC2\xFB\xF5\xEE\xE4 2", "\xC2\xFB\xF5\xEE\xE4 3", /* Выход N */
    "\xC2\xFB\xF5\xEE\xE4 4", "\xC2\xFB\xF5\xEE\xE4 5", "\xC2\xFB\xF5\xEE\xE4 6",
};
MAYBE_UNUSED static const uint32_t kOutputMasks[] = {0x1u, 0x2u, 0x4u, 0x8u, 0x10u, 0x80000000u};
static const uint32_t kOutputCtlOptions[] = {0, 1, 2, 3, 4, 7};

static int validIndex(int32_t index) { return index >= 0 && index < TEST_OUTPUT_COUNT; }

#ifdef TEST_NULL_TEXTS
#define TEXT(t) NULL
#else
#define TEXT(t) (t)
#endif

#ifdef TEST_EXPORT_ISZML
EXPORT void IsZML(void) {}
#endif
#ifndef TEST_OMIT_GetZMLVersion
EXPORT uint32_t GetZMLVersion(void) { return TEST_ZML_VERSION; }
#endif
#ifndef TEST_OMIT_GetLastClientVersion
EXPORT uint32_t GetLastClientVersion(void) { return TEST_CLIENT_VERSION; }
#endif
EXPORT int32_t GetInternalID(void) { return TEST_INTERNAL_ID; }
EXPORT uint8_t GetRevision(void) { return TEST_REVISION; }
EXPORT const char* GetDescriptionA(void) { return TEXT(DESCRIPTION); }
EXPORT uint8_t GetFamily(void) { return TEST_FAMILY; }
#ifndef TEST_OMIT_GetFamilyNameA
EXPORT const char* GetFamilyNameA(void) { return TEXT(FAMILY_NAME); }
#endif
EXPORT uint32_t GetFlags(void) { return TEST_FLAGS; }
EXPORT int32_t GetMaxRAMSize(void) { return 8192; }
EXPORT int32_t GetMaxDayplanItemsCount(void) { return 48; }
EXPORT int32_t GetMaxYearplanItemsCount(void) { return 32; }
EXPORT int32_t GetMaxWorkCyclesCount(void) { return TEST_MAX_WORK_CYCLES; }
EXPORT uint8_t GetOutputCount(void) { return TEST_OUTPUT_COUNT; }
#ifndef TEST_OMIT_GetInputCount
EXPORT uint8_t GetInputCount(void) { return TEST_INPUT_COUNT; }
#endif

EXPORT int32_t GetOutputDescriptionA(int32_t index, const char** description) {
  if (!validIndex(index)) return 1;
#ifdef TEST_NULL_TEXTS
  *description = NULL;
#else
  *description = kOutputNames[index];
#endif
  return 0;
}

#ifndef TEST_OMIT_GetOutputMask
EXPORT int32_t GetOutputMask(int32_t index, uint32_t* mask) {
  if (!validIndex(index)) return 1;
  if (index == TEST_FAIL_MASK_INDEX) return TEST_FAIL_CODE;
  *mask = kOutputMasks[index];
  return 0;
}
#endif

EXPORT int32_t GetOutputCtlOptions(int32_t index, uint32_t* options) {
  if (!validIndex(index)) return 1;
  *options = kOutputCtlOptions[index];
  return 0;
}
