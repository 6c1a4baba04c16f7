// The form kit's policies of the older form shapes that boards 5 and 10 do not use
// themselves (head kept on save, Generate from the settings record, prefixes shown
// only for found cards, fixed modules, HSMC prefix rules), on a form with Jorrel's
// controls.
#include "BoardFormFixture.h"
#include "boards/second/jorrel/CONFIG_JORREL.h"
#include "boards/second/jorrel/UI_JorrelLayout.h"
#include "model/DaughterCatalogue.h"
#include "model/DaughterId.h"
#include "platform/Platform.h"
#include "platform/qt/QtPlatform.h"
#include "settings/ConfigFile.h"

using C = JORREL_CONFIG;
using testsupport::ReadFile;

namespace {

// clang-format off
constexpr kit::CardListSpec kLists[] = {{CONNECTOR_GPIO40, false, VOLTAGE_2V5}};
constexpr kit::ConnectorBinding kConnectors[] = {
    {"ComboBoxGpio0", "EditPrefixGpio0", "ImageGpio0", "ShapeGpio0", C::GpioDaughterId(0), C::GpioPrefixName(0), 0, kit::CardKind::Gpio, MASTER_GPIO_0, IOSTD_3V3_LVTTL},
    {"ComboBoxGpio1", "EditPrefixGpio1", "ImageGpio1", "ShapeGpio1", C::GpioDaughterId(1), C::GpioPrefixName(1), 0, kit::CardKind::Gpio, MASTER_GPIO_1, IOSTD_3V3_LVTTL},
};
constexpr int kHeaders[] = {0, 1};
constexpr kit::PrefixRule kHsmcRule[] = {{kit::PrefixRuleKind::Hsmc, kHeaders}};
constexpr kit::ModuleBinding kModules[] = {
    {C::bSDRAM, kit::CardKind::Ddr2Sodimm, MASTER_DDR2_SODIMM_0, "M1_DDR2_"},
    {C::bADC, kit::CardKind::Ddr3SodimmLower, MASTER_DDR3_SODIMM, "mem_"},
};
// clang-format on

constexpr kit::BoardSpec kOlder{
    .id = MAINBOARD_JORREL,
    .recordSize = C::kSize,
    .head = kit::kCommonHead,
    .defaultName = "OLDER",
    .folder = "OLDER",
    .flags = {},
    .lists = kLists,
    .connectors = kConnectors,
    .attachShape = kit::AttachShape::FormRoutine,
    .successBox = false,
    .headOnSave = kit::HeadOnSave::Keep,
    .generateFrom = kit::GenerateFrom::Settings,
    .prefixOnShow = kit::PrefixOnShow::OnlyWhenFound,
    .prefixRules = kHsmcRule,
    .modules = kModules,
};

class OlderLogic final : public kit::BoardLogic {
public:
    explicit OlderLogic(const kit::BoardSpec& spec) : BoardLogic(spec) {}
    void FillBoard(TMainBoard& board, const SettingsRecord& r, TConfigBoard*) const override {
        ConfigJorrelPins(&board, r);
    }
    // Tells which record Generate started from: the variant byte no control covers.
    std::vector<kit::Notice> AfterGenerate(const SettingsRecord& r, const std::string&) const override {
        return {{std::to_string(r.U8(C::BoardVariant)), "Information",
                 static_cast<int>(platform::Icon::Information)}};
    }
};

const OlderLogic& Older() {
    static const OlderLogic logic(kOlder);
    return logic;
}

class OlderForm : public BoardForm {
public:
    explicit OlderForm(QWidget* owner) : BoardForm(owner, Older(), jorrel::kLayout) { Start(); }
};

class FormKitPolicy : public BoardFormFixture {
protected:
    // A 404-byte default.cfg written by another board (id 11) with variant byte 7.
    void WriteForeignDefault() {
        SettingsRecord r = Older().NewRecord();
        Older().SetDefaultConfig(r);
        r.SetU8(C::BoardId, 11);
        r.SetU8(C::BoardVariant, 7);
        testsupport::WriteFile(dir.File("default.cfg"),
                               std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    }
};

} // namespace

TEST_F(FormKitPolicy, TheHeadStaysAsLoadedWhileGenerateUsesTheBoardsOwn) {
    WriteForeignDefault();
    Open<OlderForm>();
    const std::string file = dir.File("saved.cfg");
    seam.AnswerFile(file);
    Click("ButtonSave");
    EXPECT_EQ(static_cast<uint8_t>(ReadFile(file)[0]), 11);

    // The working record starts from the settings record: the variant byte comes along.
    Generate();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Information|7"});
}

TEST_F(FormKitPolicy, ALoadedCardNotInTheListLeavesThePrefixEditAsItWas) {
    Open<OlderForm>();
    ChooseText("ComboBoxGpio0", "GPIO Default");
    Type("EditPrefixGpio0", "KEEP_");
    SettingsRecord r = Older().NewRecord();
    Older().SetDefaultConfig(r);
    r.SetU8(C::GpioDaughterId(0), 99);
    r.SetText(C::GpioPrefixName(0), "FILE_");
    r.SetU8(C::GpioDaughterId(1), DAUGHTER_GPIO_DEFAULT);
    r.SetText(C::GpioPrefixName(1), "ONE_");
    testsupport::WriteFile(dir.File("other.cfg"),
                           std::string(reinterpret_cast<const char*>(r.data()), r.size()));
    seam.AnswerFile(dir.File("other.cfg"));
    Click("ButtonLoad");
    EXPECT_EQ(Get<QComboBox>("ComboBoxGpio0")->currentText(), "GPIO Default");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio0")->text(), "KEEP_");
    EXPECT_EQ(Get<QLineEdit>("EditPrefixGpio1")->text(), "ONE_");
}

TEST(FormKitPolicies, ModulesFollowTheirFlagsAfterTheCardsAndPrefixRulesRunInOrder) {
    SettingsRecord r = Older().NewRecord();
    Older().SetDefaultConfig(r);
    r.SetU8(C::GpioDaughterId(1), DAUGHTER_KAMREL);
    r.SetU8(C::bSDRAM, 1);
    r.SetU8(C::bADC, 1);
    const std::vector<kit::AttachStep> steps = Older().AttachPlan(r);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].masterId, MASTER_GPIO_1);
    EXPECT_EQ(steps[1].kind, kit::CardKind::Ddr2Sodimm);
    EXPECT_EQ(steps[1].masterId, MASTER_DDR2_SODIMM_0);
    EXPECT_EQ(steps[1].prefix, "M1_DDR2_");
    EXPECT_EQ(steps[2].kind, kit::CardKind::Ddr3SodimmLower);
    r.SetU8(C::bSDRAM, 0);
    EXPECT_EQ(Older().AttachPlan(r).size(), 2u);

    r.SetU8(C::GpioDaughterId(0), DAUGHTER_KAMREL);
    EXPECT_EQ(Older().CheckPrefixes(r),
              "HSMC-A and HSMC-B cannot have the same prefix name when both connect to "
              "the same type of daughter boards.");
    r.SetText(C::GpioPrefixName(0), "A_");
    EXPECT_EQ(Older().CheckPrefixes(r), "");
}

TEST(FormKitPolicies, TheSavedHeadFollowsTheBoardsPolicy) {
    struct Case {
        kit::HeadOnSave policy;
        uint8_t id;
        int32_t size;
    };
    for (const Case& c : {Case{kit::HeadOnSave::IdAndSize, 10, 404}, Case{kit::HeadOnSave::SizeOnly, 11, 404},
                          Case{kit::HeadOnSave::Keep, 11, 1}}) {
        kit::BoardSpec spec = kOlder;
        spec.headOnSave = c.policy;
        const OlderLogic logic(spec);
        SettingsRecord r = logic.NewRecord();
        r.SetU8(C::BoardId, 11);
        r.SetI32(C::Size, 1);
        logic.SetSavedHead(r);
        EXPECT_EQ(r.U8(C::BoardId), c.id);
        EXPECT_EQ(r.I32(C::Size), c.size);
    }
}
