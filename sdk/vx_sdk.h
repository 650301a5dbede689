/* Everything of the plug-in interface in one include. */
#ifndef VX_SDK_H
#define VX_SDK_H
#include "adm.h"
#include "ai_action_manager.h"
#include "ai_art.h"
#include "ai_dictionary.h"
#include "ai_document.h"
#include "ai_filter.h"
#include "ai_math.h"
#include "ai_menu.h"
#include "ai_notifier.h"
#include "ai_path.h"
#include "ai_plugin_group.h"
#include "ai_runtime.h"
#include "ai_text.h"
#include "ai_tool.h"
#include "sp_basic.h"
#include "sp_blocks.h"
#include "sp_messages.h"
#include "sp_plugins.h"
#include "vx_base.h"
#include "vx_resources.h"
#endif
