#pragma once
// Files that ship with the program and live in the program folder: "Tips.rtf", built into the
// program, and the library material (publish/shipped_library.h). They are copied into the folder
// at start-up when they are missing, so a user's own edited copy is never overwritten.

namespace vantora {

// Copies every shipped file that is missing into the program folder. False when one could not be
// written (the program runs on without it).
bool InstallShippedFiles();

} // namespace vantora
