#include "UI_Forvik.h"

#include "ConfigForvik.h"
#include "ForvikRules.h"
#include "UI_ForvikLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

using C = TConfigForvik::FORVIK_CONFIG;

TFormForvik::TFormForvik(QWidget* owner) : BoardForm(owner, ForvikLogic(), forvik::kLayout) {
    m_ComboBoxHsmcVol = platform::Component<QComboBox>(this, "ComboBoxHsmcVol");
    connect(m_ComboBoxHsmcVol, &QComboBox::activated, this, [this] { ComboBoxHsmcVolChange(); });
    Start();
}

void TFormForvik::FillChoiceLists() {
    m_ComboBoxHsmcVol->clear();
    for (const char* item : kForvikVoltages)
        m_ComboBoxHsmcVol->addItem(QString::fromLatin1(item));
    m_ComboBoxHsmcVol->setCurrentIndex(kForvikDefaultVoltage);
    ApplyVoltageChange();
}

void TFormForvik::ApplyVoltageChange() {
    FillCardCombo(FORVIK_HSMC, ForvikHsmcList(m_ComboBoxHsmcVol->currentIndex()));
}

void TFormForvik::ComboBoxHsmcVolChange() {
    ApplyVoltageChange();
    UpdateShapes(); // the card picture keeps the previous card until the next card change
}

void TFormForvik::ChoicesToUi(const SettingsRecord& record) {
    m_ComboBoxHsmcVol->setCurrentIndex(record.I32(C::nHsmcVoltage));
    ApplyVoltageChange();
}

void TFormForvik::UiToChoices(SettingsRecord& record) {
    record.SetI32(C::nHsmcVoltage, m_ComboBoxHsmcVol->currentIndex());
}

void TFormForvik::UpdateExtras() {
    for (int32_t v = 0; v < 4; ++v)
        SetShapeVisible(ForvikVoltageMark(v), false);
    SetShapeVisible(ForvikVoltageMark(m_ComboBoxHsmcVol->currentIndex()), true);
}
