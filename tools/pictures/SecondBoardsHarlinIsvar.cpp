// The pictures of the Harlin and Isvar boards, drawn from their forms' layouts.
#include "FormBoardPicture.h"
#include "boards/second/harlin/UI_HarlinLayout.h"
#include "boards/second/isvar/UI_IsvarLayout.h"

PW_FORM_BOARD_PICTURE(harlin::kLayout, "Harlin");
PW_FORM_BOARD_PICTURE(isvar::kLayout, "Isvar");
