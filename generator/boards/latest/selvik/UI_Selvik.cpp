#include "UI_Selvik.h"

#include "SELVIK_CONFIG.h"
#include "SelvikRules.h"
#include "UI_SelvikLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

TFormSelvik::TFormSelvik(QWidget* owner) : BoardForm(owner, SelvikLogic(), selvik::kLayout) {
    m_ComboBoxHsmcVol = platform::Component<QComboBox>(this, "ComboBoxHsmcVol");
    connect(m_ComboBoxHsmcVol, &QComboBox::activated, this, [this] { ComboBoxHsmcVolChange(); });
    Start();
}

void TFormSelvik::FillChoiceLists() {
    m_ComboBoxHsmcVol->clear();
    for (const char* item : kSelvikVoltages)
        m_ComboBoxHsmcVol->addItem(QString::fromLatin1(item));
    m_ComboBoxHsmcVol->setCurrentIndex(kSelvikDefaultVoltage);
    ApplyVoltageChange();
}

void TFormSelvik::ApplyVoltageChange() {
    FillCardCombo(0, SelvikHsmcList(m_ComboBoxHsmcVol->currentIndex()));
}

void TFormSelvik::ComboBoxHsmcVolChange() {
    ApplyVoltageChange();
    UpdateShapes(); // the card picture keeps the previous card until the next card change
}

void TFormSelvik::ChoicesToUi(const SettingsRecord& record) {
    m_ComboBoxHsmcVol->setCurrentIndex(record.I32(SELVIK_CONFIG::nHsmcVoltage));
    ApplyVoltageChange();
}

void TFormSelvik::UiToChoices(SettingsRecord& record) {
    record.SetI32(SELVIK_CONFIG::nHsmcVoltage, m_ComboBoxHsmcVol->currentIndex());
}

void TFormSelvik::UpdateExtras() {
    for (int32_t v = 0; v < 4; ++v)
        SetShapeVisible(SelvikVoltageMark(v), false);
    SetShapeVisible(SelvikVoltageMark(m_ComboBoxHsmcVol->currentIndex()), true);
}
