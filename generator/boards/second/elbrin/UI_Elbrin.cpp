#include "UI_Elbrin.h"

#include "ELBRIN_CONFIG.h"
#include "ElbrinRules.h"
#include "UI_ElbrinLayout.h"
#include "model/DaughterCatalogue.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

using C = ELBRIN_CONFIG;

TFormElbrin::TFormElbrin(QWidget* owner) : BoardForm(owner, ElbrinLogic(), elbrin::kLayout) {
    m_ComboBoxGpioVol = platform::Component<QComboBox>(this, "ComboBoxGpioVol");
    m_ComboBoxHsmcVol = platform::Component<QComboBox>(this, "ComboBoxHsmcVol");
    connect(m_ComboBoxGpioVol, &QComboBox::activated, this, [this] { ComboBoxVolChange(); });
    connect(m_ComboBoxHsmcVol, &QComboBox::activated, this, [this] { ComboBoxVolChange(); });
    Start();
}

void TFormElbrin::FillChoiceLists() {
    m_ComboBoxHsmcVol->clear();
    for (const char* item : kElbrinHsmcVoltages)
        m_ComboBoxHsmcVol->addItem(QString::fromLatin1(item));
    m_ComboBoxHsmcVol->setCurrentIndex(kElbrinDefaultHsmcVoltage);
    m_ComboBoxGpioVol->clear();
    for (const char* item : kElbrinGpioVoltages)
        m_ComboBoxGpioVol->addItem(QString::fromLatin1(item));
    m_ComboBoxGpioVol->setCurrentIndex(kElbrinDefaultGpioVoltage);
    ApplyVoltageChange();
}

void TFormElbrin::ApplyVoltageChange() {
    QComboBox* gpio = Combo(ELBRIN_GPIO);
    if (m_ComboBoxGpioVol->currentIndex() == 0) {
        gpio->setEnabled(true);
        gpio->setCurrentIndex(m_GpioIndex);
    } else {
        gpio->setEnabled(false);
        gpio->setCurrentIndex(0);
    }
    // Either voltage clears the HSMC choice.
    FillCardCombo(ELBRIN_HSMC, ElbrinHsmcList(m_ComboBoxHsmcVol->currentIndex()));
}

void TFormElbrin::RememberDaughterIndexes() {
    const FormSettings& list = Holder(ShownList(ELBRIN_GPIO));
    const uint8_t id = Record().U8(C::nGpioDaughterId);
    for (int k = 0; k < list.DaughterCount; ++k)
        if (list.DaughterIds[static_cast<std::size_t>(k)] == id) {
            m_GpioIndex = k;
            return;
        }
}

void TFormElbrin::ComboBoxVolChange() {
    ApplyVoltageChange();
    UpdateShapes(); // the card pictures keep the previous cards until the next card change
}

void TFormElbrin::ChoicesToUi(const SettingsRecord& record) {
    m_ComboBoxGpioVol->setCurrentIndex(record.I32(C::nGpioVoltage));
    m_ComboBoxHsmcVol->setCurrentIndex(record.I32(C::nHSMCVoltage));
    FillCardCombo(ELBRIN_HSMC, ElbrinHsmcList(record.I32(C::nHSMCVoltage)));
}

void TFormElbrin::UiToChoices(SettingsRecord& record) {
    record.SetI32(C::nGpioVoltage, m_ComboBoxGpioVol->currentIndex());
    if (m_ComboBoxGpioVol->currentIndex() != 0)
        record.SetU8(C::nGpioDaughterId, 0);
    record.SetI32(C::nHSMCVoltage, m_ComboBoxHsmcVol->currentIndex());
}

void TFormElbrin::UpdateExtras() {
    for (int32_t v = 0; v < 4; ++v) {
        SetShapeVisible(ElbrinHsmcVoltageMark(v), false);
        SetShapeVisible(ElbrinGpioVoltageMark(v), false);
    }
    SetShapeVisible(ElbrinHsmcVoltageMark(m_ComboBoxHsmcVol->currentIndex()), true);
    SetShapeVisible(ElbrinGpioVoltageMark(m_ComboBoxGpioVol->currentIndex()), true);
}

// At start and after a load: the GPIO choice remembered, the voltages applied, and the
// record shown again, which puts back the HSMC choice the voltages cleared.
void TFormElbrin::TrailingSteps() {
    RememberDaughterIndexes();
    ApplyVoltageChange();
    ConfigToUi(Record());
}

void TFormElbrin::CardChanged(int connector) {
    if (connector == ELBRIN_GPIO)
        m_GpioIndex = Combo(ELBRIN_GPIO)->currentIndex();
}
