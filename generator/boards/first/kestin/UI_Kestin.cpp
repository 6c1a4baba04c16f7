#include "UI_Kestin.h"

#include "KestinRules.h"
#include "UI_KestinLayout.h"

#include <QComboBox>

TFormKestin::TFormKestin(QWidget* owner) : BoardForm(owner, KestinLogic(), kestin::kLayout) {
    Start();
}

TFormKestin::~TFormKestin() {
    SaveInDestructor();
}

void TFormKestin::UpdateExtras() {
    // The card on Kappel 2/3 spans both connectors: both outlines and the line joining them.
    const bool used = Combo(kestin::KAPPEL_23)->currentIndex() > 0;
    for (const char* shape : {"ShapeKappel2", "ShapeKappel3", "ShapeKappel23"})
        SetShapeVisible(shape, used);
}
