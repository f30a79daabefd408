#pragma once
// The program folder: where everything the program keeps "beside itself" lives (settings, library
// folders, the work folder). Everyone asks this one function.

#include <filesystem>

namespace vantora {

// VANTORA_HOME when set and not empty; otherwise the per-user data folder: $XDG_DATA_HOME/Vantora
// when XDG_DATA_HOME is an absolute path, else ~/.local/share/Vantora. Read anew on every call,
// so tests can point it elsewhere. The folder is not created here.
std::filesystem::path ProgramFolder();

} // namespace vantora
