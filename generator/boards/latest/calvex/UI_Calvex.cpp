#include "UI_Calvex.h"

#include "CalvexRules.h"
#include "ConfigCalvex.h"
#include "UI_CalvexLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>

using C = TConfigCalvex::CALVEX_CONFIG;

namespace {

void Fill(QComboBox* combo, std::span<const char* const> items) {
    combo->clear();
    for (const char* item : items)
        combo->addItem(QString::fromLatin1(item));
}

} // namespace

TFormCalvex::TFormCalvex(QWidget* owner) : BoardForm(owner, CalvexLogic(), calvex::kLayout) {
    m_ComboBoxBoard = platform::Component<QComboBox>(this, "ComboBoxBoard");
    m_CheckBoxExtCdcmPLL = platform::Component<QCheckBox>(this, "CheckBoxExtCdcmPLL");
    m_CheckBoxExtLmkPLL = platform::Component<QCheckBox>(this, "CheckBoxExtLmkPLL");
    for (const CalvexClockList& list : CalvexCdcmLists())
        m_Cdcm.push_back(platform::Component<QComboBox>(this, list.combo));
    for (const CalvexClockList& list : CalvexLmkLists())
        m_Lmk.push_back(platform::Component<QComboBox>(this, list.combo));
    Widget("CheckBoxDDR3")->setToolTip(QStringLiteral("Up to 4GB, 1066 data rate"));
    Start();
}

void TFormCalvex::FillChoiceLists() {
    m_ComboBoxBoard->clear();
    for (const char* item : kCalvexVariants)
        m_ComboBoxBoard->addItem(QString::fromLatin1(item));
    m_ComboBoxBoard->setCurrentIndex(0);
    for (std::size_t i = 0; i < m_Lmk.size(); ++i) {
        Fill(m_Lmk[i], CalvexLmkLists()[i].items);
        m_Lmk[i]->setCurrentIndex(0);
        m_Lmk[i]->setMaxVisibleItems(3);
    }
    // Their selection follows from the record.
    for (std::size_t i = 0; i < m_Cdcm.size(); ++i) {
        Fill(m_Cdcm[i], CalvexCdcmLists()[i].items);
        m_Cdcm[i]->setMaxVisibleItems(15);
    }
}

void TFormCalvex::ChoicesToUi(const SettingsRecord& record) {
    m_ComboBoxBoard->setCurrentIndex(record.U8(C::nBoardType));
    UpdatePllEnable(record);
}

void TFormCalvex::UiToChoices(SettingsRecord& record) {
    record.SetU8(C::nBoardType, static_cast<uint8_t>(m_ComboBoxBoard->currentIndex()));
    const bool cdcm = m_CheckBoxExtCdcmPLL->isChecked();
    const bool lmk = m_CheckBoxExtLmkPLL->isChecked();
    for (std::size_t i = 0; i < m_Cdcm.size(); ++i)
        record.SetU8(CalvexCdcmLists()[i].setting,
                     cdcm ? static_cast<uint8_t>(m_Cdcm[i]->currentIndex()) : 0);
    for (std::size_t i = 0; i < m_Lmk.size(); ++i)
        record.SetU8(CalvexLmkLists()[i].setting, lmk ? static_cast<uint8_t>(m_Lmk[i]->currentIndex()) : 0);
}

void TFormCalvex::UpdatePllEnable(const SettingsRecord& record) {
    // The stored settings, not what the lists showed: a choice since the last save is replaced.
    const bool cdcm = m_CheckBoxExtCdcmPLL->isChecked();
    const bool lmk = m_CheckBoxExtLmkPLL->isChecked();
    for (std::size_t i = 0; i < m_Cdcm.size(); ++i) {
        m_Cdcm[i]->setEnabled(cdcm);
        m_Cdcm[i]->setCurrentIndex(cdcm ? record.U8(CalvexCdcmLists()[i].setting) : 0);
    }
    for (std::size_t i = 0; i < m_Lmk.size(); ++i) {
        m_Lmk[i]->setEnabled(lmk);
        m_Lmk[i]->setCurrentIndex(lmk ? record.U8(CalvexLmkLists()[i].setting) : 0);
    }
}

void TFormCalvex::BoxClicked() {
    UpdatePllEnable(Record());
}
