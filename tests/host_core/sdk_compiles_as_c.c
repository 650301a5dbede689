/* The plug-in interface is plain C: this file only has to compile as C. */
#include "vx_sdk.h"

int vx_sdk_c_check(void) {
  Segment s;
  AIColor c;
  s.corner = 1;
  c.kind = kGrayColor;
  return (int)sizeof(s) + (int)sizeof(c);
}
