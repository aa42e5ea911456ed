#include "platform/core/ModulePath.h"

// Where the operating system says the executable is.
CString GetRealModuleFilePath();

namespace {
CString& Override() {
    static CString path;
    return path;
}
} // namespace

CString GetModuleFilePath() {
    return Override().IsEmpty() ? GetRealModuleFilePath() : Override();
}

void SetModuleFilePathOverride(const CString& path) {
    Override() = path;
}
