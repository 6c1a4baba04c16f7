#include "UI_GPIO.h"

#include "UI_GPIOLayout.h"
#include "boards/kit/BoardForm.h"
#include "model/DaughterCatalogue.h"
#include "platform/Text.h"
#include "platform/qt/ByteLimitValidator.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using platform::Component;

TFormGPIO::TFormGPIO(QWidget* owner) : QDialog(owner) {
    platform::BuildForm(this, gpiodialog::kLayout);
    setModal(true);
    const char* combos[] = {"ComboBoxGpio0", "ComboBoxGpio1"};
    const char* prefixes[] = {"EditPrefixGpio0", "EditPrefixGpio1"};
    const char* images[] = {"ImageGpio0", "ImageGpio1"};
    for (int h = 0; h < 2; ++h) {
        m_Combo[h] = Component<QComboBox>(this, combos[h]);
        m_Prefix[h] = Component<QLineEdit>(this, prefixes[h]);
        m_Image[h] = Component<platform::PictureBox>(this, images[h]);
        platform::LimitBytes(m_Prefix[h], 127); // the record's field holds 127 bytes
        connect(m_Combo[h], &QComboBox::activated, this, [this, h] { ComboBoxGpioChange(h); });
    }
    connect(Component<QPushButton>(this, "ButtonOk"), &QPushButton::clicked, this,
            [this] { ButtonOkClick(); });
    connect(Component<QPushButton>(this, "ButtonCancel"), &QPushButton::clicked, this,
            [this] { ButtonCancelClick(); });
}

void TFormGPIO::SetDaughterList(std::span<const uint8_t> cards) {
    m_State.SetDaughterList(cards);
    const int count = static_cast<int>(cards.size());
    for (QComboBox* combo : m_Combo) {
        combo->clear();
        for (int i = 0; i < count; ++i)
            combo->addItem(platform::ToQt(BoardName(static_cast<int8_t>(m_State.CardAt(i)))));
        combo->setCurrentIndex(0);
        combo->setMaxVisibleItems(std::max(1, count));
    }
}

void TFormGPIO::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormGPIO::FormShow() {
    m_State.Show();
    ShowState();
    UpdateDaughterImages();
}

void TFormGPIO::ComboBoxGpioChange(int header) {
    ReadPrefixes();
    m_State.ChooseCard(header, m_Combo[header]->currentIndex());
    ShowState();
    UpdateDaughterImages();
}

void TFormGPIO::ButtonOkClick() {
    ReadPrefixes(); // the combo boxes always show the shown cards
    m_State.Ok();
    done(QDialog::Accepted);
}

void TFormGPIO::ButtonCancelClick() {
    done(QDialog::Rejected);
}

void TFormGPIO::ReadPrefixes() {
    for (int h = 0; h < 2; ++h)
        m_State.TypePrefix(h, platform::FromQt(m_Prefix[h]->text()));
}

void TFormGPIO::ShowState() {
    for (int h = 0; h < 2; ++h) {
        const GpioExpansion::Header& shown = m_State.Shown(h);
        m_Combo[h]->setCurrentIndex(shown.index);
        m_Prefix[h]->setText(platform::ToQt(shown.prefix));
        m_Combo[h]->setEnabled(shown.enabled);
        m_Prefix[h]->setEnabled(shown.enabled);
    }
}

void TFormGPIO::UpdateDaughterImages() {
    for (int h = 0; h < 2; ++h)
        ShowCardPicture(m_Image[h], m_State.CardAt(m_Combo[h]->currentIndex()));
}
