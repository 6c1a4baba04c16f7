#include "UI_Lomar.h"

#include "LomarRules.h"
#include "UI_LomarLayout.h"
#include "platform/qt/FormBuilder.h"
#include "platform/qt/Widgets.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>

using platform::Component;

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

void TFormLomar::ButtonGpioClick() {
    Read();
    TFormGPIO& dialog = GpioDialog();
    LomarGpioToDialog(View(), dialog.State());
    if (m_RunGpio(dialog) != QDialog::Accepted)
        return;
    Apply([&dialog](kit::FormView& view, SettingsRecord&) { LomarGpioFromDialog(dialog.State(), view); });
}

void TFormLomar::closeEvent(QCloseEvent* event) {
    BoardForm::closeEvent(event);
    m_FormGpio.reset();
}
