// Board 29 with both clock chips: the reference-clock buses of FMC ports A and D take
// one element from each chip, in two connectors, and each is one port of the module.
#include "ClockBoardsSupport.h"
#include "boards/latest/calvex/UI_Calvex.h"
#include "support/TempDir.h"

using testsupport::ReadFile;

namespace {

class CalvexClockPairs : public ClockBoardForm {};

TEST_F(CalvexClockPairs, BothChipsOnTheDefaultsGiveOnePortPerReferenceClockBus) {
    Open<TFormCalvex>();
    Tick("CheckBoxExtCdcmPLL", true);
    Tick("CheckBoxExtLmkPLL", true);
    const std::string folder = Generate();
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0].rfind("Information|Generate Quartus Project successfully.", 0), 0u);
    const std::string v = ReadFile(folder + "CALVEX.v");
    const std::string ports = "\r\n\t//////////// LMK04906B External PLL //////////\r\n"
                              "\tinput \t\t     [1:0]\t\tFMCA_ONBOARD_REFCLK_p,\r\n"
                              "\tinput \t\t     [0:0]\t\tFMCB_ONBOARD_REFCLK_p,\r\n"
                              "\tinput \t\t     [0:0]\t\tFMCC_ONBOARD_REFCLK_p,\r\n"
                              "\tinput \t\t     [1:0]\t\tFMCD_ONBOARD_REFCLK_p,\r\n"
                              "\toutput\t\t          \t\tLMK04906_CLK,\r\n"
                              "\toutput\t\t          \t\tLMK04906_DATAIN,\r\n"
                              "\tinput \t\t          \t\tLMK04906_DATAOUT,\r\n"
                              "\toutput\t\t          \t\tLMK04906_LE,\r\n"
                              "\r\n\t//////////// CDCM6208 External PLL //////////\r\n"
                              "\toutput\t\t          \t\tCLOCK_SCL,\r\n"
                              "\tinout \t\t          \t\tCLOCK_SDA,\r\n"
                              "\tinput \t\t          \t\tDDR3_REFCLK_p,\r\n"
                              "\tinput \t\t          \t\tSATA_DEVICE_REFCLK_p,\r\n"
                              "\tinput \t\t          \t\tSATA_HOST_REFCLK_p,\r\n"
                              "\r\n\t//////////// I2C for";
    EXPECT_NE(v.find(ports), std::string::npos) << v;
    // The .qsf and the .sdc stay per pin.
    const std::string qsf = ReadFile(folder + "CALVEX.qsf");
    const std::string sdc = ReadFile(folder + "CALVEX.sdc");
    for (const char* line : {"set_location_assignment PIN_T38 -to FMCA_ONBOARD_REFCLK_p[1]\r\n",
                             "set_location_assignment PIN_Y38 -to FMCA_ONBOARD_REFCLK_p[0]\r\n",
                             "set_location_assignment PIN_T7 -to FMCD_ONBOARD_REFCLK_p[1]\r\n",
                             "set_location_assignment PIN_Y7 -to FMCD_ONBOARD_REFCLK_p[0]\r\n"})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    for (const char* line :
         {"create_clock -period \"644.531250 MHz\" [get_ports FMCA_ONBOARD_REFCLK_p[1]]\r\n",
          "create_clock -period \"125.000000 MHz\" [get_ports FMCA_ONBOARD_REFCLK_p[0]]\r\n"})
        EXPECT_NE(sdc.find(line), std::string::npos) << line;
    std::string output;
    EXPECT_TRUE(testsupport::IverilogAcceptsFolder(folder, output)) << output;
}

} // namespace
