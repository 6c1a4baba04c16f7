// The pictures of the first catalogue boards with Kappel connectors, drawn from their
// forms' layouts.
#include "FormBoardPicture.h"
#include "boards/first/fennic/UI_FennicLayout.h"
#include "boards/first/kestin/UI_KestinLayout.h"

PW_FORM_BOARD_PICTURE(fennic::kLayout, "Fennic");
PW_FORM_BOARD_PICTURE_NAMED(kestin::kLayout, "Image1", "Kestin");
