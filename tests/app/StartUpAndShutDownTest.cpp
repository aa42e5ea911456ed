#include "support/AppTest.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/ShownUnit.h"
#include "persistence/ClubDataFile.h"
#include "platform/core/CArchive.h"
#include "platform/ui/MessageBoxSeam.h"

#include "persistence/ClubFileBytes.h"
#include "support/Player.h"
#include "support/TemporaryDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

namespace {

class StartUpAndShutDown : public AppTest {
protected:
    // One run of the program as the frame drives it: start-up, with the main dialog
    // answered by `act`, then shut-down.
    int Run(std::function<void(CAdvisorDlg&)> act) {
        EXPECT_FALSE(Player::WithModalDialog(std::move(act), [] { return theApp.InitInstance(); }))
            << "start-up never enters a message loop";
        return theApp.ExitInstance();
    }
    static void Tap(CDialog& dlg, int id) {
        QTest::mouseClick(WidgetOf(dlg.GetDlgItem(id)->m_hWnd), Qt::LeftButton, {}, QPoint(5, 5));
    }
    static QLineEdit* Field(CDialog& dlg) {
        return qobject_cast<QLineEdit*>(WidgetOf(dlg.GetDlgItem(IDC_DISTANCE)->m_hWnd));
    }
    static bool ReadSetting(const char16_t* name, DWORD& value) {
        CRegistryKey key(HKEY_CURRENT_USER);
        return key.Open(HKEY_CURRENT_USER, kSettingsKeyPath) && key.GetDWordValue(name, value);
    }
    static void WriteSetting(const char16_t* name, DWORD value) {
        CRegistryKey key(HKEY_CURRENT_USER);
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
        ASSERT_TRUE(key.SetDWordValue(name, value));
    }
    static int StoredClubCount() {
        CClubList clubs;
        return SerializeClubs(clubs, CArchive::load) ? clubs.GetCount() : -1;
    }
};

TEST_F(StartUpAndShutDown, AFirstRunOnACleanMachineLeavesTheDistanceAndTheClubTable) {
    DWORD value = 0;
    ASSERT_FALSE(ReadSetting(kLastDistanceValue, value));
    ASSERT_EQ(StoredClubCount(), -1);
    int clubsDuringRun = 0;
    QString shown;

    const int exitCode = Run([&](CAdvisorDlg& dlg) {
        clubsDuringRun = theApp.m_clubs.GetCount();
        shown = Field(dlg)->text();
        EXPECT_EQ(theApp.m_nPlayerType, 1);
        Tap(dlg, IDC_CLOSE);
    });

    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(clubsDuringRun, 14) << "the default set";
    EXPECT_EQ(shown, QStringLiteral("100"));
    ASSERT_TRUE(ReadSetting(kLastDistanceValue, value));
    EXPECT_EQ(value, 100U);
    EXPECT_FALSE(ReadSetting(kGenderValue, value)) << "only Setup writes the player type";
    EXPECT_TRUE(QFile::exists(ToQString(GetDataFilePath())));
    EXPECT_EQ(StoredClubCount(), 14);
    EXPECT_TRUE(theApp.m_clubs.IsEmpty()) << "shut-down deletes every record";
    EXPECT_EQ(theApp.m_fntBold.m_hObject, nullptr) << "shut-down deletes the bold font";
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

TEST_F(StartUpAndShutDown, ASecondRunLoadsTheTableAndTheDistanceOfTheFirst) {
    Run([](CAdvisorDlg& dlg) {
        Tap(dlg, IDC_PLUS20);
        Tap(dlg, IDC_CLOSE);
    });
    // The second run finds the file: removing one club from it shows that it is read back.
    {
        CClubList clubs;
        ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
        clubs.DeleteAll();
        BuildDefaultClubs(clubs);
        std::unique_ptr<CGolfClub> removed = clubs.RemoveClub(14);
        ASSERT_NE(removed, nullptr);
        ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
        clubs.DeleteAll();
    }
    int clubsDuringRun = 0;
    QString shown;
    Run([&](CAdvisorDlg& dlg) {
        clubsDuringRun = theApp.m_clubs.GetCount();
        shown = Field(dlg)->text();
        Tap(dlg, IDC_CLOSE);
    });
    EXPECT_EQ(clubsDuringRun, 13);
    EXPECT_EQ(shown, QStringLiteral("120"));
    EXPECT_EQ(StoredClubCount(), 13);
}

TEST_F(StartUpAndShutDown, ACancelledRunStillStoresTheDistanceTheDialogHeld) {
    Run([](CAdvisorDlg& dlg) {
        Tap(dlg, IDC_MINUS10);
        QLineEdit* field = Field(dlg);
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("300"));
        QTest::keyClick(field, Qt::Key_Escape);
    });
    DWORD value = 0;
    ASSERT_TRUE(ReadSetting(kLastDistanceValue, value));
    EXPECT_EQ(value, 90U) << "the typed 300 was never exchanged";
}

TEST_F(StartUpAndShutDown, AStoredDistanceTheDialogWouldRefuseStartsAtTheNearestBound) {
    struct Case {
        DWORD stored;
        DWORD shown;
    };
    // An older file or another program may hold anything; the type is taken as stored.
    for (const Case& c : {Case{1500, 1000}, Case{1001, 1000}, Case{49, 50}, Case{0, 50},
                          Case{0xFFFFFFFF, 50}, Case{0x80000000, 50}, Case{1000, 1000}}) {
        WriteSetting(kGenderValue, 3);
        WriteSetting(kLastDistanceValue, c.stored);
        QString shown;
        QString result;
        Run([&](CAdvisorDlg& dlg) {
            EXPECT_EQ(theApp.m_nPlayerType, 3);
            shown = Field(dlg)->text();
            result = ToQString(dlg.m_strRecommendation);
            Tap(dlg, IDC_CLOSE);
        });
        EXPECT_EQ(shown, QString::number(c.shown)) << c.stored;
        EXPECT_FALSE(result.isEmpty()) << "recommended at once, without a message";
        DWORD value = 0;
        ASSERT_TRUE(ReadSetting(kLastDistanceValue, value));
        EXPECT_EQ(value, c.shown) << c.stored;
        theApp.m_nPlayerType = CGolfClub::kAdultMale; // as the next process starts
    }
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

TEST_F(StartUpAndShutDown, AStoredFemalePlayerTypeDecidesFromTheFirstMoment) {
    WriteSetting(kGenderValue, 2);
    WriteSetting(kLastDistanceValue, 150);
    QString result;
    Run([&](CAdvisorDlg& dlg) {
        result = ToQString(dlg.m_strRecommendation);
        Tap(dlg, IDC_CLOSE);
    });
    CClubList clubs;
    BuildDefaultClubs(clubs);
    EXPECT_EQ(result, ToQString(FindClubForDistance(clubs, 2, 150)->m_strName));
    EXPECT_NE(result, ToQString(FindClubForDistance(clubs, 1, 150)->m_strName));
}

TEST_F(StartUpAndShutDown, InMetresAStoredDistanceShownAndEnteredUnchangedIsStoredAgainAsItWas) {
    // 146 yd shows as 134 m, which is nearest to 147 yd: only the stored value kept gives 146.
    WriteSetting(kUnitsValue, 1);
    WriteSetting(kLastDistanceValue, 146);
    QString shown;
    Run([&](CAdvisorDlg& dlg) {
        shown = Field(dlg)->text();
        QTest::keyClick(Field(dlg), Qt::Key_Return);
    });
    UseUnit(DistanceUnit::Yards); // as the next process starts
    EXPECT_EQ(shown, QStringLiteral("134"));
    DWORD value = 0;
    ASSERT_TRUE(ReadSetting(kLastDistanceValue, value));
    EXPECT_EQ(value, 146U);
}

TEST_F(StartUpAndShutDown, ASessionThatOnlyLooksThroughTheMenuStoresWhatOneWithoutItStores) {
    const auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };
    const QString hive = ConfigDir() + QStringLiteral("/Holverra/registry.reg");
    const QString table = DataDir() + QStringLiteral("/Holverra/Caddora/Clubs.dat");
    Run([](CAdvisorDlg& dlg) { Tap(dlg, IDC_CLOSE); });
    const QByteArray hiveBefore = contents(hive);
    const QByteArray tableBefore = contents(table);
    ASSERT_NE(tableBefore, QByteArray("(none)"));

    // Club Gaps, About and Conditions opened and left; nothing chosen.
    Run([](CAdvisorDlg& dlg) {
        const std::pair<Key, unsigned> keys[] = {{Letter('G'), Player::Ctrl},
                                                 {Key::F1, Player::NoModifier},
                                                 {Letter('K'), Player::Ctrl}};
        int opened = 0;
        for (const auto& [key, modifiers] : keys) {
            WhenModal([&opened](QWidget* window) {
                ++opened;
                QTest::keyClick(window, Qt::Key_Escape);
            });
            Player::Press(dlg, IDC_DISTANCE, key, modifiers);
        }
        EXPECT_EQ(opened, 3);
        Tap(dlg, IDC_CLOSE);
    });
    EXPECT_EQ(contents(hive), hiveBefore);
    EXPECT_EQ(contents(table), tableBefore);
}

TEST_F(StartUpAndShutDown, ATableThatCannotBeSavedAnywhereIsReportedOnceWithItsFile) {
    // Plain files where the program's directory and the data directory's parent should be:
    // neither place can hold the table, whoever runs the test.
    const auto makeFile = [](const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    makeFile(HomeDir() + QStringLiteral("/notadir"));
    makeFile(DataDir() + QStringLiteral("/Holverra"));
    SetModuleFilePathOverride(FromQString(HomeDir() + QStringLiteral("/notadir/caddora")));
    MessageBoxSeam::SetNextAnswer(IDOK);
    Run([](CAdvisorDlg& dlg) { Tap(dlg, IDC_CLOSE); });
    const auto texts = MessageBoxSeam::TakeShownTexts();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_NE(texts[0].ToUtf8().find("Clubs.dat"), std::string::npos) << texts[0].ToUtf8();
    EXPECT_NE(texts[0].ToUtf8().find(GetDataFilePath().ToUtf8()), std::string::npos);
    EXPECT_TRUE(theApp.m_clubs.IsEmpty()) << "the records are deleted all the same";
}

TEST_F(StartUpAndShutDown, ATableThatIsDamagedOrCannotBeReadIsToldOnceBeforeTheWindow) {
    const std::string table = (AppDir() + QStringLiteral("Clubs.dat")).toStdString();
    const std::string copy = table + ".damaged";
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes; // none: a folder of that name
        int clubs;                        // during the run
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"damaged after one club",
         ClubFileBytes().Word(0).Word(3).Club(0, 7, u"7 I").Word(0).Get(),
         1,
         {table, "1 club could be read", copy}},
        {"damaged before any club",
         {0, 0, 0, 0, 1},
         14,
         {table, "no club could be read", "its own club set", copy}},
        {"a folder", {}, 14, {table, "not a regular file", "leaves that file as it is"}},
    };
    for (const Case& c : cases) {
        QDir(AppDir()).removeRecursively();
        QDir().mkpath(AppDir());
        if (c.bytes.empty()) {
            QDir().mkpath(QString::fromStdString(table));
        } else {
            WriteBytes(table, c.bytes);
        }
        MessageBoxSeam::SetNextAnswer(IDOK);
        std::vector<CString> toldBeforeTheWindow;
        int clubs = 0;
        Run([&](CAdvisorDlg& dlg) {
            toldBeforeTheWindow = MessageBoxSeam::TakeShownTexts();
            clubs = theApp.m_clubs.GetCount();
            Tap(dlg, IDC_CLOSE);
        });
        ASSERT_EQ(toldBeforeTheWindow.size(), 1U) << c.what;
        for (const std::string& part : c.told) {
            EXPECT_NE(toldBeforeTheWindow[0].ToUtf8().find(part), std::string::npos)
                << c.what << ": " << toldBeforeTheWindow[0].ToUtf8();
        }
        EXPECT_EQ(clubs, c.clubs) << c.what;
        EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty()) << c.what << ": told once";
        EXPECT_EQ(StoredClubCount(), c.clubs) << c.what << ": the table of the run was saved";
        if (c.bytes.empty()) {
            EXPECT_TRUE(QFileInfo(QString::fromStdString(table)).isDir()) << "left as it is";
        } else {
            EXPECT_EQ(ReadBytes(copy), c.bytes) << c.what;
        }
    }
}

TEST_F(StartUpAndShutDown, BothSettingsAreWrittenAsDwordsOfFourBytes) {
    Run([](CAdvisorDlg& dlg) {
        WhenModal([](QWidget* setup) { QTest::keyClick(setup, Qt::Key_Escape); });
        Tap(dlg, IDC_SETUP);
        Tap(dlg, IDC_CLOSE);
    });
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    for (const char16_t* name : {kGenderValue, kLastDistanceValue}) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExW(key, name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << ToQString(CString(name)).toStdString();
        EXPECT_EQ(size, 4U);
    }
    RegCloseKey(key);
}

TEST(ApplicationObject, StartsWithPlayerTypeOneAndNothingElse) {
    const int before = GdiLiveObjectCount();
    {
        CAdvisorApp app;
        EXPECT_EQ(app.m_nPlayerType, 1);
        EXPECT_TRUE(app.m_clubs.IsEmpty());
        EXPECT_EQ(app.m_fntBold.m_hObject, nullptr);
        EXPECT_EQ(app.m_brLight.m_hObject, nullptr);
        EXPECT_EQ(app.m_brDark.m_hObject, nullptr);
        EXPECT_NE(AfxGetApp(), &app) << "the global object came first";
        app.m_brLight.CreateSolidBrush(kLightColour);
        app.m_fntBold.CreateFontIndirect(&GetStockSystemFont());
        app.m_fntBold.DeleteObject(); // as shut-down does
    }
    EXPECT_EQ(GdiLiveObjectCount(), before) << "each drawing object released exactly once";
    EXPECT_EQ(AfxGetApp(), &theApp);
}

} // namespace
