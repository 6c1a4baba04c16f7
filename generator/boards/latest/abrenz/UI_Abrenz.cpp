#include "UI_Abrenz.h"

#include "AbrenzRules.h"
#include "UI_AbrenzLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QComboBox>

TFormAbrenz::TFormAbrenz(QWidget* owner)
    : Si5340BoardForm(owner, AbrenzLogic(), abrenz::kLayout, AbrenzClockLists(), &AbrenzSelectAll) {
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"})
        Widget(box)->setToolTip(QStringLiteral("Up to 4GB, 800 data rate"));
    Start();
}

void TFormAbrenz::FillChoiceLists() {
    FillList("ComboBoxBoard", kAbrenzVariants);
    Si5340BoardForm::FillChoiceLists();
}
