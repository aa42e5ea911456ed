#include "advisor/CommandLineRun.h"

#include "advisor/AdvisorApp.h"
#include "advisor/AdvisorDlg.h"
#include "advisor/ConditionsSettings.h"
#include "advisor/ShownUnit.h"
#include "advisor/Texts.h"
#include "advisor/YardageCard.h"
#include "club/ClubBook.h"
#include "platform/process/StandardStreams.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/PrintJob.h"
#include "res/RegisterCaddoraResources.h"
#include "res/Resource.h"

namespace {

constexpr int kDone = 0;
constexpr int kNotDone = 1;
constexpr int kRefused = 2;

int Refuse(const CString& why, bool withUsage) {
    WriteStandardError(why.ToUtf8());
    if (withUsage) {
        WriteStandardError("\n");
        WriteStandardError(LoadText(IDS_CLI_USAGE).ToUtf8());
    }
    return kRefused;
}

int RefuseLine(const CommandLine& line) {
    const CString what = CString::FromUtf8(line.refused);
    switch (line.refusal) {
    case CommandLine::Refusal::missingValue:
        return Refuse(FormatText(IDS_CLI_MISSING_VALUE, {what}), true);
    case CommandLine::Refusal::secondCommand:
        return Refuse(FormatText(IDS_CLI_ONE_COMMAND, {what}), true);
    default:
        return Refuse(FormatText(IDS_CLI_UNKNOWN, {what}), true);
    }
}

// The player type, the conditions, the unit and the club table the window would start with,
// read through a settings key opened for reading alone and a load that writes nothing. The
// unit read is the one in force from here on.
void ReadPlayersBag(PlayerType& playerType, CClubList& clubs, Conditions* conditions = nullptr) {
    playerType = CGolfClub::kAdultMale;
    CRegistryKey settings(HKEY_CURRENT_USER);
    DWORD dwValue = 0;
    if (settings.Open(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ)) {
        if (settings.GetDWordValue(kGenderValue, dwValue)) {
            playerType = static_cast<PlayerType>(dwValue);
        }
        if (conditions != nullptr) {
            *conditions = ReadConditions(settings);
        }
        UseUnit(ReadDistanceUnit(settings));
    }
    settings.Close();
    CClubDataFile file;
    if (!file.LoadReadOnly(clubs)) {
        BuildDefaultClubs(clubs, &DefaultClubNames());
    }
}

// The club the main dialog would name for the distance, or the dialog's own refusal of it.
// In the unit the player chose (metres: 46 to 914); with conditions in use, the club is the
// one for the distance the shot plays like, and that distance is said after it.
int Advise(const std::string& typed) {
    PlayerType playerType = CGolfClub::kAdultMale;
    CClubList clubs;
    Conditions conditions;
    ReadPlayersBag(playerType, clubs, &conditions);
    int shown = 0;
    if (!ParseDialogInt(CString::FromUtf8(typed), shown)) {
        return Refuse(IntegerRequiredMessage() + CString("\n"), false);
    }
    const int least = ShownYards(CAdvisorDlg::kMinDistance);
    const int most = ShownYards(CAdvisorDlg::kMaxDistance);
    if (shown < least || shown > most) {
        return Refuse(IntegerRangeMessage(least, most) + CString("\n"), false);
    }
    const std::int32_t playsLike = PlaysLike(NearestYards(shown, ShownUnit()), conditions);
    const CGolfClub* club = FindClubForDistance(clubs, playerType, playsLike);
    if (club == nullptr) {
        return kNotDone; // no club in the table at all
    }
    const CString line =
        conditions.inUse
            ? FormatText(IDS_CLI_PLAYS_LIKE,
                         {club->m_strName, NumberText(ShownYards(playsLike)), ShownUnitName()})
            : club->m_strName + CString("\n");
    return WriteStandardOutput(line.ToUtf8()) ? kDone : kNotDone;
}

int WriteCard(const std::string& path, int argc, char* argv[]) {
    PlayerType playerType = CGolfClub::kAdultMale;
    CClubList clubs;
    ReadPlayersBag(playerType, clubs);
    const CString file = CString::FromUtf8(path);
    const CString date = CardDate();
    const int outcome = AfxRunWithoutWindow(argc, argv, [&] {
        return static_cast<int>(PrintToPdfFile(file, LoadText(IDS_CARD_TITLE), [&](CDC& dc) {
            DrawYardageCard(dc, clubs, playerType, date);
        }));
    });
    switch (static_cast<PrintOutcome>(outcome)) {
    case PrintOutcome::printed:
        return kDone;
    case PrintOutcome::unsupported:
        return Refuse(LoadText(IDS_CLI_NO_PDF_WRITER), false);
    default:
        WriteStandardError(FormatText(IDS_CLI_CARD_NOT_WRITTEN, {file}).ToUtf8());
        return kNotDone;
    }
}

} // namespace

int RunCommandLine(const CommandLine& line, int argc, char* argv[]) {
    switch (line.command) {
    case CommandLine::Command::help:
        return WriteStandardOutput(LoadText(IDS_CLI_USAGE).ToUtf8()) ? kDone : kNotDone;
    case CommandLine::Command::version: {
        const char* version = theApp.m_pszAppVersion != nullptr ? theApp.m_pszAppVersion : "";
        const CString text = FormatText(IDS_CLI_VERSION, {CString(version)});
        return WriteStandardOutput(text.ToUtf8()) ? kDone : kNotDone;
    }
    case CommandLine::Command::advise:
        return Advise(line.value);
    case CommandLine::Command::card:
        return WriteCard(line.value, argc, argv);
    case CommandLine::Command::refused:
        return RefuseLine(line);
    case CommandLine::Command::openWindow:
        break;
    }
    return kRefused;
}
