#pragma once
// The icon numbers of log lines.

namespace discora::log_icon {
inline constexpr int None = -1;
inline constexpr int Folder = 1;
inline constexpr int File = 2;
inline constexpr int Progress = 3;
inline constexpr int Error = 4;
inline constexpr int Success = 5;
} // namespace discora::log_icon
