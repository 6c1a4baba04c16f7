#include "UI_Hestor.h"

#include "HestorRules.h"
#include "UI_HestorLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QPushButton>

TFormHestor::TFormHestor(QWidget* owner) : BoardForm(owner, HestorLogic(), hestor::kLayout) {
    connect(platform::Component<QPushButton>(this, "Button1"), &QPushButton::clicked, this,
            [this] { ButtonMainBoardSelectClick(); });
    Start();
}
