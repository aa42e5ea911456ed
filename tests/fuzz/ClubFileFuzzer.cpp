// Feeds arbitrary bytes to the club data file's loader. Whatever loads must save and load
// back to the same bytes.
#include "persistence/ClubDataFile.h"
#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> Save(CClubList& clubs) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    clubs.Serialize(ar);
    ar.Close();
    const auto length = static_cast<std::size_t>(file.GetLength());
    BYTE* block = file.Detach();
    std::vector<BYTE> bytes(block, block + length);
    std::free(block);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<BYTE> input(data, data + size);
    CMemFile file(input.data(), static_cast<UINT>(input.size()));
    CClubList clubs;
    ReadClubs(file, clubs);

    const std::vector<BYTE> saved = Save(clubs);
    CMemFile again(const_cast<BYTE*>(saved.data()), static_cast<UINT>(saved.size()));
    CClubList reloaded;
    if (!ReadClubs(again, reloaded) || Save(reloaded) != saved) {
        std::abort();
    }
    return 0;
}
