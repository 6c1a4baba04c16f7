#include "UI_Galdor.h"

#include "GaldorRules.h"
#include "UI_GaldorLayout.h"
#include "platform/qt/FormBuilder.h"

#include <QCheckBox>
#include <QComboBox>

TFormGaldor::TFormGaldor(QWidget* owner) : BoardForm(owner, GaldorLogic(), galdor::kLayout) {
    for (const GaldorHint& hint : kGaldorHints)
        platform::Component<QCheckBox>(this, hint.box)->setToolTip(QString::fromLatin1(hint.text));
    Start();
}

void TFormGaldor::FillChoiceLists() {
    FillList("ComboBoxBoard", kGaldorBoardTypes);
    FillList("ComboBoxFPGA", kGaldorNodes);
}
