#include "UI_Kestin.h"

#include "KestinRules.h"
#include "UI_KestinLayout.h"

TFormKestin::TFormKestin(QWidget* owner) : BoardForm(owner, KestinLogic(), kestin::kLayout) {
    Start();
}

TFormKestin::~TFormKestin() {
    SaveInDestructor();
}

void TFormKestin::DrawOutlines(const kit::FormView& view) {
    // The card on Kappel 2/3 spans both connectors: both outlines and the line joining them.
    const bool used = Logic().CardId(view.record, kestin::KAPPEL_23) != 0;
    for (const char* shape : {"ShapeKappel2", "ShapeKappel3", "ShapeKappel23"})
        SetShapeVisible(shape, used);
}
