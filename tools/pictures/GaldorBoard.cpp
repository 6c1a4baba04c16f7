// The picture of the Galdor board, drawn from its form's layout.
#include "FormBoardPicture.h"
#include "boards/second/galdor/UI_GaldorLayout.h"

PW_FORM_BOARD_PICTURE(galdor::kLayout, "Galdor");
