#include "UI_Fennic.h"

#include "FENNIC_CONFIG.h"
#include "FennicRules.h"
#include "UI_FennicLayout.h"
#include "model/DaughterId.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using platform::Component;
using C = FENNIC_CONFIG;

TFormFennic::TFormFennic(QWidget* owner) : BoardForm(owner, FennicLogic(), fennic::kLayout) {
    // GPIO-1 takes the Kappel-A row's places, hidden until the headers are used.
    Widget("EditGPIO_1")->move(Widget("EditKappel_A")->pos());
    Widget("ComboBoxGPIO_1")->move(Widget("ComboBoxKappel_A")->pos());
    Widget("EditGPIO_1")->hide();
    Widget("ComboBoxGPIO_1")->hide();
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, [this, box] { CheckBoxClickSteps(box); });
    Start();
}

TFormFennic::~TFormFennic() {
    SaveInDestructor();
}

bool TFormFennic::GpioTicked() const {
    return Component<QCheckBox>(const_cast<TFormFennic*>(this), "CheckBoxGPIO")->isChecked();
}

bool TFormFennic::Ddr2Ticked() const {
    return Component<QCheckBox>(const_cast<TFormFennic*>(this), "CheckBoxDDR2")->isChecked();
}

void TFormFennic::FillChoiceLists() {
    auto* board = Component<QComboBox>(this, "ComboBoxBoard");
    board->clear();
    for (const char* item : fennic::kBoardTypes)
        board->addItem(QString::fromLatin1(item));
    board->setCurrentIndex(0);
}

void TFormFennic::ShowGpioRows(bool shown) {
    for (const char* name :
         {"LabelGPIO", "ComboBoxGPIO_0", "LabelPreGPIO_0", "EditGPIO_0", "ComboBoxGPIO_1", "EditGPIO_1"})
        Widget(name)->setVisible(shown);
    for (const char* name : {"ComboBoxKappel_A", "EditKappel_A"})
        Widget(name)->setVisible(!shown);
}

void TFormFennic::FreeKappelB(bool socketUsed) {
    if (socketUsed) {
        Combo(fennic::KAPPEL_B)->setCurrentIndex(0);
        PrefixEdit(fennic::KAPPEL_B)->clear();
    }
    Combo(fennic::KAPPEL_B)->setEnabled(!socketUsed);
}

void TFormFennic::ChoicesToUi(const SettingsRecord& record) {
    Component<QComboBox>(this, "ComboBoxBoard")->setCurrentIndex(record.U8(C::nBoardType));
    const bool gpio = record.U8(C::bGpio) != 0;
    ShowGpioRows(gpio);
    Component<QLabel>(this, "LabelKappel_A")
        ->setText(QString::fromLatin1(gpio ? "GPIO-1 Header" : "Kappel-A"));
    FreeKappelB(record.U8(C::bDDR2) != 0);
}

bool TFormFennic::ShowsStoredCard(int connector, const SettingsRecord& record) const {
    const bool gpio = record.U8(C::bGpio) != 0;
    switch (connector) {
    case fennic::GPIO_0:
    case fennic::GPIO_1:
        return gpio;
    case fennic::KAPPEL_A:
        return !gpio && Listed(connector, record);
    case fennic::KAPPEL_B:
        return record.U8(C::bDDR2) == 0 && Listed(connector, record);
    default:
        return Listed(connector, record);
    }
}

bool TFormFennic::Listed(int connector, const SettingsRecord& record) const {
    // A Kappel card the list does not hold leaves the row as it is, prefix included.
    const FormSettings& holder = Holder(ShownList(connector));
    const uint8_t card = Logic().CardId(record, connector);
    for (int i = 0; i < holder.DaughterCount; ++i)
        if (holder.DaughterIds[static_cast<std::size_t>(i)] == card)
            return true;
    return false;
}

void TFormFennic::UiToChoices(SettingsRecord& record) {
    record.SetU8(C::nBoardType,
                 static_cast<uint8_t>(Component<QComboBox>(this, "ComboBoxBoard")->currentIndex()));
    fennic::DropUnusedConnectors(record);
}

void TFormFennic::UpdateExtraImages() {
    auto* kappelA = Component<platform::PictureBox>(this, "ImageKappel_A");
    ShowCardPicture(kappelA, ChosenCard(GpioTicked() ? fennic::GPIO_1 : fennic::KAPPEL_A));
    if (Ddr2Ticked())
        ShowCardPicture(Component<platform::PictureBox>(this, "ImageKappel_B"), DAUGHTER_DDR2_SODIMM);
}

void TFormFennic::UpdateExtras() {
    const bool gpio = GpioTicked();
    SetShapeVisible("ShapeGPIO_0", gpio && Combo(fennic::GPIO_0)->currentIndex() > 0);
    SetShapeVisible("ShapeGPIO_1", gpio && Combo(fennic::GPIO_1)->currentIndex() > 0);
    SetShapeVisible("ShapeKappel_A", !gpio && Combo(fennic::KAPPEL_A)->currentIndex() > 0);
    SetShapeVisible("ShapeKappel_B", !Ddr2Ticked() && Combo(fennic::KAPPEL_B)->currentIndex() > 0);
}

void TFormFennic::TrailingSteps() {
    // The header coupling runs only while the headers are used.
    if (GpioTicked())
        SyncGpioCombos(fennic::GPIO_0);
    UpdateDaughterImages();
    UpdateShapes();
}

void TFormFennic::CardChanged(int connector) {
    // Every combo box runs the coupling; any sender but GPIO-0 counts as GPIO-1.
    if (connector >= fennic::KAPPEL_A && GpioTicked())
        SyncGpioCombos(fennic::GPIO_1);
}

void TFormFennic::CheckBoxClickSteps(QCheckBox* sender) {
    if (sender->objectName() == QLatin1String("CheckBoxGPIO")) {
        const bool gpio = sender->isChecked();
        Component<QLabel>(this, "LabelKappel_A")->setText(QString::fromLatin1(gpio ? "GPIO-1" : "Kappel-A"));
        ShowGpioRows(gpio);
    } else if (sender->objectName() == QLatin1String("CheckBoxDDR2")) {
        FreeKappelB(sender->isChecked());
    }
    UpdateDaughterImages();
    UpdateShapes();
}
