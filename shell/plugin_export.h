#pragma once
// Marks the one function a module exports; everything else in a module is hidden.

#ifdef _WIN32
#define STRATA_PLUGIN_EXPORT extern "C" __declspec(dllexport)
#else
#define STRATA_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif
