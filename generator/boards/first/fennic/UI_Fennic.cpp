#include "UI_Fennic.h"

#include "FENNIC_CONFIG.h"
#include "FennicRules.h"
#include "UI_FennicLayout.h"
#include "model/DaughterId.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"

#include <QComboBox>
#include <QLabel>

using platform::Component;
using C = FENNIC_CONFIG;

TFormFennic::TFormFennic(QWidget* owner) : BoardForm(owner, FennicLogic(), fennic::kLayout) {
    // GPIO-1 takes the Kappel-A row's places, hidden until the headers are used.
    Widget("EditGPIO_1")->move(Widget("EditKappel_A")->pos());
    Widget("ComboBoxGPIO_1")->move(Widget("ComboBoxKappel_A")->pos());
    Widget("EditGPIO_1")->hide();
    Widget("ComboBoxGPIO_1")->hide();
    Start();
}

TFormFennic::~TFormFennic() {
    SaveInDestructor();
}

void TFormFennic::FillChoiceLists() {
    FillList("ComboBoxBoard", fennic::kBoardTypes);
}

void TFormFennic::ShowGpioRows(bool shown, const char* caption) {
    Component<QLabel>(this, "LabelKappel_A")->setText(QString::fromLatin1(caption));
    for (const char* name :
         {"LabelGPIO", "ComboBoxGPIO_0", "LabelPreGPIO_0", "EditGPIO_0", "ComboBoxGPIO_1", "EditGPIO_1"})
        Widget(name)->setVisible(shown);
    for (const char* name : {"ComboBoxKappel_A", "EditKappel_A"})
        Widget(name)->setVisible(!shown);
}

// A record shown names the row "GPIO-1 Header"; a click on the box names it "GPIO-1".
void TFormFennic::DrawChoices(const kit::FormView& view) {
    const bool gpio = view.record.U8(C::bGpio) != 0;
    ShowGpioRows(gpio, gpio ? "GPIO-1 Header" : "Kappel-A");
}

void TFormFennic::BoxDrawn(int flag) {
    if (Logic().Spec().flags[static_cast<std::size_t>(flag)].offset != C::bGpio)
        return;
    const bool gpio = View().record.U8(C::bGpio) != 0;
    ShowGpioRows(gpio, gpio ? "GPIO-1" : "Kappel-A");
}

void TFormFennic::DrawPictures(const kit::FormView& view) {
    const bool gpio = view.record.U8(C::bGpio) != 0;
    ShowCardPicture(Component<platform::PictureBox>(this, "ImageKappel_A"),
                    Logic().CardId(view.record, gpio ? fennic::GPIO_1 : fennic::KAPPEL_A));
    if (view.record.U8(C::bDDR2) != 0)
        ShowCardPicture(Component<platform::PictureBox>(this, "ImageKappel_B"), DAUGHTER_DDR2_SODIMM);
}

void TFormFennic::DrawOutlines(const kit::FormView& view) {
    const bool gpio = view.record.U8(C::bGpio) != 0;
    auto chosen = [&](int connector) { return Logic().CardId(view.record, connector) != 0; };
    SetShapeVisible("ShapeGPIO_0", gpio && chosen(fennic::GPIO_0));
    SetShapeVisible("ShapeGPIO_1", gpio && chosen(fennic::GPIO_1));
    SetShapeVisible("ShapeKappel_A", !gpio && chosen(fennic::KAPPEL_A));
    SetShapeVisible("ShapeKappel_B", view.record.U8(C::bDDR2) == 0 && chosen(fennic::KAPPEL_B));
}
