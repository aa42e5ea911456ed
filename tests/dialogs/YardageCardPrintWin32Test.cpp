// The yardage card printed over the system's own printing: a printer's device context, the
// document and its page, the card drawn on it. Under Wine the printer is one the test adds for
// itself to the Wine prefix: Wine's PostScript driver (wineps.drv) with a small printer
// description of its own, which prints into the file StartDoc names instead of its port.
#include "support/DialogTest.h"

#include "advisor/YardageCard.h"
#include "platform/ui/PrintJob.h"
#include "support/TemporaryDirectory.h"

#include <windows.h>
#include <winspool.h>

#include <fstream>
#include <sstream>

namespace {

constexpr wchar_t kDriver[] = L"Caddora Test PostScript";
constexpr wchar_t kPrinter[] = L"Caddora Test Printer";

// A PostScript printer for A4 and Letter, and the minimum Wine's driver reads.
constexpr char kPrinterDescription[] = R"(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*LanguageEncoding: ISOLatin1
*LanguageVersion: English
*ModelName: "Caddora Test PostScript"
*NickName: "Caddora Test PostScript"
*PCFileName: "CADDORA.PPD"
*LanguageLevel: "2"
*ColorDevice: True
*DefaultResolution: 300dpi
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea Letter/Letter: "18 18 594 774"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
)";

bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The test's own printer, there for the test's life.
class TestPrinter {
public:
    explicit TestPrinter(const std::filesystem::path& description) {
        DRIVER_INFO_3W driver{};
        driver.cVersion = 3;
        driver.pName = const_cast<LPWSTR>(kDriver);
        driver.pDriverPath = const_cast<LPWSTR>(L"wineps.drv");
        driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
        const std::wstring data = description.wstring();
        driver.pDataFile = const_cast<LPWSTR>(data.c_str());
        driver.pDefaultDataType = const_cast<LPWSTR>(L"RAW");
        m_driver = AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                                       APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY) != FALSE;
        PRINTER_INFO_2W printer{};
        printer.pPrinterName = const_cast<LPWSTR>(kPrinter);
        printer.pPortName = const_cast<LPWSTR>(L"FILE:");
        printer.pDriverName = const_cast<LPWSTR>(kDriver);
        printer.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
        printer.pDatatype = const_cast<LPWSTR>(L"RAW");
        m_printer = m_driver ? AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer)) : nullptr;
    }
    ~TestPrinter() {
        if (m_printer != nullptr) {
            DeletePrinter(m_printer);
            ClosePrinter(m_printer);
        }
        if (m_driver) {
            DeletePrinterDriverW(nullptr, nullptr, const_cast<LPWSTR>(kDriver));
        }
    }
    TestPrinter(const TestPrinter&) = delete;
    TestPrinter& operator=(const TestPrinter&) = delete;

    bool Added() const { return m_printer != nullptr; }

private:
    bool m_driver = false;
    HANDLE m_printer = nullptr;
};

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

using YardageCardPrint = DialogTest;

TEST_F(YardageCardPrint, GoesThroughThePrintersDriverIntoAFile) {
    if (!RunsUnderWine()) {
        GTEST_SKIP() << "the test's printer stands on Wine's PostScript driver";
    }
    const TemporaryDirectory folder;
    std::ofstream(folder.Path() / "caddora.ppd", std::ios::binary) << kPrinterDescription;
    const TestPrinter printer(folder.Path() / "caddora.ppd");
    ASSERT_TRUE(printer.Added()) << "error " << GetLastError();

    const std::filesystem::path output = folder.Path() / "card.ps";
    int pagesDrawn = 0;
    EXPECT_EQ(PrintToFile(CString(u"Caddora Test Printer"), CString(output.u16string()),
                          CString(u"Caddora yardage card"),
                          [&](CDC& dc) {
                              ++pagesDrawn;
                              DrawYardageCard(dc, theApp.m_clubs, CGolfClub::kAdultMale,
                                              CString("2026-12-08"));
                          }),
              PrintOutcome::printed);
    EXPECT_EQ(pagesDrawn, 1);

    // One page of PostScript from the driver, on the locale's paper, with the card's text in
    // the TrueType face that stands in for Arial.
    const std::string document = Contents(output);
    EXPECT_EQ(document.rfind("%!PS-Adobe-3.0", 0), 0U);
    EXPECT_NE(document.find("%%Title: Caddora yardage card"), std::string::npos);
    EXPECT_NE(document.find("%%Pages: 1"), std::string::npos);
    wchar_t measure[4] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IMEASURE, measure, 4);
    EXPECT_NE(document.find(measure[0] == L'1' ? "*PageSize Letter" : "*PageSize A4"),
              std::string::npos);
    EXPECT_NE(document.find("/FontName /LiberationSans"), std::string::npos);
}
