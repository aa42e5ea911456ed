#include "support/UiTest.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/MessageBoxSeam.h"
#include "res/RegisterCaddoraResources.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

std::unique_ptr<QApplication>& Application() {
    static std::unique_ptr<QApplication> application;
    return application;
}

// The application lives for the whole test run, as the program's own does, and goes before
// the process's exit handlers run, which would otherwise find Qt half gone.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { Application().reset(); }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment); // gtest owns it

} // namespace

void EnsureTestApplication() {
    static int argc = 1;
    static char name[] = "caddora-tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application() = std::make_unique<QApplication>(argc, argv);
    AfxInitToolkit();
    RegisterCaddoraResources();
}

void UiTest::SetUp() {
    m_home = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_home->isValid());
    QDir(m_home->path()).mkpath(QStringLiteral(".config"));
    QDir(m_home->path()).mkpath(QStringLiteral(".local/share"));
    for (const auto& [name, value] :
         {std::pair{"HOME", HomeDir()}, std::pair{"XDG_CONFIG_HOME", ConfigDir()},
          std::pair{"XDG_DATA_HOME", DataDir()}}) {
        m_savedEnvironment.emplace_back(name, qEnvironmentVariableIsSet(name)
                                                  ? std::optional<QByteArray>(qgetenv(name))
                                                  : std::nullopt);
        qputenv(name, value.toUtf8());
    }
    EnsureTestApplication();
    MessageBoxSeam::TakeShownTexts();
    m_watchdog = std::make_unique<ModalWatchdog>();
}

void UiTest::TearDown() {
    m_watchdog.reset();
    EXPECT_EQ(MessageBoxSeam::PendingAnswers(), 0) << "a message the test expected never came";
    while (MessageBoxSeam::PendingAnswers() > 0) {
        MessageBoxSeam::Show(CString(), 0);
    }
    MessageBoxSeam::TakeShownTexts();
    for (auto it = m_savedEnvironment.rbegin(); it != m_savedEnvironment.rend(); ++it) {
        if (it->second) {
            qputenv(it->first.constData(), *it->second);
        } else {
            qunsetenv(it->first.constData());
        }
    }
    m_savedEnvironment.clear();
    m_home.reset();
}

QString UiTest::HomeDir() const {
    return m_home->path();
}

QString UiTest::ConfigDir() const {
    return m_home->path() + QStringLiteral("/.config");
}

QString UiTest::DataDir() const {
    return m_home->path() + QStringLiteral("/.local/share");
}

namespace {

// Acts on the modal window once a new one is shown over the one that was modal before (if
// any), and no menu is open above it any more; fails when none is shown before the deadline.
void ActOnModal(std::function<void(QWidget*)> act, const QPointer<QWidget>& before,
                QDeadlineTimer deadline) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == before || QApplication::activePopupWidget() != nullptr) {
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "no modal window was shown";
            return;
        }
        QTimer::singleShot(10, [act = std::move(act), before, deadline]() mutable {
            ActOnModal(std::move(act), before, deadline);
        });
        return;
    }
    act(modal);
}

} // namespace

void UiTest::WhenModal(std::function<void(QWidget*)> act) {
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [act = std::move(act), before]() mutable {
        ActOnModal(std::move(act), before, QDeadlineTimer(2000));
    });
}

bool UiTest::Activate(QWidget* widget) {
    QWidget* window = widget->window();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
