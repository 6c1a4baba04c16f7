#include "UI_Tavrin.h"

#include "TAVRIN_CONFIG.h"
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

// The digits the GPIO card leaves: the outline and the box's caption.
void TFormTavrin::DrawOutlines(const kit::FormView& view) {
    const uint8_t card = Logic().CardId(view.record, TAVRIN_GPIO);
    const bool four = IsSeg7FourDigits(card);
    const bool ticked = view.record.U8(TAVRIN_CONFIG::bSeg7) != 0;
    SetShapeVisible("ShapeSeg7", four && ticked);
    SetShapeVisible("ShapeSeg7_x2", !four && ticked);
    SetShapeVisible("ShapeArduino_0", false);
    SetShapeVisible("ShapeArduino_1", false);
    platform::Component<QCheckBox>(this, "CheckBoxSeg7")->setText(platform::ToQt(Seg7Caption(card)));
}

void TFormTavrin::DrawPictures(const kit::FormView& view) {
    platform::Component<platform::PictureBox>(this, "ImageHex")
        ->SetImage(platform::LoadBitmapResource(Seg7Picture(Logic().CardId(view.record, TAVRIN_GPIO))));
}
