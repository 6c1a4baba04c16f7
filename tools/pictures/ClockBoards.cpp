// The pictures of the clock-chip boards (27, 29 and 31), drawn from their forms' layouts.
#include "FormBoardPicture.h"
#include "boards/latest/abrenz/UI_AbrenzLayout.h"
#include "boards/latest/calvex/UI_CalvexLayout.h"
#include "boards/latest/embrel/UI_EmbrelLayout.h"

PW_FORM_BOARD_PICTURE(abrenz::kLayout, "Abrenz");
PW_FORM_BOARD_PICTURE(calvex::kLayout, "Calvex");
PW_FORM_BOARD_PICTURE(embrel::kLayout, "Embrel");
