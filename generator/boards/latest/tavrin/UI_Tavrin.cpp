#include "UI_Tavrin.h"

#include "TavrinRules.h"
#include "UI_TavrinLayout.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"

#include <QCheckBox>

TFormTavrin::TFormTavrin(QWidget* owner) : BoardForm(owner, TavrinLogic(), tavrin::kLayout) {
    Start();
}

void TFormTavrin::UpdateSeg7Caption() {
    platform::Component<QCheckBox>(this, "CheckBoxSeg7")
        ->setText(platform::ToQt(Seg7Caption(ChosenCard(TAVRIN_GPIO))));
}

void TFormTavrin::UpdateExtras() {
    const bool four = IsSeg7FourDigits(ChosenCard(TAVRIN_GPIO));
    const bool ticked = platform::Component<QCheckBox>(this, "CheckBoxSeg7")->isChecked();
    SetShapeVisible("ShapeSeg7", four && ticked);
    SetShapeVisible("ShapeSeg7_x2", !four && ticked);
    SetShapeVisible("ShapeArduino_0", false);
    SetShapeVisible("ShapeArduino_1", false);
    UpdateSeg7Caption();
}

void TFormTavrin::UpdateExtraImages() {
    platform::Component<platform::PictureBox>(this, "ImageHex")
        ->SetImage(platform::LoadBitmapResource(Seg7Picture(ChosenCard(TAVRIN_GPIO))));
}
