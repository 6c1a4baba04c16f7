#include "ConfigCalvex.h"

#include "settings/ConfigFile.h"

#include "platform/Assert.h"
#include "platform/Text.h"

namespace {

using R = TConfigCalvex::CALVEX_CONFIG;

const char* const kQsfRule = "#============================================================\r\n";
const char* const kVRule = "//=======================================================\r\n";

// clang-format off
constexpr const char* kCdcm6208Modes[] = {"CDCM6208_MODE_0", "CDCM6208_MODE_1", "CDCM6208_MODE_2"};

// One disable bit per CDCM6208 output, in output order.
constexpr const char* kCdcm6208DisableBits[] = {
    "CDCM6208_FMCA_DISABLE_BIT",
    "CDCM6208_FMCD_DISABLE_BIT",
    "CDCM6208_SATA_HOST_DISABLE_BIT",
    "CDCM6208_SATA_DEVICE_DISABLE_BIT",
    "CDCM6208_PCIE_DISABLE_BIT",
    "CDCM6208_DDR3_DISABLE_BIT",
};

// One select bit per LMK04906 output, in output order.
struct SelectBit {
    const char* name;
    int value;
};
constexpr SelectBit kLmk04906SelectBits[] = {
    {"FMCA_644M53125_BIT", 8},
    {"FMCB_644M53125_BIT", 2},
    {"FMCC_644M53125_BIT", 1},
    {"FMCD_644M53125_BIT", 4},
};

// CDCM6208 output frequencies (MHz) by setting 1 on; setting 0 is "Disable".
constexpr float kFmcMhz[] = {100.0f, 125.0f, 150.0f};
constexpr float kSataMhz[] = {150.0f};
constexpr float kPcieMhz[] = {100.0f};
constexpr float kDdr3Mhz[] = {133.33333f};
constexpr float kLmkMhz[] = {322.265625f, 644.53125f};
// clang-format on

std::string Line(const std::string& text) {
    return text + "\r\n";
}

template <std::size_t N> float SettingFrequency(const float (&mhz)[N], uint8_t setting) {
    return setting >= 1 && setting <= N ? mhz[setting - 1] : 0.0f;
}

// The file lines of a controller folder under their banner.
std::string FileBlock(const char* heading, const char* folder, std::initializer_list<const char*> files) {
    std::string text = "\r\n" + std::string(kQsfRule) + Line(heading) + kQsfRule;
    for (const char* file : files)
        text += platform::Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", folder, file);
    return text + "\r\n";
}

} // namespace

bool TConfigCalvex::LoadConfigFile(const std::string& fileName) {
    return configfile::Load(fileName, Config.data(), Config.size());
}

bool TConfigCalvex::SaveConfigFile(const std::string& fileName) {
    return configfile::Save(fileName, Config.data(), Config.size());
}

std::string TConfigCalvex::GetLmk04906QsfFiles() const {
    if (!IsLmk04906Used())
        return std::string();
    return FileBlock("# Includes LMK04906 Controller File(s)", "lmk04906", {"SPI_LMK04906_Config.v"});
}

std::string TConfigCalvex::GetCdcm6208QsfFiles() const {
    if (!IsCdcm6208Used())
        return std::string();
    return FileBlock("# Includes CDCM6208 Controller Files", "cdcm6208",
                     {"I2C_CDCM6208_Config.v", "I2C_CDCM6208_Controller.v"});
}

std::string TConfigCalvex::GetQsfAssignments() {
    return GetLmk04906QsfFiles() + GetCdcm6208QsfFiles();
}

std::string TConfigCalvex::GetStructuralCode() {
    std::string text;
    if (IsCdcm6208Used())
        text += GetCdcm6208Code();
    if (IsLmk04906Used())
        text += GetLmk04906Code();
    return text;
}

std::string TConfigCalvex::GetCdcm6208Code() const {
    // FMC D follows FMC A's mode in the controller.
    const uint8_t fmca = Config.U8(R::nCdcm6208);
    const char* mode = kCdcm6208Modes[fmca == 2 ? 1 : fmca == 3 ? 2 : 0];
    std::string mask;
    for (int i = 0; i < CDCM_PLL_NUM; ++i)
        if (Config.U8(R::nCdcm6208 + static_cast<std::size_t>(i)) == 0)
            mask += (mask.empty() ? "`" : " | `") + std::string(kCdcm6208DisableBits[i]);
    if (mask.empty())
        mask = "6'b000000";

    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line("//  External PLL CDCM6208 Configuration =================");
    text += kVRule;
    text += "\r\n";
    text += Line("//  Signal declarations");
    text += Line(platform::Format(
        "`define %s  2'd0   //FMCA(100),FMCD(100),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)",
        kCdcm6208Modes[0]));
    text += Line(platform::Format(
        "`define %s  2'd1   //FMCA(125),FMCD(125),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)",
        kCdcm6208Modes[1]));
    text += Line(platform::Format(
        "`define %s  2'd2   //FMCA(150),FMCD(150),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)",
        kCdcm6208Modes[2]));
    text += "\r\n";
    static const char* const kBitValues[] = {"6'b000001", "6'b000010", "6'b000100",
                                             "6'b001000", "6'b010000", "6'b100000"};
    for (int i = 0; i < CDCM_PLL_NUM; ++i)
        text += Line(platform::Format("`define %s\t\t%s", kCdcm6208DisableBits[i], kBitValues[i]));
    text += "\r\n";
    text += Line("wire    [1:0]   cdcm6208_freq_select;");
    text += Line("wire    [5:0]   cdcm6208_freq_disable;");
    text += Line("wire            cdcm6208_reset_n;");
    text += Line("wire            cdcm6208_i2c_done;");
    text += "\r\n";
    text += Line("//  Structural coding");
    text += Line("assign cdcm6208_reset_n = CPU_RESET_n;");
    text += Line(platform::Format("assign cdcm6208_freq_select = `%s;", mode));
    text += Line(platform::Format("assign cdcm6208_freq_disable = %s;", mask.c_str()));
    text += "\r\n";
    text += Line("I2C_CDCM6208_Config I2C_CDCM6208_Config_inst(");
    text += Line("\t.iCLK(OSC_50_B3B), //50MHZ");
    text += Line("\t.iRST_N(cdcm6208_reset_n),");
    text += "\r\n";
    text += Line("\t.iFREQ_SELECT(cdcm6208_freq_select),");
    text += Line("\t.iFREQ_DISABLE(cdcm6208_freq_disable),");
    text += "\r\n";
    text += Line("\t// i2c");
    text += Line("\t.I2C_SCLK(CLOCK_SCL),");
    text += Line("\t.I2C_SDAT(CLOCK_SDA),");
    text += "\r\n";
    text += "\t.I2C_DONE(cdcm6208_i2c_done)\n";
    text += Line(");");
    return text;
}

std::string TConfigCalvex::GetLmk04906Code() const {
    std::string mask;
    for (int i = 0; i < LMK_PLL_NUM; ++i)
        if (Config.U8(R::nLmk04906 + static_cast<std::size_t>(i)) == 2)
            mask += (mask.empty() ? "`" : " | `") + std::string(kLmk04906SelectBits[i].name);
    if (mask.empty())
        mask = "4'b0000";

    std::string text = "\r\n\r\n";
    text += kVRule;
    text += Line("//  External PLL LMK04906 Configuration =================");
    text += kVRule;
    text += "\r\n";
    text += Line("//  Signal declarations");
    for (const SelectBit& bit : kLmk04906SelectBits)
        text += Line(platform::Format("`define %s  4'h%x   //644.53125 MHz", bit.name, bit.value));
    text += "\r\n";
    text += Line("wire [3:0]      lmk04906_freq_select;");
    text += Line("wire            lmk04906_reset_n;");
    text += Line("wire            lmk04906_spi_done;");
    text += "\r\n";
    text += Line("//  Structural coding");
    text += Line("assign lmk04906_reset_n = CPU_RESET_n;");
    text += Line(platform::Format("assign lmk04906_freq_select = %s;", mask.c_str()));
    text += "\r\n";
    text += Line("SPI_LMK04906_Config  SPI_LMK04906_Config_inst(");
    text += Line("\t.clk50(OSC_50_B4A), //50MHZ");
    text += Line("\t.rst_n(lmk04906_reset_n),");
    text += Line("\t.iFREQ_SELECT(lmk04906_freq_select),");
    text += "\r\n";
    text += Line("\t// spi");
    text += Line("\t.LMK04906_CLK(LMK04906_CLK),");
    text += Line("\t.LMK04906_DATAIN(LMK04906_DATAIN),");
    text += Line("\t.LMK04906_LE(LMK04906_LE),");
    text += "\t.SPI_DONE(lmk04906_spi_done)\n";
    text += Line(");");
    return text;
}

bool TConfigCalvex::ExportVerilogModules(std::string folder) {
    bool result = true;
    if (IsCdcm6208Used()) {
        result =
            ExportResource(platform::Format("%s%s%s", folder.c_str(), "cdcm6208", "/I2C_CDCM6208_Config.v"),
                           "CALVEX_CDCM6208_config_verilog");
        if (result)
            result =
                ExportResource(platform::Format("%s%s", folder.c_str(), "cdcm6208/I2C_CDCM6208_Controller.v"),
                               "CALVEX_CDCM6208_controller_verilog");
    }
    if (result && IsLmk04906Used())
        result =
            ExportResource(platform::Format("%s%s%s", folder.c_str(), "lmk04906", "/SPI_LMK04906_Config.v"),
                           "CALVEX_LMK04906_config_verilog");
    return result;
}

float TConfigCalvex::Cdcm6208OutputFrequency(int output) const {
    const uint8_t setting = output >= 0 && output < CDCM_PLL_NUM
                                ? Config.U8(R::nCdcm6208 + static_cast<std::size_t>(output))
                                : uint8_t{0};
    switch (output) {
    case 0:
    case 1:
        return SettingFrequency(kFmcMhz, setting);
    case 2:
    case 3:
        return SettingFrequency(kSataMhz, setting);
    case 4:
        return SettingFrequency(kPcieMhz, setting);
    case 5:
        return SettingFrequency(kDdr3Mhz, setting);
    default:
        platform::AssertFailed("0", "ConfigCalvex", 441);
    }
}

float TConfigCalvex::Lmk04906OutputFrequency(int output) const {
    if (output < 0 || output >= LMK_PLL_NUM)
        platform::AssertFailed("0", "ConfigCalvex", 459);
    return SettingFrequency(kLmkMhz, Config.U8(R::nLmk04906 + static_cast<std::size_t>(output)));
}
