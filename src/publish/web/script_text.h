#pragma once
// Text that goes into the published page's scripts and markup. Everything a project holds (titles,
// texts, labels, addresses) passes through here, so a hostile project cannot close a script or
// an element and add its own.

#include <string>
#include <string_view>

namespace vantora::publish::web {

// `text` (UTF-8) as a JSON string literal that is also safe inside an HTML script element: "<",
// ">" and "&" are escaped, and so are U+2028 and U+2029, which end lines in older script parsers.
// Bytes that are not valid UTF-8 become U+FFFD.
std::string ScriptString(std::string_view text);

// `text` (UTF-8) with the characters that markup gives meaning to escaped, for element content
// and quoted attribute values.
std::string HtmlText(std::string_view text);

} // namespace vantora::publish::web
