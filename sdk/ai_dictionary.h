/* Dictionaries of typed entries (live effect parameters, instance info). */
#ifndef VX_AI_DICTIONARY_H
#define VX_AI_DICTIONARY_H
#include "vx_base.h"

#define kAIDictionarySuite "AI Dictionary Suite"
#define kAIDictionarySuiteVersion 5

/* Getting a missing entry answers kNoSuchKeyErr. */
#define kNoSuchKeyErr VX_FOURCC('K', 'E', 'Y', '?')
/* Getting an entry as another type than it was set answers this. */
#define kWrongEntryTypeErr VX_FOURCC('T', 'Y', 'P', '?')

typedef struct AIDictionarySuite {
  ASErr (*GetIntegerEntry)(AIDictionaryRef dict, const char* key,
                           int32_t* value);
  ASErr (*SetIntegerEntry)(AIDictionaryRef dict, const char* key,
                           int32_t value);
  ASErr (*GetRealEntry)(AIDictionaryRef dict, const char* key, AIReal* value);
  ASErr (*SetRealEntry)(AIDictionaryRef dict, const char* key, AIReal value);
  ASErr (*GetBooleanEntry)(AIDictionaryRef dict, const char* key,
                           ASBoolean* value);
  ASErr (*SetBooleanEntry)(AIDictionaryRef dict, const char* key,
                           ASBoolean value);
  ASErr (*GetStringEntry)(AIDictionaryRef dict, const char* key, char* value,
                          int32_t maxLength);
  ASErr (*SetStringEntry)(AIDictionaryRef dict, const char* key,
                          const char* value);
  ASBoolean (*IsKnown)(AIDictionaryRef dict, const char* key);
  ASErr (*DeleteEntry)(AIDictionaryRef dict, const char* key);
} AIDictionarySuite;

#endif
