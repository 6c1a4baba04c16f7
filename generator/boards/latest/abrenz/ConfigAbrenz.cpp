#include "ConfigAbrenz.h"

#include "settings/ConfigFile.h"
#include "settings/Si5340Text.h"

namespace {

using R = TConfigAbrenz::ABRENZ_CONFIG;
using si5340::Termination;

// The termination lines of the ticked interfaces, in this order.
// clang-format off
constexpr si5340::TerminationRow kTerminations[] = {
    {R::bDdr3A, Termination::Ddr3, 'A'},
    {R::bDdr3B, Termination::Ddr3, 'B'},
    {R::bQdriiA, Termination::Qdrii, 'A'},
    {R::bQdriiB, Termination::Qdrii, 'B'},
    {R::bQdriiC, Termination::Qdrii, 'C'},
    {R::bQdriiD, Termination::Qdrii, 'D'},
    {R::bPcie, Termination::Pcie, 0},
    {R::bPcieRefClk, Termination::OnBoardPcie, 0},
    {R::bQsfpA, Termination::Qsfp, 'A'},
    {R::bQsfpB, Termination::Qsfp, 'B'},
    {R::bQsfpC, Termination::Qsfp, 'C'},
    {R::bQsfpD, Termination::Qsfp, 'D'},
};

constexpr const char* kSi5340bDefines[] = {
    "`define DDR266_QDR275_PCIE100   4'h0",
    "`define DDR233_QDR275_PCIE100   4'h1",
    "`define DDR200_QDR275_PCIE100   4'h2",
    "`define DDR266_QDR250_PCIE100   4'h3",
    "`define DDR233_QDR250_PCIE100   4'h4",
    "`define DDR200_QDR250_PCIE100   4'h5",
    "`define DDR266_QDR225_PCIE100   4'h6",
    "`define DDR233_QDR225_PCIE100   4'h7",
    "`define DDR200_QDR225_PCIE100   4'h8",
    "`define DDR266_QDR233_PCIE100   4'h9",
    "`define DDR233_QDR233_PCIE100   4'hA",
    "`define DDR200_QDR233_PCIE100   4'hB",
};
// clang-format on

const si5340::BoardTexts kTexts = {"CLK_50_B2J", "", "config_done", kSi5340bDefines, "abrenz_", ""};

// Frequencies of the Si5340B lists, index 1 on (index 0 is "Not Use").
constexpr double kDdr3Mhz[] = {200, 233.333, 266.667};
constexpr double kQdriiMhz[] = {225, 233.333, 250, 275};
constexpr double kPcieMhz[] = {100};

} // namespace

bool TConfigAbrenz::LoadConfigFile(const std::string& fileName) {
    return configfile::Load(fileName, Config.data(), Config.size());
}

bool TConfigAbrenz::SaveConfigFile(const std::string& fileName) {
    return configfile::Save(fileName, Config.data(), Config.size());
}

bool TConfigAbrenz::IsSi5340aUsed() const {
    return si5340::AUsed(Config, R::nSi5340A);
}

bool TConfigAbrenz::IsSi5340bUsed() const {
    return Config.I32(R::nSi5340BDdr3) != 0 || Config.I32(R::nSi5340BQdrii) != 0 ||
           Config.I32(R::nSi5340BPcie) != 0;
}

std::string TConfigAbrenz::GetTerminationAssignments() const {
    return si5340::TerminationBlock(kTerminations, {Config.data(), Config.size()});
}

std::string TConfigAbrenz::GetSi5340QsfFiles() const {
    return si5340::QsfFileBlock(IsSi5340aUsed(), IsSi5340bUsed());
}

std::string TConfigAbrenz::GetQsfAssignments() {
    return GetTerminationAssignments() + GetSi5340QsfFiles();
}

std::string TConfigAbrenz::Si5340aDefineName(uint8_t choice) {
    return si5340::DefineName(choice);
}

std::string TConfigAbrenz::GetSi5340bCode(uint8_t ddr3, uint8_t qdrii,
                                          uint8_t /*pcie: one choice only*/) const {
    const char* ddr = ddr3 == 1 ? "DDR200_" : ddr3 == 2 ? "DDR233_" : "DDR266_";
    const char* qdr = qdrii == 1 ? "QDR225_" : qdrii == 2 ? "QDR233_" : qdrii == 3 ? "QDR250_" : "QDR275_";
    return si5340::BCode(kTexts, std::string(ddr) + qdr + "PCIE100");
}

std::string TConfigAbrenz::GetStructuralCode() {
    std::string text;
    if (IsSi5340aUsed())
        text += si5340::ACodeOf(kTexts, Config, R::nSi5340A);
    if (IsSi5340bUsed())
        text += GetSi5340bCode(static_cast<uint8_t>(Config.I32(R::nSi5340BDdr3)),
                               static_cast<uint8_t>(Config.I32(R::nSi5340BQdrii)),
                               static_cast<uint8_t>(Config.I32(R::nSi5340BPcie)));
    return text;
}

bool TConfigAbrenz::ExportVerilogModules(std::string folder) {
    return si5340::ExportModules(folder, IsSi5340aUsed(), IsSi5340bUsed(), kTexts);
}

double TConfigAbrenz::Si5340aFrequency(uint8_t choice) {
    return si5340::AFrequency(choice);
}

double TConfigAbrenz::Si5340bDdr3Frequency(uint8_t choice) {
    return si5340::ListFrequency(kDdr3Mhz, choice);
}

double TConfigAbrenz::Si5340bQdriiFrequency(uint8_t choice) {
    return si5340::ListFrequency(kQdriiMhz, choice);
}

double TConfigAbrenz::Si5340bPcieFrequency(uint8_t choice) {
    return si5340::ListFrequency(kPcieMhz, choice);
}
