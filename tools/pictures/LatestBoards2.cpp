// The pictures of the Cyclone V SoC boards of the latest group, drawn from their
// forms' layouts.
#include "FormBoardPicture.h"
#include "boards/latest/ulmaro/UI_UlmaroLayout.h"
#include "boards/latest/vardis/UI_VardisLayout.h"
#include "boards/latest/wendro/UI_WendroLayout.h"
#include "boards/latest/xylmar/UI_XylmarLayout.h"

PW_FORM_BOARD_PICTURE(ulmaro::kLayout, "Ulmaro");
PW_FORM_BOARD_PICTURE(vardis::kLayout, "Vardis");
PW_FORM_BOARD_PICTURE(wendro::kLayout, "Wendro");
PW_FORM_BOARD_PICTURE(xylmar::kLayout, "Xylmar");
