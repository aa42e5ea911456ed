// Feeds arbitrary bytes as Clubs.dat to a run's load and save, through the real files of a
// temporary folder: the file layer, the damage handling and the copy of a damaged file. A
// damaged file's copy holds exactly its bytes; the save that follows writes a table that
// loads back whole, with the same clubs, and leaves no temporary file behind.
#include "fuzz/FuzzSandbox.h"

#include "club/ClubBook.h"
#include "persistence/ClubDataFile.h"
#include "platform/core/CArchive.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzSandbox& sandbox = FuzzSandbox::Get();
    sandbox.Clear();
    const auto table = sandbox.App() / "Clubs.dat";
    FuzzSandbox::Write(table, data, size);

    CClubDataFile file;
    CClubList clubs;
    const BOOL read = file.Serialize(clubs, CArchive::load);
    const ClubFileReport report = file.GetReport();
    if (report.m_outcome == ClubFileReport::damaged) {
        const auto copy = FuzzSandbox::Read(sandbox.App() / "Clubs.dat.damaged");
        if (report.m_strDamagedCopy.IsEmpty() ||
            copy != std::vector<std::uint8_t>(data, data + size)) {
            std::abort();
        }
    } else if (report.m_outcome != ClubFileReport::loaded || !read) {
        std::abort();
    }
    if (!read) {
        BuildDefaultClubs(clubs); // as start-up does
    }
    if (!file.Serialize(clubs, CArchive::store) ||
        FuzzSandbox::Entries(sandbox.App()) !=
            (read && report.m_outcome == ClubFileReport::loaded ? 1U : 2U)) {
        std::abort();
    }
    CClubDataFile again;
    CClubList reloaded;
    if (!again.Serialize(reloaded, CArchive::load) ||
        again.GetReport().m_outcome != ClubFileReport::loaded ||
        reloaded.GetCount() != clubs.GetCount()) {
        std::abort();
    }
    return 0;
}
