#include "UI_Dunmir.h"

#include "CONFIG_DUNMIR.h"
#include "DunmirRules.h"
#include "UI_DunmirLayout.h"
#include "boards/kit/BoardHost.h"
#include "core/Pinwright.h"
#include "model/DaughterCatalogue.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

using platform::Component;
using platform::FromQt;
using platform::ToQt;
using C = TConfigDunmir::BOARD_CONFIG;

TFormDunmir::TFormDunmir(QWidget* owner) : QWidget(owner) {
    platform::BuildForm(this, dunmir::kLayout);
    setWindowFlag(Qt::FramelessWindowHint);
    EditProjectName = Component<QLineEdit>(this, "EditProjectName");
    EditPrefixGpio = Component<QLineEdit>(this, "EditPrefixGpio");
    ComboBoxGpio = Component<QComboBox>(this, "ComboBoxGpio");
    ImageGpio = Component<platform::PictureBox>(this, "ImageGpio");
    CheckBoxOSC = Component<QCheckBox>(this, "CheckBoxOSC");
    CheckBoxLED = Component<QCheckBox>(this, "CheckBoxLED");
    CheckBoxButton = Component<QCheckBox>(this, "CheckBoxButton");
    CheckBoxSwitch = Component<QCheckBox>(this, "CheckBoxSwitch");
    CheckBoxAccelerometer = Component<QCheckBox>(this, "CheckBoxAccelerometer");
    CheckBoxSDRAM = Component<QCheckBox>(this, "CheckBoxSDRAM");
    CheckBoxVGA = Component<QCheckBox>(this, "CheckBoxVGA");
    CheckBoxSeg7 = Component<QCheckBox>(this, "CheckBoxSeg7");
    CheckBoxArduino = Component<QCheckBox>(this, "CheckBoxArduino");

    Component<QPushButton>(this, "ButtonMainBoardSelect")->hide();
    if (MainHost != nullptr)
        MainHost->SetHostCaption(windowTitle());
    EditProjectName->setMaxLength(127);

    for (QCheckBox* box : {CheckBoxOSC, CheckBoxLED, CheckBoxButton, CheckBoxSwitch, CheckBoxAccelerometer,
                           CheckBoxSDRAM, CheckBoxVGA, CheckBoxSeg7, CheckBoxArduino})
        connect(box, &QCheckBox::clicked, this, [this] { CheckBoxClick(); });
    connect(ComboBoxGpio, &QComboBox::activated, this, [this] { ComboBoxGpioChange(); });
    connect(Component<QPushButton>(this, "ButtonGen"), &QPushButton::clicked, this,
            [this] { ButtonGenClick(); });
    connect(Component<QPushButton>(this, "ButtonSave"), &QPushButton::clicked, this,
            [this] { ButtonSaveClick(); });
    connect(Component<QPushButton>(this, "ButtonLoad"), &QPushButton::clicked, this,
            [this] { ButtonLoadClick(); });
    connect(Component<QPushButton>(this, "ButtonExit"), &QPushButton::clicked, this,
            [this] { ButtonExitClick(); });

    FillComboBoxes();
    m_Config.LastFolder = platform::Current().ProgramFolder();
    if (!m_Config.LoadDefaultConfig())
        SetDefaultConfig(m_Config.Config);
    ConfigToUi(m_Config.Config);
    SyncGpioCombos();
}

void TFormDunmir::FillComboBoxes() {
    m_Config.BuildDaughterList(CONNECTOR_GPIO40, false, VOLTAGE_2V5);
    ComboBoxGpio->clear();
    for (int i = 0; i < m_Config.DaughterCount; ++i)
        ComboBoxGpio->addItem(
            ToQt(BoardName(static_cast<int8_t>(m_Config.DaughterIds[static_cast<std::size_t>(i)]))));
    ComboBoxGpio->setCurrentIndex(0);
    ComboBoxGpio->setMaxVisibleItems(m_Config.DaughterCount);
}

void TFormDunmir::SetDefaultConfig(C& config) {
    config.Clear();
    config.SetBoardId(MAINBOARD_DUNMIR);
    config.SetSize(static_cast<int32_t>(C::kSize));
    config.SetProjectName("DUNMIR");
    for (std::size_t flag : {C::bOSC, C::bLED, C::bButton, C::bSwitch, C::bAccelerometer, C::bSDRAM, C::bVGA,
                             C::bSeg7, C::bArduino})
        config.SetU8(flag, 1);
}

bool TFormDunmir::UiToConfig(C& config) {
    config.SetBoardId(MAINBOARD_DUNMIR);
    config.SetSize(static_cast<int32_t>(C::kSize));
    config.SetProjectName(FromQt(EditProjectName->text()));
    for (const FlagBox& f : Flags())
        config.SetU8(f.offset, f.box->isChecked() ? 1 : 0);
    config.SetU8(C::nGpioDaughterId, SelectedDaughterId());
    config.SetText(C::szGpioPrefixName, C::szGpioPrefixNameBytes, FromQt(EditPrefixGpio->text()));
    return true;
}

void TFormDunmir::ConfigToUi(const C& config) {
    EditProjectName->setText(ToQt(config.GetProjectName()));
    for (const FlagBox& f : Flags())
        f.box->setChecked(config.U8(f.offset) != 0);
    const uint8_t id = config.U8(C::nGpioDaughterId);
    for (int i = 0; i < m_Config.DaughterCount; ++i)
        if (m_Config.DaughterIds[static_cast<std::size_t>(i)] == id) {
            ComboBoxGpio->setCurrentIndex(i);
            break;
        }
    if (ComboBoxGpio->currentIndex() != 0)
        EditPrefixGpio->setText(ToQt(config.Text(C::szGpioPrefixName, C::szGpioPrefixNameBytes)));
    else
        EditPrefixGpio->clear();
    UpdateDaughterImages();
    UpdateShapes();
}

std::array<TFormDunmir::FlagBox, 9> TFormDunmir::Flags() const {
    return {{{C::bOSC, CheckBoxOSC},
             {C::bVGA, CheckBoxVGA},
             {C::bLED, CheckBoxLED},
             {C::bSeg7, CheckBoxSeg7},
             {C::bButton, CheckBoxButton},
             {C::bSwitch, CheckBoxSwitch},
             {C::bSDRAM, CheckBoxSDRAM},
             {C::bAccelerometer, CheckBoxAccelerometer},
             {C::bArduino, CheckBoxArduino}}};
}

uint8_t TFormDunmir::SelectedDaughterId() const {
    int index = ComboBoxGpio->currentIndex();
    return index < 0 ? 0 : m_Config.DaughterIds[static_cast<std::size_t>(index)];
}

void TFormDunmir::SetShapeVisible(const char* name, bool visible) {
    Component<platform::OutlineShape>(this, name)->setVisible(visible);
}

void TFormDunmir::UpdateShapes() {
    SetShapeVisible("ShapeOSC", CheckBoxOSC->isChecked());
    SetShapeVisible("ShapeVGA", CheckBoxVGA->isChecked());
    SetShapeVisible("ShapeLED", CheckBoxLED->isChecked());
    SetShapeVisible("ShapeSeg7", CheckBoxSeg7->isChecked());
    SetShapeVisible("ShapeButton", CheckBoxButton->isChecked());
    SetShapeVisible("ShapeSwitch", CheckBoxSwitch->isChecked());
    SetShapeVisible("ShapeSDRAM", CheckBoxSDRAM->isChecked());
    SetShapeVisible("ShapeAccelerometer", CheckBoxAccelerometer->isChecked());
    SetShapeVisible("ShapeArduino_0", CheckBoxArduino->isChecked());
    SetShapeVisible("ShapeArduino_1", CheckBoxArduino->isChecked());
    SetShapeVisible("ShapeGpio", ComboBoxGpio->currentIndex() > 0);
}

void TFormDunmir::UpdateDaughterImages() {
    if (MainHost != nullptr)
        MainHost->ShowDaughterImage(ImageGpio, SelectedDaughterId());
    else
        ImageGpio->hide();
}

bool TFormDunmir::ValidateUi() {
    std::string message = CheckProjectName(FromQt(EditProjectName->text()));
    if (message.empty())
        message = CheckPrefixName(FromQt(EditPrefixGpio->text()));
    if (message.empty()) {
        uint8_t ids[] = {SelectedDaughterId()};
        std::string prefixes[] = {FromQt(EditPrefixGpio->text())};
        CheckGpioPrefix(1, ids, prefixes, message);
    }
    if (message.empty())
        return true;
    platform::ShowMessage(message, "Error", platform::Icon::Error);
    return false;
}

bool TFormDunmir::GenerateProject(const std::string& qpfPath) {
    UiToConfig(m_Config.Config);
    TMainBoard board;
    ConfigDunmirPins(&board, &m_Config);
    const uint8_t id = m_Config.Config.U8(C::nGpioDaughterId);
    const std::string prefix = m_Config.Config.Text(C::szGpioPrefixName, C::szGpioPrefixNameBytes);
    // The header's pins fix "3.3-V LVTTL"; the card brings names and directions.
    if (id > 0 && !board.AttachGpioDaughter(MASTER_GPIO_0, id, prefix.c_str(), nullptr, IOSTD_2V5))
        return false;
    TPinwright writer;
    return writer.Generate(&board, qpfPath);
}

void TFormDunmir::ButtonGenClick() {
    if (!ValidateUi())
        return;
    if (platform::Current().IsCtrlHeld()) {
        BatchGenerate();
        return;
    }
    std::string path = TConfigBoard::ChooseProjectFile("DUNMIR", FromQt(EditProjectName->text()));
    if (path.empty())
        return;
    if (GenerateProject(path))
        platform::ShowMessage(
            platform::Format("Generate Quartus Project successfully.\r\nThe project is located in "
                             "the folder:\r\n%s",
                             platform::ExtractFilePath(path).c_str()),
            "Information", platform::Icon::Information);
    else
        platform::ShowMessage(platform::Format("Failed to generate Quartus project: %s.",
                                               platform::ExtractFileName(path).c_str()),
                              "Error", platform::Icon::Error);
}

void TFormDunmir::BatchGenerate() {
    const QString projectName = EditProjectName->text();
    std::string path = TConfigBoard::ChooseProjectFile("DUNMIR", FromQt(projectName));
    if (path.empty())
        return;
    const std::string folder = platform::ExtractFilePath(path);
    const QString prefix = EditPrefixGpio->text();
    const int selected = ComboBoxGpio->currentIndex();
    bool ok = true;
    for (int i = 1; i < ComboBoxGpio->count() && ok; ++i) {
        ComboBoxGpio->setCurrentIndex(i); // fires no handler: pictures and outlines stay
        EditPrefixGpio->setText(QStringLiteral("GPIO"));
        const std::string name = BatchProjectName(m_Config.DaughterIds[static_cast<std::size_t>(i)]);
        EditProjectName->setText(ToQt(name));
        const std::string projectFolder = folder + name;
        std::error_code ec;
        std::filesystem::create_directories(projectFolder, ec);
        ok = GenerateProject(projectFolder + "/" + name + ".qpf");
    }
    ComboBoxGpio->setCurrentIndex(selected);
    EditProjectName->setText(projectName);
    EditPrefixGpio->setText(prefix);
}

void TFormDunmir::ButtonSaveClick() {
    if (!ValidateUi())
        return;
    UiToConfig(m_Config.Config);
    m_Config.SaveConfigAs(FromQt(EditProjectName->text()));
}

void TFormDunmir::ButtonLoadClick() {
    if (m_Config.LoadConfigFrom())
        ConfigToUi(m_Config.Config);
}

void TFormDunmir::CheckBoxClick() {
    UpdateShapes();
}

void TFormDunmir::ComboBoxGpioChange() {
    SyncGpioCombos();
    UpdateDaughterImages();
    UpdateShapes();
}

void TFormDunmir::FormClose() {
    UiToConfig(m_Config.Config);
    m_Config.SaveDefaultConfig();
}

void TFormDunmir::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFormDunmir::ButtonExitClick() {
    close();
    if (MainHost != nullptr)
        MainHost->CloseHost();
}
