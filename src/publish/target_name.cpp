#include "publish/publisher.h"

namespace vantora::publish {

std::string ExtensionOfFilter(std::string_view filter) {
    const std::size_t bar = filter.find('|');
    const std::string_view patterns = bar == std::string_view::npos ? std::string_view() : filter.substr(bar + 1);
    const std::string_view first = patterns.substr(0, patterns.find(';'));
    if (first.size() < 3 || first.substr(0, 2) != "*." || first.find('*', 1) != std::string_view::npos)
        return {};
    return std::string(first.substr(1));
}

std::filesystem::path CompleteTargetName(const TPublisher& publisher, const std::filesystem::path& target) {
    const std::string extension = publisher.DefaultExtension();
    if (extension.empty() || target.empty() || !target.has_filename() || target.has_extension())
        return target;
    std::filesystem::path completed = target;
    completed += extension;
    return completed;
}

} // namespace vantora::publish
