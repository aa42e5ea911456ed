#include "platform/core/DamagedCopies.h"

#include "platform/core/FileSystem.h"

#include <algorithm>
#include <vector>

namespace {

const std::u16string_view kSuffix = u".damaged";
// The copies beyond this number are not counted: nobody keeps that many.
constexpr int kHighestNumber = 1000000000;

// The number of the copy that `name` is beside `path`; 0 when it is none.
int CopyNumber(const CString& path, const CString& name) {
    const std::u16string_view text = name.Str();
    if (text.substr(0, path.Str().size()) != path.Str() ||
        text.substr(path.Str().size(), kSuffix.size()) != kSuffix) {
        return 0;
    }
    const std::u16string_view rest = text.substr(path.Str().size() + kSuffix.size());
    if (rest.empty()) {
        return 1;
    }
    if (rest.size() < 2 || rest.front() != u'.' || rest[1] == u'0') {
        return 0;
    }
    int number = 0;
    for (const char16_t c : rest.substr(1)) {
        if (c < u'0' || c > u'9' || number > (kHighestNumber - (c - u'0')) / 10) {
            return 0;
        }
        number = number * 10 + (c - u'0');
    }
    return number >= 2 ? number : 0;
}

std::vector<int> CopyNumbers(const CString& path) {
    std::vector<int> numbers;
    for (const CString& name : FilesNamedLike(path)) {
        if (const int number = CopyNumber(path, name); number > 0) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

CString CopyPath(const CString& path, int number) {
    CString name = path + CString(kSuffix);
    if (number > 1) {
        CString rest;
        rest.Format(u".%d", number);
        name += rest;
    }
    return name;
}

} // namespace

CString NextDamagedCopyPath(const CString& path) {
    const std::vector<int> numbers = CopyNumbers(path);
    const int highest = numbers.empty() ? 0 : *std::max_element(numbers.begin(), numbers.end());
    return CopyPath(path, std::min(highest, kHighestNumber - 1) + 1);
}

void RemoveOldDamagedCopies(const CString& path) {
    std::vector<int> numbers = CopyNumbers(path);
    if (numbers.size() <= static_cast<std::size_t>(kKeptDamagedCopies)) {
        return;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.resize(numbers.size() - kKeptDamagedCopies);
    for (const int number : numbers) {
        RemoveFile(CopyPath(path, number));
    }
}
