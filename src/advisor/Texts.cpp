#include "advisor/Texts.h"

#include <string>

CString LoadText(UINT nID) {
    CString text;
    text.LoadString(nID);
    return text;
}

CString FormatText(UINT nID, std::initializer_list<CString> args) {
    return FormatText(LoadText(nID), args);
}

CString FormatText(const CString& format, std::initializer_list<CString> args) {
    const std::u16string_view in = format.Str();
    std::u16string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char16_t next = i + 1 < in.size() ? in[i + 1] : u'\0';
        if (in[i] == u'%' && next >= u'1' && next <= u'9') {
            const auto index = static_cast<std::size_t>(next - u'1');
            if (index < args.size()) {
                out += (args.begin() + index)->Str();
            }
            ++i;
        } else {
            out += in[i];
        }
    }
    return CString(std::move(out));
}

CString NumberText(long long value) {
    return CString(std::to_string(value).c_str());
}
