#include "UI_Zephal.h"

#include "UI_ZephalLayout.h"
#include "ZEPHAL_CONFIG.h"
#include "ZephalRules.h"
#include "platform/qt/ByteLimitValidator.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <iterator>

using C = ZEPHAL_CONFIG;

TFormZephal::TFormZephal(QWidget* owner) : BoardForm(owner, ZephalLogic(), zephal::kLayout) {
    m_ComboBoxBBB = platform::Component<QComboBox>(this, "ComboBoxBBB");
    m_EditPrefixBBB = platform::Component<QLineEdit>(this, "EditPrefixBBB");
    m_ImageBBB = platform::Component<platform::PictureBox>(this, "ImageBBB");
    m_ComboBoxBoardRev = platform::Component<QComboBox>(this, "ComboBoxBoardRev");
    platform::LimitBytes(m_EditPrefixBBB, 127); // the record's field holds 127 bytes
    connect(m_ComboBoxBBB, &QComboBox::activated, this, [this] { ComboBoxBBBChange(); });
    // The revision stays in the record only; the board panel takes its room.
    m_ComboBoxBoardRev->hide();
    Widget("LabelRevision")->hide();
    QWidget* panel = Widget("PanelBoard");
    panel->resize(panel->width(), panel->height() + 35);
    Start();
}

void TFormZephal::FillChoiceLists() {
    m_ComboBoxBBB->clear();
    for (const BbbModeRow& mode : kZephalBbbModes)
        m_ComboBoxBBB->addItem(QString::fromLatin1(mode.item));
    m_ComboBoxBBB->setCurrentIndex(0);
    m_ComboBoxBoardRev->clear();
    for (const char* item : kZephalRevisions)
        m_ComboBoxBoardRev->addItem(QString::fromLatin1(item));
    m_ComboBoxBoardRev->setCurrentIndex(0);
}

void TFormZephal::ChoicesToUi(const SettingsRecord& record) {
    // The stored mode is the combo's index itself.
    m_ComboBoxBBB->setCurrentIndex(record.U8(C::nBbbMode));
    if (m_ComboBoxBBB->currentIndex() > 0)
        m_EditPrefixBBB->setText(platform::ToQt(record.Text(C::szBbbPrefixName)));
    else
        m_EditPrefixBBB->clear();
    m_ComboBoxBoardRev->setCurrentIndex(record.I32(C::nBoardRevision));
}

void TFormZephal::UiToChoices(SettingsRecord& record) {
    record.SetU8(C::nBbbMode, static_cast<uint8_t>(m_ComboBoxBBB->currentIndex()));
    record.SetText(C::szBbbPrefixName, platform::FromQt(m_EditPrefixBBB->text()));
    record.SetI32(C::nBoardRevision, m_ComboBoxBoardRev->currentIndex());
}

void TFormZephal::UpdateExtras() {
    const bool header = m_ComboBoxBBB->currentIndex() > 0;
    SetShapeVisible("ShapeBBB_P8", header);
    SetShapeVisible("ShapeBBB_P9", header);
}

void TFormZephal::UpdateExtraImages() {
    const int mode = m_ComboBoxBBB->currentIndex();
    const bool listed = mode >= 0 && mode < static_cast<int>(std::size(kZephalBbbModes));
    ShowCardPicture(m_ImageBBB, listed ? kZephalBbbModes[mode].pictureId : 0);
}

void TFormZephal::ComboBoxBBBChange() {
    UpdateDaughterImages();
    UpdateShapes();
}
