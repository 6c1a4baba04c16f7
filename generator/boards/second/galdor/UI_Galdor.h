#pragma once
// The form of board 7, Galdor: two FPGA nodes, each with its own project, peripherals,
// four HSMC ports and DDR2 socket. The form shows one node at a time; Generate builds
// the project of the node shown. Its settings are saved when the form is destroyed.

#include "boards/kit/BoardForm.h"

class TFormGaldor : public BoardForm {
public:
    explicit TFormGaldor(QWidget* owner);
    ~TFormGaldor() override;

    void ComboBoxFPGAChange();

protected:
    void FillChoiceLists() override;
    void UiToChoices(SettingsRecord& record) override;

private:
    QComboBox* m_ComboBoxBoard;
    QComboBox* m_ComboBoxFPGA;
    int m_Node = 0; // the node whose block the controls show
};
