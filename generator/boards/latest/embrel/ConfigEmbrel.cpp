#include "ConfigEmbrel.h"

#include "settings/ConfigFile.h"
#include "settings/Si5340Text.h"

namespace {

using R = TConfigEmbrel::EMBREL_CONFIG;
using si5340::Termination;

// The termination lines of the ticked interfaces, in this order.
// clang-format off
constexpr si5340::TerminationRow kTerminations[] = {
    {R::bQdriiA, Termination::Qdrii, 'A'},
    {R::bQdriiB, Termination::Qdrii, 'B'},
    {R::bQdriiC, Termination::Qdrii, 'C'},
    {R::bQdriiD, Termination::Qdrii, 'D'},
    {R::bQdriiE, Termination::Qdrii, 'E'},
    {R::bQdriiF, Termination::Qdrii, 'F'},
    {R::bPcie, Termination::Pcie, 0},
    {R::bQsfpA, Termination::Qsfp, 'A'},
    {R::bQsfpB, Termination::Qsfp, 'B'},
    {R::bQsfpC, Termination::Qsfp, 'C'},
    {R::bQsfpD, Termination::Qsfp, 'D'},
};

constexpr const char* kSi5340bDefines[] = {
    "`define REFCLK_QDR275   4'h0",
    "`define REFCLK_QDR250   4'h1",
    "`define REFCLK_QDR225   4'h2",
};
// clang-format on

const si5340::BoardTexts kTexts = {
    "CLK_50_B2F", "si5340a_config_done", "si5340b_config_done", kSi5340bDefines, "embrel_", "embrel_"};

// Frequencies of the QDRII list, index 1 on (index 0 is "Not Use").
constexpr double kQdriiMhz[] = {225, 250, 275};

} // namespace

bool TConfigEmbrel::LoadConfigFile(const std::string& fileName) {
    return configfile::Load(fileName, Config.data(), Config.size());
}

bool TConfigEmbrel::SaveConfigFile(const std::string& fileName) {
    return configfile::Save(fileName, Config.data(), Config.size());
}

bool TConfigEmbrel::IsSi5340aUsed() const {
    return si5340::AUsed(Config, R::nSi5340A);
}

bool TConfigEmbrel::IsSi5340bUsed() const {
    return Config.I32(R::nSi5340B) != 0;
}

std::string TConfigEmbrel::GetTerminationAssignments() const {
    return si5340::TerminationBlock(kTerminations, {Config.data(), Config.size()});
}

std::string TConfigEmbrel::GetSi5340QsfFiles() const {
    return si5340::QsfFileBlock(IsSi5340aUsed(), IsSi5340bUsed());
}

std::string TConfigEmbrel::GetQsfAssignments() {
    return GetTerminationAssignments() + GetSi5340QsfFiles();
}

std::string TConfigEmbrel::Si5340aDefineName(uint8_t choice) {
    return si5340::DefineName(choice);
}

std::string TConfigEmbrel::GetSi5340bCode(uint8_t qdrii) const {
    return si5340::BCode(kTexts, qdrii == 1   ? "REFCLK_QDR225"
                                 : qdrii == 2 ? "REFCLK_QDR250"
                                              : "REFCLK_QDR275");
}

std::string TConfigEmbrel::GetStructuralCode() {
    std::string text;
    if (IsSi5340aUsed())
        text += si5340::ACodeOf(kTexts, Config, R::nSi5340A);
    if (IsSi5340bUsed())
        text += GetSi5340bCode(static_cast<uint8_t>(Config.I32(R::nSi5340B)));
    return text;
}

bool TConfigEmbrel::ExportVerilogModules(std::string folder) {
    return si5340::ExportModules(folder, IsSi5340aUsed(), IsSi5340bUsed(), kTexts);
}

double TConfigEmbrel::Si5340aFrequency(uint8_t choice) {
    return si5340::AFrequency(choice);
}

double TConfigEmbrel::Si5340bQdriiFrequency(uint8_t choice) {
    return si5340::ListFrequency(kQdriiMhz, choice);
}
