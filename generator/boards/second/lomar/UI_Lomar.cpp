#include "UI_Lomar.h"

#include "LOMAR_CONFIG.h"
#include "LomarRules.h"
#include "UI_LomarLayout.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/Resources.h"
#include "platform/qt/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using C = LOMAR_CONFIG;
using platform::Component;

namespace {

bool GpioMode(const kit::FormView& view) {
    return view.record.U8(C::bHsmcGpio) != 0;
}

} // namespace

TFormLomar::TFormLomar(QWidget* owner)
    : BoardForm(owner, LomarLogic(), lomar::kLayout), m_RunGpio([this](TFormGPIO& dialog) {
          // Centred on the main window.
          dialog.move(window()->geometry().center() - dialog.rect().center());
          return dialog.exec();
      }) {
    connect(Component<QPushButton>(this, "ButtonGpio"), &QPushButton::clicked, this,
            [this] { ButtonGpioClick(); });
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
    FillList("ComboBoxBoard", kLomarBoardTypes);
    FillList("ComboBoxHsmcGpio", kLomarHsmcModes);
    for (const char* name : {"ComboBoxPLL_HSMA", "ComboBoxPLL_HSME", "ComboBoxPLL_GXB"})
        FillList(name, kLomarPllFrequencies)
            ->setMaxVisibleItems(static_cast<int>(std::size(kLomarPllFrequencies)));
    GpioDialog();
    QWidget* combo = Combo(LOMAR_HSMC_C);
    Widget("LabelGPIO")->setGeometry(combo->x(), combo->y(), combo->width(), combo->height() * 2);
}

TFormGPIO& TFormLomar::GpioDialog() {
    if (m_FormGpio == nullptr) {
        m_FormGpio = std::make_unique<TFormGPIO>(nullptr);
        const std::span<const uint8_t> cards = Logic().Cards(LOMAR_LIST_GPIO);
        m_FormGpio->SetDaughterList(cards);
    }
    return *m_FormGpio;
}

// HSMC-C's controls, or the GPIO headers' label and button in their place.
void TFormLomar::DrawGpioLabel(const kit::FormView& view) {
    const bool gpio = GpioMode(view);
    for (const char* name : {"ComboBoxHSMC_C", "EditHSMC_C", "LabelHSMCPrefix"})
        Widget(name)->setVisible(!gpio);
    Widget("LabelGPIO")->setVisible(gpio);
    Widget("ButtonGpio")->setVisible(gpio);
    auto* image = Component<platform::PictureBox>(this, "ImageHSMC_C");
    if (gpio) {
        image->hide();
        Component<QLabel>(this, "LabelGPIO")
            ->setText(platform::ToQt(
                LomarGpioLabel(view.record.U8(C::GpioDaughterId(0)), view.record.U8(C::GpioDaughterId(1)))));
    } else {
        ShowCardPicture(image,
                        Logic().CardId(view.record, LOMAR_HSMC_C)); // a card without picture shows nothing
    }
}

void TFormLomar::DrawPictures(const kit::FormView& view) {
    if (GpioMode(view))
        Widget("ImageHSMC_C")->hide();
}

void TFormLomar::DrawOutlines(const kit::FormView& view) {
    const bool gpio = GpioMode(view);
    SetShapeVisible("ShapeHSMC_C", !gpio && Logic().CardId(view.record, LOMAR_HSMC_C) != 0);
    SetShapeVisible("ShapeGpio0", gpio && view.record.U8(C::GpioDaughterId(0)) != 0);
    SetShapeVisible("ShapeGpio1", gpio && view.record.U8(C::GpioDaughterId(1)) != 0);
    DrawGpioLabel(view);
    DrawVoltageJumpers(view);
}

void TFormLomar::DrawVoltageJumpers(const kit::FormView& view) {
    std::array<uint8_t, 6> cards{};
    for (int k = 0; k < 6; ++k)
        cards[static_cast<std::size_t>(k)] = Logic().CardId(view.record, k);
    // A fresh picture each time, which erases the earlier marks.
    QImage picture = platform::LoadBitmapResource("LOMAR_VOL").convertToFormat(QImage::Format_ARGB32);
    const QImage jumper = platform::LoadBitmapResource("LOMAR_VOL_JUMPER");
    const QImage led = platform::LoadBitmapResource("LOMAR_VOL_LED_ON");
    if (!picture.isNull()) {
        QPainter p(&picture);
        for (const LomarVoltageMarks& m : LomarVoltageJumpers(cards, GpioMode(view))) {
            p.drawImage(m.jumperX, m.jumperY, jumper);
            if (m.led1)
                p.drawImage(m.led1X, m.ledY, led);
            if (m.led2)
                p.drawImage(m.led2X, m.ledY, led);
        }
    }
    Component<platform::PictureBox>(this, "ImageVol")->SetImage(picture);
}

void TFormLomar::ButtonGpioClick() {
    Read();
    TFormGPIO& dialog = GpioDialog();
    LomarGpioToDialog(View(), dialog.State());
    if (m_RunGpio(dialog) != QDialog::Accepted)
        return;
    Apply([&dialog](kit::FormView& view, SettingsRecord&, kit::FormPainter* painter) {
        LomarGpioFromDialog(dialog.State(), view, painter);
    });
}

void TFormLomar::closeEvent(QCloseEvent* event) {
    BoardForm::closeEvent(event);
    m_FormGpio.reset();
}
