// EmbeddedName.h: unique names for files embedded in a hypertext (attached files
// and pictures). Two embedded files never share a name, compared in lower case,
// because export writes them side by side into one folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quor::records {

// The name without any folder ("/" or "\\" separated).
std::string WithoutFolder(std::string_view name);

// `name` without folder when `isUsed` (given the lower-cased candidate) says it
// is free; otherwise "ed" + 6 random hexadecimal digits + the name's extension,
// retried until free.
std::string UniqueEmbeddedName(std::string_view name, const std::function<bool(std::string_view lowerName)>& isUsed);

} // namespace quor::records
