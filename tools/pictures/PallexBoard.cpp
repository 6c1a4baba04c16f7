// The picture of board 16, Pallex, drawn from its form's layout.
#include "FormBoardPicture.h"
#include "boards/second/pallex/UI_PallexLayout.h"

PW_FORM_BOARD_PICTURE(pallex::kLayout, "Pallex");
