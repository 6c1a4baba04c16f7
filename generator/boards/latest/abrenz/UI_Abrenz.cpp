#include "UI_Abrenz.h"

#include "AbrenzRules.h"
#include "ConfigAbrenz.h"
#include "UI_AbrenzLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

TFormAbrenz::TFormAbrenz(QWidget* owner)
    : Si5340BoardForm(owner, AbrenzLogic(), abrenz::kLayout, AbrenzClockLists(), &AbrenzSelectAll) {
    m_ComboBoxBoard = platform::Component<QComboBox>(this, "ComboBoxBoard");
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"})
        Widget(box)->setToolTip(QStringLiteral("Up to 4GB, 800 data rate"));
    Start();
}

void TFormAbrenz::FillChoiceLists() {
    m_ComboBoxBoard->clear();
    for (const char* item : kAbrenzVariants)
        m_ComboBoxBoard->addItem(QString::fromLatin1(item));
    m_ComboBoxBoard->setCurrentIndex(0);
    Si5340BoardForm::FillChoiceLists();
}

void TFormAbrenz::ChoicesToUi(const SettingsRecord& record) {
    m_ComboBoxBoard->setCurrentIndex(record.U8(TConfigAbrenz::ABRENZ_CONFIG::nBoardType));
    Si5340BoardForm::ChoicesToUi(record);
}

void TFormAbrenz::UiToChoices(SettingsRecord& record) {
    record.SetU8(TConfigAbrenz::ABRENZ_CONFIG::nBoardType,
                 static_cast<uint8_t>(m_ComboBoxBoard->currentIndex()));
    Si5340BoardForm::UiToChoices(record);
}
