#pragma once
// The real program, started as a separate process in the test's temporary home, offscreen
// unless told otherwise. Waits are polls with generous limits, never fixed sleeps: the
// machine may be busy.
#include "platform/ui/CWinApp.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/SingleInstance.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <csignal>

#include <gtest/gtest.h>

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
    // A program still running ends as a logout would end it, so it leaves no socket behind.
    ~RunningProgram() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(kPatienceMs)) {
                m_process.kill();
                m_process.waitForFinished(kPatienceMs);
            }
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The socket name the program listens on for the settings of the current environment.
    static QString ServerName() {
        return SingleInstance::ServerName(ToQString(AfxGetSettingsLocation()));
    }

    // Until the program's event loop answers a request to come to the front: its main
    // dialog runs, and its signal handling is in place.
    bool WaitUntilAnswering(const QString& serverName = ServerName()) {
        const QDeadlineTimer deadline(kPatienceMs);
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            if (SingleInstance::AskToComeToFront(serverName, 2000) ==
                SingleInstance::Answer::Answered) {
                return true;
            }
            QThread::msleep(20);
        }
        return false;
    }
    void Signal(int signo) { ::kill(static_cast<pid_t>(m_process.processId()), signo); }
    bool WaitForEnd() { return m_process.waitForFinished(kPatienceMs); }
    bool Running() { return m_process.state() == QProcess::Running; }
    bool EndedNormally() const { return m_process.exitStatus() == QProcess::NormalExit; }
    int ExitCode() const { return m_process.exitCode(); }
    std::string Errors() { return m_process.readAllStandardError().toStdString(); }

private:
    QProcess m_process;
};
