// The pictures of the first catalogue boards, drawn from their forms' layouts.
#include "FormBoardPicture.h"
#include "boards/first/arvel/UI_ArvelLayout.h"
#include "boards/first/belmic/UI_BelmicLayout.h"
#include "boards/first/cardix/UI_CardixLayout.h"
#include "boards/first/dorvel/UI_DorvelLayout.h"

PW_FORM_BOARD_PICTURE(arvel::kLayout, "Arvel");
PW_FORM_BOARD_PICTURE(belmic::kLayout, "Belmic");
PW_FORM_BOARD_PICTURE(cardix::kLayout, "Cardix");
PW_FORM_BOARD_PICTURE(dorvel::kLayout, "Dorvel");
