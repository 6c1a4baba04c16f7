#include "UI_Pallex.h"

#include "PallexRules.h"
#include "UI_PallexLayout.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"

#include <QComboBox>

using C = PALLEX_CONFIG;

namespace {

void Fill(QComboBox* combo, const std::vector<std::string>& items, int visible) {
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(platform::ToQt(item));
    combo->setCurrentIndex(0);
    combo->setMaxVisibleItems(visible);
}

} // namespace

TFormPallex::TFormPallex(QWidget* owner) : BoardForm(owner, PallexLogic(), pallex::kLayout) {
    m_ComboBoxSi570 = platform::Component<QComboBox>(this, "ComboBoxSi570");
    m_ComboBoxCdcm61001 = platform::Component<QComboBox>(this, "ComboBoxCdcm61001");
    m_ComboBoxCdcm61004 = platform::Component<QComboBox>(this, "ComboBoxCdcm61004");
    connect(m_ComboBoxSi570, &QComboBox::activated, this, [this] { ComboBoxSi570Change(); });
    connect(m_ComboBoxCdcm61001, &QComboBox::activated, this, [this] { ComboBoxCdcm61001Change(); });
    connect(m_ComboBoxCdcm61004, &QComboBox::activated, this, [this] { ComboBoxCdcm61004Change(); });
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"})
        Widget(box)->setToolTip(QStringLiteral("Up to 4GB, 800 data rate"));
    Start();
}

void TFormPallex::FillChoiceLists() {
    Fill(m_ComboBoxSi570, PallexSi570Items(), 8);
    const std::vector<std::string> cdcm = PallexCdcmItems();
    Fill(m_ComboBoxCdcm61001, cdcm, 12);
    Fill(m_ComboBoxCdcm61004, cdcm, 12);
}

void TFormPallex::ChoicesToUi(const SettingsRecord& record) {
    m_Si570Index = record.I32(C::nSi570Freq);
    m_Cdcm61001Index = record.I32(C::nCdcm61001Freq);
    m_Cdcm61004Index = record.I32(C::nCdcm61004Freq);
    m_ComboBoxSi570->setCurrentIndex(m_Si570Index);
    m_ComboBoxCdcm61004->setCurrentIndex(m_Cdcm61004Index);
    m_ComboBoxCdcm61001->setCurrentIndex(m_Cdcm61001Index);
}

void TFormPallex::UiToChoices(SettingsRecord& record) {
    // A forced list stores the index it shows.
    record.SetI32(C::nSi570Freq, m_ComboBoxSi570->currentIndex());
    record.SetI32(C::nCdcm61004Freq, m_ComboBoxCdcm61004->currentIndex());
    record.SetI32(C::nCdcm61001Freq, m_ComboBoxCdcm61001->currentIndex());
}

void TFormPallex::UpdateExtras() {
    // "Not Use" on a CDCM list is index 1 and still shows its chip.
    SetShapeVisible("ShapeSi570", m_ComboBoxSi570->currentIndex() != 0);
    SetShapeVisible("ShapeCdcm61001", m_ComboBoxCdcm61001->currentIndex() != 0);
    SetShapeVisible("ShapeCdcm61004", m_ComboBoxCdcm61004->currentIndex() != 0);
    UpdateOscillatorEnable();
}

void TFormPallex::UpdateOscillatorEnable() {
    SettingsRecord shown = Record();
    UiToConfig(shown);
    // Setting an index from code runs no handler: the remembered choices stay.
    const bool sfp = PallexAnySfp(shown);
    m_ComboBoxSi570->setEnabled(sfp);
    m_ComboBoxSi570->setCurrentIndex(sfp ? m_Si570Index : kPallexSi570NotUsed);
    m_ComboBoxCdcm61001->setEnabled(sfp);
    m_ComboBoxCdcm61001->setCurrentIndex(sfp ? m_Cdcm61001Index : kPallexCdcmNotUsed);
    const bool sata = PallexAnySata(shown);
    m_ComboBoxCdcm61004->setEnabled(sata);
    m_ComboBoxCdcm61004->setCurrentIndex(sata ? m_Cdcm61004Index : kPallexCdcmNotUsed);
}

void TFormPallex::ComboBoxSi570Change() {
    m_Si570Index = m_ComboBoxSi570->currentIndex();
}

void TFormPallex::ComboBoxCdcm61001Change() {
    m_Cdcm61001Index = m_ComboBoxCdcm61001->currentIndex();
}

void TFormPallex::ComboBoxCdcm61004Change() {
    m_Cdcm61004Index = m_ComboBoxCdcm61004->currentIndex();
}
