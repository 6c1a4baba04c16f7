#include "UI_Fennic.h"

#include "FennicRules.h"
#include "UI_FennicLayout.h"

TFormFennic::TFormFennic(QWidget* owner) : BoardForm(owner, FennicLogic(), fennic::kLayout) {
    // GPIO-1 takes the Kappel-A row's places, hidden until the headers are used.
    Widget("EditGPIO_1")->move(Widget("EditKappel_A")->pos());
    Widget("ComboBoxGPIO_1")->move(Widget("ComboBoxKappel_A")->pos());
    Widget("EditGPIO_1")->hide();
    Widget("ComboBoxGPIO_1")->hide();
    Start();
}

void TFormFennic::FillChoiceLists() {
    FillList("ComboBoxBoard", fennic::kBoardTypes);
}
