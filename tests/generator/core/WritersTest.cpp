#include "core/FileGenerator.h"
#include "core/MainBoard.h"
#include "core/PinParsing.h"
#include "core/Pinwright.h"
#include "generator/core/TestBoard.h"
#include "generator/core/TestBoardText.h"
#include "platform/FileWrite.h"
#include "platform/Text.h"
#include "platform/testing/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

using coretest::Group;
using coretest::kTestBoardId;
using coretest::TestBoardText;
using coretest::TestDevice;
using platform::testing::AssertionOf;
using platform::testing::ScriptedPlatform;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

const std::string kBanner = "#============================================================\r\n";
const std::string kVBanner = "//=======================================================\r\n";
const std::string kStars = "#**************************************************************\r\n";

// "hh:nn:ss Month dd, yyyy" (upper case: "hh:nn:ss MONTH dd,yyyy") with an English month.
bool LooksLikeDate(const std::string& date, bool upper) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    auto digits = [&](std::size_t at, std::size_t n) {
        if (at + n > date.size())
            return false;
        for (std::size_t i = at; i < at + n; ++i)
            if (date[i] < '0' || date[i] > '9')
                return false;
        return true;
    };
    if (!(digits(0, 2) && date[2] == ':' && digits(3, 2) && date[5] == ':' && digits(6, 2) && date[8] == ' '))
        return false;
    for (const char* month : kMonths) {
        std::string m = upper ? platform::ToUpper(month) : std::string(month);
        if (date.compare(9, m.size(), m) != 0)
            continue;
        std::size_t at = 9 + m.size();
        std::string tail = date.substr(at);
        return tail.size() == (upper ? 8u : 9u) && tail[0] == ' ' && digits(at + 1, 2) && tail[3] == ',' &&
               (upper || tail[4] == ' ') && digits(date.size() - 4, 4);
    }
    return false;
}

// Replaces the date between the first pair of quotes after key with <date>.
std::string MaskDate(std::string text, const std::string& key, bool upper) {
    std::size_t at = text.find(key);
    EXPECT_NE(at, std::string::npos);
    std::size_t open = text.find('"', at);
    std::size_t close = text.find('"', open + 1);
    std::string date = text.substr(open + 1, close - open - 1);
    EXPECT_TRUE(LooksLikeDate(date, upper)) << date;
    return text.replace(open + 1, close - open - 1, "<date>");
}

} // namespace

TEST(WriteQpf, TheProjectFile) {
    ScriptedPlatform seam;
    TempDir dir;
    TPinwright w;
    ASSERT_TRUE(w.WriteQpf(dir.File("blink.qpf")));
    EXPECT_EQ(MaskDate(ReadFile(dir.File("blink.qpf")), "DATE", false),
              "DATE = \"<date>\"\r\nQUARTUS_VERSION = \"16.0.0\"\r\n\r\n# Revisions\r\n\r\n"
              "PROJECT_REVISION = \"blink\"\r\n");
}

TEST(WriteQsf, HeadGlobalsConnectorBlocksAndTail) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    b.AddConnector(Group("KEY", {{"KEY[0]", "B8", DIRECTION_INPUT}, {"KEY[1]", "", DIRECTION_INPUT}}));
    b.GetConnector(0)->GetPin(1)->SetIoStandard(IOSTD_3V3_SCHMITT);
    b.AddConnector(Group("OFF", {{"X", "A1", DIRECTION_NONE}}));
    auto* gpio = new TConnector("GPIO", "GPIO connect to Kamrel - 5M Pixel Camera", CONNECTOR_GPIO40, -1);
    gpio->AddPin(new TPin("GPIOKAMREL_PIXCLK", "V10", DIRECTION_INPUT, IOSTD_3V3_LVTTL, 0.0f));
    gpio->AddPin(nullptr);
    gpio->AddPin(new TPin("W", "W10", DIRECTION_BY_DAUGHTER, IOSTD_3V3_LVTTL, 0.0f));
    b.AddConnector(gpio);
    TPinwright w;
    ASSERT_TRUE(w.WriteQsf(&b, dir.File("blink.qsf")));
    const std::string g = "set_global_assignment -name";
    std::string expected =
        kBanner + "# Build by Veltrax Pinwright\r\n" + kBanner + "\r\n" + g + " FAMILY \"MAX 10 FPGA\"\r\n" +
        g + " DEVICE 10M50DAF484C7G\r\n" + g + " TOP_LEVEL_ENTITY \"blink\"\r\n" + g +
        " ORIGINAL_QUARTUS_VERSION \"16.0.0\"\r\n" + g + " LAST_QUARTUS_VERSION \"16.0.0\"\r\n" + g +
        " PROJECT_CREATION_TIME_DATE \"<date>\"\r\n" + g + " DEVICE_FILTER_PACKAGE FBGA\r\n" + g +
        " DEVICE_FILTER_PIN_COUNT 484\r\n" + g + " DEVICE_FILTER_SPEED_GRADE 7\r\n" + g +
        " SDC_FILE blink.sdc\r\n" +
        // KEY: all standards first, then the locations; no location, no line
        "\r\n" + kBanner + "# KEY\r\n" + kBanner +
        "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to KEY[0]\r\n"
        "set_instance_assignment -name IO_STANDARD \"3.3 V Schmitt Trigger\" -to KEY[1]\r\n"
        "set_location_assignment PIN_B8 -to KEY[0]\r\n" +
        // GPIO: name and caption; the pin still waiting for a card writes nothing
        "\r\n" + kBanner + "# GPIO, GPIO connect to Kamrel - 5M Pixel Camera\r\n" + kBanner +
        "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to GPIOKAMREL_PIXCLK\r\n"
        "set_location_assignment PIN_V10 -to GPIOKAMREL_PIXCLK\r\n" +
        "\r\n" + kBanner + "# End of pin assignments by Veltrax Pinwright\r\n" + kBanner + "\r\n";
    EXPECT_EQ(MaskDate(ReadFile(dir.File("blink.qsf")), "PROJECT_CREATION_TIME_DATE", true), expected);
}

TEST(WriteQsf, NoConnectorsNoFiltersAndADottedProjectName) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    b.m_Family = "F";
    b.m_Device = "D";
    b.m_SpeedGrade = 6;
    TPinwright w;
    ASSERT_TRUE(w.WriteQsf(&b, dir.File("my.proj.qsf")));
    std::string text = ReadFile(dir.File("my.proj.qsf"));
    EXPECT_NE(text.find("TOP_LEVEL_ENTITY \"my.proj\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("DEVICE_FILTER_SPEED_GRADE 6\r\n"), std::string::npos);
    EXPECT_EQ(text.find("DEVICE_FILTER_PACKAGE"), std::string::npos);
    EXPECT_EQ(text.find("DEVICE_FILTER_PIN_COUNT"), std::string::npos);
    EXPECT_NE(text.find("SDC_FILE my.proj.sdc\r\n\r\n" + kBanner + "# End of pin"), std::string::npos);
}

TEST(WriteVerilog, EmptyModelGivesTheFrame) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    TPinwright w;
    ASSERT_TRUE(w.WriteVerilog(&b, dir.File("blink.v")));
    EXPECT_EQ(ReadFile(dir.File("blink.v")),
              "\r\n" + kVBanner + "//  This code is generated by Veltrax Pinwright\r\n" + kVBanner + "\r\n" +
                  "module blink(\r\n);\r\n\r\n\r\n\r\n" + kVBanner + "//  REG/WIRE declarations\r\n" +
                  kVBanner + "\r\n\r\n\r\n\r\n" + kVBanner + "//  Structural coding\r\n" + kVBanner +
                  "\r\n\r\n" + "\r\nendmodule\r\n");
}

TEST(PortList, BusesCommentsAndNoCommaAfterTheLastPort) {
    ScriptedPlatform seam;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    b.AddConnector(Group("D", {{"D[3]", "A", DIRECTION_OUTPUT},
                               {"D[0]", "B", DIRECTION_OUTPUT},
                               {"D[7]", "C", DIRECTION_OUTPUT},
                               {"CLOCK_50", "E", DIRECTION_INPUT}}));
    auto* gpio = new TConnector("GPIO", "GPIO connect to None", CONNECTOR_GPIO40, -1);
    gpio->AddPin(new TPin("Q", "F", DIRECTION_NONE, 8, 0.0f));
    b.AddConnector(gpio);
    EXPECT_EQ(b.GetPortList(), "\r\n\t//////////// D //////////\r\n"
                               "\toutput\t\t     [7:0]\t\tD,\r\n"
                               "\tinput \t\t          \t\tCLOCK_50\r\n"
                               "\r\n\t//////////// GPIO, GPIO connect to None //////////\r\n");
}

TEST(PinParsing, PortsOfAConnector) {
    ScriptedPlatform seam;
    std::unique_ptr<TConnector> c(Group("K", {{"KEY[0]", "", DIRECTION_INPUT},
                                              {"key[1]", "", DIRECTION_INPUT},
                                              {"A]B[2", "", DIRECTION_INPUT},
                                              {"A[2", "", DIRECTION_INPUT},
                                              {"X[3]Y", "", DIRECTION_OUTPUT},
                                              {"OFF", "", DIRECTION_NONE}}));
    TPinParsing parsing;
    parsing.Parse(c.get());
    ASSERT_EQ(parsing.GetPortCount(), 4);
    EXPECT_EQ(parsing.GetPortText(0), "input \t\t     [1:0]\t\tKEY");
    EXPECT_EQ(parsing.GetPortText(1), "input \t\t          \t\tA]B[2");
    EXPECT_EQ(parsing.GetPortText(2), "input \t\t          \t\tA[2");
    EXPECT_EQ(parsing.GetPortText(3), "output\t\t     [3:3]\t\tX");
}

TEST(PinParsing, ClashesAreReportedNotFatalWhenTried) {
    ScriptedPlatform seam;
    struct Case {
        std::vector<std::tuple<const char*, const char*, uint8_t>> pins;
        const char* message;
    };
    const Case cases[] = {
        {{{"LED", "", DIRECTION_OUTPUT}, {"LED", "", DIRECTION_OUTPUT}}, "LED"},
        {{{"D[0]", "", DIRECTION_OUTPUT}, {"D[1]", "", DIRECTION_INPUT}},
         "Connector D[1]:1 has an unmathced pin direction"},
        {{{"S", "", DIRECTION_OUTPUT}, {"S[4]", "", DIRECTION_INPUT}},
         "Connector S[4]:1 has an unmathced pin direction"},
        {{{"X[a]", "", DIRECTION_OUTPUT}}, "'a' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        TConnector conn("C", "", CONNECTOR_NONE, -1);
        for (auto [n, loc, dir] : c.pins)
            conn.AddPin(new TPin(n, loc, dir, 8, 0.0f));
        TPinParsing parsing;
        std::string message;
        EXPECT_FALSE(parsing.TryParse(&conn, message));
        EXPECT_EQ(message, c.message);
    }
}

TEST(WriteSdc, SkeletonAndClockLines) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    auto* clk = Group("CLOCK", {{"MAX10_CLK1_50", "P11", DIRECTION_INPUT},
                                {"P20", "A", DIRECTION_NONE},
                                {"NOCLOCK", "B", DIRECTION_INPUT}});
    clk->GetPin(0)->SetIsClock(1);
    clk->GetPin(0)->SetFrequencyText("50.0 MHz");
    clk->GetPin(0)->SetPeriod(20);
    clk->GetPin(1)->SetIsClock(1);
    clk->GetPin(1)->SetPeriod(20);
    clk->GetPin(2)->SetIsClock(1);
    b.AddConnector(clk);
    TPinwright w;
    ASSERT_TRUE(w.WriteSdc(&b, dir.File("blink.sdc")));
    std::string expected =
        kStars + "# This .sdc file is created by Veltrax Tool.\r\n" +
        "# Users are recommended to modify this file to match users logic.\r\n" + kStars + "\r\n" + kStars +
        "# Create Clock\r\n" + kStars +
        "create_clock -period \"50.0 MHz\" [get_ports MAX10_CLK1_50]\r\n"
        "create_clock -period 20.000ns [get_ports P20]\r\n"
        "\r\n" +
        kStars + "# Create Generated Clock\r\n" + kStars + "derive_pll_clocks\r\n\r\n\r\n\r\n" + kStars +
        "# Set Clock Latency\r\n" + kStars + "\r\n\r\n\r\n" + kStars + "# Set Clock Uncertainty\r\n" +
        kStars + "derive_clock_uncertainty\r\n\r\n\r\n\r\n" + kStars + "# Set Input Delay\r\n" + kStars +
        "\r\n\r\n\r\n" + kStars + "# Set Output Delay\r\n" + kStars + "\r\n\r\n\r\n";
    for (const char* h : {"# Set Clock Groups\r\n", "# Set False Path\r\n", "# Set Multicycle Path\r\n",
                          "# Set Maximum Delay\r\n", "# Set Minimum Delay\r\n", "# Set Input Transition\r\n",
                          "# Set Load\r\n"})
        expected += kStars + h + kStars + "\r\n\r\n\r\n";
    EXPECT_EQ(ReadFile(dir.File("blink.sdc")), expected);
}

TEST(WritePinReport, HeadListAndTables) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    b.AddConnector(Group("LED", {{"LEDR[0]", "A8", DIRECTION_OUTPUT}, {"OFF", "A9", DIRECTION_NONE}}));
    auto* gpio = new TConnector("GPIO", "GPIO connect to GPIO Default", CONNECTOR_GPIO40, -1);
    auto* p = new TPin("X_GPIO[5]", "V7", DIRECTION_INOUT, IOSTD_3V3_LVTTL, 0.0f);
    p->SetIndex(7);
    gpio->AddPin(p);
    gpio->AddPin(new TPin("$REFCLK", "W7", DIRECTION_INPUT, IOSTD_3V3_LVTTL, 0.0f));
    gpio->SetDaughterType(CONNECTOR_GPIO40);
    b.AddConnector(gpio);
    TPinwright w;
    ASSERT_TRUE(w.WritePinReport(&b, dir.File("blink.htm")));
    auto cell = [](const char* tag, const std::string& text, bool khaki = false) {
        return std::string("   <") + tag + " align=\"left\"" + (khaki ? " bgcolor=\"Khaki\"" : "") + ">" +
               text + "</" + tag + ">\r\n";
    };
    std::string head = cell("th", "Name", true) + cell("th", "Location", true) +
                       cell("th", "Direction", true) + cell("th", "Standard", true);
    std::string expected =
        "<html>\r\n<body>\r\n<h1 align=\"center\">Dunmir Kit Configuration</h1>\r\n<br />\r\n<br />\r\n"
        "<h2 align=\"left\">Pin Assignments:</h2>\r\n<ul>\r\n"
        "<a href=\"#LED\"><li>LED</li></a>\r\n<br />\r\n<a href=\"#GPIO\"><li>GPIO</li></a>\r\n<br "
        "/>\r\n</ul>\r\n"
        "<br />\r\n<br />\r\n<br />\r\n<h2 align=\"left\">Pin Assignment Table:</h2>\r\n"
        "<h2><a name=\"LED\"></a></h2><table border=\"3\">\r\n<caption  align=\"left\">LED</caption>\r\n"
        "<br />\r\n<br />\r\n<tr>\r\n" +
        head + "</tr>\r\n<tr>\r\n" + cell("td", "LEDR[0]") + cell("td", "A8") + cell("td", "output") +
        cell("td", "3.3-V LVTTL") + "</tr>\r\n</table>\r\n" +
        "<h2><a name=\"GPIO\"></a></h2><table border=\"3\">\r\n"
        "<caption  align=\"left\">GPIO connect to GPIO Default</caption>\r\n<br />\r\n<br />\r\n<tr>\r\n" +
        head + cell("th", "GPIO Pin Index", true) + "</tr>\r\n<tr>\r\n" + cell("td", "X_GPIO[5]") +
        cell("td", "V7") + cell("td", "inout ") + cell("td", "3.3-V LVTTL") + cell("td", "7") +
        "</tr>\r\n<tr>\r\n" + cell("td", "$REFCLK") + cell("td", "-") + cell("td", "-") + cell("td", "-") +
        cell("td", "-1") + "</tr>\r\n</table>\r\n</body>\r\n</html>\r\n";
    EXPECT_EQ(ReadFile(dir.File("blink.htm")), expected);
}

TEST(WritePinReport, ACardOfAnotherTypeKeepsBothPositionsThroughTheSort) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    // HSMC card pins on Kappel positions 1 and 3, added in reverse order of their names.
    auto* kappel = new TConnector("KAPPEL", "Kappel connect to DVI", CONNECTOR_KAPPEL, -1);
    kappel->AddPin(new TPin("Z", "A1", DIRECTION_OUTPUT, IOSTD_2V5, 0.0f));
    kappel->AddPin(nullptr);
    kappel->AddPin(new TPin("B", "A3", DIRECTION_OUTPUT, IOSTD_2V5, 0.0f));
    kappel->GetPin(0)->SetIndex(160);
    kappel->GetPin(2)->SetIndex(157);
    kappel->SetDaughterType(CONNECTOR_HSMC);
    b.AddConnector(kappel);
    b.SortAllConnectors();
    TPinwright w;
    ASSERT_TRUE(w.WritePinReport(&b, dir.File("blink.htm")));
    const std::string htm = ReadFile(dir.File("blink.htm"));
    auto row = [](const char* name, const char* location, const char* board, const char* card) {
        std::string text = "<tr>\r\n";
        for (const char* cell : {name, location, "output", "2.5 V", board, card})
            text += std::string("   <td align=\"left\">") + cell + "</td>\r\n";
        return text + "</tr>\r\n";
    };
    EXPECT_NE(htm.find(row("B", "A3", "3", "157") + row("Z", "A1", "1", "160")), std::string::npos) << htm;
}

TEST(FmcPinLabel, RowsWithoutI) {
    EXPECT_EQ(FmcPinLabel(1), "A1");
    EXPECT_EQ(FmcPinLabel(40), "A40");
    EXPECT_EQ(FmcPinLabel(41), "B1");
    EXPECT_EQ(FmcPinLabel(82), "C2");
    EXPECT_EQ(FmcPinLabel(90), "C10");
    EXPECT_EQ(FmcPinLabel(361), "K1");
    EXPECT_EQ(FmcPinLabel(400), "K40");
}

TEST(Generate, StopsAtTheFirstWriterThatFails) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    std::filesystem::create_directory(dir.File("blink.qsf")); // a folder where the .qsf should go
    TPinwright w;
    EXPECT_FALSE(w.Generate(&b, dir.File("blink.qpf")));
    ASSERT_EQ(seam.Boxes().size(), 2u);
    EXPECT_EQ(seam.Boxes()[0].text.rfind("Cannot create file \"" + dir.File("blink.qsf") + "\".", 0), 0u);
    EXPECT_EQ(seam.Boxes()[1].text, "Failed to create file blink.qsf");
    EXPECT_EQ(seam.Boxes()[1].icon, platform::Icon::Error);
    EXPECT_TRUE(std::filesystem::exists(dir.File("blink.qpf")));
    for (const char* f : {"blink.v", "blink.sdc", "blink.htm"})
        EXPECT_FALSE(std::filesystem::exists(dir.File(f))) << f;
}

namespace {

// A disk that takes ten bytes of each write and then is full.
ssize_t FullDisk(int fd, const void* bytes, std::size_t size) {
    static std::size_t budget = 0;
    if (fd < 0) { // reset
        budget = 10;
        return 0;
    }
    std::size_t n = size < budget ? size : budget;
    budget -= n;
    if (n == 0) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(fd, bytes, n);
}

} // namespace

TEST(Generate, AShortWriteIsAFailure) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    TPinwright w;
    platform::WriteFunction previous = platform::SetWriteFunction(&FullDisk);
    FullDisk(-1, nullptr, 0);
    EXPECT_FALSE(w.WriteQpf(dir.File("blink.qpf")));
    EXPECT_EQ(seam.Boxes().back().text, "Failed to create file blink.qpf");
    FullDisk(-1, nullptr, 0);
    EXPECT_FALSE(w.WritePinReport(&b, dir.File("blink.htm")));
    platform::SetWriteFunction(previous);
    EXPECT_TRUE(w.WriteQpf(dir.File("blink.qpf")));
}

TEST(Generate, AFailedWriteLeavesTheFileOfTheLastGenerateWhole) {
    ScriptedPlatform seam;
    seam.SetResource("EXT_PLL_CTRL_VERILOG", "module ext_pll_ctrl();\r\nendmodule\r\n");
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    b.AddConnector(Group("LED", {{"LEDR[0]", "A8", DIRECTION_OUTPUT}}));
    TPinwright w;
    ASSERT_TRUE(w.Generate(&b, dir.File("blink.qpf")));
    ASSERT_TRUE(w.ExportResource(dir.File("EXT_PLL_CTRL.v"), "EXT_PLL_CTRL_VERILOG"));
    std::map<std::string, std::string> before;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        before[e.path().filename().string()] = ReadFile(e.path().string());
    ASSERT_EQ(before.size(), 6u);

    struct Case {
        const char* file;
        std::function<bool()> write;
        const char* box; // the writer's own message, or nullptr
    };
    const Case cases[] = {
        {"blink.qpf", [&] { return w.WriteQpf(dir.File("blink.qpf")); }, "Failed to create file blink.qpf"},
        {"blink.qsf", [&] { return w.WriteQsf(&b, dir.File("blink.qsf")); },
         "Failed to create file blink.qsf"},
        {"blink.v", [&] { return w.WriteVerilog(&b, dir.File("blink.v")); }, "Failed to create file blink.v"},
        {"blink.sdc", [&] { return w.WriteSdc(&b, dir.File("blink.sdc")); },
         "Failed to create file blink.sdc"},
        {"blink.htm", [&] { return w.WritePinReport(&b, dir.File("blink.htm")); }, nullptr},
        {"EXT_PLL_CTRL.v",
         [&] { return w.ExportResource(dir.File("EXT_PLL_CTRL.v"), "EXT_PLL_CTRL_VERILOG"); }, nullptr},
        {"blink.qpf", [&] { return w.Generate(&b, dir.File("blink.qpf")); },
         "Failed to create file blink.qpf"},
    };
    for (const Case& c : cases) {
        seam.ClearRecords();
        platform::WriteFunction previous = platform::SetWriteFunction(&FullDisk);
        FullDisk(-1, nullptr, 0);
        const bool written = c.write();
        platform::SetWriteFunction(previous);
        EXPECT_FALSE(written) << c.file;
        if (c.box != nullptr) {
            ASSERT_EQ(seam.Boxes().size(), 1u) << c.file;
            EXPECT_EQ(seam.Boxes()[0].text, c.box);
        } else {
            EXPECT_TRUE(seam.Boxes().empty()) << c.file;
        }
        // Every file is as the last good generate left it, and no temporary file stays.
        std::map<std::string, std::string> after;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            after[e.path().filename().string()] = ReadFile(e.path().string());
        EXPECT_EQ(after, before) << c.file;
    }
}

TEST(Generate, UserMadeNameClashesAreRefusedBeforeAnyFile) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    b.AddConnector(Group("A", {{"GPIO[0]", "A1", DIRECTION_INOUT}}));
    b.AddConnector(Group("B", {{"gpio[1]", "A2", DIRECTION_INOUT}}));
    TPinwright w;
    EXPECT_FALSE(w.Generate(&b, dir.File("blink.qpf")));
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, "Pin name gpio is used by both A and B.");
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    TMainBoard c;
    TestDevice(c);
    c.AddConnector(Group("P", {{"P[1]X", "A1", DIRECTION_INOUT}, {"P[2]Y", "A2", DIRECTION_INPUT}}));
    EXPECT_FALSE(w.Generate(&c, dir.File("blink.qpf")));
    EXPECT_EQ(seam.Boxes().back().text, "Connector P[2]:1 has an unmathced pin direction");
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(Generate, ElementsOfOneBusInTwoConnectorsAreOnePort) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    b.AddConnector(Group("A", {{"SCL", "A2", DIRECTION_OUTPUT}, {"REF_p[1]", "A1", DIRECTION_INPUT}}));
    b.AddConnector(Group("B", {{"SDA", "B3", DIRECTION_INOUT},
                               {"REF_p[3]", "B2", DIRECTION_INPUT},
                               {"REF_p[0]", "B1", DIRECTION_INPUT}}));
    b.AddConnector(Group("C", {{"REF_p[2]", "C1", DIRECTION_INPUT}}));
    TPinwright w;
    ASSERT_TRUE(w.Generate(&b, dir.File("blink.qpf")));
    EXPECT_TRUE(seam.Boxes().empty());
    const std::string v = ReadFile(dir.File("blink.v"));
    EXPECT_NE(v.find("module blink(\r\n"
                     "\r\n\t//////////// A //////////\r\n"
                     "\tinput \t\t     [3:0]\t\tREF_p,\r\n"
                     "\toutput\t\t          \t\tSCL,\r\n"
                     "\r\n\t//////////// B //////////\r\n"
                     "\tinout \t\t          \t\tSDA\r\n"
                     "\r\n\t//////////// C //////////\r\n"
                     ");\r\n"),
              std::string::npos)
        << v;
    const std::string qsf = ReadFile(dir.File("blink.qsf"));
    for (const char* pin :
         {"PIN_A1 -to REF_p[1]", "PIN_B1 -to REF_p[0]", "PIN_B2 -to REF_p[3]", "PIN_C1 -to REF_p[2]"})
        EXPECT_NE(qsf.find(std::string("set_location_assignment ") + pin + "\r\n"), std::string::npos) << pin;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAccepts(dir.File("blink.v"), output)) << output;
}

TEST(Generate, ANameTwoConnectorsCannotShareIsRefusedBeforeAnyFile) {
    struct Case {
        std::vector<std::vector<std::tuple<const char*, const char*, uint8_t>>> connectors;
        const char* message;
    };
    const Case cases[] = {
        // One element twice, also when the first connector holds other elements of the bus.
        {{{{"REF_p[1]", "A1", DIRECTION_INPUT}}, {{"REF_p[1]", "B1", DIRECTION_INPUT}}},
         "Pin name REF_p is used by both A and B."},
        {{{{"REF_p[1]", "A1", DIRECTION_INPUT}},
          {{"REF_p[0]", "B1", DIRECTION_INPUT}},
          {{"REF_p[2]", "C2", DIRECTION_INPUT}, {"REF_p[0]", "C1", DIRECTION_INPUT}}},
         "Pin name REF_p is used by both B and C."},
        // Another direction, a scalar and a bus, two scalars.
        {{{{"REF_p[1]", "A1", DIRECTION_INPUT}}, {{"REF_p[0]", "B1", DIRECTION_OUTPUT}}},
         "Pin name REF_p is used by both A and B."},
        {{{{"REF_p", "A1", DIRECTION_INPUT}}, {{"REF_p[0]", "B1", DIRECTION_INPUT}}},
         "Pin name REF_p is used by both A and B."},
        {{{{"REF_p[0]", "A1", DIRECTION_INPUT}}, {{"ref_p", "B1", DIRECTION_INPUT}}},
         "Pin name ref_p is used by both A and B."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ScriptedPlatform seam;
        TempDir dir;
        TMainBoard b;
        TestDevice(b);
        const char* names[] = {"A", "B", "C"};
        for (std::size_t i = 0; i < c.connectors.size(); ++i) {
            auto* conn = new TConnector(names[i], "", CONNECTOR_NONE, -1);
            for (auto [n, loc, dir] : c.connectors[i])
                conn->AddPin(new TPin(n, loc, dir, IOSTD_3V3_LVTTL, 0.0f));
            b.AddConnector(conn);
        }
        TPinwright w;
        EXPECT_FALSE(w.Generate(&b, dir.File("blink.qpf")));
        ASSERT_EQ(seam.Boxes().size(), 1u);
        EXPECT_EQ(seam.Boxes()[0].text, c.message);
        EXPECT_EQ(seam.BeepCount(), 0);
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    }
}

TEST(Generate, TwoPinsAtOneLocationAreRefusedBeforeAnyFile) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    // Unused master positions and pins without a location never clash.
    b.AddConnector(
        Group("A", {{"X", "v2", DIRECTION_INOUT}, {"U", "", DIRECTION_INPUT}, {"N", "C1", DIRECTION_NONE}}));
    b.AddConnector(
        Group("B", {{"V", "", DIRECTION_INPUT}, {"M", "C1", DIRECTION_NONE}, {"Y", "V2", DIRECTION_OUTPUT}}));
    TPinwright w;
    EXPECT_FALSE(w.Generate(&b, dir.File("blink.qpf")));
    ASSERT_EQ(seam.Boxes().size(), 1u);
    EXPECT_EQ(seam.Boxes()[0].text, "Location PIN_V2 is used by both X and Y.");
    EXPECT_EQ(seam.Boxes()[0].icon, platform::Icon::Error);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(WriteSdc, ClocksOfFrequencyZeroGetNoConstraint) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    auto* clk = Group("CLOCK", {{"NOT_USED", "A", DIRECTION_INPUT},
                                {"NOT_USED2", "B", DIRECTION_INPUT},
                                {"REF", "C", DIRECTION_INPUT},
                                {"ZERO_PERIOD", "D", DIRECTION_INPUT}});
    for (int i = 0; i < 4; ++i)
        clk->GetPin(i)->SetIsClock(1);
    clk->GetPin(0)->SetFrequencyText("0.000000 MHz");
    clk->GetPin(1)->SetFrequencyText("0.00 MHz");
    clk->GetPin(1)->SetPeriod(8);
    clk->GetPin(2)->SetFrequencyText("125.00 MHz");
    b.AddConnector(clk);
    TPinwright w;
    ASSERT_TRUE(w.WriteSdc(&b, dir.File("blink.sdc")));
    const std::string sdc = ReadFile(dir.File("blink.sdc"));
    EXPECT_NE(sdc.find("create_clock -period \"125.00 MHz\" [get_ports REF]\r\n\r\n"), std::string::npos);
    for (const char* pin : {"NOT_USED", "NOT_USED2", "ZERO_PERIOD"})
        EXPECT_EQ(sdc.find(pin), std::string::npos) << pin;
}

TEST(ExportVerilogModules, BoardsWithoutModulesSucceed) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    TPinwright w;
    EXPECT_TRUE(w.ExportVerilogModules(&b, dir.Folder()));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_TRUE(seam.Boxes().empty());
}

TEST(ExportResource, WritesTheBytesOrFails) {
    ScriptedPlatform seam;
    TempDir dir;
    seam.SetResource("EXT_PLL_CTRL_VERILOG", "module ext_pll_ctrl();\r\nendmodule\r\n");
    TPinwright w;
    EXPECT_TRUE(w.ExportResource(dir.File("EXT_PLL_CTRL.v"), "ext_pll_ctrl_verilog"));
    EXPECT_EQ(ReadFile(dir.File("EXT_PLL_CTRL.v")), "module ext_pll_ctrl();\r\nendmodule\r\n");
    EXPECT_FALSE(w.ExportResource(dir.File("x.v"), "NO_SUCH"));
}

TEST(SdcBoardClocks, TheBoardTextGivesTheSdcLines) {
    ScriptedPlatform seam;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    auto text = std::make_unique<TestBoardText>();
    text->sdcClocks = "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n\r\n";
    text->sdcInputs = "inputs\r\n";
    text->sdcOutputs = "outputs\r\n";
    text->sdcJtag = "jtag\r\n";
    b.SetBoardText(std::move(text));
    TPinwright w;
    EXPECT_EQ(w.GetSdcBoardClocks(&b),
              "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n\r\n");
    EXPECT_EQ(w.GetSdcInputDelays(&b), "inputs\r\n");
    EXPECT_EQ(w.GetSdcOutputDelays(&b), "outputs\r\n");
    EXPECT_EQ(w.GetSdcJtagClock(&b), "jtag\r\n");
    TempDir dir;
    ASSERT_TRUE(w.WriteSdc(&b, dir.File("blink.sdc")));
    EXPECT_NE(
        ReadFile(dir.File("blink.sdc"))
            .find("create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n\r\njtag\r\n" +
                  kStars + "# Create Generated Clock\r\n"),
        std::string::npos);
    b.SetBoardText(nullptr);
    EXPECT_EQ(w.GetSdcBoardClocks(&b), "");
    EXPECT_EQ(w.GetSdcInputDelays(&b), "");
    EXPECT_EQ(w.GetSdcOutputDelays(&b), "");
    EXPECT_EQ(w.GetSdcJtagClock(&b), "");
}

TEST(ExportVerilogModules, AFailedExportStopsGenerate) {
    ScriptedPlatform seam;
    TempDir dir;
    TMainBoard b;
    TestDevice(b);
    auto text = std::make_unique<TestBoardText>();
    text->exports = false;
    b.SetBoardText(std::move(text));
    TPinwright w;
    EXPECT_FALSE(w.Generate(&b, dir.File("clocks.qpf")));
    EXPECT_EQ(seam.Boxes().back().text, "Failed to export verilog IP");
    EXPECT_TRUE(std::filesystem::exists(dir.File("clocks.v")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("clocks.sdc")));
}

TEST(BoardText, TheWritersAskTheBoardsText) {
    ScriptedPlatform seam;
    TMainBoard b;
    b.m_BoardId = kTestBoardId;
    auto owned = std::make_unique<TestBoardText>();
    TestBoardText* text = owned.get();
    text->qsf = "qsf lines\r\n";
    text->structural = "verilog lines\r\n";
    text->exports = false;
    b.SetBoardText(std::move(owned));
    TPinwright w;
    EXPECT_EQ(b.GetQsfGlobalAssignments(), "qsf lines\r\n");
    EXPECT_EQ(b.GetStructuralCode(), "verilog lines\r\n");
    EXPECT_FALSE(w.ExportVerilogModules(&b, "/p/"));
    EXPECT_EQ(text->exportedTo, "/p/");
    EXPECT_EQ(seam.Boxes().back().text, "Failed to export verilog IP");
    text->exports = true;
    seam.ClearRecords();
    EXPECT_TRUE(w.ExportVerilogModules(&b, "/q/"));
    EXPECT_EQ(text->exportedTo, "/q/");
    EXPECT_TRUE(seam.Boxes().empty());

    // The writers put the lines after the .qsf head and in the structural coding.
    TempDir dir;
    ASSERT_TRUE(w.WriteQsf(&b, dir.File("blink.qsf")));
    EXPECT_NE(ReadFile(dir.File("blink.qsf")).find("SDC_FILE blink.sdc\r\nqsf lines\r\n\r\n" + kBanner),
              std::string::npos);
    ASSERT_TRUE(w.WriteVerilog(&b, dir.File("blink.v")));
    EXPECT_NE(
        ReadFile(dir.File("blink.v"))
            .find("//  Structural coding\r\n" + kVBanner + "\r\n\r\nverilog lines\r\n\r\nendmodule\r\n"),
        std::string::npos);

    // A catalogue board without a text adds nothing; a board outside it is a broken rule.
    b.SetBoardText(nullptr);
    EXPECT_EQ(b.GetQsfGlobalAssignments(), "");
    EXPECT_EQ(b.GetStructuralCode(), "");
    b.m_BoardId = 33;
    EXPECT_EQ(AssertionOf([&] { b.GetQsfGlobalAssignments(); }),
              "Assertion failed: 0, file MainBoard, line 408");
}

TEST(FileGenerator, ALineIsCutAt1023BytesAndNeverInsideACharacter) {
    const std::string wide(2000, 'a');
    const std::string accent = std::string(1022, 'a') + "\xC3\xA9"; // the "é" would end at byte 1024
    FileGenerator formatted;
    formatted.AddFormat("<td>%s</td>", wide.c_str());
    formatted.AddFormat("%s", accent.c_str());
    formatted.AddFormat("%s %d", "x", 5);
    // Pieces appended as one text are cut the same way.
    FileGenerator appended;
    appended.Add({"<td>", wide, "</td>"});
    appended.Add({accent});
    appended.Add({"x", " ", "5"});
    const std::string expected = "<td>" + std::string(1019, 'a') + std::string(1022, 'a') + "x 5";
    EXPECT_EQ(formatted.Text(), expected);
    EXPECT_EQ(appended.Text(), expected);
}
