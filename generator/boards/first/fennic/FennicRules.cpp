#include "FennicRules.h"

#include "CONFIG_FENNIC.h"
#include "model/DaughterId.h"
#include "platform/Text.h"

#include <iterator>

namespace {

using C = FENNIC_CONFIG;
using kit::CardKind;

// clang-format off
constexpr kit::FlagBinding kFlags[] = {
    {"CheckBoxOSC", C::bOSC, 1, "ShapeOSC"},
    {"CheckBoxLED", C::bLED, 1, "ShapeLED"},
    {"CheckBoxSeg7", C::bSeg7, 1, "ShapeSeg7"},
    {"CheckBoxButton", C::bButton, 1, "ShapeButton"},
    {"CheckBoxSwitch", C::bSwitch, 1, "ShapeSwitch"},
    {"CheckBoxDIP", C::bDIP, 1, "ShapeDIP"},
    {"CheckBoxSDCARD", C::bSDCARD, 1, "ShapeSDCARD"},
    {"CheckBoxSma", C::bSma, 1, "ShapeSma"},
    {"CheckBoxUSB", C::bUSB, 1, "ShapeUSB"},
    {"CheckBoxTemp", C::bTemp, 1, "ShapeTemp"},
    {"CheckBoxGPIO", C::bGpio, 0},
    {"CheckBoxDDR2", C::bDDR2, 0, "ShapeDDR2"},
};
// The first settings object holds the Kappel list, the second the GPIO list.
enum List { KAPPEL_LIST = 0, GPIO_LIST = 1 };
constexpr kit::CardListSpec kLists[] = {
    {CONNECTOR_KAPPEL, false, VOLTAGE_2V5},
    {CONNECTOR_GPIO80, false, VOLTAGE_2V5},
};
// GPIO-1 shares the Kappel-A row and its picture. The outlines of the GPIO headers and of
// Kappel-A and -B also follow the check boxes (the form draws them).
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGPIO_0", "EditGPIO_0", "ImageGPIO", nullptr, C::nGpioDaughterId[C::GPIO_0], C::szGpioPrefixName[C::GPIO_0], GPIO_LIST, CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxGPIO_1", "EditGPIO_1", "ImageKappel_A", nullptr, C::nGpioDaughterId[C::GPIO_1], C::szGpioPrefixName[C::GPIO_1], GPIO_LIST, CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
    {"ComboBoxKappel_A", "EditKappel_A", "ImageKappel_A", nullptr, C::nKappelDaughterId[C::KAPPEL_A], C::szKappelPrefixName[C::KAPPEL_A], KAPPEL_LIST, CardKind::HsmcOrKappel, MASTER_KAPPEL_A, IOSTD_3V3_LVTTL, nullptr, 0, 1, "Kappel-A"},
    {"ComboBoxKappel_B", "EditKappel_B", "ImageKappel_B", nullptr, C::nKappelDaughterId[C::KAPPEL_B], C::szKappelPrefixName[C::KAPPEL_B], KAPPEL_LIST, CardKind::HsmcOrKappel, MASTER_KAPPEL_B, IOSTD_3V3_LVTTL, nullptr, 0, 1, "Kappel-B"},
    {"ComboBoxKappel_C", "EditKappel_C", "ImageKappel_C", "ShapeKappel_C", C::nKappelDaughterId[C::KAPPEL_C], C::szKappelPrefixName[C::KAPPEL_C], KAPPEL_LIST, CardKind::HsmcOrKappel, MASTER_KAPPEL_C, IOSTD_3V3_LVTTL, nullptr, 0, 1, "Kappel-C"},
    {"ComboBoxKappel_D", "EditKappel_D", "ImageKappel_D", "ShapeKappel_D", C::nKappelDaughterId[C::KAPPEL_D], C::szKappelPrefixName[C::KAPPEL_D], KAPPEL_LIST, CardKind::HsmcOrKappel, MASTER_KAPPEL_D, IOSTD_3V3_LVTTL, nullptr, 0, 1, "Kappel-D"},
};
// clang-format on

// The coupling runs only while the headers are in use (the form runs it then).
constexpr kit::GpioPair kPair{fennic::GPIO_0, fennic::GPIO_1, MASTER_GPIO_BOTH,
                              kit::DefaultPairRule::PrefixRule, false};
constexpr kit::ModuleBinding kModules[] = {{C::bDDR2, CardKind::Ddr2SodimmLvttl, MASTER_DDR2_SODIMM, "mem_"}};
constexpr ChoiceField kChoices[] = {{C::nBoardType, 1, std::size(fennic::kBoardTypes), 0}};

constexpr kit::ChoiceBinding kChoiceLists[] = {{"ComboBoxBoard", C::nBoardType}};

constexpr kit::BoardSpec kSpec{
    .id = MAINBOARD_FENNIC,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "Fennic",
    .folder = "Fennic",
    .flags = kFlags,
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::OlderForm,
    .gpioPair = &kPair,
    .save = kit::SaveAtEnd::InDestructor,
    .successBox = false,
    .modules = kModules,
    .choices = kChoices,
    .choiceLists = kChoiceLists,
    .cardRules = {.gpioStyle = GpioStyle::PerPosition},
};

void FreeKappelB(kit::FormView& view) {
    view.record.SetU8(C::nKappelDaughterId[C::KAPPEL_B], 0);
    view.record.SetText(C::szKappelPrefixName[C::KAPPEL_B], "");
}

bool HeadersUsed(const kit::FormView& view) {
    return view.record.U8(C::bGpio) != 0;
}

// The GPIO rows shown in place of the Kappel-A choice, or not, under the row's caption.
void ShowGpioRows(kit::FormView& view, const char* caption) {
    const bool shown = HeadersUsed(view);
    view.captions["LabelKappel_A"] = caption;
    for (const char* name :
         {"LabelGPIO", "ComboBoxGPIO_0", "LabelPreGPIO_0", "EditGPIO_0", "ComboBoxGPIO_1", "EditGPIO_1"})
        view.shown[name] = shown;
    for (const char* name : {"ComboBoxKappel_A", "EditKappel_A"})
        view.shown[name] = !shown;
}

class FennicRules final : public kit::BoardLogic {
public:
    FennicRules() : BoardLogic(kSpec) {}

    // With the socket in use, Kappel-B shows no card and takes none.
    void ShowChoices(const SettingsRecord& r, kit::FormView& view) const override {
        BoardLogic::ShowChoices(r, view);
        if (view.record.U8(C::bDDR2) != 0)
            FreeKappelB(view);
    }
    // Only the connectors in use show their cards; a Kappel card the list does not hold
    // leaves the row as it is, prefix included.
    bool ShowsStoredCard(int connector, const SettingsRecord& r, const kit::FormView& view) const override {
        const bool gpio = r.U8(C::bGpio) != 0;
        const bool listed = Offers(view.lists[static_cast<std::size_t>(connector)], StoredCard(r, connector));
        switch (connector) {
        case fennic::GPIO_0:
        case fennic::GPIO_1:
            return gpio;
        case fennic::KAPPEL_A:
            return !gpio && listed;
        case fennic::KAPPEL_B:
            return r.U8(C::bDDR2) == 0 && listed;
        default:
            return listed;
        }
    }
    void StoreChoices(const kit::FormView& view, SettingsRecord& target) const override {
        BoardLogic::StoreChoices(view, target);
        fennic::DropUnusedConnectors(target);
    }
    // Kappel-B's card is chosen only while the socket is not in use.
    bool CardEnabled(const kit::FormView& view, int connector) const override {
        if (connector == fennic::KAPPEL_B && view.record.U8(C::bDDR2) != 0)
            return false;
        return BoardLogic::CardEnabled(view, connector);
    }
    // The header coupling runs only while the headers are used.
    void AfterLoad(kit::FormView& view, SettingsRecord&) const override {
        if (view.record.U8(C::bGpio) != 0)
            Couple(view, fennic::GPIO_0, true);
        Refresh(view);
    }
    // Every card choice runs the coupling; any connector but GPIO-0 counts as GPIO-1.
    void CardChanged(kit::FormView& view, int connector) const override {
        if (connector >= fennic::KAPPEL_A && view.record.U8(C::bGpio) != 0)
            Couple(view, fennic::GPIO_1, true);
    }
    // Ticking the socket frees Kappel-B; every box then redraws. A record shown names the
    // GPIO-1 row "GPIO-1 Header"; a click on the headers' box names it "GPIO-1".
    void BoxClicked(kit::FormView& view, const SettingsRecord&, int flag) const override {
        if (kFlags[flag].offset == C::bDDR2 && view.record.U8(C::bDDR2) != 0)
            FreeKappelB(view);
        Refresh(view);
        if (kFlags[flag].offset == C::bGpio)
            ShowGpioRows(view, HeadersUsed(view) ? "GPIO-1" : "Kappel-A");
    }
    void DrawChoices(kit::FormView& view) const override {
        ShowGpioRows(view, HeadersUsed(view) ? "GPIO-1 Header" : "Kappel-A");
    }
    // GPIO-1 shares Kappel-A's picture; the socket in use shows its module on Kappel-B's.
    void DrawPictures(kit::FormView& view) const override {
        BoardLogic::DrawPictures(view);
        ShowCardPicture(view, "ImageKappel_A",
                        CardId(view.record, HeadersUsed(view) ? fennic::GPIO_1 : fennic::KAPPEL_A));
        if (view.record.U8(C::bDDR2) != 0)
            ShowCardPicture(view, "ImageKappel_B", DAUGHTER_DDR2_SODIMM);
    }
    // The outlines of the connectors in use.
    void DrawOutlines(kit::FormView& view) const override {
        BoardLogic::DrawOutlines(view);
        const bool gpio = HeadersUsed(view);
        auto chosen = [&](int connector) { return CardId(view.record, connector) != 0; };
        view.shown["ShapeGPIO_0"] = gpio && chosen(fennic::GPIO_0);
        view.shown["ShapeGPIO_1"] = gpio && chosen(fennic::GPIO_1);
        view.shown["ShapeKappel_A"] = !gpio && chosen(fennic::KAPPEL_A);
        view.shown["ShapeKappel_B"] = view.record.U8(C::bDDR2) == 0 && chosen(fennic::KAPPEL_B);
    }
    std::string CheckPrefixes(const SettingsRecord& r) const override {
        const std::string message = fennic::CheckGpioPair(r);
        return message.empty() ? fennic::CheckKappelPairs(r) : message;
    }
    std::string PrefixRulesOverName(const SettingsRecord& r) const override {
        return fennic::CheckGpioPair(r);
    }
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard* /*settings*/) const override {
        ConfigFennicPins(&board, r);
    }
    std::vector<kit::AttachStep> AttachPlan(const SettingsRecord& r) const override {
        SettingsRecord used = r;
        fennic::DropUnusedConnectors(used);
        return BoardLogic::AttachPlan(used);
    }
    // The GPIO headers and the socket in place of Kappel-A and -B.
    std::vector<SettingsRecord> ChoiceVariants(const SettingsRecord& defaults) const override {
        SettingsRecord swapped = defaults;
        swapped.SetU8(C::bGpio, 1);
        swapped.SetU8(C::bDDR2, 1);
        return {defaults, swapped};
    }
};

} // namespace

const kit::BoardLogic& FennicLogic() {
    static const FennicRules logic;
    return logic;
}

namespace fennic {

void DropUnusedConnectors(SettingsRecord& r) {
    auto drop = [&r](std::size_t id, std::size_t prefix) {
        r.SetU8(id, 0);
        r.SetText(prefix, "");
    };
    if (r.U8(C::bGpio) == 0) {
        drop(C::nGpioDaughterId[C::GPIO_0], C::szGpioPrefixName[C::GPIO_0]);
        drop(C::nGpioDaughterId[C::GPIO_1], C::szGpioPrefixName[C::GPIO_1]);
    } else {
        drop(C::nKappelDaughterId[C::KAPPEL_A], C::szKappelPrefixName[C::KAPPEL_A]);
    }
    if (r.U8(C::bDDR2) != 0)
        drop(C::nKappelDaughterId[C::KAPPEL_B], C::szKappelPrefixName[C::KAPPEL_B]);
}

std::string CheckGpioPair(const SettingsRecord& r) {
    if (r.U8(C::bGpio) == 0)
        return std::string();
    const uint8_t ids[] = {r.U8(C::nGpioDaughterId[C::GPIO_0]), r.U8(C::nGpioDaughterId[C::GPIO_1])};
    const std::string prefixes[] = {r.Text(C::szGpioPrefixName[C::GPIO_0]),
                                    r.Text(C::szGpioPrefixName[C::GPIO_1])};
    std::string message;
    CheckGpioPrefix(2, ids, prefixes, message);
    return message;
}

std::string CheckKappelPairs(const SettingsRecord& r) {
    SettingsRecord used = r;
    DropUnusedConnectors(used);
    for (int a = C::KAPPEL_A; a <= C::KAPPEL_D; ++a)
        for (int b = a + 1; b <= C::KAPPEL_D; ++b) {
            const uint8_t idA = used.U8(C::nKappelDaughterId[a]);
            if (idA != 0 && idA == used.U8(C::nKappelDaughterId[b]) &&
                used.Text(C::szKappelPrefixName[a]) == used.Text(C::szKappelPrefixName[b]))
                return platform::Format("Kappel-%c and Kappel-%c cannot have the same prefix name when both "
                                        "connect to the same type of daughter boards.",
                                        'A' + a, 'A' + b);
        }
    return std::string();
}

} // namespace fennic
