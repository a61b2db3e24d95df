#include "runtime/resources.h"

#include <windows.h>

namespace runtime {

std::string_view ResourceBytes(int id) {
  const HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const char*>(bytes), SizeofResource(module, found)};
}

}  // namespace runtime
