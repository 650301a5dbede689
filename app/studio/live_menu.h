// The Effect menu: the host live effects the plug-in registered menu items
// for ("Effect > VERSALiX4 > Fractalize..."), offered beside the Filter menu
// (whose Fractalize... changes the paths once and for all).
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "host/art/document.h"
#include "host/core/host.h"

namespace vx::app::studio {

// STATE's menu rows of the live effects: {menu, title, command}.
std::vector<nlohmann::json> LiveEffectMenus(const host::Registrations& registrations);

// Runs a command of LiveEffectMenus on the selected top-level objects (the
// effect's dialog, modal): answers false when `command` is none of them,
// else true with *err the result (kCanceledErr when cancelled) and *why
// the reason it could not start.
bool RunLiveEffectMenu(host::Host& host, host::art::Document& doc, const std::string& command,
                       int32_t* err, std::string* why);

}  // namespace vx::app::studio
