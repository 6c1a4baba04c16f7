#pragma once
// The form of the Dunmir board: peripherals, the card on the 2x20 GPIO header,
// project name and prefix, Save/Load/Generate/Exit.

#include "settings/ConfigDunmir.h"

#include <QWidget>
#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QCloseEvent;
namespace platform {
class PictureBox;
}

class TFormDunmir : public QWidget {
public:
    explicit TFormDunmir(QWidget* owner);

    void SetDefaultConfig(TConfigDunmir::BOARD_CONFIG& config);
    void FillComboBoxes();
    void ConfigToUi(const TConfigDunmir::BOARD_CONFIG& config);
    bool UiToConfig(TConfigDunmir::BOARD_CONFIG& config);
    void UpdateShapes();
    void UpdateDaughterImages();
    void SyncGpioCombos() {} // a card spanning two headers has no other header here
    bool ValidateUi();
    bool GenerateProject(const std::string& qpfPath);
    void BatchGenerate();

    // Handlers.
    void FormClose();
    void ButtonExitClick();
    void CheckBoxClick();
    void ComboBoxGpioChange();
    void ButtonGenClick();
    void ButtonSaveClick();
    void ButtonLoadClick();

    TConfigDunmir& Settings() { return m_Config; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Each peripheral check box with its flag in the record.
    struct FlagBox {
        std::size_t offset;
        QCheckBox* box;
    };
    std::array<FlagBox, 9> Flags() const;
    uint8_t SelectedDaughterId() const;
    void SetShapeVisible(const char* name, bool visible);

    TConfigDunmir m_Config;
    QLineEdit* EditProjectName;
    QLineEdit* EditPrefixGpio;
    QComboBox* ComboBoxGpio;
    platform::PictureBox* ImageGpio;
    QCheckBox* CheckBoxOSC;
    QCheckBox* CheckBoxLED;
    QCheckBox* CheckBoxButton;
    QCheckBox* CheckBoxSwitch;
    QCheckBox* CheckBoxAccelerometer;
    QCheckBox* CheckBoxSDRAM;
    QCheckBox* CheckBoxVGA;
    QCheckBox* CheckBoxSeg7;
    QCheckBox* CheckBoxArduino;
};
