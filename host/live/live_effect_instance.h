// One use of a host live effect on a piece of art: which registered effect,
// its parameter dictionary and its instance info (Fractalize keeps its
// random seed there as "randSeed"). The art that carries it is plug-in
// group art without a plug-in group: its edit group holds the source, its
// result group what the effect's Go Live made of a copy of the source.
#pragma once

#include <memory>
#include <string>

#include "host/art/art.h"
#include "host/art/dictionary.h"

namespace vx::host::live {

struct LiveEffectInstance {
  std::string effect;  // the registered name ("Fractalize...")
  art::Dictionary parameters;
  art::Dictionary instanceInfo;
};

// The instance that art carries, or null.
inline const LiveEffectInstance* InstanceOf(const art::Art& art) {
  if (art.kind() != art::ArtKind::PluginGroup) return nullptr;
  return art.plugin().live.get();
}

}  // namespace vx::host::live
