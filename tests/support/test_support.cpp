#include "test_support.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace vantora::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 1000; ++attempt) {
        fs::path candidate = base / ("vantora-test-" + std::to_string(::getpid()) + "-" +
                                     std::to_string(counter++));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder under " + base.string());
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ScopedProgramFolder::ScopedProgramFolder() {
    if (const char* old = std::getenv("VANTORA_HOME")) {
        previous_ = old;
        hadPrevious_ = true;
    }
    ::setenv("VANTORA_HOME", dir_.path().c_str(), 1);
}

ScopedProgramFolder::~ScopedProgramFolder() {
    if (hadPrevious_)
        ::setenv("VANTORA_HOME", previous_.c_str(), 1);
    else
        ::unsetenv("VANTORA_HOME");
}

fs::path dataFile(const std::string& relative) { return fs::path(VANTORA_TEST_DATA_DIR) / relative; }

std::vector<unsigned char> readFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFileBytes(const fs::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

int runCommand(const std::string& commandLine, std::string& output) {
    output.clear();
    FILE* pipe = ::popen(commandLine.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace vantora::test
