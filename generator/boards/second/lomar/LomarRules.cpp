#include "LomarRules.h"

#include "CONFIG_LOMAR.h"
#include "boards/kit/HeaderCoupling.h"
#include "boards/second/GpioExpansion.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/Assert.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace {

using C = LOMAR_CONFIG;

// clang-format off
constexpr const char* kExtPllShapes[] = {"ShapeExtPll_2"};
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxSma", C::bSma, 0, "ShapeSma"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxDDR3", C::bDDR3, 0, "ShapeDDR3"},
    {"CheckBoxPCIe0", C::bPCIe0, 0, "ShapePCIe_0"},
    {"CheckBoxPCIe1", C::bPCIe1, 0, "ShapePCIe_1"},
    {"CheckBoxFan", C::bFan, 1, "ShapeFan"},
    {"CheckBoxSSRAM", C::bSSRAM, 1, "ShapeSSRAM"},
    {"CheckBoxFlash", C::bFlash, 1, "ShapeFlash"},
    {"CheckBoxExtPLL", C::bExtPLL, 0, "ShapeExtPll_0", "ShapeExtPll_1", kExtPllShapes},
};
// The generic cards each list offers after the catalogue's, in the form's order.
constexpr uint8_t kHsmcAppended[] = {DAUGHTER_HSMC_DEFAULT_1V5, DAUGHTER_HSMC_DEFAULT_1V8, DAUGHTER_HSMC_DEFAULT_3V0};
constexpr uint8_t kHsmcXcvrAppended[] = {DAUGHTER_HSMC_DEFAULT_1V5_XCVR, DAUGHTER_HSMC_DEFAULT_1V8_XCVR, DAUGHTER_HSMC_DEFAULT_3V0_XCVR, DAUGHTER_HSMC_DEFAULT_1V5, DAUGHTER_HSMC_DEFAULT_1V8, DAUGHTER_HSMC_DEFAULT_3V0};
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_HSMC, false, VOLTAGE_2V5, kHsmcAppended},
    {CONNECTOR_HSMC, true, VOLTAGE_2V5, kHsmcXcvrAppended},
    {CONNECTOR_GPIO80, false, VOLTAGE_2V5},
};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxHSMC_A", "EditHSMC_A", "ImageHSMC_A", "ShapeHSMC_A", C::HsmcDaughterId(0), C::HsmcPrefixName(0), LOMAR_LIST_HSMC_XCVR, kit::CardKind::Hsmc, MASTER_HSMC_A + 0, IOSTD_2V5, ""},
    {"ComboBoxHSMC_B", "EditHSMC_B", "ImageHSMC_B", "ShapeHSMC_B", C::HsmcDaughterId(1), C::HsmcPrefixName(1), LOMAR_LIST_HSMC, kit::CardKind::Hsmc, MASTER_HSMC_A + 1, IOSTD_2V5, ""},
    {"ComboBoxHSMC_C", "EditHSMC_C", "ImageHSMC_C", nullptr, C::HsmcDaughterId(2), C::HsmcPrefixName(2), LOMAR_LIST_HSMC, kit::CardKind::Hsmc, MASTER_HSMC_A + 2, IOSTD_2V5, ""},
    {"ComboBoxHSMC_D", "EditHSMC_D", "ImageHSMC_D", "ShapeHSMC_D", C::HsmcDaughterId(3), C::HsmcPrefixName(3), LOMAR_LIST_HSMC, kit::CardKind::Hsmc, MASTER_HSMC_A + 3, IOSTD_2V5, ""},
    {"ComboBoxHSMC_E", "EditHSMC_E", "ImageHSMC_E", "ShapeHSMC_E", C::HsmcDaughterId(4), C::HsmcPrefixName(4), LOMAR_LIST_HSMC_XCVR, kit::CardKind::Hsmc, MASTER_HSMC_A + 4, IOSTD_2V5, ""},
    {"ComboBoxHSMC_F", "EditHSMC_F", "ImageHSMC_F", "ShapeHSMC_F", C::HsmcDaughterId(5), C::HsmcPrefixName(5), LOMAR_LIST_HSMC, kit::CardKind::Hsmc, MASTER_HSMC_A + 5, IOSTD_2V5, ""},
    {nullptr, nullptr, nullptr, nullptr, C::GpioDaughterId(GPIO_0), C::GpioPrefixName(GPIO_0), LOMAR_LIST_GPIO, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {nullptr, nullptr, nullptr, nullptr, C::GpioDaughterId(GPIO_1), C::GpioPrefixName(GPIO_1), LOMAR_LIST_GPIO, kit::CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
};
constexpr kit::ModuleBinding kModules[] = {
    {C::bDDR3, kit::CardKind::Ddr3SodimmLower, MASTER_DDR3_SODIMM, "mem_"},
};
// The GPIO expansion dialog couples the headers itself, when it is shown.
constexpr kit::GpioPair kGpioPair{LOMAR_GPIO_0, LOMAR_GPIO_1, MASTER_GPIO_BOTH, kit::DefaultPairRule::PrefixRule, false};

// The clock outputs of a generic HSMC card, renamed on the connectors named in `ports`.
struct ClockPinName {
    const char* base;
    int position; // counted from 1
    const char* ports;
};
constexpr ClockPinName kClockPinNames[] = {
    {"OUT0", 39, "ABCDEF"},
    {"OUT_p2", 155, "ABCDE"},
    {"OUT_n2", 157, "ABCDE"},
    {"OUT_p1", 95, "B"},
    {"OUT_n1", 97, "B"},
};

// Where each connector's jumper sits at the 1.5 V step (each step 8 pixels lower).
struct JumperPlace {
    int x;
    int y;
};
constexpr JumperPlace kJumpers[] = {{91, 72}, {63, 72}, {35, 72}, {91, 30}, {63, 30}, {35, 30}};
// clang-format on

constexpr kit::ChoiceBinding kChoiceLists[] = {
    {"ComboBoxBoard", C::nBoardType},      {"ComboBoxHsmcGpio", C::bHsmcGpio},
    {"ComboBoxPLL_HSMA", C::nPllFreq + 0}, {"ComboBoxPLL_HSME", C::nPllFreq + 1},
    {"ComboBoxPLL_GXB", C::nPllFreq + 2},
};

// The programmable PLL's three outputs.
constexpr kit::ChipLists kPll[] = {{C::bExtPLL, C::nPllFreq, 3}};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_LOMAR,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "LOMAR",
    .folder = "LOMAR",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .gpioPair = &kGpioPair,
    .loadFailureMessage = true,
    .headOnSave = kit::HeadOnSave::Keep,
    .generateFrom = kit::GenerateFrom::StoredSettings,
    .modules = kModules,
    .choices = C::kChoiceFields,
    .choiceLists = kChoiceLists,
    .chipLists = kPll,
    .reshowChoice = C::nBoardType,
    .cardRules = {.xcvrStandard = IOSTD_1V4_PCML,
                  .replaceIoStandard = true,
                  .ioStandard = IOSTD_3V0_PCI_X,
                  .lvdsXcvrRows = true},
};

constexpr int kHsmcPortC = 2;

bool GpioMode(const SettingsRecord& r) {
    return r.U8(C::bHsmcGpio) != 0;
}

// Gives the clock outputs of the generic card just attached to HSMC port `port`, the
// n-th HSMC connector of the model, their names and makes them inout.
void RenameHsmcClockPin(TMainBoard& board, int port, int n, const std::string& prefix) {
    const char letter = static_cast<char>('A' + port);
    for (const ClockPinName& row : kClockPinNames) {
        if (std::string(row.ports).find(letter) == std::string::npos)
            continue;
        TPin* p = board.GetHsmcPinName(n, row.position);
        PW_ASSERT(p, "p", "UI_LOMAR", 1033);
        p->SetName(prefix + row.base);
        p->SetDirection(DIRECTION_INOUT);
    }
}

class Logic final : public kit::BoardLogic {
public:
    Logic() : BoardLogic(kSpec) {}

    // HSMC-C's mode and the GPIO expansion dialog's confirmed choice: a header whose
    // stored card its list holds takes it and its prefix as stored; another keeps its
    // choice. The pair is then coupled from GPIO-0.
    void ShowChoices(const SettingsRecord& r, kit::FormView& view) const override {
        BoardLogic::ShowChoices(r, view);
        SettingsRecord& shown = view.record;
        shown.SetU8(C::bHsmcGpio, GpioMode(r) ? 1 : 0);
        for (int h : {GPIO_0, GPIO_1})
            if (Offers(LOMAR_LIST_GPIO, r.U8(C::GpioDaughterId(h)))) {
                shown.SetU8(C::GpioDaughterId(h), r.U8(C::GpioDaughterId(h)));
                shown.SetText(C::GpioPrefixName(h), r.Text(C::GpioPrefixName(h)));
            }
        const uint8_t card0 = shown.U8(C::GpioDaughterId(GPIO_0));
        const uint8_t card1 = shown.U8(C::GpioDaughterId(GPIO_1));
        const kit::HeaderChoice header0{card0, shown.Text(C::GpioPrefixName(GPIO_0)), false};
        kit::HeaderChoice header1{card1, shown.Text(C::GpioPrefixName(GPIO_1)), false};
        if (kit::CoupleHeader(header0, header1, card0, card1) != kit::Coupling::Free) {
            shown.SetU8(C::GpioDaughterId(GPIO_1), static_cast<uint8_t>(header1.item));
            shown.SetText(C::GpioPrefixName(GPIO_1), header1.prefix);
        }
    }
    // Another mode shows HSMC-C's controls or the GPIO headers'.
    void ItemChosen(kit::FormView& view, SettingsRecord& stored, std::size_t offset) const override {
        BoardLogic::ItemChosen(view, stored, offset);
        if (offset == C::bHsmcGpio)
            Refresh(view);
    }
    // In GPIO mode HSMC-C's picture is hidden.
    void DrawPictures(kit::FormView& view) const override {
        BoardLogic::DrawPictures(view);
        if (GpioMode(view.record))
            view.pictures["ImageHSMC_C"] = kit::Picture{};
    }
    // HSMC-C's outline, controls and picture, or the GPIO headers' outlines, label and
    // button in their place; then the I/O-voltage jumpers the cards need.
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        const SettingsRecord& r = view.record;
        const bool gpio = GpioMode(r);
        view.shown["ShapeHSMC_C"] = !gpio && CardId(r, LOMAR_HSMC_C) != 0;
        view.shown["ShapeGpio0"] = gpio && r.U8(C::GpioDaughterId(GPIO_0)) != 0;
        view.shown["ShapeGpio1"] = gpio && r.U8(C::GpioDaughterId(GPIO_1)) != 0;
        for (const char* name : {"ComboBoxHSMC_C", "EditHSMC_C", "LabelHSMCPrefix"})
            view.shown[name] = !gpio;
        view.shown["LabelGPIO"] = gpio;
        view.shown["ButtonGpio"] = gpio;
        if (gpio) {
            view.pictures["ImageHSMC_C"] = kit::Picture{};
            view.captions["LabelGPIO"] =
                LomarGpioLabel(r.U8(C::GpioDaughterId(GPIO_0)), r.U8(C::GpioDaughterId(GPIO_1)));
        } else {
            ShowCardPicture(view, "ImageHSMC_C",
                            CardId(r, LOMAR_HSMC_C)); // a card without picture shows nothing
        }
        std::array<uint8_t, 6> cards{};
        for (int k = 0; k < 6; ++k)
            cards[static_cast<std::size_t>(k)] = CardId(r, k);
        kit::Picture jumpers{"LOMAR_VOL", {}};
        for (const LomarVoltageMarks& m : LomarVoltageJumpers(cards, gpio)) {
            jumpers.marks.push_back({"LOMAR_VOL_JUMPER", m.jumperX, m.jumperY});
            if (m.led1)
                jumpers.marks.push_back({"LOMAR_VOL_LED_ON", m.led1X, m.ledY});
            if (m.led2)
                jumpers.marks.push_back({"LOMAR_VOL_LED_ON", m.led2X, m.ledY});
        }
        view.pictures["ImageVol"] = jumpers;
    }
    // Unticked, the PLL lists leave the stored choices for the next tick.
    void StoreChoices(const kit::FormView& view, SettingsRecord& target) const override {
        const SettingsRecord& shown = view.record;
        target.SetU8(C::nBoardType, shown.U8(C::nBoardType));
        target.SetU8(C::bHsmcGpio, shown.U8(C::bHsmcGpio));
        for (int h : {GPIO_0, GPIO_1}) {
            target.SetU8(C::GpioDaughterId(h), shown.U8(C::GpioDaughterId(h)));
            target.SetText(C::GpioPrefixName(h), shown.Text(C::GpioPrefixName(h)));
        }
        if (shown.U8(C::bExtPLL) != 0)
            for (int i = 0; i < 3; ++i)
                target.SetU8(C::nPllFreq + static_cast<std::size_t>(i),
                             shown.U8(C::nPllFreq + static_cast<std::size_t>(i)));
    }
    void ApplyDefaultPrefixes(SettingsRecord& r) const override {
        for (int k = 0; k < C::kHsmcPorts; ++k)
            if (r.Text(C::HsmcPrefixName(k)).empty() && IsHsmcDefaultCard(r.U8(C::HsmcDaughterId(k))))
                r.SetText(C::HsmcPrefixName(k), "HSM_");
    }
    // The GPIO headers in GPIO mode, then HSMC-A to F (HSMC-C not in GPIO mode). Every
    // generic HSMC card counts as one card, so two of them never share "HSM_" names.
    std::string CheckPrefixes(const SettingsRecord& r) const override {
        std::string message;
        if (GpioMode(r)) {
            const uint8_t ids[] = {r.U8(C::GpioDaughterId(GPIO_0)), r.U8(C::GpioDaughterId(GPIO_1))};
            const std::string prefixes[] = {r.Text(C::GpioPrefixName(GPIO_0)),
                                            r.Text(C::GpioPrefixName(GPIO_1))};
            if (!CheckGpioPrefix(2, ids, prefixes, message))
                return message;
        }
        uint8_t ids[C::kHsmcPorts];
        std::string prefixes[C::kHsmcPorts];
        for (int k = 0; k < C::kHsmcPorts; ++k) {
            ids[k] = k == kHsmcPortC && GpioMode(r) ? 0 : r.U8(C::HsmcDaughterId(k));
            if (IsHsmcDefaultCard(ids[k]))
                ids[k] = DAUGHTER_HSMC_DEFAULT;
            prefixes[k] = r.Text(C::HsmcPrefixName(k));
        }
        CheckHsmcPrefix(C::kHsmcPorts, ids, prefixes, message);
        return message;
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigLomarPins(&board, r);
    }
    // HSMC-C takes its card in HSMC mode, the GPIO headers theirs in GPIO mode.
    std::vector<kit::AttachStep> AttachPlan(const SettingsRecord& r) const override {
        SettingsRecord used = r;
        if (GpioMode(r)) {
            used.SetU8(C::HsmcDaughterId(kHsmcPortC), 0);
        } else {
            used.SetU8(C::GpioDaughterId(GPIO_0), 0);
            used.SetU8(C::GpioDaughterId(GPIO_1), 0);
        }
        return BoardLogic::AttachPlan(used);
    }
    void AfterAttach(TMainBoard& board, const std::vector<kit::AttachStep>& plan,
                     std::size_t done) const override {
        const kit::AttachStep& step = plan[done];
        if (step.kind != kit::CardKind::Hsmc || !IsHsmcDefaultCard(step.card))
            return;
        int n = 0;
        for (std::size_t i = 0; i < done; ++i)
            n += plan[i].kind == kit::CardKind::Hsmc ? 1 : 0;
        RenameHsmcClockPin(board, step.masterId - MASTER_HSMC_A, n, step.prefix);
    }
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r,
                                           const std::string& folder) const override {
        return kit::NoteThenSuccess(LomarWarnings(r.U8(C::bDDR3) != 0, r.U8(C::bPCIe0) != 0,
                                                  r.U8(C::bPCIe1) != 0, r.U8(C::HsmcDaughterId(0)),
                                                  r.U8(C::HsmcDaughterId(4))),
                                    folder);
    }
    // HSMC-C in GPIO mode; the other device with every peripheral and the PLL.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        std::vector<SettingsRecord> variants{defaults, defaults, defaults};
        variants[1].SetU8(C::bHsmcGpio, 1);
        SettingsRecord& full = variants[2];
        full.SetU8(C::nBoardType, 1);
        for (const kit::FlagBinding& f : kFlags)
            full.SetU8(f.offset, 1);
        return variants;
    }

protected:
    void SetBoardDefaults(SettingsRecord& r) const override {
        for (const ChoiceField& f : C::kChoiceFields)
            r.SetU8(f.offset, static_cast<uint8_t>(f.fallback));
    }
};

} // namespace

const kit::BoardLogic& LomarLogic() {
    static const Logic logic;
    return logic;
}

int LomarVoltageStep(int port, uint8_t card, bool gpioMode) {
    if (port == kHsmcPortC && gpioMode)
        return 3;
    if (card == 0)
        return 2;
    switch (BoardIoStandard(static_cast<int8_t>(card))) {
    case IOSTD_1V5:
        return 0;
    case IOSTD_1V8:
        return 1;
    case IOSTD_3V0_PCI_X:
        return 3;
    case IOSTD_3V3_LVTTL:
        return 4;
    default:
        return 2;
    }
}

std::array<LomarVoltageMarks, 6> LomarVoltageJumpers(const std::array<uint8_t, 6>& cards, bool gpioMode) {
    std::array<LomarVoltageMarks, 6> marks{};
    constexpr float kLedPitch = 7.61f;
    for (int i = 0; i < 6; ++i) {
        const int step = LomarVoltageStep(i, cards[static_cast<std::size_t>(i)], gpioMode);
        // Cut towards zero as the drawing's integer places are.
        const int x1 = static_cast<int>(87.0f - static_cast<float>(i) * 2.0f * kLedPitch);
        const int x2 = static_cast<int>(static_cast<float>(x1) - kLedPitch);
        const JumperPlace& place = kJumpers[i];
        marks[static_cast<std::size_t>(i)] = {
            place.x, place.y + 8 * step, 6, x1, x2, step == 1 || step == 3, step == 2 || step == 3};
    }
    return marks;
}

std::string LomarGpioLabel(uint8_t card0, uint8_t card1) {
    return platform::Format("GPIO 0:%s\r\nGPIO 1:%s", BoardName(static_cast<int8_t>(card0)).c_str(),
                            BoardName(static_cast<int8_t>(card1)).c_str());
}

std::string LomarWarnings(bool ddr3, bool pcie0, bool pcie1, uint8_t cardA, uint8_t cardE) {
    std::string text;
    if (ddr3)
        text += "===== DDR3 Pinwright warning =====\r\n"
                "Please add the DDR3 Controller IP to your Quartus project, follow by\r\n"
                "the steps below to prevent any errors from occurring during compilation.\r\n"
                "\r\n"
                "1). Create correct pin assignment for DDR3.\r\n"
                "2). Setup correct parameters in DDR3 controller dialog. \r\n"
                "3). Execute TCL files, generated by DDR3 IP, under your Quartus project.\r\n"
                "\r\n";
    if (pcie0 || pcie1) {
        const std::string which = pcie0 && pcie1 ? "PCIe0//PCIe1" : pcie0 ? "PCIe0" : "PCIe1";
        text += platform::Format("===== %s  PCI Express Pinwright warning =====\r\n", which.c_str()) +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
                "PCI Express IP to your design.\r\n"
                "\r\n";
    }
    if (IsTransceiverBoard(static_cast<int8_t>(cardA)) || IsTransceiverBoard(static_cast<int8_t>(cardE)))
        text += platform::Format("===== %s  Transceiver Pinwright warning =====\r\n", "HSMC") +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n"
                "transceiver signals in the top level entity if they are not in use or add the Altera \r\n"
                "Transceiver IP to your design.\r\n"
                "\r\n";
    return text;
}

void LomarGpioToDialog(const kit::FormView& view, GpioExpansion& dialog) {
    for (int h : {GPIO_0, GPIO_1}) {
        dialog.SetIndex(h, dialog.IndexOf(view.record.U8(C::GpioDaughterId(h))));
        dialog.SetPrefix(h, view.record.Text(C::GpioPrefixName(h)));
    }
}

void LomarGpioFromDialog(const GpioExpansion& dialog, kit::FormView& view) {
    for (int h : {GPIO_0, GPIO_1}) {
        view.record.SetU8(C::GpioDaughterId(h), dialog.ConfirmedCard(h));
        view.record.SetText(C::GpioPrefixName(h), dialog.GetPrefix(h));
    }
    LomarLogic().Refresh(view);
}
