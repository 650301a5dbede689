// The page's file browser: what a folder inside the start folder holds, for
// the Open, Save As and Export dialogs. It shows only what the file rule
// would let the page use: folders inside the start folder and .svg and
// .png files; hidden entries and links that lead outside are left out.
#pragma once

#include <string>

#include "app/studio/file_rule.h"
#include "app/studio/host_queue.h"

namespace vx::app::studio {

// Entries listed at most; a folder with more says so ("more": true).
inline constexpr std::size_t kMaxListedEntries = 2000;

// GET /api/files?folder=REL: {folder: REL ("" the start folder), parent:
// REL|null, entries: [{name, kind: "folder"|"svg"|"png"}], more}, folders
// first, then by name. A folder the rule refuses: 403 with the rule's words.
Reply ListFolder(const FileRule& rule, const std::string& typed);

}  // namespace vx::app::studio
