#include "UI_Galdor.h"

#include "GALDOR_CONFIG.h"
#include "GaldorRules.h"
#include "UI_GaldorLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>

using C = GALDOR_CONFIG;

TFormGaldor::TFormGaldor(QWidget* owner) : BoardForm(owner, GaldorNodeLogic(0), galdor::kLayout) {
    m_ComboBoxBoard = platform::Component<QComboBox>(this, "ComboBoxBoard");
    m_ComboBoxFPGA = platform::Component<QComboBox>(this, "ComboBoxFPGA");
    connect(m_ComboBoxFPGA, &QComboBox::activated, this, [this] { ComboBoxFPGAChange(); });
    for (const GaldorHint& hint : kGaldorHints)
        platform::Component<QCheckBox>(this, hint.box)->setToolTip(QString::fromLatin1(hint.text));
    Start();
}

TFormGaldor::~TFormGaldor() {
    SaveInDestructor();
}

void TFormGaldor::FillChoiceLists() {
    m_ComboBoxBoard->clear();
    for (const char* item : kGaldorBoardTypes)
        m_ComboBoxBoard->addItem(QString::fromLatin1(item));
    m_ComboBoxBoard->setCurrentIndex(0);
    m_ComboBoxFPGA->clear();
    for (const char* item : kGaldorNodes)
        m_ComboBoxFPGA->addItem(QString::fromLatin1(item));
    m_ComboBoxFPGA->setCurrentIndex(0);
}

void TFormGaldor::UiToChoices(SettingsRecord& record) {
    record.SetU8(C::nBoardType, static_cast<uint8_t>(m_ComboBoxBoard->currentIndex()));
}

// Re-picking the node shown changes nothing; another node keeps the shown one's controls
// in its block first.
void TFormGaldor::ComboBoxFPGAChange() {
    const int node = m_ComboBoxFPGA->currentIndex();
    if (node == m_Node || node < 0)
        return;
    UiToConfig(Record());
    m_Node = node;
    UseLogic(GaldorNodeLogic(node));
    ConfigToUi(Record());
}
