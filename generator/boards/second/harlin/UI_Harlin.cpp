#include "UI_Harlin.h"

#include "HarlinRules.h"
#include "UI_HarlinLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

using C = HARLIN_CONFIG;

TFormHarlin::TFormHarlin(QWidget* owner) : BoardForm(owner, HarlinLogic(), harlin::kLayout) {
    m_ComboBoxBoard = platform::Component<QComboBox>(this, "ComboBoxBoard");
    m_CheckBoxExtPLL = platform::Component<QCheckBox>(this, "CheckBoxExtPLL");
    m_ComboBoxPLL = {platform::Component<QComboBox>(this, "ComboBoxPLL_HSMA"),
                     platform::Component<QComboBox>(this, "ComboBoxPLL_HSMB"),
                     platform::Component<QComboBox>(this, "ComboBoxPLL_SATA")};
    platform::Component<QCheckBox>(this, "CheckBoxUsbOTG")->setToolTip(QStringLiteral("High-Speed USB FIFO"));
    platform::Component<QPushButton>(this, "ButtonExit")->setDefault(true);
    connect(m_ComboBoxBoard, &QComboBox::activated, this, [this] { ComboBoxBoardChange(); });
    Start();
}

TFormHarlin::~TFormHarlin() {
    SaveInDestructor();
}

void TFormHarlin::FillChoiceLists() {
    m_ComboBoxBoard->clear();
    for (const char* item : kHarlinVariants)
        m_ComboBoxBoard->addItem(QString::fromLatin1(item));
    m_ComboBoxBoard->setCurrentIndex(0);
    for (QComboBox* combo : m_ComboBoxPLL) {
        combo->clear();
        for (const char* item : kHarlinPllFrequencies)
            combo->addItem(QString::fromLatin1(item));
        combo->setCurrentIndex(0);
        combo->setMaxVisibleItems(static_cast<int>(std::size(kHarlinPllFrequencies)));
    }
}

// The variant is stored and every control shown again from the record.
void TFormHarlin::ComboBoxBoardChange() {
    UiToConfig(Record());
    ConfigToUi(Record());
}

// The PLL outputs are chosen only while the PLL is used; they show what the record holds.
void TFormHarlin::UpdatePllEnable() {
    const bool used = m_CheckBoxExtPLL->isChecked();
    for (int i = 0; i < kHarlinPllOutputs; ++i) {
        QComboBox* combo = m_ComboBoxPLL[static_cast<std::size_t>(i)];
        combo->setCurrentIndex(used ? Record().U8(C::PllFreq(i)) : 0);
        combo->setEnabled(used);
    }
}

void TFormHarlin::ChoicesToUi(const SettingsRecord& record) {
    m_ComboBoxBoard->setCurrentIndex(record.U8(C::nBoardType));
    UpdatePllEnable();
}

void TFormHarlin::UiToChoices(SettingsRecord& record) {
    record.SetU8(C::nBoardType, static_cast<uint8_t>(m_ComboBoxBoard->currentIndex()));
    for (int i = 0; i < kHarlinPllOutputs; ++i)
        record.SetU8(C::PllFreq(i),
                     static_cast<uint8_t>(m_ComboBoxPLL[static_cast<std::size_t>(i)]->currentIndex()));
}

void TFormHarlin::BoxClicked() {
    UpdatePllEnable();
}
