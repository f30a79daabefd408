#pragma once
// Painting text and pictures needs a QGuiApplication, but vantora-build never shows a window and
// most of its commands paint nothing. The commands that paint ask for the application here; it
// is made on first need, drawing off screen unless the environment names another platform.

namespace vantora::buildtool {

void EnsureGuiApplication();

} // namespace vantora::buildtool
