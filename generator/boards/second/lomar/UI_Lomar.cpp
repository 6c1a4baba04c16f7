#include "UI_Lomar.h"

#include "LOMAR_CONFIG.h"
#include "LomarRules.h"
#include "UI_LomarLayout.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using C = LOMAR_CONFIG;
using platform::Component;

namespace {

constexpr const char* kPllCombos[] = {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSME", "ComboBoxPLL_GXB"};
constexpr int kGpioModeIndex = 1;

} // namespace

TFormLomar::TFormLomar(QWidget* owner)
    : BoardForm(owner, LomarLogic(), lomar::kLayout), m_RunGpio([this](TFormGPIO& dialog) {
          // Centred on the main window.
          dialog.move(window()->geometry().center() - dialog.rect().center());
          return dialog.exec();
      }) {
    m_ComboBoxBoard = Component<QComboBox>(this, "ComboBoxBoard");
    m_ComboBoxHsmcGpio = Component<QComboBox>(this, "ComboBoxHsmcGpio");
    for (int i = 0; i < 3; ++i)
        m_ComboBoxPll[i] = Component<QComboBox>(this, kPllCombos[i]);
    m_CheckBoxExtPLL = Component<QCheckBox>(this, "CheckBoxExtPLL");
    m_ImageVol = Component<platform::PictureBox>(this, "ImageVol");
    connect(m_ComboBoxBoard, &QComboBox::activated, this, [this] { ComboBoxBoardChange(); });
    connect(m_ComboBoxHsmcGpio, &QComboBox::activated, this, [this] { ComboBoxHsmcGpioChange(); });
    connect(Component<QPushButton>(this, "ButtonGpio"), &QPushButton::clicked, this,
            [this] { ButtonGpioClick(); });
    // After the kit's own handler of each box: a click shows the stored PLL choices again.
    for (const kit::FlagBinding& f : Logic().Spec().flags)
        connect(Component<QCheckBox>(this, f.box), &QCheckBox::clicked, this, [this] { UpdatePllEnable(); });
    // The two lines that join the voltage picture to the board picture.
    auto* hint = Component<platform::PaintBox>(this, "PaintBoxHint");
    hint->SetPainter([hint](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(0, 0, hint->width(), 0);
        p.drawLine(0, 50, hint->width(), hint->height());
    });
    Start();
}

TFormLomar::~TFormLomar() = default;

void TFormLomar::FillChoiceLists() {
    m_ComboBoxBoard->clear();
    for (const char* item : kLomarBoardTypes)
        m_ComboBoxBoard->addItem(QString::fromLatin1(item));
    m_ComboBoxBoard->setCurrentIndex(0);
    m_ComboBoxHsmcGpio->clear();
    for (const char* item : kLomarHsmcModes)
        m_ComboBoxHsmcGpio->addItem(QString::fromLatin1(item));
    m_ComboBoxHsmcGpio->setCurrentIndex(0);
    for (QComboBox* combo : m_ComboBoxPll) {
        combo->clear();
        for (const char* item : kLomarPllFrequencies)
            combo->addItem(QString::fromLatin1(item));
        combo->setCurrentIndex(0);
        combo->setMaxVisibleItems(static_cast<int>(std::size(kLomarPllFrequencies)));
    }
    CreateGpioDialog();
    QWidget* combo = Combo(LOMAR_HSMC_C);
    Widget("LabelGPIO")->setGeometry(combo->x(), combo->y(), combo->width(), combo->height() * 2);
}

void TFormLomar::CreateGpioDialog() {
    m_FormGpio = std::make_unique<TFormGPIO>(nullptr);
    const FormSettings& list = Holder(LOMAR_LIST_GPIO);
    m_FormGpio->SetDaughterList(&list.DaughterIds, list.DaughterCount);
}

TFormGPIO& TFormLomar::GpioDialog() {
    if (m_FormGpio == nullptr) {
        CreateGpioDialog();
        ShowGpioChoice(Record());
    }
    return *m_FormGpio;
}

// A stored id the list does not hold leaves that header's confirmed choice as it is; then
// the pair is coupled from GPIO-0.
void TFormLomar::ShowGpioChoice(const SettingsRecord& record) {
    TFormGPIO& dialog = *m_FormGpio;
    const FormSettings& list = Holder(LOMAR_LIST_GPIO);
    for (int h = 0; h < 2; ++h) {
        const uint8_t id = record.U8(C::GpioDaughterId(h));
        for (int k = 0; k < list.DaughterCount; ++k) {
            if (list.DaughterIds[static_cast<std::size_t>(k)] != id)
                continue;
            const std::string prefix = record.Text(C::GpioPrefixName(h));
            h == 0 ? dialog.SetGpio0Index(k) : dialog.SetGpio1Index(k);
            h == 0 ? dialog.SetGpio0Prefix(prefix) : dialog.SetGpio1Prefix(prefix);
            break;
        }
    }
    dialog.CoupleConfirmed();
}

bool TFormLomar::IsHsmcCGpioMode() const {
    return m_ComboBoxHsmcGpio->currentIndex() == kGpioModeIndex;
}

void TFormLomar::ChoicesToUi(const SettingsRecord& record) {
    m_ComboBoxBoard->setCurrentIndex(record.U8(C::nBoardType));
    m_ComboBoxHsmcGpio->setCurrentIndex(record.U8(C::bHsmcGpio) != 0 ? kGpioModeIndex : 0);
    GpioDialog();
    ShowGpioChoice(record);
    UpdatePllEnable();
}

void TFormLomar::UiToChoices(SettingsRecord& record) {
    record.SetU8(C::nBoardType, static_cast<uint8_t>(std::max(0, m_ComboBoxBoard->currentIndex())));
    record.SetU8(C::bHsmcGpio, IsHsmcCGpioMode() ? 1 : 0);
    const GpioExpansion& gpio = GpioDialog().State();
    for (int h = 0; h < 2; ++h) {
        record.SetU8(C::GpioDaughterId(h), gpio.ConfirmedCard(h));
        record.SetText(C::GpioPrefixName(h), gpio.GetPrefix(h));
    }
    // Unticked, the stored choices stay for the next tick.
    if (m_CheckBoxExtPLL->isChecked())
        for (int i = 0; i < 3; ++i)
            record.SetU8(C::nPllFreq + static_cast<std::size_t>(i),
                         static_cast<uint8_t>(std::max(0, m_ComboBoxPll[i]->currentIndex())));
}

void TFormLomar::UpdatePllEnable() {
    const bool used = m_CheckBoxExtPLL->isChecked();
    for (int i = 0; i < 3; ++i) {
        m_ComboBoxPll[i]->setEnabled(used);
        m_ComboBoxPll[i]->setCurrentIndex(used ? Record().U8(C::nPllFreq + static_cast<std::size_t>(i)) : 0);
    }
}

void TFormLomar::UpdateGpioLabel() {
    const bool gpio = IsHsmcCGpioMode();
    for (const char* name : {"ComboBoxHSMC_C", "EditHSMC_C", "LabelHSMCPrefix"})
        Widget(name)->setVisible(!gpio);
    Widget("LabelGPIO")->setVisible(gpio);
    Widget("ButtonGpio")->setVisible(gpio);
    auto* image = Component<platform::PictureBox>(this, "ImageHSMC_C");
    if (gpio) {
        image->hide();
        const GpioExpansion& state = GpioDialog().State();
        Component<QLabel>(this, "LabelGPIO")
            ->setText(platform::ToQt(LomarGpioLabel(state.ConfirmedCard(0), state.ConfirmedCard(1))));
    } else {
        ShowCardPicture(image, ChosenCard(LOMAR_HSMC_C)); // a card without picture shows nothing
    }
}

void TFormLomar::UpdateExtraImages() {
    if (IsHsmcCGpioMode())
        Widget("ImageHSMC_C")->hide();
}

void TFormLomar::UpdateExtras() {
    const bool gpio = IsHsmcCGpioMode();
    SetShapeVisible("ShapeHSMC_C", !gpio && Combo(LOMAR_HSMC_C)->currentIndex() > 0);
    const GpioExpansion& state = GpioDialog().State();
    SetShapeVisible("ShapeGpio0", gpio && state.GetIndex(0) != 0);
    SetShapeVisible("ShapeGpio1", gpio && state.GetIndex(1) != 0);
    UpdateGpioLabel();
    DrawVoltageJumpers();
}

void TFormLomar::TrailingSteps() {
    UpdateGpioLabel();
}

void TFormLomar::DrawVoltageJumpers() {
    std::array<uint8_t, 6> cards{};
    for (int k = 0; k < 6; ++k)
        cards[static_cast<std::size_t>(k)] = ChosenCard(k);
    // A fresh picture each time, which erases the earlier marks.
    QImage picture = platform::LoadBitmapResource("LOMAR_VOL").convertToFormat(QImage::Format_ARGB32);
    const QImage jumper = platform::LoadBitmapResource("LOMAR_VOL_JUMPER");
    const QImage led = platform::LoadBitmapResource("LOMAR_VOL_LED_ON");
    if (!picture.isNull()) {
        QPainter p(&picture);
        for (const LomarVoltageMarks& m : LomarVoltageJumpers(cards, IsHsmcCGpioMode())) {
            p.drawImage(m.jumperX, m.jumperY, jumper);
            if (m.led1)
                p.drawImage(m.led1X, m.ledY, led);
            if (m.led2)
                p.drawImage(m.led2X, m.ledY, led);
        }
    }
    m_ImageVol->SetImage(picture);
}

void TFormLomar::ComboBoxBoardChange() {
    UiToConfig(Record());
    ConfigToUi(Record());
}

void TFormLomar::ComboBoxHsmcGpioChange() {
    UpdateDaughterImages();
    UpdateShapes(); // the GPIO label and the jumpers too
}

void TFormLomar::ButtonGpioClick() {
    if (m_RunGpio(GpioDialog()) != QDialog::Accepted)
        return;
    UpdateDaughterImages();
    UpdateShapes();
}

void TFormLomar::closeEvent(QCloseEvent* event) {
    BoardForm::closeEvent(event);
    m_FormGpio.reset();
}
