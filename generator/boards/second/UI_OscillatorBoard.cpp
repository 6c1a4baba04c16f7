#include "UI_OscillatorBoard.h"

#include "ProgrammableOscillators.h"

#include <QComboBox>

void OscillatorBoardForm::FillChoiceLists() {
    const std::vector<std::string> si570 = Si570Items();
    FillList("ComboBoxSi570", si570)->setMaxVisibleItems(static_cast<int>(si570.size()));
    const std::vector<std::string> cdcm = Cdcm61004Items();
    FillList("ComboBoxCdcm61004", cdcm)->setMaxVisibleItems(static_cast<int>(cdcm.size()));
}
