#include "Pinwright.h"

#include "HtmlGenerator.h"
#include "ModulePorts.h"
#include "platform/DateText.h"
#include "platform/FileWrite.h"
#include "platform/Platform.h"
#include "platform/Text.h"

#include <charconv>
#include <cstring>
#include <filesystem>
#include <unordered_map>

namespace {

const char* const kQsfBanner = "#============================================================\r\n";
const char* const kVBanner = "//=======================================================\r\n";
const char* const kStars = "#**************************************************************\r\n";

std::string StarSection(const char* heading) {
    return std::string(kStars) + heading + kStars;
}

void FailedToCreate(const std::string& path) {
    platform::ShowMessage(
        platform::Format("Failed to create file %s", platform::ExtractFileName(path).c_str()), "Error",
        platform::Icon::Error);
}

// The number a frequency text starts with ("125.00 MHz"); 0 when there is none. A
// clock of frequency 0 ("Not Use") gets no constraint.
double FrequencyOf(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Pin slots of the whole board: the writers size their buffers by them.
std::size_t SlotsOf(const TMainBoard* board) {
    std::size_t slots = 0;
    for (int i = 0; i < board->GetConnectorCount(); ++i)
        slots += static_cast<std::size_t>(board->GetConnector(i)->PinCount());
    return slots;
}

} // namespace

bool TPinwright::WriteText(const std::string& path, const std::string& text) {
    int error = 0;
    platform::ReplaceResult r = platform::ReplaceFile(path, text, error);
    if (r == platform::ReplaceResult::CannotCreate)
        platform::ShowMessage(
            platform::Format("Cannot create file \"%s\". %s", path.c_str(), std::strerror(error)),
            "Pinwright", platform::Icon::Error);
    if (r != platform::ReplaceResult::Ok) {
        FailedToCreate(path);
        return false;
    }
    return true;
}

bool TPinwright::Generate(TMainBoard* board, const std::string& qpfPath) {
    board->SortAllConnectors();
    if (!CheckPinNames(board) || !CheckLocations(board))
        return false;
    using platform::ChangeFileExt;
    return WriteQpf(ChangeFileExt(qpfPath, ".qpf")) && WriteQsf(board, ChangeFileExt(qpfPath, ".qsf")) &&
           WriteVerilog(board, ChangeFileExt(qpfPath, ".v")) &&
           ExportVerilogModules(board, platform::ExtractFilePath(qpfPath)) &&
           WriteSdc(board, ChangeFileExt(qpfPath, ".sdc")) &&
           WritePinReport(board, ChangeFileExt(qpfPath, ".htm"));
}

bool TPinwright::CheckPinNames(TMainBoard* board) {
    TModulePorts ports;
    std::string message;
    const TModulePorts::Clash clash = ports.TryParse(*board, message);
    if (clash == TModulePorts::Clash::None)
        return true;
    if (clash == TModulePorts::Clash::InConnector)
        platform::Beep();
    platform::ShowMessage(message, "Error", platform::Icon::Error);
    return false;
}

bool TPinwright::CheckLocations(TMainBoard* board) {
    // A project whose two pins share a ball would not compile: refuse it before any file.
    std::unordered_map<std::string, const TPin*> used; // upper-case location -> its pin
    for (int i = 0; i < board->GetConnectorCount(); ++i) {
        TConnector* c = board->GetConnector(i);
        for (int k = 0; k < c->PinCount(); ++k) {
            const TPin* p = c->GetPin(k);
            if (p == nullptr || !p->IsActive() || p->LocationView().empty())
                continue;
            auto [it, fresh] = used.emplace(platform::ToUpper(p->LocationView()), p);
            if (!fresh) {
                platform::ShowMessage(platform::Format("Location PIN_%s is used by both %s and %s.",
                                                       p->GetLocation().c_str(),
                                                       it->second->GetName().c_str(), p->GetName().c_str()),
                                      "Error", platform::Icon::Error);
                return false;
            }
        }
    }
    return true;
}

bool TPinwright::WriteQpf(const std::string& path) {
    std::string text =
        platform::Format("DATE = \"%s\"\r\n", platform::FormatProjectDate(platform::LocalNow()).c_str());
    text += platform::Format("QUARTUS_VERSION = %s\r\n", "\"16.0.0\"");
    text += "\r\n";
    text += "# Revisions\r\n";
    text += "\r\n";
    text += platform::Format("PROJECT_REVISION = \"%s\"", platform::ExtractFileBaseName(path).c_str());
    text += "\r\n";
    return WriteText(path, text);
}

bool TPinwright::WriteQsf(TMainBoard* board, const std::string& path) {
    const char* g = "set_global_assignment -name";
    std::string text;
    text.reserve(4096 + 160 * SlotsOf(board)); // two lines per pin
    text += kQsfBanner;
    text += "# Build by Veltrax Pinwright\r\n";
    text += kQsfBanner;
    text += "\r\n";
    text += platform::Format("%s FAMILY \"%s\"\r\n", g, board->GetFamily().c_str());
    text += platform::Format("%s DEVICE %s\r\n", g, board->GetDevice().c_str());
    text +=
        platform::Format("%s TOP_LEVEL_ENTITY \"%s\"\r\n", g, platform::ExtractFileBaseName(path).c_str());
    text += platform::Format("%s ORIGINAL_QUARTUS_VERSION %s\r\n", g, "\"16.0.0\"");
    text += platform::Format("%s LAST_QUARTUS_VERSION %s\r\n", g, "\"16.0.0\"");
    text += platform::Format("%s PROJECT_CREATION_TIME_DATE \"%s\"\r\n", g,
                             platform::FormatCreationDate(platform::LocalNow()).c_str());
    if (!board->GetDevicePackage().empty())
        text += platform::Format("%s DEVICE_FILTER_PACKAGE %s\r\n", g, board->GetDevicePackage().c_str());
    if (board->GetDevicePinCount() > 0)
        text += platform::Format("%s DEVICE_FILTER_PIN_COUNT %d\r\n", g, board->GetDevicePinCount());
    if (!board->GetSpeedGradeText().empty())
        text +=
            platform::Format("%s DEVICE_FILTER_SPEED_GRADE %s\r\n", g, board->GetSpeedGradeText().c_str());
    else if (board->GetSpeedGrade() > 0)
        text += platform::Format("%s DEVICE_FILTER_SPEED_GRADE %d\r\n", g, board->GetSpeedGrade());
    // The .sdc is written in lower case: name it so on a case-sensitive file system.
    text += platform::Format("%s SDC_FILE %s\r\n", g,
                             platform::ExtractFileName(platform::ChangeFileExt(path, ".sdc")).c_str());
    text += board->GetQsfGlobalAssignments();
    for (int i = 0; i < board->GetConnectorCount(); ++i) {
        TConnector* c = board->GetConnector(i);
        if (c->ActivePinCount() > 0) {
            text += "\r\n";
            text += kQsfBanner;
            text += "# ";
            text += c->GetName();
            if (!c->GetCaption().empty()) {
                text += ", ";
                text += c->GetCaption();
            }
            text += "\r\n";
            text += kQsfBanner;
        }
        auto written = [](const TPin* p) {
            return p && (p->GetDirection() == DIRECTION_INOUT || p->GetDirection() == DIRECTION_INPUT ||
                         p->GetDirection() == DIRECTION_OUTPUT);
        };
        for (int k = 0; k < c->PinCount(); ++k) {
            const TPin* p = c->GetPin(k);
            if (!written(p))
                continue;
            text += "set_instance_assignment -name IO_STANDARD \"";
            text += p->GetIoStandardText();
            text += "\" -to ";
            text += p->NameView();
            text += "\r\n";
        }
        for (int k = 0; k < c->PinCount(); ++k) {
            const TPin* p = c->GetPin(k);
            if (!written(p) || p->LocationView().empty())
                continue;
            text += "set_location_assignment PIN_";
            text += p->LocationView();
            text += " -to ";
            text += p->NameView();
            text += "\r\n";
        }
    }
    text += "\r\n";
    text += kQsfBanner;
    text += "# End of pin assignments by Veltrax Pinwright\r\n";
    text += kQsfBanner;
    text += "\r\n";
    return WriteText(path, text);
}

bool TPinwright::WriteVerilog(TMainBoard* board, const std::string& path) {
    std::string text = "\r\n";
    text += kVBanner;
    text += "//  This code is generated by Veltrax Pinwright\r\n";
    text += kVBanner;
    text += "\r\n";
    text += platform::Format("module %s(\r\n", platform::ExtractFileBaseName(path).c_str());
    text += board->GetPortList();
    text += ");\r\n\r\n";
    text += "\r\n\r\n";
    text += kVBanner;
    text += "//  REG/WIRE declarations\r\n";
    text += kVBanner;
    text += "\r\n\r\n";
    text += "\r\n\r\n";
    text += kVBanner;
    text += "//  Structural coding\r\n";
    text += kVBanner;
    text += "\r\n\r\n";
    text += board->GetStructuralCode();
    text += "\r\nendmodule\r\n";
    return WriteText(path, text);
}

bool TPinwright::ExportVerilogModules(TMainBoard* board, const std::string& folder) {
    const TBoardText* text = board->GetBoardText();
    if (text != nullptr && !text->ExportModules(folder)) {
        platform::ShowMessage("Failed to export verilog IP", "Error", platform::Icon::Error);
        return false;
    }
    return true;
}

bool TPinwright::ExportResource(const std::string& fileName, const std::string& resourceName) {
    // The file already there is replaced only by a whole new one, never removed first.
    std::optional<std::string> bytes = platform::Current().ReadResource(resourceName);
    if (!bytes)
        return false;
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (!folder.empty() && !std::filesystem::exists(folder, ec))
        std::filesystem::create_directory(folder, ec);
    int error = 0;
    return platform::ReplaceFile(fileName, *bytes, error) == platform::ReplaceResult::Ok;
}

bool TPinwright::WriteSdc(TMainBoard* board, const std::string& path) {
    std::string text = kStars;
    text += "# This .sdc file is created by Veltrax Tool.\r\n";
    text += "# Users are recommended to modify this file to match users logic.\r\n";
    text += kStars;
    text += "\r\n";
    text += StarSection("# Create Clock\r\n");
    for (int i = 0; i < board->GetConnectorCount(); ++i) {
        TConnector* c = board->GetConnector(i);
        for (int k = 0; k < c->PinCount(); ++k) {
            const TPin* p = c->GetPin(k);
            if (p == nullptr || p->GetIsClock() != 1)
                continue;
            const std::string frequency = p->GetFrequencyText();
            if (!frequency.empty() && FrequencyOf(frequency) > 0) {
                text += "create_clock -period \"";
                text += frequency;
                text += "\" [get_ports ";
                text += p->NameView();
                text += "]\r\n";
            } else if (frequency.empty() && p->GetPeriod() > 0)
                text += platform::Format("create_clock -period %.3fns [get_ports %s]\r\n",
                                         static_cast<double>(p->GetPeriod()), p->GetName().c_str());
        }
    }
    text += "\r\n";
    text += GetSdcBoardClocks(board);
    text += GetSdcJtagClock(board);
    text += StarSection("# Create Generated Clock\r\n") + "derive_pll_clocks\r\n" + "\r\n\r\n\r\n";
    text += StarSection("# Set Clock Latency\r\n") + "\r\n\r\n\r\n";
    text += StarSection("# Set Clock Uncertainty\r\n") + "derive_clock_uncertainty\r\n" + "\r\n\r\n\r\n";
    text += StarSection("# Set Input Delay\r\n") + GetSdcInputDelays(board) + "\r\n\r\n\r\n";
    text += StarSection("# Set Output Delay\r\n") + GetSdcOutputDelays(board) + "\r\n\r\n\r\n";
    for (const char* heading : {"# Set Clock Groups\r\n", "# Set False Path\r\n", "# Set Multicycle Path\r\n",
                                "# Set Maximum Delay\r\n", "# Set Minimum Delay\r\n",
                                "# Set Input Transition\r\n", "# Set Load\r\n"})
        text += StarSection(heading) + "\r\n\r\n\r\n";
    return WriteText(path, text);
}

std::string TPinwright::GetSdcBoardClocks(TMainBoard* board) {
    const TBoardText* text = board->GetBoardText();
    return text != nullptr ? text->SdcBoardClocks() : std::string();
}

std::string TPinwright::GetSdcInputDelays(TMainBoard* board) {
    const TBoardText* text = board->GetBoardText();
    return text != nullptr ? text->SdcInputDelays() : std::string();
}

std::string TPinwright::GetSdcOutputDelays(TMainBoard* board) {
    const TBoardText* text = board->GetBoardText();
    return text != nullptr ? text->SdcOutputDelays() : std::string();
}

std::string TPinwright::GetSdcJtagClock(TMainBoard* board) {
    const TBoardText* text = board->GetBoardText();
    return text != nullptr ? text->SdcJtagClock() : std::string();
}

bool TPinwright::WritePinReport(TMainBoard* board, const std::string& path) {
    THtmlGenerator html;
    html.Reserve(4096 + 256 * SlotsOf(board)); // a row per pin
    html.BeginHtml();
    html.AddHeading(platform::Format("%s Configuration", board->GetDisplayName().c_str()), 1, "center");
    html.AddBreak(2);
    html.AddHeading("Pin Assignments:", 2, "left");
    html.BeginList(false);
    for (int i = 0; i < board->GetConnectorCount(); ++i) {
        TConnector* c = board->GetConnector(i);
        html.AddLink(c->GetName(), html.ListItem(c->GetName()));
        html.AddBreak(1);
    }
    html.EndList(false);
    html.AddBreak(3);
    html.AddHeading("Pin Assignment Table:", 2, "left");
    for (int i = 0; i < board->GetConnectorCount(); ++i) {
        TConnector* c = board->GetConnector(i);
        const bool typed = c->GetType() != CONNECTOR_NONE;
        const bool twoIndexes = typed && c->GetDaughterType() != c->GetType();
        html.AddAnchor(c->GetName(), "");
        html.BeginTable(3, typed ? c->GetCaption() : c->GetName(), "left");
        html.AddBreak(2);
        html.BeginRow();
        for (const char* head : {"Name", "Location", "Direction", "Standard"})
            html.AddCell(head, "left", true, "Khaki");
        if (typed)
            html.AddCell(platform::Format("%s Pin Index", ConnectorTypeName(c->GetType()).c_str()), "left",
                         true, "Khaki");
        if (twoIndexes)
            html.AddCell(
                platform::Format("Daughter %s Pin Index", ConnectorTypeName(c->GetDaughterType()).c_str()),
                "left", true, "Khaki");
        html.EndRow();
        const bool fmc = c->GetType() == CONNECTOR_FMC_HPC || c->GetType() == CONNECTOR_FMC_LPC;
        const bool daughterFmc =
            c->GetDaughterType() == CONNECTOR_FMC_HPC || c->GetDaughterType() == CONNECTOR_FMC_LPC;
        for (int k = 0; k < c->PinCount(); ++k) {
            const TPin* p = c->GetPin(k);
            if (p == nullptr || p->GetDirection() == DIRECTION_NONE)
                continue;
            html.BeginRow();
            const std::string_view name = p->NameView();
            html.AddCell(name, "left", false, "");
            if (typed && !name.empty() && name[0] == '$') {
                for (int n = 0; n < 3; ++n)
                    html.AddCell("-", "left", false, "");
            } else {
                html.AddCell(p->LocationView(), "left", false, "");
                html.AddCell(p->GetDirectionText(), "left", false, "");
                html.AddCell(p->GetIoStandardText(), "left", false, "");
            }
            if (typed) {
                // With a card of another type the first column is the board connector's own
                // position, the second the card's.
                const int index = twoIndexes ? c->GetPosition(k) : p->GetIndex();
                html.AddCell(fmc ? FmcPinLabel(index) : std::to_string(index), "left", false, "");
            }
            if (twoIndexes)
                html.AddCell(daughterFmc ? FmcPinLabel(p->GetIndex()) : std::to_string(p->GetIndex()), "left",
                             false, "");
            html.EndRow();
        }
        html.EndTable();
    }
    html.EndHtml();
    return html.SaveToFile(platform::ChangeFileExt(path, ".htm"));
}

std::string FmcPinLabel(int position) {
    static constexpr char kRows[] = "ABCDEFGHJK";
    if (position < 1 || position > 400)
        return std::to_string(position);
    return kRows[(position - 1) / 40] + std::to_string((position - 1) % 40 + 1);
}
