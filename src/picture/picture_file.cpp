#include "picture/picture_file.h"

#include <fstream>
#include <new>
#include <system_error>

namespace vantora {

bool readPictureFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    const std::string quoted = "\"" + path.string() + "\"";
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code)) {
        error = quoted + " cannot be found.";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, code);
    if (code) {
        error = quoted + " cannot be read: " + code.message() + ".";
        return false;
    }
    if (size > kMaxPictureFileBytes) {
        error = quoted + " is too large for a picture.";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = quoted + " cannot be opened.";
        return false;
    }
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        error = "Not enough memory to load " + quoted + ".";
        return false;
    }
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        error = quoted + " cannot be read completely.";
        bytes.clear();
        return false;
    }
    return true;
}

} // namespace vantora
