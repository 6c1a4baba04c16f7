// The pictures of the first catalogue boards with HSMC connectors, drawn from their
// forms' layouts.
#include "FormBoardPicture.h"
#include "boards/first/glavin/UI_GlavinLayout.h"
#include "boards/first/hestor/UI_HestorLayout.h"

PW_FORM_BOARD_PICTURE_NAMED(glavin::kLayout, "Image1", "Glavin");
PW_FORM_BOARD_PICTURE(hestor::kLayout, "Hestor");
