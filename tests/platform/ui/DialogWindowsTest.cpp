#include "platform/ui/TestDialogs.h"
#include "support/Player.h"
#include "support/UiTest.h"

#include "platform/ui/MessageBoxSeam.h"
#include "res/Resource.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

namespace {

class DialogWindows : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterTestTemplates();
    }
    static QWindow* Handle(CDialog& dialog) {
        return WidgetOf(dialog.GetSafeHwnd())->windowHandle();
    }
    // The hint a field shows at its side, empty when none is shown.
    static QString Hint(QWidget* field) {
        for (const QLabel* balloon : field->findChildren<QLabel*>()) {
            if (balloon->isVisible() && balloon->isWindow()) {
                return balloon->text();
            }
        }
        return QString();
    }
};

TEST_F(DialogWindows, TitlesAreTheCaptionsAloneAndMessagesAreTitledWithTheProgramsName) {
    struct Title {
        UINT id;
        const char* text;
    };
    for (const Title& t : {Title{IDD_CADDORA_DIALOG, "Caddora"}, Title{IDD_SETUP, "Setup"},
                           Title{IDD_EDIT_CLUB, "Edit Club"}}) {
        CDialog dialog(t.id);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(WidgetOf(dialog.GetSafeHwnd())->windowTitle(), QString::fromLatin1(t.text));
    }
    // With no display name of its own set, the window system appends none to the titles:
    // the display name is then whatever the application's name is.
    QApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QApplication::setApplicationName(QStringLiteral("Caddora"));

    QString title;
    WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        modal->close();
    });
    AfxMessageBox(u"Please enter a whole number.");
    EXPECT_EQ(title, QStringLiteral("Caddora"));
}

TEST_F(DialogWindows, TheApplicationWindowIsANormalTopLevelWindowOfFixedSize) {
    CDialog main(IDD_CADDORA_DIALOG);
    ASSERT_TRUE(main.Create());
    const QWidget* window = WidgetOf(main.GetSafeHwnd());
    EXPECT_EQ(window->windowType(), Qt::Window) << "a window taskbars list, not a dialog";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(Handle(main)->transientParent(), nullptr);

    FormDialog form;
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(WidgetOf(form.GetSafeHwnd())->windowType(), Qt::Dialog);
    EXPECT_FALSE(WidgetOf(form.GetSafeHwnd())->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// The dialog that opens a parentless one owns it and has it centred over itself, as the main
// dialog does Setup and Setup does Edit Club; the application window is owned by nothing.
TEST_F(DialogWindows, AParentlessModalDialogIsOwnedByTheDialogThatOpensItAndCentredOverIt) {
    CDialog main(IDD_CADDORA_DIALOG);
    // The owners' titles, read while the windows are open; "-" for no owner.
    const auto ownerOf = [](CDialog& dialog) {
        const QWindow* owner = Handle(dialog)->transientParent();
        return owner != nullptr ? owner->title().toStdString() : std::string("-");
    };
    std::string mainOwner;
    std::string formOwner;
    QPoint offCentre;
    Player::WithModalDialog<CDialog>(
        [&](CDialog& opened) {
            mainOwner = ownerOf(opened);
            FormDialog form;
            Player::WithModalDialog<FormDialog>(
                [&](FormDialog& shown) {
                    formOwner = ownerOf(shown);
                    offCentre = WidgetOf(shown.GetSafeHwnd())->frameGeometry().center() -
                                WidgetOf(opened.GetSafeHwnd())->frameGeometry().center();
                    shown.EndDialog(IDCANCEL);
                },
                [&] { form.DoModal(); });
            opened.EndDialog(IDOK);
        },
        [&] { main.DoModal(); });
    EXPECT_EQ(mainOwner, "-");
    EXPECT_EQ(formOwner, "Caddora");
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST_F(DialogWindows, ANumberFieldRefusesWhatIsNotADigitVisiblyAndAPasteWhole) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(Activate(WidgetOf(dialog.GetSafeHwnd())));
    auto* field = qobject_cast<QLineEdit*>(WidgetOf(dialog.GetDlgItem(kNumberField)->m_hWnd));
    const QString hint = QStringLiteral("Only digits 0 to 9 can be typed here.");
    struct Case {
        const char* name;
        bool paste;
        const char* input;
        const char* after;
        bool hinted;
    };
    for (const Case& c : {Case{"typed digits", false, "75", "575", false},
                          Case{"typed point", false, "7.", "57", true},
                          Case{"pasted digits", true, "120", "5120", false},
                          Case{"pasted with a letter", true, "12a", "5", true}}) {
        field->setText(QStringLiteral("5"));
        if (c.paste) {
            QApplication::clipboard()->setText(QString::fromLatin1(c.input));
            field->paste();
        } else {
            QTest::keyClicks(field, QString::fromLatin1(c.input));
        }
        EXPECT_EQ(field->text(), QString::fromLatin1(c.after)) << c.name;
        EXPECT_EQ(Hint(field), c.hinted ? hint : QString()) << c.name;
    }
    field->clearFocus();
    EXPECT_EQ(Hint(field), QString()) << "the hint goes with the focus";
}

} // namespace
