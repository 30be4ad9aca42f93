// Plug-ins are built with hidden symbols, so that the shared code each one links in stays its
// own; only the two entry points a host looks up are exported.
#pragma once

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
