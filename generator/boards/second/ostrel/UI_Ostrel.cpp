#include "UI_Ostrel.h"

#include "OstrelRules.h"
#include "UI_OstrelLayout.h"

TFormOstrel::TFormOstrel(QWidget* owner) : OscillatorBoardForm(owner, OstrelLogic(), ostrel::kLayout) {
    for (const char* box : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"})
        Widget(box)->setToolTip(QStringLiteral("Up to 4GB, 800 data rate"));
    Start();
}
