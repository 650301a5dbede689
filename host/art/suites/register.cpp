#include "host/art/art_suites.h"

namespace vx::host::art {

void RegisterArtSuites(Host& host) {
  RegisterDocumentSuites(host);
  RegisterArtTreeSuites(host);
  RegisterPathSuites(host);
  RegisterTextSuites(host);
  RegisterMathSuites(host);
  RegisterDictionarySuite(host);
  RegisterPluginGroupArtMembers(host);
}

}  // namespace vx::host::art
