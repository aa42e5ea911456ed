#include "platform/process/StandardStreams.h"

#include <cstdio>

namespace {

bool WriteTo(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

} // namespace

bool WriteStandardOutput(std::string_view text) {
    return WriteTo(stdout, text);
}

bool WriteStandardError(std::string_view text) {
    return WriteTo(stderr, text);
}
