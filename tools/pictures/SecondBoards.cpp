// The pictures of the second group of catalogue boards, drawn from their forms' layouts.
#include "FormBoardPicture.h"
#include "boards/second/elbrin/UI_ElbrinLayout.h"
#include "boards/second/irvane/UI_IrvaneLayout.h"
#include "boards/second/jorrel/UI_JorrelLayout.h"
#include "boards/second/mirvo/UI_MirvoLayout.h"
#include "boards/second/norrik/UI_NorrikLayout.h"
#include "boards/second/ostrel/UI_OstrelLayout.h"
#include "boards/second/rasmel/UI_RasmelLayout.h"

PW_FORM_BOARD_PICTURE(elbrin::kLayout, "Elbrin");
PW_FORM_BOARD_PICTURE(jorrel::kLayout, "Jorrel");
PW_FORM_BOARD_PICTURE(irvane::kLayout, "Irvane");
PW_FORM_BOARD_PICTURE(mirvo::kLayout, "Mirvo");
PW_FORM_BOARD_PICTURE(norrik::kLayout, "Norrik");
PW_FORM_BOARD_PICTURE(ostrel::kLayout, "Ostrel");
PW_FORM_BOARD_PICTURE(rasmel::kLayout, "Rasmel");
