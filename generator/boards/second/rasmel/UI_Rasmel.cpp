#include "UI_Rasmel.h"

#include "RasmelRules.h"
#include "UI_RasmelLayout.h"

TFormRasmel::TFormRasmel(QWidget* owner) : OscillatorBoardForm(owner, RasmelLogic(), rasmel::kLayout) {
    Start();
}
