// The program's command line, the program started as a process in the test's home: each
// command answers on its stream with its exit status, starts no toolkit that would need a
// display, and changes no file; beside a running copy too. The yardage card's PDF holds real
// text: every club with its distances, and the gaps and overlaps.
#include "ProgramFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <map>
#include <tuple>

namespace {

enum class Home { empty, femalePlayer, damagedFiles, windInto, windIntoInMetres };

struct CommandCase {
    const char* name;
    QStringList args;
    Home home;
    int exitCode;
    const char* out; // what standard output holds
    const char* err; // what standard error holds
    // The player's locale as LANG gives it, with no other locale variable set; none: C.
    const char* lang = nullptr;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

// Every file below the home, with what a write would change.
std::map<QString, std::tuple<qint64, qint64, ino_t>> Files(const QString& home) {
    std::map<QString, std::tuple<qint64, qint64, ino_t>> files;
    QDirIterator it(home, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat st {};
        ::stat(it.next().toUtf8().constData(), &st);
        files[it.filePath()] = {st.st_size, st.st_mtim.tv_nsec + st.st_mtim.tv_sec * 1000000000LL,
                                st.st_ino};
    }
    return files;
}

struct Answer {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program run to its end. The toolkit is pointed at a display that is not there, so that
// a run that started it, or opened a window, would fail. The locale is LC_ALL's, or with
// `variable` another, alone of those that choose the language.
Answer RunProgram(const QStringList& args, const QString& locale = QStringLiteral("C"),
                  const QString& variable = QStringLiteral("LC_ALL")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        env.remove(QLatin1String(name));
    }
    env.insert(variable, locale);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(CADDORA_PROGRAM), args);
    if (!process.waitForFinished(RunningProgram::kPatienceMs) ||
        process.exitStatus() != QProcess::NormalExit) {
        return Answer{};
    }
    return Answer{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                  QString::fromUtf8(process.readAllStandardError())};
}

// What a tool wrote to its standard output; empty when it could not be run.
QString ToolOutput(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput())
                                     : QString();
}

class CommandLineTest : public AppTest {
protected:
    void WriteFile(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString Hive() const { return ConfigDir() + QStringLiteral("/Holverra/registry.reg"); }
    QString Table() const { return DataDir() + QStringLiteral("/Holverra/Caddora/Clubs.dat"); }
    void StoreDefaultTable() {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(Table()).path()));
        CClubList clubs;
        BuildDefaultClubs(clubs);
        ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    }
};

class Command : public CommandLineTest, public ::testing::WithParamInterface<CommandCase> {};

} // namespace

TEST_P(Command, AnswersOnItsStreamWithoutAWindowAndChangesNoFile) {
    const CommandCase& c = GetParam();
    if (c.home == Home::femalePlayer) {
        WriteFile(Hive(), "Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                          "\"Gender\"=dword:00000002\r\n\r\n");
        StoreDefaultTable();
    } else if (c.home == Home::windInto || c.home == Home::windIntoInMetres) {
        // Ten miles an hour into the wind, and metres chosen or not.
        WriteFile(Hive(),
                  QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                             "\"UseConditions\"=dword:00000001\r\n"
                             "\"WindMph\"=dword:0000000a\r\n"
                             "\"WindInto\"=dword:00000001\r\n") +
                      (c.home == Home::windIntoInMetres ? "\"Units\"=dword:00000001\r\n" : "") +
                      "\r\n");
    } else if (c.home == Home::damagedFiles) {
        WriteFile(Hive(), "not a hive");
        WriteFile(Table(), "not a club table");
    }
    const auto before = Files(HomeDir());

    const Answer answer =
        c.lang != nullptr ? RunProgram(c.args, c.lang, QStringLiteral("LANG")) : RunProgram(c.args);
    EXPECT_EQ(answer.exitCode, c.exitCode) << answer.err.toStdString();
    EXPECT_TRUE(c.out[0] == '\0' ? answer.out.isEmpty() : answer.out.contains(c.out))
        << answer.out.toStdString();
    EXPECT_TRUE(c.err[0] == '\0' ? answer.err.isEmpty() : answer.err.contains(c.err))
        << answer.err.toStdString();
    EXPECT_EQ(Files(HomeDir()), before);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Command,
    ::testing::Values(
        CommandCase{"Help", {"--help"}, Home::empty, 0, "  --advise DISTANCE", ""},
        CommandCase{"Version", {"--version"}, Home::empty, 0, "Caddora " CADDORA_VERSION "\n", ""},
        CommandCase{"AfterTheToolkitsOwnOption",
                    {"-platform", "offscreen", "--version"},
                    Home::empty,
                    0,
                    "Caddora ",
                    ""},
        CommandCase{"UnknownOption", {"--yards"}, Home::empty, 2, "", "unknown option: --yards"},
        CommandCase{"AnArgumentOfNoOption", {"150"}, Home::empty, 2, "", "Usage: caddora"},
        CommandCase{"TwoCommands", {"--help", "--version"}, Home::empty, 2, "", "one command"},
        CommandCase{"AdviseWithoutADistance", {"--advise"}, Home::empty, 2, "", "needs a value"},
        CommandCase{"AdviseFromTheDefaultSet", {"--advise", "150"}, Home::empty, 0, "6 Iron\n", ""},
        CommandCase{
            "AdviseForThePlayerType", {"--advise=150"}, Home::femalePlayer, 0, "4 Iron\n", ""},
        CommandCase{
            "AdviseOverDamagedFiles", {"--advise", "150"}, Home::damagedFiles, 0, "6 Iron\n", ""},
        CommandCase{"AdviseForThePlaysLikeDistance",
                    {"--advise", "150"},
                    Home::windInto,
                    0,
                    "4 Iron (plays like 165 yd)\n",
                    ""},
        CommandCase{"AdviseInMetres",
                    {"--advise", "137"},
                    Home::windIntoInMetres,
                    0,
                    "4 Iron (plays like 151 m)\n",
                    ""},
        CommandCase{"AdviseRefusesWhatTheDialogRefusesInMetres",
                    {"--advise", "45"},
                    Home::windIntoInMetres,
                    2,
                    "",
                    "Please enter a whole number between 46 and 914.\n"},
        CommandCase{"AdviseRefusesWhatTheDialogRefuses",
                    {"--advise", "40"},
                    Home::empty,
                    2,
                    "",
                    "Please enter a whole number between 50 and 1000.\n"},
        CommandCase{"AdviseRefusesWhatIsNoNumber",
                    {"--advise", "far"},
                    Home::empty,
                    2,
                    "",
                    "Please enter a whole number.\n"},
        CommandCase{"AdviseFromTheDefaultSetInFrench",
                    {"--advise", "150"},
                    Home::empty,
                    0,
                    "Fer 6\n",
                    "",
                    "fr_FR.UTF-8"},
        CommandCase{"HelpInGerman",
                    {"--help"},
                    Home::empty,
                    0,
                    "Aufruf: caddora [OPTION]\nNennt den Golfschläger für eine Distanz",
                    "",
                    "de_DE.UTF-8"},
        CommandCase{"RefusalInSpanish",
                    {"--advise", "40"},
                    Home::empty,
                    2,
                    "",
                    "Introduzca un número entero entre 50 y 1000.\n",
                    "es_ES.UTF-8"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST_F(CommandLineTest, TheCardIsAPdfOfTheLocalesPaperWhoseTextHoldsTheBagAndItsGaps) {
    const QString card = HomeDir() + QStringLiteral("/card.pdf");
    const QString letter = HomeDir() + QStringLiteral("/letter.pdf");
    const auto before = Files(HomeDir());
    ASSERT_EQ(RunProgram({QStringLiteral("--card"), card}).exitCode, 0);
    ASSERT_EQ(
        RunProgram({QStringLiteral("--card"), letter}, QStringLiteral("en_US.UTF-8")).exitCode, 0);
    auto after = Files(HomeDir());
    EXPECT_EQ(after.erase(card) + after.erase(letter), 2U);
    EXPECT_EQ(after, before) << "nothing but the cards was written";

    // Debian's poppler-utils read the files.
    EXPECT_TRUE(ToolOutput(QStringLiteral("pdfinfo"), {card}).contains(QStringLiteral("(A4)")));
    EXPECT_TRUE(
        ToolOutput(QStringLiteral("pdfinfo"), {letter}).contains(QStringLiteral("(letter)")));
    const QString page = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), card, QStringLiteral("-")});
    ASSERT_FALSE(page.isEmpty()) << "pdftotext (poppler-utils) reads the card's text";
    CClubList clubs;
    BuildDefaultClubs(clubs);
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        // The table's row: the name, then both distances.
        const QRegularExpression row(QRegularExpression::escape(ToQString(club->m_strName)) +
                                     QStringLiteral(" +%1 +%2(\\s|$)")
                                         .arg(club->DistanceFor(CGolfClub::kAdultMale))
                                         .arg(club->DistanceFor(CGolfClub::kAdultFemale)));
        EXPECT_TRUE(page.contains(row)) << club->m_strName.ToUtf8();
    }
    for (const char* words : {"gap 20", "overlap 0", "2 gaps over 15 yd: Driver to 3 Wood 20 yd",
                              "1 overlap: 7 Wood and", "Player type: Adult Male"}) {
        EXPECT_TRUE(page.contains(QLatin1String(words))) << words;
    }
    // The pocket card: the short names, the player type's distances.
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Driver +220 "))));
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Sand Wedge +80\\n"))));
}

TEST_F(CommandLineTest, ACommandAnswersBesideARunningCopyWithoutAskingIt) {
    StoreDefaultTable();
    RunningProgram running;
    ASSERT_TRUE(running.WaitUntilAnswering()) << running.Errors();
    const auto before = Files(HomeDir());

    const Answer answer = RunProgram({QStringLiteral("--advise"), QStringLiteral("150")});
    EXPECT_EQ(answer.exitCode, 0) << answer.err.toStdString();
    EXPECT_EQ(answer.out, QStringLiteral("6 Iron\n"));
    EXPECT_EQ(Files(HomeDir()), before);
    EXPECT_TRUE(running.Running());
}
