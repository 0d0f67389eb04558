#include "framework/ResourceModule.h"

#include <utility>

namespace fw {
namespace {

HMODULE& Current() {
    static HMODULE module = nullptr;
    return module;
}

}  // namespace

HMODULE GetResourceModule() { return Current(); }

HMODULE SetResourceModule(HMODULE module) { return std::exchange(Current(), module); }

}  // namespace fw
