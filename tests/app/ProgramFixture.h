#pragma once
// Tests of the real program as a process, offscreen unless told otherwise, in the test's
// own home. Each home starts with a table of two clubs in the preferred data directory and a
// stored distance of 1500, which the program starts at 1000: what the end of a run writes is
// plain to see. Waits are polls with generous limits: the machine may be busy.
#include "persistence/ClubDataFile.h"
#include "platform/process/RaiseSocket.h"
#include "support/AppTest.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/stat.h>

class RunningProgram {
public:
    static constexpr int kPatienceMs = 30000;

    explicit RunningProgram(QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
        if (!env.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(CADDORA_PROGRAM), {});
        m_process.waitForStarted(kPatienceMs);
    }
    // Ended as a logout would end it, so that it leaves no socket behind.
    ~RunningProgram() {
        m_process.terminate();
        if (!m_process.waitForFinished(kPatienceMs)) {
            m_process.kill();
            m_process.waitForFinished(kPatienceMs);
        }
    }

    static std::string SocketPath() {
        return RaiseSocketPath(OneRunningCopy::SettingsFolderOfThisUser());
    }
    // Until its event loop answers a request to come to the front: the main dialog runs,
    // and the signal handling is in place.
    bool WaitUntilAnswering() {
        const QDeadlineTimer deadline(kPatienceMs);
        while (!deadline.hasExpired() && Running()) {
            if (AskToComeToFront(SocketPath(), std::chrono::milliseconds(2000)) ==
                OneRunningCopy::Answer::Answered) {
                return true;
            }
            QThread::msleep(20);
        }
        return false;
    }
    void Signal(int signo) { ::kill(static_cast<pid_t>(m_process.processId()), signo); }
    bool WaitForEnd() { return m_process.waitForFinished(kPatienceMs); }
    bool Running() const { return m_process.state() == QProcess::Running; }
    bool EndedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }
    int ExitCode() const { return m_process.exitCode(); }
    std::string Errors() { return m_process.readAllStandardError().toStdString(); }

private:
    QProcess m_process;
};

class ProgramTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        const QString table = ToQString(GetPreferredDataDirectory()) + QStringLiteral("/Clubs.dat");
        ASSERT_TRUE(QDir().mkpath(ToQString(GetPreferredDataDirectory())));
        ASSERT_TRUE(QFile(table).open(QIODevice::WriteOnly)); // the place the program then uses
        CClubList clubs;
        clubs.AddTail(std::make_unique<CGolfClub>(1));
        clubs.AddTail(std::make_unique<CGolfClub>(2));
        ASSERT_TRUE(SerializeClubs(clubs, 0));
        CRegistryKey key(HKEY_CURRENT_USER);
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
        ASSERT_TRUE(key.SetDWordValue(kLastDistanceValue, 1500));
        m_tableInode = TableInode();
    }

    // A save replaces the file through a rename: a new file, a new inode.
    static ino_t TableInode() {
        struct stat st {};
        return ::stat(GetDataFilePath().ToUtf8().c_str(), &st) == 0 ? st.st_ino : 0;
    }
    static DWORD Stored(const char16_t* name) {
        CRegistryKey key(HKEY_CURRENT_USER);
        DWORD value = 0;
        return key.Open(HKEY_CURRENT_USER, kSettingsKeyPath) && key.GetDWordValue(name, value)
                   ? value
                   : 0;
    }
    // What the end of a run writes: the distance the dialog held, and the table again.
    void ExpectTheRunEndedAsAlways() {
        EXPECT_EQ(Stored(kLastDistanceValue), 1000U);
        EXPECT_NE(TableInode(), m_tableInode) << "the table was saved again";
        CClubList clubs;
        EXPECT_TRUE(SerializeClubs(clubs, 1));
        EXPECT_EQ(clubs.GetCount(), 2);
    }

    ino_t m_tableInode = 0;
};
