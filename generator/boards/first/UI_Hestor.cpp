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

void TFormHestor::PrepareStartRecord(SettingsRecord& record) {
    // default.cfg is not this form's: every start shows the defaults.
    SetDefaultConfig(record);
}
