#include "framework/headless/Window.h"

#include "framework/headless/SheetController.h"

namespace fw::headless {

Window::Window() = default;

Window::~Window() = default;

}  // namespace fw::headless
